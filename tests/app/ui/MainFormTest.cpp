// The general business information form: start-up, records, planning menu and templates.
#include "app/MainFormData.h"
#include "app/ui/MainFormTesting.h"
#include "app/ui/StartUp.h"
#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "documents/ui/ArticlesWindow.h"
#include "documents/ui/DocumentWindows.h"
#include "documents/ui/ReportWindow.h"
#include "documents/ui/SelectTemplateWindow.h"
#include "plan/ui/PlanWindow.h"
#include "records/ui/BusinessPurpose.h"
#include "records/ui/LongTermGoals.h"
#include "rss/PublishingSettings.h"
#include "rss/ui/FrmRssGenerator.h"
#include "support/Files.h"
#include "support/PostgresServer.h"
#include "support/ui_Layout.h"
#include "support/ui_WindowFit.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace testing_support;

namespace {

class MainFormTest : public MainFormFixture
{
protected:
    void addBusinesses(std::initializer_list<const char *> names)
    {
        for (const char *name : names)
            folder.exec(
                QStringLiteral("INSERT INTO BusinessInformation (BusninesName, BusinessCity) VALUES ('%1', 'Leeds')")
                    .arg(QLatin1String(name)));
    }

    void setTemplates(std::initializer_list<const char *> names)
    {
        folder.exec("DELETE FROM ARTICLESOFINCORPORATION");
        for (const char *name : names)
            folder.exec(QStringLiteral("INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) VALUES ('%1', 'text')")
                            .arg(QLatin1String(name)));
    }

    // Starts the form anew over the templates given.
    app::GeneralInformation1 &restartWith(std::initializer_list<const char *> names)
    {
        ui::WindowRegistry::clear();
        setTemplates(names);
        return start();
    }

    // The room between the planning frame and the strips below it: the same whatever
    // the frame holds (give or take a pixel of rounding), as the form grows with the frame.
    static int roomBelowFrame(const app::GeneralInformation1 &form)
    {
        return control(&form, "picButtons")->mapTo(form.clientArea(), QPoint()).y()
               - form.planningMenu()->geometry().bottom();
    }

