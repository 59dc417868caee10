// The main form's File menu: backups into a folder chosen, the automatic backup of each
// day at start-up, and the businesses exported as CSV.
#include "app/ui/FileMenu.h"
#include "app/ui/GeneralInformation1.h"
#include "app/ui/StartUp.h"
#include "db/schema/Schema.h"
#include "records/ui/FormTesting.h"

#include <QAction>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

using namespace testing_support;

namespace {

class FileMenuTest : public FormTest
{
protected:
    app::GeneralInformation1 &start()
    {
        EXPECT_TRUE(app::showMainForm());
        return ui::WindowRegistry::get<app::GeneralInformation1>();
    }

    static void trigger(const app::GeneralInformation1 &form, const char *name)
    {
        QAction *action = form.findChild<QAction *>(QLatin1String(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }

    // Both files of a backup are sound, and hold the businesses the program has now.
    void expectBackupOfNow(const QString &backup)
    {
        EXPECT_EQ(db::Schema::check(backup + QStringLiteral("/Tallowmere.db")), QStringList()) << backup.toStdString();
        EXPECT_EQ(db::Schema::check(backup + QStringLiteral("/Rss.db")), QStringList()) << backup.toStdString();
        const QString businesses = QStringLiteral("select BusinessInformationId, BusninesName from BusinessInformation "
                                                  "order by BusinessInformationId");
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

    QString backups() const { return folder.filePath(QStringLiteral("backups")); }
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

    const QString target = elsewhere.filePath(QStringLiteral("Monday"));
    dialogs->folders = {target};
    trigger(form, "mnuBackUp");
    form.fileMenu()->waitForBackup();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text,
              QStringLiteral("The businesses and the RSS items were backed up into %1.").arg(target));
    expectBackupOfNow(target);

    // The same folder again: the backup there is left as it is, and the user is told why.
    folder.exec("DELETE FROM BusinessInformation");
    dialogs->folders = {target};
    trigger(form, "mnuBackUp");
    form.fileMenu()->waitForBackup();
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_TRUE(dialogs->messages[1].text.startsWith(QLatin1String("No backup was made.")));
    EXPECT_TRUE(dialogs->messages[1].text.contains(target + QStringLiteral("/Tallowmere.db exists already")))
        << dialogs->messages[1].text.toStdString();
    EXPECT_EQ(rowsOf(QStringLiteral("Data Source=") + target + QStringLiteral("/Tallowmere.db"),
                     QStringLiteral("select count(*) from BusinessInformation")),
              QStringList{"2"});
}

TEST_F(FileMenuTest, ExportWritesEveryBusinessAsCsvWithAByteOrderMarkReplacingTheFileWhole)
{
    folder.exec("INSERT INTO BusinessInformation (BusinessInformationDate, BusninesName, BusinessCity, BusinessZip) "
                "VALUES ('2024-02-29', 'Caf\u00e9 \"Zum Ost\", GmbH', 'K\u00f6ln', NULL), "
                "('2024-03-01', 'Two\r\nLines', '', '12345')");
    auto &form = start();
    const QString file = elsewhere.filePath(QStringLiteral("Businesses.csv"));
    {
        QFile old(file);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    dialogs->fileNames = {file};
    trigger(form, "mnuExportBusinesses");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("2 businesses were exported to %1.").arg(file));
    dialogs->messages.clear();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString keys = folder
                             .rows(QStringLiteral("select BusinessInformationId from BusinessInformation order by "
                                                  "BusinessInformationId"))
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
    const QString nowhere = elsewhere.filePath(QStringLiteral("missing/Businesses.csv"));
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
    const QString file = elsewhere.filePath(QStringLiteral("formulas.csv"));
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
    for (int daysAgo = 1; daysAgo <= 8; ++daysAgo)
        ASSERT_TRUE(QDir().mkpath(backups() + u'/' + today.addDays(-daysAgo).toString(Qt::ISODate)));
    ASSERT_TRUE(QDir().mkpath(backups() + QStringLiteral("/kept by hand")));
    const QString todays = backups() + u'/' + today.toString(Qt::ISODate);

    EXPECT_EQ(runProgramUntil([&] { return QFile::exists(todays + QStringLiteral("/Rss.db")); }), 0);
    EXPECT_TRUE(dialogs->messages.empty()) << dialogs->messages[0].text.toStdString();
    expectBackupOfNow(todays);
    QStringList expected{QStringLiteral("kept by hand")};
    for (int daysAgo = 0; daysAgo < 7; ++daysAgo)
        expected << today.addDays(-daysAgo).toString(Qt::ISODate);
    expected.sort();
    EXPECT_EQ(QDir(backups()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name), expected);

    // A second start the same day leaves the day's backup as it is.
    folder.exec("INSERT INTO BusinessInformation (BusninesName) VALUES ('Brook Farm')");
    auto &form = start();
    form.fileMenu()->startDailyBackup(today);
    EXPECT_FALSE(form.fileMenu()->isBackingUp());
    EXPECT_EQ(rowsOf(QStringLiteral("Data Source=") + todays + QStringLiteral("/Tallowmere.db"),
                     QStringLiteral("select count(*) from BusinessInformation")),
              QStringList{"1"});
}

TEST_F(FileMenuTest, AFailedAutomaticBackupIsSaidOnceAndTheProgramGoesOn)
{
    {
        QFile notAFolder(backups()); // where the backups' folder belongs
        ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(runProgramUntil([&] { return !dialogs->messages.empty(); }), 0);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.startsWith(QLatin1String("Today's automatic backup could not be made:")))
        << dialogs->messages[0].text.toStdString();
    EXPECT_TRUE(dialogs->messages[0].text.contains(backups())) << dialogs->messages[0].text.toStdString();
}

} // namespace
