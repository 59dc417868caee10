// The report window driven through its buttons: load, close, reopen, print.

#include "documents/ui/ReportWindow.h"
#include "db/DbError.h"
#include "db/Schema.h"
#include "documents/ui/DocumentWindows.h"
#include "records/ui/FormTesting.h"
#include "support/PdfText.h"
#include "support/QStringPrinter.h"
#include "support/ui_Layout.h"
#include "support/ui_ModalAnswer.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using documents::ReportWindow;
using testing_support::click;
using testing_support::ModalAnswer;
using testing_support::pdfText;

namespace {

class ReportWindowTest : public testing_support::FormTest
{
protected:
    void SetUp() override
    {
        folder.exec(
            "INSERT INTO BusinessInformation (BusninesName, BusinessAddressOne, BusinessCity, BusinessState, "
            "BusinessZip,"
            " BusinessPhoneNumber, BusinessWebSiteURL, BusinessEMailAddress) VALUES ('Sample Tools', '1 Main St',"
            " 'Springfield', 'IL', '62701', '555 0100', 'www.sampletools.example', 'info@sampletools.example');"
            "INSERT INTO BusinessPurpose (BusinessInformationId, BusinessPurpose) VALUES (1, 'Make sturdy tools');"
            "INSERT INTO BusinessType (BusinessInformationId, BusinessType) VALUES (1, 'Manufacturing');"
            "INSERT INTO [Business Short Term Goal] (BusinessInformationId, BusinessShortTermGoal) VALUES"
            " (1, 'Open a shop'), (1, 'Hire an apprentice');"
            "INSERT INTO [Business Long Term Goal] (BusinessInformationId, BusinessLongTermGoal) VALUES"
            " (1, 'Sell in three states');"
            "INSERT INTO BusinessEmployees (BusinessInformationId, EmployeeFirstName, EmployeeMiddleName,"
            " EmployeeLastName, EmployeePosition, EmployeeQualifications) VALUES"
            " (1, 'Frank', 'J', 'Lang', 'Owner', 'MBA'), (1, 'Rita', 'M', 'Ortiz', 'Smith', 'Journeyman');");
    }