    // The template buttons stand in a column under Business Report, as wide as it (less
    // the column's scroll bar, when it has one) and as tall, one step apart (give or take
    // a pixel of rounding), inside the frame, which ends soon after the last of them.
    static void expectTemplateColumn(const app::GeneralInformation1 &form, int shown)
    {
        QWidget *frame = form.planningMenu();
        const QScrollBar *scrollBar = form.templateColumn()->verticalScrollBar();
        const int width = placeIn(*buttonOf(&form, "cmdViewReport"), *frame).width()
                          - (scrollBar->isVisible() ? scrollBar->width() : 0);
        const QRect report = placeIn(*buttonOf(&form, "cmdViewReport"), *frame);
        QRect previous = report;
        int firstStep = 0;
        for (int i = 1; i <= shown; ++i) {
            SCOPED_TRACE(i);
            QPushButton *button
                = buttonOf(&form, QStringLiteral("cmdArticleOfCorporation_%1").arg(i).toLatin1().constData());
            ASSERT_NE(button, nullptr);
            EXPECT_TRUE(button->isVisible());
            const QRect place = placeIn(*button, *frame);
            EXPECT_EQ(place.left(), report.left());
            // Under a larger desktop font twips are not whole pixels: a pixel of rounding.
            EXPECT_EQ(place.width(), width);
            EXPECT_NEAR(place.height(), report.height(), 1);
            EXPECT_GT(place.top(), previous.bottom());
            const int step = place.top() - previous.top();
            if (i == 2)
                firstStep = step;
            EXPECT_TRUE(i < 2 || std::abs(step - firstStep) <= 1) << step << " after " << firstStep;
            previous = place;
        }
        int lowest = previous.bottom();
        for (const QWidget *part : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (part->isVisible() && !part->size().isEmpty())
                lowest = std::max(lowest, part->geometry().bottom());
        EXPECT_LT(lowest, frame->height());
        EXPECT_LT(frame->height() - lowest, report.height()) << "the frame grew further than its buttons";
        EXPECT_EQ(layoutFaults(form), QStringList());
    }

    qint64 keyOf(const char *name)
    {
        return folder
            .scalar(QStringLiteral("select BusinessInformationId from BusinessInformation where BusninesName = '%1'")
                        .arg(QLatin1String(name)))
            .toLongLong();
    }
};

TEST_F(MainFormTest, StartsOnTheFirstBusinessWithTheCountAndItsKey)
{
    addBusinesses({"Acme Bakery", "Brook Farm", "Cedar Books"});
    auto &form = start();
    // On a shared office database the caption names the server as well.
    EXPECT_EQ(form.windowTitle(), testing_support::onServerEngine()
                                      ? QStringLiteral("General Business Information - ") +
                                            [&] {
                                                db::Connection server;
                                                server.open(folder.connectionString());
                                                return server.filePath();
                                            }()
                                      : QStringLiteral("General Business Information"));
    EXPECT_EQ(statusOf(&form), "Business Currently In System: 3");
    EXPECT_EQ(name(form), "Acme Bakery");
    EXPECT_EQ(form.businessInformationId(), keyOf("Acme Bakery"));
    EXPECT_FALSE(control(&form, "txtFields_0")->isVisible());
    EXPECT_FALSE(control(&form, "txtFields_1")->isVisible());
    EXPECT_EQ(control<QLabel>(&form, "lblLabels_12")->text(), "Business E-mail Address:");
    EXPECT_EQ(buttonOf(&form, "cmdClose")->text(), "E&xit");
    EXPECT_EQ(buttonOf(&form, "cmdClose")->accessibleName(), "Exit");
    EXPECT_FALSE(shows(&form, "cmdEditTemplate") || shows(&form, "CmdUpload"));
    EXPECT_EQ(buttonOf(&form, "cmdEditTemplate")->text(), "Edit Tempate");

    // Tab goes down the business fields as they stand.
    QStringList fields;
    for (int i = 2; i <= 12; ++i)
        fields << QStringLiteral("txtFields_%1").arg(i);
    EXPECT_EQ(tabOrder(control(&form, "txtFields_2")).mid(0, fields.size()), fields);

    QTest::keyClick(&form, Qt::Key_End);
    EXPECT_EQ(form.businessInformationId(), keyOf("Cedar Books"));
    click(&form, "cmdNext");
    EXPECT_EQ(dialogs->beeps, 1);
    EXPECT_EQ(name(form), "Cedar Books");
}

TEST_F(MainFormTest, WhatWasReadBeforeTheWindowIsWhatItShowsAndARefreshReadsAnew)
{
    addBusinesses({"Acme Bakery", "Brook Farm"});
    setTemplates({"bylaws"});
    app::MainFormData readAhead = app::MainFormData::read();
    // Stored after the reading: the first screen does not show them yet.
    addBusinesses({"Cedar Books"});
    setTemplates({"bylaws", "minutes"});

    auto &form = ui::WindowRegistry::get<app::GeneralInformation1>();
    form.useReadAhead(std::move(readAhead));
    form.showWindow();
    EXPECT_EQ(statusOf(&form), "Business Currently In System: 2");
    EXPECT_EQ(name(form), "Acme Bakery");
    EXPECT_EQ(form.businessInformationId(), keyOf("Acme Bakery"));
    EXPECT_NE(control(&form, "cmdArticleOfCorporation_1"), nullptr);
    EXPECT_EQ(control(&form, "cmdArticleOfCorporation_2"), nullptr);
    QTest::keyClick(&form, Qt::Key_End);
    EXPECT_EQ(form.businessInformationId(), keyOf("Brook Farm"));

    click(&form, "cmdRefresh");
    EXPECT_EQ(statusOf(&form), "Business Currently In System: 3");
    QTest::keyClick(&form, Qt::Key_End);
    EXPECT_EQ(form.businessInformationId(), keyOf("Cedar Books"));
}

TEST_F(MainFormTest, AnEmptyDatabaseStartsAtKeyZeroWithoutTemplateButtons)
{
    setTemplates({});
    auto &form = start();
    EXPECT_EQ(statusOf(&form), "Business Currently In System: 0");
    EXPECT_EQ(form.businessInformationId(), 0);
    EXPECT_EQ(control(&form, "cmdArticleOfCorporation_1"), nullptr);
    expectTemplateColumn(form, 0);

    folder.exec(
        "INSERT INTO [Business Long Term Goal] (BusinessInformationId, BusinessLongTermGoal) VALUES (0, 'orphan')");
    click(&form, "cmdLongTermGoals");
    auto &goals = ui::WindowRegistry::get<records::LongTermGoals>();
    EXPECT_EQ(statusOf(&goals), "Long Term Goals Associated With Business: 1");
}

TEST_F(MainFormTest, OneButtonPerTemplateBelowBusinessReportAndTheFormGrowsWithThem)
{
    const int room = roomBelowFrame(restartWith({}));
    auto &form = restartWith({"articles of incorporation", "bylaws", "rEGISTERED aGENT"});
    const QStringList captions{"Articles of incorporation", "Bylaws", "Registered agent"};
    for (int i = 0; i < 3; ++i) {
        auto *button = buttonOf(&form, QStringLiteral("cmdArticleOfCorporation_%1").arg(i + 1).toLatin1().constData());
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), captions[i]);
        EXPECT_TRUE(form.planningMenu()->isAncestorOf(button));
    }
    expectTemplateColumn(form, 3);
    EXPECT_FALSE(shows(&form, "cmdArticleOfCorporation_0"));
    EXPECT_NEAR(roomBelowFrame(form), room, 1);
    EXPECT_EQ(control(&form, "picStatBox")->geometry().bottom(), form.clientArea()->height() - 1);
}

