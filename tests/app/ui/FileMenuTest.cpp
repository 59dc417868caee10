// The main form's File menu: backups into a folder chosen, the automatic backup of each
// day at start-up, and the businesses exported as CSV.
#include "app/ui/FileMenu.h"
#include "app/DailyBackup.h"
#include "app/ui/MainFormTesting.h"
#include "db/Backup.h"
#include "db/Connection.h"
#include "db/Schema.h"
#include "support/Files.h"
#include "support/StoppedRestore.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include <sys/wait.h>
#include <unistd.h>

using namespace testing_support;

namespace {

class FileMenuTest : public MainFormFixture
{
protected:
    // Both files of a backup are sound, and hold the businesses the program has now.
    void expectBackupOfNow(const QString &backup)
    {
        EXPECT_EQ(db::Schema::check(backup + QStringLiteral("/Tallowmere.db")), QStringList()) << backup.toStdString();
        EXPECT_EQ(db::Schema::check(backup + QStringLiteral("/Rss.db")), QStringList()) << backup.toStdString();
        const QString businesses = "select BusinessInformationId, BusninesName from BusinessInformation "
                                   "order by BusinessInformationId";
        EXPECT_EQ(rowsOf(QStringLiteral("Data Source=") + backup + QStringLiteral("/Tallowmere.db"), businesses),
                  folder.rows(businesses));
    }

    // Runs the program as main() does, until `done` holds (or a minute passes), then closes it.
    int runProgramUntil(const std::function<bool()> &done)
    {
        QElapsedTimer waited;
        waited.start();
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *form = ui::WindowRegistry::existing<app::GeneralInformation1>();
            if (form && form->isVisible() && (done() || waited.elapsed() > 60000))
                form->close();
        });
        poll.start(20);
        return app::runProgram();
    }

    QString backups() const { return folder.filePath("backups"); }
    QTemporaryDir elsewhere;
};

TEST_F(FileMenuTest, FileIsTheFirstMenuAndBacksUpIntoTheFolderChosen)
{
    folder.exec("INSERT INTO BusinessInformation (BusninesName) VALUES ('Acme Bakery'), ('Brook Farm')");
    auto &form = start();
    const QList<QAction *> menus = form.findChild<QMenuBar *>()->actions();
    ASSERT_FALSE(menus.isEmpty());
    EXPECT_EQ(menus.first()->text(), "&File");

    trigger(form, "mnuBackUp"); // the folder chooser cancelled
    EXPECT_EQ(dialogs->folderDialogCaptions.size(), 1);
    EXPECT_FALSE(form.fileMenu()->isBackingUp());
    EXPECT_TRUE(dialogs->messages.empty());

    // A folder that does not exist yet: the user is offered to make it, and nothing is
    // made unless they say Yes.
    const QString target = elsewhere.filePath("Monday");
    const QString offer = QStringLiteral("The folder %1 does not exist yet. Make it and back up into it?").arg(target);
    dialogs->folders = {target};
    dialogs->answers = {ui::Dialogs::Answer::No};
    trigger(form, "mnuBackUp");
    EXPECT_FALSE(form.fileMenu()->isBackingUp());
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, offer);
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());

    dialogs->folders = {target};
    dialogs->answers = {ui::Dialogs::Answer::Yes};
    trigger(form, "mnuBackUp");
    form.fileMenu()->waitForBackup();
    ASSERT_EQ(dialogs->messages.size(), 3u);
    EXPECT_EQ(dialogs->messages[1].text, offer);
    EXPECT_EQ(dialogs->messages[2].text,
              QStringLiteral("The businesses and the RSS items were backed up into %1.").arg(target));
    expectBackupOfNow(target);

    // The same folder again (it exists: nothing asked): the backup there is left as it is,
    // and the user is told why.
    folder.exec("DELETE FROM BusinessInformation");
    dialogs->folders = {target};
    trigger(form, "mnuBackUp");
    form.fileMenu()->waitForBackup();
    ASSERT_EQ(dialogs->messages.size(), 4u);
    EXPECT_TRUE(dialogs->messages[3].text.startsWith(QLatin1String("No backup was made.")));
    EXPECT_TRUE(dialogs->messages[3].text.contains(target + QStringLiteral("/Tallowmere.db exists already")))
        << dialogs->messages[3].text.toStdString();
    EXPECT_EQ(rowsOf(QStringLiteral("Data Source=") + target + QStringLiteral("/Tallowmere.db"),
                     "select count(*) from BusinessInformation"),
              QStringList{"2"});
}

