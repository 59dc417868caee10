// The merge window: the filled document, its caption, reopening and resizing.
#include "support/ui_Screenshot.h"

#include "documents/ui/ArticlesWindow.h"
#include "documents/ui/DocumentWindows.h"
#include "support/TempFolder.h"
#include "ui/Twips.h"
#include "ui/WindowRegistry.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

using documents::ArticlesWindow;

namespace {

const QString Articles = QStringLiteral(
    "ARTICLES OF INCORPORATION\r\n\r\nThe name of the corporation is [BusninesName].\r\n"
    "Its office is at [BusinessAddressOne], [BusinessCity], [county] County, [state] [BusinessZip].\r\n\r\n"
    "The registered agent is:[RegisteredAgent]\r\nThe corporation is formed to [insert type of business]:"
    "[list specific functions]Signed, [REGISTEREDAGENTFirstName] [REGISTEREDAGENTLastName]");

class ArticlesWindowTest : public ::testing::Test
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
        open(QStringLiteral("Articles"), 1);
    }

    void TearDown() override { ui::WindowRegistry::clear(); }

    static ArticlesWindow &window() { return documents::articlesWindow(); }
    static QString text() { return window().findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->toPlainText(); }
    static void open(const QString &reportName, qint64 businessId) { window().showTemplate(reportName, businessId); }

    testing_support::TempProgramFolder folder;
};

TEST_F(ArticlesWindowTest, ShowsTheFilledTemplateUnderItsName)
{
    EXPECT_EQ(window().objectName(), QStringLiteral("rptArticlesOfCorporation"));
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Report: articles"));
    EXPECT_EQ(text(), QStringLiteral("\nARTICLES OF INCORPORATION\n\nThe name of the corporation is Sample Tools.\n"
                                     "Its office is at 1 Main St, Springfield, Sangamon County, IL 62701.\n\n"
                                     "The registered agent is:\n\tAnn\t\tCole\n9 Elm St\n\nDover\tDE\t19901\n\n"
                                     "The corporation is formed to make hand tools:\n\nSell tools in three "
                                     "states\nTrain apprentices\n\nSigned, Ann Cole"));
    testing_support::saveScreenshot(window(), QStringLiteral("merged-document"));
}

TEST_F(ArticlesWindowTest, ShowingAgainMergesWhatIsAskedForUnderItsCaption)
{
    // The same template and business only come to the front, with what was typed into the box.
    window().findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->setPlainText(QStringLiteral("notes"));
    open(QStringLiteral("Articles"), 1);
    EXPECT_EQ(text(), QStringLiteral("notes"));

    open(QStringLiteral("Articles"), 2);
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Report: articles"));
    EXPECT_TRUE(text().contains(QStringLiteral("The name of the corporation is Other Business.")));

    open(QStringLiteral("Blank"), 2);
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Report: blank"));
    EXPECT_TRUE(text().isEmpty());

    open(QStringLiteral("no such template"), 2);
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Report Article Of Corporation"));
    EXPECT_TRUE(text().isEmpty());
    EXPECT_TRUE(window().isVisible());

    // Closed and shown again, the window loads what it was last handed.
    window().close();
    open(QStringLiteral("Articles"), 1);
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Report: articles"));
    EXPECT_TRUE(text().contains(QStringLiteral("Sample Tools")));
}

TEST_F(ArticlesWindowTest, TextBoxFollowsTheWindowDownToALowerBound)
{
    auto *box = window().findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    EXPECT_EQ(box->geometry(), ui::twipsRect(1260, 1320, 7815, 7635));

    window().resize(window().width() + 150, window().height() + 90);
    EXPECT_EQ(box->width(), ui::twipsToPixels(7815) + 150);
    EXPECT_EQ(box->height(), ui::twipsToPixels(7635) + 90);
    EXPECT_LE(box->geometry().right(), window().width());

    window().resize(10, 10);
    EXPECT_GE(box->width(), ui::twipsToPixels(2880));
    EXPECT_GE(box->height(), ui::twipsToPixels(1440));
    EXPECT_EQ(box->pos(), ui::twipsRect(1260, 1320, 0, 0).topLeft());
}

} // namespace