TEST_F(MainFormTest, BeyondTenTemplatesTheColumnScrollsInsideTheFrameInsteadOfGrowingTheForm)
{
    std::vector<QByteArray> names;
    for (int i = 1; i <= 100; ++i)
        names.push_back("template " + QByteArray::number(i));
    const int room = roomBelowFrame(restartWith({}));
    ui::WindowRegistry::clear();
    folder.exec("DELETE FROM ARTICLESOFINCORPORATION");
    for (const QByteArray &name : names)
        folder.exec(
            QStringLiteral("INSERT INTO ARTICLESOFINCORPORATION (ReportName) VALUES ('%1')").arg(QLatin1String(name)));
    auto &form = start();
    app::TemplateColumn *column = form.templateColumn();
    EXPECT_EQ(column->count(), 100);
    QCoreApplication::processEvents();
    // Ten buttons shown whole: the frame grows until the tenth fits, and no further.
    expectTemplateColumn(form, 10);
    const QRect shown = column->viewport()->rect();
    int whole = 0;
    for (int i = 1; i <= 11; ++i) {
        const QPushButton *button
            = buttonOf(&form, QStringLiteral("cmdArticleOfCorporation_%1").arg(i).toLatin1().constData());
        whole += button && shown.contains(placeIn(*button, *column->viewport()));
    }
    EXPECT_EQ(whole, 10);
    EXPECT_NEAR(roomBelowFrame(form), room, 1);
    EXPECT_TRUE(column->verticalScrollBar()->isVisible());

    // Only the buttons a person sees exist at first; Tab from the tenth makes the rest
    // and goes on to the eleventh, scrolled into view.
    EXPECT_EQ(column->madeCount(), 10);
    EXPECT_EQ(buttonOf(&form, "cmdArticleOfCorporation_11"), nullptr);
    QApplication::setActiveWindow(&form);
    QPushButton *tenth = buttonOf(&form, "cmdArticleOfCorporation_10");
    tenth->setFocus();
    QTest::keyClick(tenth, Qt::Key_Tab);
    EXPECT_EQ(column->madeCount(), 100);
    EXPECT_EQ(QApplication::focusWidget(), buttonOf(&form, "cmdArticleOfCorporation_11"));
    EXPECT_GT(column->verticalScrollBar()->value(), 0);
    EXPECT_FALSE(tabOrder(tenth).contains(column->objectName()));

    QPushButton *last = buttonOf(&form, "cmdArticleOfCorporation_100");
    column->ensureWidgetVisible(last);
    QTest::mouseClick(last, Qt::LeftButton);
    EXPECT_EQ(documents::articlesWindow().reportName(), "template 100");
}

TEST_F(MainFormTest, UploadTemplateStoresTheFileUnderItsNameWithTrimmedLines)
{
    setTemplates({});
    auto &form = start();
    dialogs->fileNames = {writeFile(folder.filePath("Bylaws.TXT"), "  ARTICLE ONE  \r\nName: [BusninesName]\r\n"),
                          writeFile(folder.filePath("My.txt.Notes.txt"), "x"), QString()};
    trigger(form, "mnuUploadTemplate");
    trigger(form, "mnuUploadTemplate");
    trigger(form, "mnuUploadTemplate"); // cancelled: nothing stored

    EXPECT_EQ(folder.rows("select ReportName, Info from ARTICLESOFINCORPORATION order by ReportId"),
              (QStringList{"bylaws.txt|\r\nARTICLE ONE\r\nName: [BusninesName]", "my.notes|\r\nx"}));
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(control(&form, "cmdArticleOfCorporation_1"), nullptr); // buttons come at the next start
}