TEST_F(FileMenuTest, ExportWritesEveryBusinessAsCsvWithAByteOrderMarkReplacingTheFileWhole)
{
    folder.exec("INSERT INTO BusinessInformation (BusinessInformationDate, BusninesName, BusinessCity, BusinessZip) "
                "VALUES ('2024-02-29', 'Caf\u00e9 \"Zum Ost\", GmbH', 'K\u00f6ln', NULL), "
                "('2024-03-01', 'Two\r\nLines', '', '12345')");
    auto &form = start();
    const QString file = elsewhere.filePath("Businesses.csv");
    writeFile(file, QByteArray(100000, 'x'));
    dialogs->fileNames = {file};
    trigger(form, "mnuExportBusinesses");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("2 businesses were exported to %1.").arg(file));
    dialogs->messages.clear();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString keys = folder
                             .rows("select BusinessInformationId from BusinessInformation order by "
                                   "BusinessInformationId")
                             .join(u' ');
    const QStringList key = keys.split(u' ');
    ASSERT_EQ(key.size(), 2);
    EXPECT_EQ(written.readAll(),
              "\xEF\xBB\xBF"
              "BusinessInformationId,BusinessInformationDate,BusninesName,BusinessAddressOne,BusinessAddressTwo,"
              "BusinessCity,BusinessState,BusinessZip,BusinessCounty,BusinessPhoneNumber,BusinessFaxNumber,"
              "BusinessWebSiteURL,BusinessEMailAddress\r\n"
                  + key[0].toUtf8() + ",2024-02-29,\"Caf\xC3\xA9 \"\"Zum Ost\"\", GmbH\",,,K\xC3\xB6ln,,,,,,,\r\n"
                  + key[1].toUtf8() + ",2024-03-01,\"Two\r\nLines\",,,\"\",,12345,,,,,\r\n");

    // Cancelled: nothing asked, nothing written. A folder that is not there: named in the message.
    trigger(form, "mnuExportBusinesses");
    const QString nowhere = elsewhere.filePath("missing/Businesses.csv");
    dialogs->fileNames = {nowhere};
    trigger(form, "mnuExportBusinesses");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(nowhere)) << dialogs->messages[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(nowhere));
}

// A spreadsheet opening the export shows what was typed, and runs none of it.
TEST_F(FileMenuTest, ExportKeepsSpreadsheetsFromRunningTypedFormulas)
{
    folder.exec("INSERT INTO BusinessInformation (BusninesName, BusinessAddressOne, BusinessAddressTwo, BusinessCity, "
                "BusinessState, BusinessZip, BusinessCounty, BusinessPhoneNumber, BusinessFaxNumber, "
                "BusinessWebSiteURL, BusinessEMailAddress) VALUES ('=HYPERLINK(\"http://x\",\"y\")', "
                "'+1+cmd|'' /C calc''!A0', '-2+3', '@SUM(A1)', '\ttab', '\rcr', '-12.5', "
                "'+49 30 1234', 'a=b', '-', 'x@y')");
    auto &form = start();
    const QString file = elsewhere.filePath("formulas.csv");
    dialogs->fileNames = {file};
    trigger(form, "mnuExportBusinesses");
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray row = written.readAll().split('\n').value(1);
    EXPECT_TRUE(
        row.endsWith(",\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\",'+1+cmd|' /C calc'!A0,'-2+3,'@SUM(A1),'\ttab,"
                     "\"'\rcr\",-12.5,'+49 30 1234,a=b,'-,x@y\r"))
        << row.toStdString();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("1 business was exported to %1.").arg(file));
}

TEST_F(FileMenuTest, TheFirstStartOfADayBacksUpAndKeepsTheSevenNewestDays)
{
    folder.exec("INSERT INTO BusinessInformation (BusninesName) VALUES ('Acme Bakery')");
    const QDate today = QDate::currentDate();
    // Eight earlier days' backups, and a day-named folder the backup never made.
    for (int daysAgo = 8; daysAgo >= 1; --daysAgo)
        ASSERT_EQ(app::DailyBackup::run(folder.path(), today.addDays(-daysAgo)), QStringList());
    const QString usersOwn = backups() + u'/' + today.addDays(-30).toString(Qt::ISODate);
    ASSERT_TRUE(QDir().mkpath(usersOwn));
    writeFile(usersOwn + QStringLiteral("/notes.txt"));
    ASSERT_TRUE(QDir().mkpath(backups() + QStringLiteral("/kept by hand")));
    const QString todays = backups() + u'/' + today.toString(Qt::ISODate);

    // One made while the clock was ahead: kept, and named once the day's backup is done.
    ASSERT_EQ(app::DailyBackup::run(folder.path(), today.addDays(3)), QStringList());
    const QString ahead = backups() + u'/' + today.addDays(3).toString(Qt::ISODate);

    EXPECT_EQ(runProgramUntil([&] { return !dialogs->messages.empty(); }), 0);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(
        dialogs->messages[0].text.startsWith(QStringLiteral("The backup folder %1 is dated after today").arg(ahead)))
        << dialogs->messages[0].text.toStdString();
    expectBackupOfNow(todays);
    QStringList expected{"kept by hand", today.addDays(-30).toString(Qt::ISODate),
                         today.addDays(3).toString(Qt::ISODate)};
    for (int daysAgo = 0; daysAgo < 7; ++daysAgo)
        expected << today.addDays(-daysAgo).toString(Qt::ISODate);
    expected.sort();
    EXPECT_EQ(QDir(backups()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name), expected);
    EXPECT_TRUE(QFile::exists(usersOwn + QStringLiteral("/notes.txt")));

    // A second start the same day leaves the day's backup as it is.
    folder.exec("INSERT INTO BusinessInformation (BusninesName) VALUES ('Brook Farm')");
    auto &form = start();
    form.fileMenu()->startDailyBackup(today);
    EXPECT_FALSE(form.fileMenu()->isBackingUp());
    EXPECT_EQ(rowsOf(QStringLiteral("Data Source=") + todays + QStringLiteral("/Tallowmere.db"),
                     "select count(*) from BusinessInformation"),
              QStringList{"1"});
}

