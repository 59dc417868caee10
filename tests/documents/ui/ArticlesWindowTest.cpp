// The merge window: the filled document, its caption, reopening and resizing.

#include "documents/ui/ArticlesWindow.h"
#include "documents/ui/DocumentWindows.h"
#include "records/ui/FormTesting.h"
#include "support/PdfText.h"
#include "support/QStringPrinter.h"
#include "support/ui_Layout.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>

#include <gtest/gtest.h>

using documents::ArticlesWindow;

namespace {

const QString Articles
    = "ARTICLES OF INCORPORATION\r\n\r\nThe name of the corporation is [BusninesName].\r\n"
      "Its office is at [BusinessAddressOne], [BusinessCity], [county] County, [state] [BusinessZip].\r\n\r\n"
      "The registered agent is:[RegisteredAgent]\r\nThe corporation is formed to [insert type of business]:"
      "[list specific functions]Signed, [REGISTEREDAGENTFirstName] [REGISTEREDAGENTLastName]";

class ArticlesWindowTest : public testing_support::FormTest
{
protected:
    void SetUp() override
    {
        folder.exec(
            QStringLiteral(
                "INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) VALUES ('articles', '%1'), ('blank', NULL);"
                "INSERT INTO BusinessInformation (BusninesName, BusinessAddressOne, BusinessCity, BusinessState, "
                "BusinessZip,"
                " BusinessCounty) VALUES ('Sample Tools', '1 Main St', 'Springfield', 'IL', '62701', 'Sangamon');"
                "INSERT INTO BusinessInformation (BusninesName) VALUES ('Other Business');"
                "INSERT INTO REGISTEREDAGENT (BusinessInformationId, REGISTEREDAGENTFirstName, REGISTEREDAGENTLastName,"
                " REGISTEREDAGENTAddressOne, REGISTEREDAGENTCity, REGISTEREDAGENTState, REGISTEREDAGENTZip)"
                " VALUES (1, 'Ann', 'Cole', '9 Elm St', 'Dover', 'DE', '19901');"
                "INSERT INTO BusinessType (BusinessInformationId, BusinessType) VALUES (1, 'make hand tools');"
                "INSERT INTO [Business Long Term Goal] (BusinessInformationId, BusinessLongTermGoal) VALUES"
                " (1, 'Sell tools in three states'), (1, 'Train apprentices');")
                .arg(Articles));
        open("Articles", 1);
    }