TEST_F(MainFormTest, AddingABusinessMakesItsGeneratedKeyCurrentOnceStored)
{
    addBusinesses({"Acme Bakery"});
    auto &form = start();
    click(&form, "cmdAdd");
    EXPECT_EQ(statusOf(&form), "Add record");
    EXPECT_EQ(form.businessInformationId(), keyOf("Acme Bakery")); // not stored yet: no key
    typeInto(&form, "txtFields_2", "Dune Surf School");
    typeInto(&form, "txtFields_5", "Newquay");
    click(&form, "cmdUpdate");

    EXPECT_EQ(folder.scalar("select BusinessCity from BusinessInformation where BusninesName = 'Dune Surf School'"),
              "Newquay");
    EXPECT_EQ(form.businessInformationId(), keyOf("Dune Surf School"));
    EXPECT_EQ(statusOf(&form), "Business Currently In System: 2");

    // Its plan goes with it; another business's stays.
    for (const char *business : {"Acme Bakery", "Dune Surf School"})
        folder.exec(
            QStringLiteral("INSERT INTO PlanSettings (BusinessInformationId, PlanFirstMonth, PlanStartingCash, "
                           "PlanTaxRatePercent, PlanPayrollBurdenPercent) VALUES (%1, '2027-01', '0', '0', '0')")
                .arg(keyOf(business)));
    click(&form, "cmdDelete");
    EXPECT_EQ(folder.scalar("select count(*) from BusinessInformation"), "1");
    EXPECT_EQ(folder.scalar("select BusinessInformationId from PlanSettings"), QString::number(keyOf("Acme Bakery")));
    EXPECT_EQ(name(form), "Acme Bakery");
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(MainFormTest, AddAndEditPutTheCursorInTheFirstFieldAndANewBusinessHandsNothingOver)
{
    addBusinesses({"Acme Bakery"});
    auto &form = start();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shows(&form, "cmdUpdate"); }));
    QTest::keyClicks(QApplication::focusWidget(), "Abc");
    // A Space is typed too, rather than pressing the button that stands where Add was.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(name(form), "Abc ");
    EXPECT_TRUE(shows(&form, "cmdUpdate"));

    // The key on hand is still the previous business's: nothing opens for it.
    const char *handOvers[]
        = {"cmdBusinessPurpose", "cmdBusinessType",   "cmdBusinessPerspectives", "cmdEmployeeInformation",
           "cmdLongTermGoals",   "cmdShortTermGoals", "cmdViewReport",           "cmdFinancialPlan"};
    for (const char *button : handOvers)
        EXPECT_FALSE(buttonOf(&form, button)->isEnabled()) << button;
    EXPECT_FALSE(form.templateColumn()->isEnabled());
    EXPECT_FALSE(form.findChild<QAction *>("mnuRegisteredAgent")->isEnabled());
    EXPECT_TRUE(buttonOf(&form, "Command1")->isEnabled());
    EXPECT_TRUE(buttonOf(&form, "CmdResource")->isEnabled());

    click(&form, "cmdUpdate");
    for (const char *button : handOvers)
        EXPECT_TRUE(buttonOf(&form, button)->isEnabled()) << button;
    click(&form, "cmdBusinessPurpose");
    EXPECT_EQ(ui::WindowRegistry::get<records::BusinessPurpose>().businessInformationId(), keyOf("Abc "));

    click(&form, "cmdEdit");
    EXPECT_EQ(form.focusWidget(), control(&form, "txtFields_2"));
    // Editing a stored business keeps its key: the forms open for it.
    EXPECT_TRUE(buttonOf(&form, "cmdLongTermGoals")->isEnabled());
    click(&form, "cmdCancel");

    // A Cancel after Add brings the hand-over back as well.
    click(&form, "cmdAdd");
    EXPECT_FALSE(buttonOf(&form, "cmdLongTermGoals")->isEnabled());
    click(&form, "cmdCancel");
    EXPECT_TRUE(buttonOf(&form, "cmdLongTermGoals")->isEnabled());
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(MainFormTest, ExitEndsTheProgramClosingEveryWindowOnceWhatWouldBeLostIsSettled)
{
    addBusinesses({"Acme Bakery"});
    auto &form = start();
    click(&form, "cmdLongTermGoals");
    click(&form, "cmdBusinessPurpose");
    click(&form, "cmdViewReport");
    click(&form, "Command1");
    auto &goals = ui::WindowRegistry::get<records::LongTermGoals>();
    click(&goals, "cmdAdd");
    QTableView *grid = control<QTableView>(&goals, "grdDataGrid");
    QTest::keyClicks(grid, "G");
    auto *cell = grid->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(cell, nullptr) << "typing did not open the cell";
    QTest::keyClicks(cell, "row"); // the cell is still open

    // Cancel keeps every window open, the typed row included.
    dialogs->answers = {ui::Dialogs::Answer::Cancel};
    click(&form, "cmdClose");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(goals.isVisible());
    EXPECT_EQ(folder.scalar("select count(*) from [Business Long Term Goal]"), "0");

    dialogs->answers = {ui::Dialogs::Answer::Save};
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(dialogs->messages.size(), 2u);
    EXPECT_FALSE(form.isVisible());
    for (const ui::Window *window : ui::WindowRegistry::windows()) {
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
        EXPECT_FALSE(window->isLoaded()) << window->objectName().toStdString();
    }
    EXPECT_EQ(folder.rows("select BusinessInformationId, BusinessLongTermGoal from [Business Long Term Goal]"),
              QStringList{QStringLiteral("%1|Grow").arg(keyOf("Acme Bakery"))});
}