    static ReportWindow &window() { return documents::reportWindow(); }
    static QPlainTextEdit *text() { return window().findChild<QPlainTextEdit *>("Text1"); }
    static void trigger(const char *command)
    {
        auto *action = window().findChild<QAction *>(QLatin1String(command));
        ASSERT_NE(action, nullptr) << command;
        action->trigger();
    }
};

TEST_F(ReportWindowTest, EscapeClosesTheWindowWhereverTheKeyboardIs)
{
    window().showForBusiness(1);
    text()->setFocus();
    QTest::keyClick(text(), Qt::Key_Escape); // whether the window is active yet or not
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(window().isLoaded());
}

TEST_F(ReportWindowTest, OpensWithTheReportInItsDesignLayout)
{
    window().showForBusiness(1);
    ASSERT_TRUE(window().isVisible());
    EXPECT_EQ(window().objectName(), "Report");
    EXPECT_EQ(window().windowTitle(), "Report");
    EXPECT_EQ(testing_support::layoutFaults(window()), QStringList());
    EXPECT_EQ(window().findChild<QPushButton *>("Command2")->accessibleName(), "Print");
    EXPECT_TRUE(text()->toPlainText().startsWith("\n\tGeneral Business Information\n\n\t\tSample Tools"));
    EXPECT_TRUE(text()->toPlainText().endsWith("\t\tRita\t\tM\t\tOrtiz\n\t\tSmith\n\t\tJourneyman"));
}

TEST_F(ReportWindowTest, ShowingAgainKeepsEditsAndCloseRebuildsFromTheDatabase)
{
    window().showForBusiness(1);
    text()->setPlainText("edited");
    folder.exec("UPDATE BusinessInformation SET BusninesName = 'Renamed Tools';");

    window().showForBusiness(1);
    EXPECT_EQ(text()->toPlainText(), "edited");

    click(&window(), "Command1");
    EXPECT_FALSE(window().isLoaded());
    EXPECT_FALSE(window().isVisible());
    window().showForBusiness(1);
    EXPECT_TRUE(text()->toPlainText().contains("\t\tRenamed Tools\n"));
}

TEST_F(ReportWindowTest, AnotherBusinessGetsItsOwnReportAndAFailedOneLeavesNoneOnScreen)
{
    folder.exec("INSERT INTO BusinessInformation (BusninesName) VALUES ('Other Business');");
    window().showForBusiness(1);
    text()->setPlainText("edited");

    window().showForBusiness(2);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(text()->toPlainText().startsWith("\n\tGeneral Business Information\n\n\t\tOther Business"));
    EXPECT_FALSE(text()->toPlainText().contains("Sample Tools"));

    QFile::remove(folder.businessDatabase());
    EXPECT_THROW(window().showForBusiness(1), db::DbError);
    EXPECT_FALSE(window().isLoaded());
    EXPECT_FALSE(window().isVisible());
}

TEST_F(ReportWindowTest, PrintWithoutPrinterWritesTheBoxTextToAPdf)
{
    window().showForBusiness(1);
    text()->appendPlainText("Signed\tby hand");
    const QString pdf = folder.filePath("report.pdf");
    dialogs->fileNames.push_back(pdf);

    click(&window(), "Command2");
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(dialogs->messages.empty());

    const QString printed = pdfText(pdf);
    EXPECT_TRUE(printed.contains("General Business Information"));
    EXPECT_TRUE(printed.contains("Sample Tools"));
    // The tab is expanded to spaces on paper.
    EXPECT_TRUE(printed.contains(QRegularExpression("Signed +by hand")));
}

TEST_F(ReportWindowTest, PrintFailureIsShownAndCancelPrintsNothing)
{
    window().showForBusiness(1);
    dialogs->fileNames.push_back(folder.filePath("no such folder/report.pdf"));
    click(&window(), "Command2");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains("report.pdf"));

    click(&window(), "Command2"); // the file dialog is cancelled this time
    EXPECT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->fileDialogCaptions.size(), 2);
}

TEST_F(ReportWindowTest, UnreadableDatabaseLeavesTheWindowClosed)
{
    QFile::remove(folder.businessDatabase());
    EXPECT_THROW(window().showForBusiness(1), db::DbError);
    EXPECT_FALSE(window().isLoaded());
    EXPECT_FALSE(window().isVisible());

    // Nothing is left half-loaded: once the database is back, the next showing works.
    db::Schema::createBusinessDatabase(folder.businessDatabase());
    window().showForBusiness(1);
    EXPECT_TRUE(window().isLoaded());
    EXPECT_EQ(text()->toPlainText(), "\n\tGeneral Business Information\n");
}

} // namespace