    static ArticlesWindow &window() { return documents::articlesWindow(); }
    static QString text() { return window().findChild<QPlainTextEdit *>("Text1")->toPlainText(); }
    static void open(const QString &reportName, qint64 businessId) { window().showTemplate(reportName, businessId); }
    static QPlainTextEdit *box() { return window().findChild<QPlainTextEdit *>("Text1"); }
    static QLabel *notice() { return window().findChild<QLabel *>("lblNotice"); }
    static void trigger(const char *command) { window().findChild<QAction *>(QLatin1String(command))->trigger(); }
};

// A business name of half a million characters without a space opens at once: the box
// wraps it anywhere instead of searching it for a word boundary on every line.
TEST_F(ArticlesWindowTest, AHugeUnbrokenNameOpensWithoutSearchingForWordBoundaries)
{
    folder.exec(QStringLiteral("UPDATE BusinessInformation SET BusninesName = '%1' WHERE BusinessInformationId = 2")
                    .arg(QString(500000, u'n')));
    open("Articles", 2);
    EXPECT_TRUE(text().contains(QString(500000, u'n')));
    EXPECT_EQ(box()->wordWrapMode(), QTextOption::WrapAnywhere);
    // An ordinary document wraps at word boundaries again.
    open("Articles", 1);
    EXPECT_EQ(box()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

TEST_F(ArticlesWindowTest, ShowsTheFilledTemplateUnderItsName)
{
    EXPECT_EQ(window().objectName(), "rptArticlesOfCorporation");
    EXPECT_EQ(window().windowTitle(), "Report: articles");
    EXPECT_EQ(text(), "\nARTICLES OF INCORPORATION\n\nThe name of the corporation is Sample Tools.\n"
                      "Its office is at 1 Main St, Springfield, Sangamon County, IL 62701.\n\n"
                      "The registered agent is:\n\tAnn\t\tCole\n9 Elm St\n\nDover\tDE\t19901\n\n"
                      "The corporation is formed to make hand tools:\n\nSell tools in three "
                      "states\nTrain apprentices\n\nSigned, Ann Cole");
}

TEST_F(ArticlesWindowTest, ShowingAgainMergesWhatIsAskedForUnderItsCaption)
{
    // The same template and business only come to the front, with what was typed into the box.
    window().findChild<QPlainTextEdit *>("Text1")->setPlainText("notes");
    open("Articles", 1);
    EXPECT_EQ(text(), "notes");

    open("Articles", 2);
    EXPECT_EQ(window().windowTitle(), "Report: articles");
    EXPECT_TRUE(text().contains("The name of the corporation is Other Business."));

    open("Blank", 2);
    EXPECT_EQ(window().windowTitle(), "Report: blank");
    EXPECT_TRUE(text().isEmpty());

    open("no such template", 2);
    EXPECT_EQ(window().windowTitle(), "Report Article Of Corporation");
    EXPECT_TRUE(text().isEmpty());
    EXPECT_TRUE(window().isVisible());

    // Closed and shown again, the window loads what it was last handed.
    window().close();
    open("Articles", 1);
    EXPECT_EQ(window().windowTitle(), "Report: articles");
    EXPECT_TRUE(text().contains("Sample Tools"));
}

TEST_F(ArticlesWindowTest, TextBoxFollowsTheWindowDownToALowerBound)
{
    auto *box = window().findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    EXPECT_EQ(testing_support::layoutFaults(window()), QStringList());
    const QRect design = box->geometry();

    window().resize(window().width() + 150, window().height() + 90);
    EXPECT_EQ(box->size(), design.size() + QSize(150, 90));
    EXPECT_EQ(box->pos(), design.topLeft());
    EXPECT_EQ(testing_support::layoutFaults(window()), QStringList());

    // However small the window, the box stays in place and keeps two inches by one.
    window().resize(10, 10);
    EXPECT_GE(box->width(), 2 * box->logicalDpiX());
    EXPECT_GE(box->height(), box->logicalDpiY());
    EXPECT_EQ(box->pos(), design.topLeft());
}

} // namespace

namespace {

TEST_F(ArticlesWindowTest, FieldsWithoutAValueAreHighlightedAndListedOnce)
{
    EXPECT_FALSE(notice()->isVisibleTo(&window()));
    EXPECT_TRUE(box()->extraSelections().isEmpty());

    // The other business has no address, county, state, agent or business type.
    open("Articles", 2);
    const QStringList expected = {"[BusinessAddressOne]",
                                  "[BusinessCity]",
                                  "[county]",
                                  "[state]",
                                  "[BusinessZip]",
                                  "[insert type of business]",
                                  "[REGISTEREDAGENTFirstName]",
                                  "[REGISTEREDAGENTLastName]"};
    EXPECT_EQ(window().fieldsWithoutValue(), expected);
    EXPECT_TRUE(notice()->isVisibleTo(&window()));
    EXPECT_EQ(notice()->text(), QStringLiteral("8 fields have no value: %1. They stay in the text as written, "
                                               "highlighted.")
                                    .arg(expected.join(", ")));
    const auto marks = box()->extraSelections();
    ASSERT_EQ(marks.size(), expected.size());
    QStringList marked;
    for (const auto &mark : marks)
        marked << mark.cursor.selectedText();
    EXPECT_EQ(marked, expected);
    // The document itself is unchanged: the fields print as written.
    EXPECT_TRUE(text().contains("Its office is at [BusinessAddressOne], [BusinessCity],"));
    // The text box still shares the window with the notice.
    EXPECT_LE(box()->mapTo(&window(), QPoint(0, box()->height())).y(), notice()->geometry().top());

    window().close();
    open("Articles", 1);
    EXPECT_FALSE(notice()->isVisibleTo(&window()));
    EXPECT_TRUE(box()->extraSelections().isEmpty());
}

TEST_F(ArticlesWindowTest, SaveAsDocumentWritesAWordProcessorFileAndCopyAllTakesTheWholeText)
{
    const QString odt = folder.filePath("articles");
    dialogs->fileNames = {odt};
    trigger("mnuSaveAsDocument");
    EXPECT_EQ(dialogs->fileDialogStarts.last(), "Report articles.odt");
    EXPECT_TRUE(dialogs->messages.empty());
    QProcess unzip;
    unzip.start("unzip", {"-p", odt + QStringLiteral(".odt"), "content.xml"});
    ASSERT_TRUE(unzip.waitForFinished(60000));
    const QString content = QString::fromUtf8(unzip.readAllStandardOutput());
    EXPECT_TRUE(content.contains("The name of the corporation is Sample Tools.")) << content.toStdString();

    // A folder that is not there is named in the message.
    dialogs->fileNames = {folder.filePath("gone/articles.odt")};
    trigger("mnuSaveAsDocument");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QDir::toNativeSeparators(folder.filePath("gone"))));

    box()->appendPlainText("Typed note");
    trigger("mnuCopyAll");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), box()->toPlainText());
}

TEST_F(ArticlesWindowTest, PdfOfTheMergedDocumentCarriesItsText)
{
    const QString pdf = folder.filePath("articles.pdf");
    dialogs->fileNames = {pdf};
    trigger("mnuSaveAsPdf");
    EXPECT_TRUE(testing_support::pdfText(pdf).contains("ARTICLES OF INCORPORATION"));
}

} // namespace