TEST_F(MainFormTest, PlanningButtonsHandTheBusinessOnScreenToTheirForms)
{
    addBusinesses({"Acme Bakery", "Brook Farm"});
    folder.exec(
        QStringLiteral("INSERT INTO BusinessPurpose (BusinessInformationId, BusinessPurpose) VALUES (%1, 'Farm')")
            .arg(keyOf("Brook Farm")));
    auto &form = start();
    click(&form, "cmdBusinessPurpose");
    auto &purpose = ui::WindowRegistry::get<records::BusinessPurpose>();
    EXPECT_TRUE(purpose.isVisible());
    EXPECT_EQ(purpose.businessInformationId(), keyOf("Acme Bakery"));
    EXPECT_EQ(statusOf(&purpose), "Mission Statements Associated With Business: 0");

    click(&form, "cmdNext");
    click(&form, "cmdBusinessPurpose"); // open already: brought forward, showing the new business
    EXPECT_EQ(purpose.businessInformationId(), keyOf("Brook Farm"));
    EXPECT_EQ(control<QPlainTextEdit>(&purpose, "txtFields_3")->toPlainText(), "Farm");
    EXPECT_EQ(ui::WindowRegistry::existing<records::LongTermGoals>(), nullptr);

    click(&form, "CmdResource");
    ASSERT_EQ(dialogs->openedUrls.size(), 1u);
    EXPECT_EQ(dialogs->openedUrls[0].fileName(), "BusineeResources.html");

    click(&form, "Command1");
    EXPECT_TRUE(ui::WindowRegistry::get<rss::FrmRssGenerator>().isVisible());

    click(&form, "cmdFinancialPlan");
    auto &plan = ui::WindowRegistry::get<plan::ui::PlanWindow>();
    EXPECT_TRUE(plan.isVisible());
    EXPECT_EQ(plan.windowTitle(), "Financial Plan - Brook Farm");
    click(&form, "cmdPrevious");
    click(&form, "cmdFinancialPlan");
    EXPECT_EQ(plan.businessInformationId(), keyOf("Acme Bakery"));
    EXPECT_EQ(plan.windowTitle(), "Financial Plan - Acme Bakery");
}