namespace {

TEST_F(ReportWindowTest, SaveAsPdfWritesTheTextLaidOutAsThePrintout)
{
    window().showForBusiness(1);
    const QString printed = folder.filePath("printed.pdf");
    const QString saved = folder.filePath("saved");
    dialogs->fileNames = {printed, saved};
    click(&window(), "Command2");
    trigger("mnuSaveAsPdf");

    // Named and titled for the business and the day, not "Report".
    const QString title = QStringLiteral("Sample Tools, ") + QDate::currentDate().toString(Qt::ISODate);
    EXPECT_EQ(dialogs->fileDialogCaptions.last(), "Save as PDF");
    EXPECT_EQ(dialogs->fileDialogStarts.last(), title + QStringLiteral(".pdf"));
    ASSERT_TRUE(QFile::exists(saved + QStringLiteral(".pdf")));
    EXPECT_TRUE(testing_support::toolOutput("pdfinfo", {saved + QStringLiteral(".pdf")})
                    .contains(QRegularExpression(QStringLiteral("^Title: +") + QRegularExpression::escape(title) + u'$',
                                                 QRegularExpression::MultilineOption)));
    const QString text = pdfText(saved + QStringLiteral(".pdf"));
    EXPECT_TRUE(text.contains("Sample Tools")) << text.toStdString();
    EXPECT_EQ(text, pdfText(printed));
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(ReportWindowTest, PrintFromTheMenuAsksForThePrinterFirst)
{
    window().showForBusiness(1);
    dialogs->printerAvailable = true;
    dialogs->acceptPrintDialog = false;
    trigger("mnuPrint");
    EXPECT_EQ(dialogs->printDialogs, 1);
    EXPECT_TRUE(dialogs->fileDialogCaptions.isEmpty());

    // Without a printer the printout goes into the PDF file named instead.
    dialogs->printerAvailable = false;
    const QString pdf = folder.filePath("menu.pdf");
    dialogs->fileNames = {pdf};
    trigger("mnuPrint");
    EXPECT_TRUE(pdfText(pdf).contains("General Business Information"));
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(ReportWindowTest, PreviewShowsThePagesAndPrintsOnlyWhenAsked)
{
    window().showForBusiness(1);
    int pages = 0;
    {
        ModalAnswer close("PrintPreview", [&](QWidget &preview) {
            pages = preview.findChild<QLabel *>("lblPages")->text().split(u' ').first().toInt();
            ModalAnswer::click("cmdClose")(preview);
        });
        trigger("mnuPrintPreview");
        EXPECT_TRUE(close.answered());
    }
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(dialogs->fileDialogCaptions.isEmpty());

    const QString pdf = folder.filePath("previewed.pdf");
    dialogs->fileNames = {pdf};
    ModalAnswer print("PrintPreview", ModalAnswer::click("cmdPrint"));
    trigger("mnuPrintPreview");
    EXPECT_TRUE(pdfText(pdf).contains("Sample Tools"));
}

TEST_F(ReportWindowTest, CancelStopsALongPrintoutAndSaysWhatBecameOfIt)
{
    window().showForBusiness(1);
    // About 2,300 pages.
    QStringList lines;
    for (int line = 0; line < 150000; ++line)
        lines << QStringLiteral("Line %1 of a very long report").arg(line);
    text()->setPlainText(lines.join(u'\n'));
    // A file of that name from before stays as it was.
    const QString pdf = folder.filePath("long.pdf");
    {
        QFile earlier(pdf);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("the earlier report");
    }
    dialogs->fileNames = {pdf};

    ModalAnswer cancel("PrintProgress", ModalAnswer::click(nullptr));
    trigger("mnuPrint");
    EXPECT_TRUE(cancel.answered());
    ASSERT_EQ(dialogs->messages.size(), 1u);
    const QString said = dialogs->messages[0].text;
    EXPECT_TRUE(said.startsWith("Printing was stopped after page ")) << said.toStdString();
    EXPECT_TRUE(said.contains("as asked"));
    EXPECT_TRUE(said.contains(QDir::toNativeSeparators(pdf) + QStringLiteral(" was not written")));
    QFile kept(pdf);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("the earlier report"));
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("*long.pdf*")}, QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("long.pdf")});
}

TEST_F(ReportWindowTest, FileMenuHasOneAccessKeyPerCommandAndKeepsTheLayout)
{
    window().showForBusiness(1);
    auto *menu = window().findChild<QMenu *>(QStringLiteral("mnuFile"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "&File");
    QStringList keys;
    for (const QAction *action : menu->actions()) {
        const qsizetype amp = action->text().indexOf(u'&');
        ASSERT_GE(amp, 0) << action->text().toStdString();
        keys << action->text().mid(amp + 1, 1).toUpper();
    }
    EXPECT_EQ(keys, QStringList({"V", "P", "D"}));
    // The menu bar sits above the controls, which keep their places below it.
    const QRect bar = window().findChild<QMenuBar *>()->geometry();
    EXPECT_GT(testing_support::placeIn(*text(), window()).top(), bar.bottom());
    EXPECT_EQ(testing_support::placeIn(*text()->parentWidget(), window()).top(), bar.bottom() + 1);
    EXPECT_EQ(testing_support::layoutFaults(window()), QStringList());
}

} // namespace