TEST_F(FileMenuTest, AFailedAutomaticBackupIsSaidOnceAndTheProgramGoesOn)
{
    writeFile(backups()); // a file where the backups' folder belongs
    EXPECT_EQ(runProgramUntil([&] { return !dialogs->messages.empty(); }), 0);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.startsWith(QLatin1String("Today's automatic backup could not be made:")))
        << dialogs->messages[0].text.toStdString();
    EXPECT_TRUE(dialogs->messages[0].text.contains(backups())) << dialogs->messages[0].text.toStdString();
}

TEST_F(FileMenuTest, AStartAfterAStoppedRestoreFinishesOrUndoesItAsTheUserSays)
{
    if (onServerEngine())
        GTEST_SKIP() << "restores database files";
    folder.exec("INSERT INTO BusinessInformation (BusninesName) VALUES ('Before')");
    const QString source = elsewhere.filePath("source");
    const QString backup = elsewhere.filePath("backup");
    db::Schema::createProgramDatabases(source);
    {
        db::Connection connection;
        connection.openFile(source + QStringLiteral("/Tallowmere.db"));
        connection.execute("INSERT INTO BusinessInformation (BusninesName) VALUES ('After')");
    }
    db::Backup::write(source, backup);
    const QString businesses = "select BusninesName from BusinessInformation";

    struct Case
    {
        int stopAfter;
        ui::Dialogs::Answer answer;
        const char *held;
    };
    for (const Case &c : {Case{2, ui::Dialogs::Answer::No, "Before"}, Case{3, ui::Dialogs::Answer::Yes, "After"}}) {
        ASSERT_TRUE(restoreStoppedAfterMove(backup, folder.path(), c.stopAfter));
        dialogs->messages.clear();
        dialogs->answers = {c.answer};
        EXPECT_EQ(runProgramUntil([] { return true; }), 0) << c.stopAfter;
        ASSERT_FALSE(dialogs->messages.empty()) << c.stopAfter;
        EXPECT_TRUE(dialogs->messages[0].text.startsWith(
            QStringLiteral("A restore into %1 was stopped before it was complete").arg(folder.path())))
            << dialogs->messages[0].text.toStdString();
        EXPECT_EQ(dialogs->messages[0].buttons, ui::Dialogs::Buttons::YesNo);
        EXPECT_EQ(folder.rows(businesses), QStringList{QLatin1String(c.held)}) << c.stopAfter;
        EXPECT_EQ(db::Backup::interruptedRestore(folder.path()), QString()) << c.stopAfter;
        ui::WindowRegistry::clear();
    }
}

// The desktop's folder chooser behind Back Up: it takes a folder that exists, and the
// name of one still to be made, which it does not make itself.
TEST(BackUpFolderChooser, TakesAnExistingFolderOrTheNameOfOneToBeMade)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath("Stick");
    ASSERT_TRUE(QDir().mkpath(existing));
    for (const QString &wanted : {existing, dir.filePath("New; folder 2")}) {
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                answer.stop();
                // As typed into the name box, whatever the folder view has loaded meanwhile.
                auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                if (!name) {
                    ADD_FAILURE() << "the chooser has no name box";
                    dialog->reject();
                    return;
                }
                name->setText(wanted);
                QMetaObject::invokeMethod(dialog, "accept");
            }
        });
        answer.start(10);
        EXPECT_EQ(ui::Dialogs::existingFolder(nullptr, "Back Up Into Folder", dir.path()), wanted);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Stick"});
}

} // namespace