TEST_F(MainFormTest, ReportTemplateButtonsAndEditTemplateOpenTheDocumentWindows)
{
    addBusinesses({"Acme Bakery", "Brook Farm"});
    setTemplates({"articles of incorporation", "bylaws"});
    auto &form = start();
    click(&form, "cmdNext");
    click(&form, "cmdViewReport");
    EXPECT_TRUE(documents::reportWindow().isVisible());
    EXPECT_EQ(documents::reportWindow().businessInformationId(), keyOf("Brook Farm"));

    click(&form, "cmdArticleOfCorporation_2");
    EXPECT_TRUE(documents::articlesWindow().isVisible());
    EXPECT_EQ(documents::articlesWindow().reportName(), "bylaws"); // the stored name
    EXPECT_EQ(documents::articlesWindow().businessInformationId(), keyOf("Brook Farm"));

    trigger(form, "mnuEditTemplate");
    EXPECT_TRUE(documents::selectTemplateWindow().isVisible());
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(MainFormTest, OpenDocumentWindowsFollowTheButtonAndTheBusinessOnScreen)
{
    addBusinesses({"Acme Bakery", "Brook Farm"});
    folder.exec("DELETE FROM ARTICLESOFINCORPORATION;"
                "INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) VALUES "
                "('articles', 'Articles of [BusninesName]'), ('bylaws', 'Bylaws of [BusninesName]')");
    auto &form = start();
    auto &articles = documents::articlesWindow();
    const auto document = [&articles] { return control<QPlainTextEdit>(&articles, "Text1")->toPlainText(); };
    const auto report = [] { return control<QPlainTextEdit>(&documents::reportWindow(), "Text1")->toPlainText(); };

    click(&form, "cmdArticleOfCorporation_1");
    click(&form, "cmdViewReport");
    EXPECT_EQ(document(), "\nArticles of Acme Bakery");
    EXPECT_TRUE(report().contains("Acme Bakery"));

    click(&form, "cmdArticleOfCorporation_2");
    EXPECT_EQ(articles.windowTitle(), "Report: bylaws");
    EXPECT_EQ(document(), "\nBylaws of Acme Bakery");

    click(&form, "cmdNext");
    click(&form, "cmdArticleOfCorporation_2");
    EXPECT_EQ(articles.windowTitle(), "Report: bylaws");
    EXPECT_EQ(document(), "\nBylaws of Brook Farm");
    click(&form, "cmdViewReport");
    EXPECT_TRUE(report().contains("Brook Farm"));
    EXPECT_FALSE(report().contains("Acme Bakery"));
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(MainFormTest, BusinessKeysAbove32767AreHandedOver)
{
    folder.exec("INSERT INTO BusinessInformation (BusinessInformationId, BusninesName) VALUES (70000, 'Big Key Ltd')");
    auto &form = start();
    EXPECT_EQ(form.businessInformationId(), 70000);
    click(&form, "cmdBusinessPurpose");
    EXPECT_EQ(ui::WindowRegistry::get<records::BusinessPurpose>().businessInformationId(), 70000);
}

TEST_F(MainFormTest, ATemplateButtonOpensItsTemplateWhateverLowerCasingDoesToTheName)
{
    // Lower-cased, the dotted capital I becomes two characters that no longer match it.
    folder.exec("DELETE FROM ARTICLESOFINCORPORATION;"
                "INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) VALUES ('İSTANBUL PLAN', 'Plan text')");
    auto &form = start();
    click(&form, "cmdArticleOfCorporation_1");
    EXPECT_EQ(control<QPlainTextEdit>(&documents::articlesWindow(), "Text1")->toPlainText(), "\nPlan text");
}

TEST_F(MainFormTest, KeysBeyond32BitsReachEveryFormWhole)
{
    // 2^32 + 1 cut to 32 bits is 1, the key of another business.
    folder.exec("INSERT INTO BusinessInformation (BusinessInformationId, BusninesName) VALUES (1, 'Small Ltd'), "
                "(4294967297, 'Huge Ltd');"
                "INSERT INTO [Business Long Term Goal] (BusinessInformationId, BusinessLongTermGoal) VALUES "
                "(1, 'small goal'), (4294967297, 'huge goal')");
    auto &form = start();
    click(&form, "cmdNext");
    EXPECT_EQ(form.businessInformationId(), Q_INT64_C(4294967297));

    click(&form, "cmdLongTermGoals");
    auto &goals = ui::WindowRegistry::get<records::LongTermGoals>();
    QTableView *grid = control<QTableView>(&goals, "grdDataGrid");
    ASSERT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(grid->model()->index(0, 3).data().toString(), "huge goal");
    click(&goals, "cmdEdit");
    click(&goals, "cmdUpdate");
    EXPECT_EQ(folder.rows("select BusinessInformationId, BusinessLongTermGoal from [Business Long Term Goal] "
                          "order by BusinessLongTermGoalID"),
              (QStringList{"1|small goal", "4294967297|huge goal"}));

    click(&form, "cmdViewReport");
    const QString report = control<QPlainTextEdit>(&documents::reportWindow(), "Text1")->toPlainText();
    EXPECT_TRUE(report.contains("Huge Ltd"));
    EXPECT_FALSE(report.contains("Small Ltd"));
}

// Closing the main form while the feed is being uploaded: the program would end with
// its last window, so the form asks first and, told to wait, closes only once the
// upload has ended. The FTP peer accepts the connection and never greets.
TEST_F(MainFormTest, ClosingTheMainFormWaitsForARunningUpload)
{
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr *>(&address), length), 0);
    ASSERT_EQ(listen(listener, 4), 0);
    getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length);
    rss::PublishingSettings account;
    account.ftpSite = QStringLiteral("127.0.0.1:%1").arg(ntohs(address.sin_port));
    account.ftpUserName = "me";
    account.ftpPassword = "secret";
    account.write();
    const QString feed = writeFile(folder.filePath("feed.xml"), "<rss/>");

    auto &form = start();
    auto &publishing = ui::WindowRegistry::get<rss::FrmRssGenerator>();
    publishing.showWindow();
    dialogs->fileNames = {feed};
    click(&publishing, "Command6");
    ASSERT_FALSE(buttonOf(&publishing, "Command6")->isEnabled());
    // Another window stays open: nothing ends, nothing is asked.
    EXPECT_TRUE(publishing.unload());
    EXPECT_TRUE(dialogs->messages.empty());

    dialogs->answers = {ui::Dialogs::Answer::No};
    EXPECT_FALSE(form.close());
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.startsWith("A transfer is still running."));
    EXPECT_TRUE(form.isVisible());

    dialogs->answers = {ui::Dialogs::Answer::Yes};
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    // The peer goes away; the upload ends, and with it the form.
    ::close(listener);
    QDeadlineTimer deadline(60000);
    while (form.isVisible() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(buttonOf(&publishing, "Command6")->isEnabled());
}

