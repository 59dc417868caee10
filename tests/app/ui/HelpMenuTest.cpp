// The main form's Help menu: what the About box tells, and where the user guide is
// found and how it opens.
#include "app/About.h"
#include "app/Language.h"
#include "app/UserGuide.h"
#include "app/ui/MainFormTesting.h"
#include "browser/ui/FrmBrowser.h"
#include "db/EngineVersions.h"
#include "support/Files.h"
#include "support/ui_FakeEngines.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace testing_support;

namespace {

class HelpMenuTest : public MainFormFixture
{
protected:
    void TearDown() override
    {
        FormTest::TearDown();
        app::UserGuide::setProgramDirectory({});
    }

    // A file at a path below the temporary tree, with its folders.
    QString put(const QString &relativePath)
    {
        const QString path = tree.filePath(relativePath);
        EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        return writeFile(path, "<html><title>Tallowmere User Guide</title></html>");
    }

    // The program stands in a folder below the temporary tree.
    void programIn(const QString &relativeFolder)
    {
        const QString programFolder = tree.filePath(relativeFolder);
        ASSERT_TRUE(QDir().mkpath(programFolder));
        app::UserGuide::setProgramDirectory(programFolder);
    }

    QTemporaryDir tree;
};

TEST_F(HelpMenuTest, HelpIsTheLastMenuWithTheGuideAndTheAboutBox)
{
    auto &form = start();
    auto *bar = form.findChild<QMenuBar *>();
    ASSERT_NE(bar, nullptr);
    const QList<QAction *> menus = bar->actions();
    ASSERT_FALSE(menus.isEmpty());
    EXPECT_EQ(menus.last()->text(), "&Help");
    ASSERT_NE(menus.last()->menu(), nullptr);
    QStringList items;
    for (const QAction *item : menus.last()->menu()->actions())
        items << item->text();
    EXPECT_EQ(items, (QStringList{"&User Guide", "&Language", "&About Tallowmere"}));
}

TEST_F(HelpMenuTest, LanguageOffersTheSystemsAndEachShippedOneAndKeepsTheChoiceForTheNextStart)
{
    auto &form = start();
    auto *menu = form.findChild<QMenu *>("mnuLanguage");
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (const QAction *item : menu->actions()) {
        if (!item->isSeparator())
            items << item->text() + (item->isChecked() ? "*" : "");
    }
    EXPECT_EQ(items, (QStringList{"&System language*", "Deutsch", "Español", "Français", "English"}));

    trigger(form, "mnuLanguage_fr");
    EXPECT_EQ(app::Language::storedChoice(), "fr");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "Language");
    EXPECT_EQ(dialogs->messages[0].text, "Tallowmere will use the language you chose the next time it starts.");
    // Choosing what is chosen already says nothing new.
    trigger(form, "mnuLanguage_fr");
    EXPECT_EQ(dialogs->messages.size(), 1u);
    trigger(form, "mnuLanguageSystem");
    EXPECT_EQ(app::Language::storedChoice(), QString());
    EXPECT_EQ(dialogs->messages.size(), 2u);
}

TEST_F(HelpMenuTest, AboutNamesTheProgramItsVersionLicenceLibrariesAndDataFolder)
{
    auto &form = start();
    trigger(form, "mnuAbout");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    const ScriptedDialogs::Message &box = dialogs->messages[0];
    EXPECT_EQ(box.title, "About Tallowmere");
    EXPECT_EQ(box.buttons, ui::Dialogs::Buttons::Ok);
    // A build that lost the version would show "Tallowmere " and nothing after it.
    EXPECT_TRUE(QRegularExpression("^\\d+\\.\\d+\\.\\d+$").match(app::programVersion()).hasMatch())
        << app::programVersion().toStdString();
    EXPECT_TRUE(db::sqliteVersion().startsWith("3.")) << db::sqliteVersion().toStdString();
    for (const QString &expected :
         QStringList{QStringLiteral("Tallowmere ") + app::programVersion(), "MIT licence", "the Tallowmere authors",
                     QStringLiteral("Qt ") + QString::fromLatin1(qVersion()),
                     QStringLiteral("SQLite ") + db::sqliteVersion(), QDir::toNativeSeparators(folder.path())})
        EXPECT_TRUE(box.text.contains(expected)) << expected.toStdString() << " not in:\n" << box.text.toStdString();
    EXPECT_TRUE(dialogs->openedUrls.empty());
}

// Where the guide is looked for, by where the program stands.
struct GuidePlace
{
    const char *programFolder;
    std::vector<const char *> guides; // files present
    const char *expected;             // the one opened
};

void PrintTo(const GuidePlace &place, std::ostream *os)
{
    *os << "program in " << place.programFolder << " with " << place.guides.size() << " guides";
}

class UserGuidePlaceTest : public HelpMenuTest, public ::testing::WithParamInterface<GuidePlace>
{ };

