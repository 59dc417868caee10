// The report window driven through its buttons: load, close, reopen, print.
#include "support/ui_Screenshot.h"

#include "db/DbError.h"
#include "db/Schema.h"
#include "documents/ui/DocumentWindows.h"
#include "documents/ui/ReportWindow.h"
#include "support/TempFolder.h"
#include "support/ui_ScriptedDialogs.h"
#include "ui/Twips.h"
#include "ui/WindowRegistry.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using documents::ReportWindow;
using testing_support::ScriptedDialogs;

namespace {

class ReportWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.exec(QStringLiteral(
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
            " (1, 'Frank', 'J', 'Lang', 'Owner', 'MBA'), (1, 'Rita', 'M', 'Ortiz', 'Smith', 'Journeyman');"));
    }

    void TearDown() override { ui::WindowRegistry::clear(); }

    static ReportWindow &window() { return documents::reportWindow(); }
    static QPlainTextEdit *text() { return window().findChild<QPlainTextEdit *>(QStringLiteral("Text1")); }
    static void click(const char *button)
    {
        QTest::mouseClick(window().findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    }

    testing_support::TempProgramFolder folder;
    ScriptedDialogs::Guard dialogs = ScriptedDialogs::install();
};

TEST_F(ReportWindowTest, OpensWithTheReportInItsDesignLayout)
{
    window().showForBusiness(1);
    ASSERT_TRUE(window().isVisible());
    EXPECT_EQ(window().objectName(), QStringLiteral("Report"));
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Report"));
    EXPECT_EQ(text()->geometry(), ui::twipsRect(1200, 1260, 7995, 7455));
    EXPECT_EQ(window().findChild<QPushButton *>(QStringLiteral("Command2"))->accessibleName(), QStringLiteral("Print"));
    EXPECT_TRUE(
        text()->toPlainText().startsWith(QStringLiteral("\n\tGeneral Business Information\n\n\t\tSample Tools")));
    EXPECT_TRUE(text()->toPlainText().endsWith(QStringLiteral("\t\tRita\t\tM\t\tOrtiz\n\t\tSmith\n\t\tJourneyman")));
    testing_support::saveScreenshot(window(), QStringLiteral("report-window"));
}

TEST_F(ReportWindowTest, ShowingAgainKeepsEditsAndCloseRebuildsFromTheDatabase)
{
    window().showForBusiness(1);
    text()->setPlainText(QStringLiteral("edited"));
    folder.exec(QStringLiteral("UPDATE BusinessInformation SET BusninesName = 'Renamed Tools';"));

    window().showForBusiness(1);
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("edited"));

    click("Command1");
    EXPECT_FALSE(window().isLoaded());
    EXPECT_FALSE(window().isVisible());
    window().showForBusiness(1);
    EXPECT_TRUE(text()->toPlainText().contains(QStringLiteral("\t\tRenamed Tools\n")));
}

TEST_F(ReportWindowTest, AnotherBusinessGetsItsOwnReportAndAFailedOneLeavesNoneOnScreen)
{
    folder.exec(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Other Business');"));
    window().showForBusiness(1);
    text()->setPlainText(QStringLiteral("edited"));

    window().showForBusiness(2);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(
        text()->toPlainText().startsWith(QStringLiteral("\n\tGeneral Business Information\n\n\t\tOther Business")));
    EXPECT_FALSE(text()->toPlainText().contains(QStringLiteral("Sample Tools")));

    QFile::remove(folder.businessDatabase());
    EXPECT_THROW(window().showForBusiness(1), db::DbError);
    EXPECT_FALSE(window().isLoaded());
    EXPECT_FALSE(window().isVisible());
}

TEST_F(ReportWindowTest, PrintWithoutPrinterWritesTheBoxTextToAPdf)
{
    window().showForBusiness(1);
    text()->appendPlainText(QStringLiteral("Signed\tby hand"));
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    dialogs->fileNames.push_back(pdf);

    click("Command2");
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(dialogs->messages.empty());

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished());
    const QString printed = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("General Business Information")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Sample Tools")));
    // The tab is expanded to spaces on paper.
    EXPECT_TRUE(printed.contains(QRegularExpression(QStringLiteral("Signed +by hand"))));

    const QString pages = QDir(testing_support::screenshotFolder()).filePath(QStringLiteral("report-printed"));
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"), pdf, pages});
}

TEST_F(ReportWindowTest, PrintFailureIsShownAndCancelPrintsNothing)
{
    window().showForBusiness(1);
    dialogs->fileNames.push_back(folder.filePath(QStringLiteral("no such folder/report.pdf")));
    click("Command2");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("report.pdf")));

    click("Command2"); // the file dialog is cancelled this time
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
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("\n\tGeneral Business Information\n"));
}

} // namespace