// The server restarts under the open form: the next store carries on with a new
// session, and one the server refuses keeps what was typed, to be stored later.
TEST_F(MainFormTest, AfterTheServerRestartsTheNextStoreWorksAndARefusedOneKeepsTheText)
{
    if (!onServerEngine())
        GTEST_SKIP() << "a server of the tests' own";
    addBusinesses({"Acme Bakery"});
    auto &form = start();
    PostgresServer::shared().restart();
    click(&form, "cmdEdit");
    typeInto(&form, "txtFields_5", "Bradford");
    click(&form, "cmdUpdate");
    EXPECT_TRUE(dialogs->messages.empty()) << dialogs->messages.front().text.toStdString();
    EXPECT_EQ(folder.scalar("select BusinessCity from BusinessInformation"), "Bradford");

    PostgresServer::shared().stop();
    click(&form, "cmdEdit");
    typeInto(&form, "txtFields_5", "York");
    click(&form, "cmdUpdate");
    const QString refusal = dialogs->messages.empty() ? QString() : dialogs->messages.back().text;
    EXPECT_TRUE(refusal.contains(QLatin1String("cannot be reached"))) << refusal.toStdString();
    EXPECT_EQ(control<QLineEdit>(&form, "txtFields_5")->text(), "York");

    PostgresServer::shared().resume();
    click(&form, "cmdUpdate");
    EXPECT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(folder.scalar("select BusinessCity from BusinessInformation"), "York");
}

class StartUpTest : public ::testing::Test
{
protected:
    void TearDown() override { ui::WindowRegistry::clear(); }

    TempProgramFolder folder{false};
    ScriptedDialogs::Guard dialogs = ScriptedDialogs::install();
};

TEST_F(StartUpTest, WhatAKilledSettingsWriteLeftBehindIsRemoved)
{
    for (const char *name : {"config.ini.Qw3rty", "config.ini.bak"})
        writeFile(folder.filePath(QLatin1String(name)), "new password\r\n");
    app::showMainForm();
    EXPECT_FALSE(QFile::exists(folder.filePath("config.ini.Qw3rty")));
    EXPECT_TRUE(QFile::exists(folder.filePath("config.ini.bak")));
}

// A start that cannot open its data says once what is at fault, by its name, and
// creates nothing: the folder's Tallowmere.db is as it was, or still missing.
struct UnopenableStart
{
    const char *what;
    void (*prepare)(const TempProgramFolder &folder);
    QString (*named)(const TempProgramFolder &folder); // what the message must mention
};

void PrintTo(const UnopenableStart &start, std::ostream *os)
{
    *os << start.what;
}

QString theDatabase(const TempProgramFolder &folder)
{
    return folder.filePath("Tallowmere.db");
}