TEST_P(UserGuidePlaceTest, OpensTheFirstGuideFoundAsAFileAddress)
{
    const GuidePlace &place = GetParam();
    programIn(QLatin1String(place.programFolder));
    for (const char *guide : place.guides)
        put(QLatin1String(guide));
    auto &form = start();
    trigger(form, "mnuUserGuide");
    EXPECT_TRUE(dialogs->messages.empty());
    ASSERT_EQ(dialogs->openedUrls.size(), 1u);
    EXPECT_EQ(dialogs->openedUrls[0], QUrl::fromLocalFile(tree.filePath(QLatin1String(place.expected))));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, UserGuidePlaceTest,
    ::testing::Values(
        // A build tree or portable copy: docs/ beside the program, before any installed copy.
        GuidePlace{"build/bin", {"build/bin/docs/user-guide.html"}, "build/bin/docs/user-guide.html"},
        GuidePlace{"usr/lib/tallowmere",
                   {"usr/lib/tallowmere/docs/user-guide.html", "usr/share/tallowmere/docs/user-guide.html"},
                   "usr/lib/tallowmere/docs/user-guide.html"},
        // Installed: the prefix's shared data, under either name.
        GuidePlace{"usr/local/lib/tallowmere",
                   {"usr/local/share/tallowmere/docs/user-guide.html"},
                   "usr/local/share/tallowmere/docs/user-guide.html"},
        GuidePlace{"opt/t/lib64/tallowmere",
                   {"opt/t/share/doc/tallowmere/user-guide.html"},
                   "opt/t/share/doc/tallowmere/user-guide.html"},
        GuidePlace{"usr/lib/x86_64-linux-gnu/tallowmere",
                   {"usr/share/doc/tallowmere/user-guide.html", "usr/share/tallowmere/docs/user-guide.html"},
                   "usr/share/tallowmere/docs/user-guide.html"}));

class BuiltInGuideTest : public HelpMenuTest
{
protected:
    // Help > User Guide ends in the resource browser, on the guide built into the program.
    void expectTheBuiltInGuideShown()
    {
        FakeEngines engines;
        trigger(start(), "mnuUserGuide");
        EXPECT_TRUE(ui::WindowRegistry::get<browser::FrmBrowser>().isVisible());
        ASSERT_NE(engines.latest, nullptr);
        EXPECT_EQ(engines.latest->requests, QStringList{"navigate qrc:/guide/user-guide.html"});
        EXPECT_TRUE(dialogs->messages.empty());
    }
};

TEST_F(BuiltInGuideTest, IsShownWhenNoDesktopProgramOpensTheGuideFile)
{
    programIn("bin");
    const QString guide = put("bin/docs/user-guide.html");
    dialogs->desktopOpensUrls = false;
    expectTheBuiltInGuideShown();
    EXPECT_EQ(dialogs->openedUrls, std::vector<QUrl>{QUrl::fromLocalFile(guide)});
}

TEST_F(BuiltInGuideTest, IsShownWhenTheGuideFileIsMissing)
{
    programIn("usr/local/lib/tallowmere");
    expectTheBuiltInGuideShown();
    EXPECT_TRUE(dialogs->openedUrls.empty());
}

// The resource browser shows the guide from the program's resources: a page opened
// from a file may read no other file, its pictures included.
TEST(BuiltInUserGuide, HoldsTheGuideWithEveryPictureItShows)
{
    QFile guide(":/guide/user-guide.html");
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(guide.readAll());
    EXPECT_EQ(app::UserGuide::builtInAddress(), QUrl(QStringLiteral("qrc") + guide.fileName()));
    int pictures = 0;
    for (const QRegularExpressionMatch &picture : QRegularExpression("src=\"(images/[^\"]+)\"").globalMatch(html)) {
        ++pictures;
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/guide/") + picture.captured(1)))
            << picture.captured(1).toStdString();
    }
    EXPECT_GT(pictures, 10);
}

TEST_F(HelpMenuTest, AMissingGuideThatTheResourceBrowserCannotShowIsReportedWithEveryPlaceLookedIn)
{
    FakeEngines missing(FakeEngines::Missing);
    programIn("usr/local/lib/tallowmere");
    // A folder of that name is not the guide.
    ASSERT_TRUE(QDir().mkpath(tree.filePath("usr/local/share/tallowmere/docs/user-guide.html")));
    auto &form = start();
    trigger(form, "mnuUserGuide");
    EXPECT_TRUE(dialogs->openedUrls.empty());
    ASSERT_EQ(dialogs->messages.size(), 1u);
    const QString text = dialogs->messages[0].text;
    EXPECT_TRUE(text.contains("user guide could not be found")) << text.toStdString();
    EXPECT_TRUE(text.contains("tallowmere_webengine could not be loaded")) << text.toStdString();
    for (const char *place :
         {"usr/local/lib/tallowmere/docs/user-guide.html", "usr/local/share/tallowmere/docs/user-guide.html",
          "usr/local/share/doc/tallowmere/user-guide.html"})
        EXPECT_TRUE(text.contains(QDir::toNativeSeparators(tree.filePath(QLatin1String(place)))))
            << place << " not in:\n"
            << text.toStdString();
}

TEST_F(HelpMenuTest, AGuideThatNothingCanShowIsReportedWithTheReason)
{
    FakeEngines missing(FakeEngines::Missing);
    programIn("bin");
    const QString guide = put("bin/docs/user-guide.html");
    dialogs->desktopOpensUrls = false;
    auto &form = start();
    trigger(form, "mnuUserGuide");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    const QString text = dialogs->messages[0].text;
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(guide))) << text.toStdString();
    EXPECT_TRUE(text.contains("tallowmere_webengine could not be loaded"));
    EXPECT_FALSE(ui::WindowRegistry::get<browser::FrmBrowser>().isVisible());
}

} // namespace