const UnopenableStart UnopenableStarts[] = {
    {"MissingDatabase", [](const TempProgramFolder &) {}, theDatabase},
    {"TextInPlaceOfTheDatabase",
     [](const TempProgramFolder &folder) { writeFile(theDatabase(folder), "just some text, not a database"); },
     theDatabase},
    {"EmptyFileInPlaceOfTheDatabase", [](const TempProgramFolder &folder) { writeFile(theDatabase(folder), {}); },
     theDatabase},
    {"ServerThatCannotBeReached",
     [](const TempProgramFolder &folder) {
         // Port 9: nothing listens there.
         writeFile(folder.filePath("Tallowmere.url"), "postgresql://nobody@127.0.0.1:9/office\r\n");
     },
     [](const TempProgramFolder &) {
         return QStringLiteral("The database server nobody@127.0.0.1:9/office cannot be reached (");
     }},
    {"TallowmereUrlThatIsNoRegularFile",
     [](const TempProgramFolder &folder) {
         // Opened as a FIFO it would wait for a writer for ever.
         ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("Tallowmere.url")).constData(), 0600), 0);
     },
     [](const TempProgramFolder &folder) { return folder.filePath("Tallowmere.url"); }},
};

class StartUpFailure : public StartUpTest, public ::testing::WithParamInterface<UnopenableStart>
{ };

TEST_P(StartUpFailure, NamesWhatIsAtFaultAndCreatesNothing)
{
    GetParam().prepare(folder);
    QFile database(theDatabase(folder));
    const bool existed = database.exists();
    const QByteArray before = existed && database.open(QIODevice::ReadOnly) ? database.readAll() : QByteArray();
    database.close();

    EXPECT_FALSE(app::showMainForm());
    EXPECT_EQ(ui::WindowRegistry::existing<app::GeneralInformation1>(), nullptr); // read before it is built
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(GetParam().named(folder)))
        << dialogs->messages[0].text.toStdString();
    EXPECT_EQ(dialogs->messages[0].title, "Tallowmere");
    ASSERT_EQ(database.exists(), existed);
    if (existed) {
        ASSERT_TRUE(database.open(QIODevice::ReadOnly));
        EXPECT_EQ(database.readAll(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Starts, StartUpFailure, ::testing::ValuesIn(UnopenableStarts),
                         [](const ::testing::TestParamInfo<UnopenableStart> &start) { return start.param.what; });

TEST_F(MainFormTest, OnAScreenSmallerThanTheFormItScrollsInsteadOfSqueezingItsParts)
{
    addBusinesses({"Acme Bakery"});
    setTemplates({"articles of incorporation", "bylaws", "registered agent"});
    const QSize design = start().clientArea()->size();
    ui::WindowRegistry::clear();
    QSettings("Tallowmere", "Tallowmere").clear(); // where it stood on the large screen
    QScreen *small = smallScreen();
    ASSERT_NE(small, nullptr);
    ui::WindowRegistry::get<app::GeneralInformation1>().setScreen(small);
    auto &form = start();
    QCoreApplication::processEvents();
    EXPECT_TRUE(small->availableGeometry().contains(form.frameGeometry())) << form.frameGeometry().height();
    // The parts keep their design places; the strips at the bottom scroll into view.
    EXPECT_EQ(form.clientArea()->size(), design);
    EXPECT_EQ(layoutFaults(form), QStringList());
    QPushButton *add = buttonOf(&form, "cmdAdd");
    EXPECT_FALSE(inView(add));
    auto *area = form.findChild<QScrollArea *>(QStringLiteral("scrollArea"));
    ASSERT_NE(area, nullptr);
    area->ensureWidgetVisible(add);
    EXPECT_TRUE(inView(add));
    EXPECT_TRUE(inView(control(&form, "lblStatus")));
    click(&form, "cmdAdd");
    EXPECT_EQ(statusOf(&form), "Add record");
    // The cursor goes to the first field, brought back into view above the strips.
    EXPECT_EQ(form.focusWidget(), control(&form, "txtFields_2"));
    EXPECT_TRUE(inView(control(&form, "txtFields_2")));
}

TEST_F(MainFormTest, UnderADarkColourSchemeEveryLabelStaysReadable)
{
    addBusinesses({"Acme Bakery"});
    DarkScheme dark;
    auto &form = start();
    QCoreApplication::processEvents();
    EXPECT_EQ(unreadableLabels(form), QStringList());
    click(&form, "cmdAdd");
    EXPECT_EQ(unreadableLabels(form), QStringList());
}

} // namespace
