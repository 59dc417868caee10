#include "browser/ui/WebView.h"
#include "db/ProgramFolder.h"
#include "records/ui/BusinessPurpose.h"
#include "records/ui/FormTesting.h"
#include "rss/FeedFormat.h"
#include "rss/ItemList.h"
#include "rss/PublishingSettings.h"
#include "rss/RssTesting.h"
#include "rss/ui/FrmRssGenerator.h"
#include "support/PdfText.h"
#include "support/ui_FakeWebEngine.h"
#include "support/ui_Layout.h"
#include "support/ui_ModalAnswer.h"
#include "support/ui_WindowFit.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QSet>
#include <QSettings>
#include <QStringEncoder>
#include <QTreeView>

using namespace rss_testing;
using rss::FrmRssGenerator;
using testing_support::FormTest;
using testing_support::typeInto;
using ui::Dialogs;

namespace {

constexpr auto Caption = "REviVizo Generator";

class PublishingWindow : public FormTest
{
protected:
    void SetUp() override
    {
        browser::WebView::setEngineFactory([this](QWidget *host, const browser::WebEngineEvents &events) {
            auto engine = std::make_unique<testing_support::FakeWebEngine>(host, events);
            engine_ = engine.get();
            ++enginesMade;
            return engine;
        });
    }

    void TearDown() override
    {
        FormTest::TearDown();
        browser::WebView::setEngineFactory({});
    }

    testing_support::FakeWebEngine *engine_ = nullptr;
    int enginesMade = 0;

    FrmRssGenerator &open()
    {
        auto &window = ui::WindowRegistry::get<FrmRssGenerator>();
        window.showWindow();
        window.itemList().finishLoading();
        return window;
    }

    void addItems(const QString &values)
    {
        execRss(folder, QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedItemLink, "
                                       "RssFeedDescription) VALUES ")
                            + values);
    }

    static QTreeView *list(const FrmRssGenerator &window)
    {
        return testing_support::control<QTreeView>(&window, QStringLiteral("LstStudenInformation"));
    }

    static QStringList shownRows(const FrmRssGenerator &window)
    {
        QStringList rows;
        const QAbstractItemModel *model = list(window)->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 4; ++column)
                cells << model->index(row, column).data().toString();
            rows << cells.join(u'|');
        }
        return rows;
    }

    static void selectRow(const FrmRssGenerator &window, int row)
    {
        QTreeView *view = list(window);
        view->setCurrentIndex(view->model()->index(row, 1));
    }

    static void doubleClickRow(const FrmRssGenerator &window, int row)
    {
        QTreeView *view = list(window);
        const QRect cell = view->visualRect(view->model()->index(row, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }

    static void trigger(const FrmRssGenerator &window, const char *name)
    {
        auto *action = window.findChild<QAction *>(QLatin1String(name));
        ASSERT_NE(action, nullptr) << name;
        ASSERT_TRUE(action->isEnabled()) << name;
        action->trigger();
    }

    static QString text(const FrmRssGenerator &window, const char *name)
    {
        if (auto *line = window.findChild<QLineEdit *>(QLatin1String(name)))
            return line->text();
        return window.findChild<QPlainTextEdit *>(QLatin1String(name))->toPlainText();
    }

    QString saveTip(const FrmRssGenerator &window) const
    {
        return testing_support::buttonOf(&window, "Command2")->toolTip();
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto &message : dialogs->messages)
            texts << message.text + QStringLiteral(" [") + message.title + u']';
        return texts;
    }
};

TEST_F(PublishingWindow, OpensShowingAllOfItsLayoutWhereTheScreenHoldsIt)
{
    FrmRssGenerator &window = open();
    QCoreApplication::processEvents();
    auto *client = window.findChild<QWidget *>(QStringLiteral("clientArea"));
    auto *area = window.findChild<QScrollArea *>(QStringLiteral("scrollArea"));
    ASSERT_NE(client, nullptr);
    ASSERT_NE(area, nullptr);
    // Nothing to scroll and no empty margin: the window is as large as its layout.
    EXPECT_EQ(client->size(), client->minimumSize());
    EXPECT_EQ(area->viewport()->size(), client->size());
    EXPECT_EQ(window.width(), client->width());
    EXPECT_EQ(testing_support::layoutFaults(window), QStringList());
    trigger(window, "mnuSubmitRssFile");
    EXPECT_EQ(testing_support::layoutFaults(window), QStringList());
}

TEST_F(PublishingWindow, FitsASmallScreenAndKeepsItsTextReadableUnderADarkScheme)
{
    const QRect designStatus = open().findChild<QLabel *>(QStringLiteral("lblStatus"))->geometry();
    ui::WindowRegistry::clear();
    QSettings(QStringLiteral("Tallowmere"), QStringLiteral("Tallowmere")).clear(); // where it stood on the large screen
    testing_support::DarkScheme dark;
    auto &window = ui::WindowRegistry::get<FrmRssGenerator>();
    QScreen *small = testing_support::smallScreen();
    ASSERT_NE(small, nullptr);
    window.setScreen(small);
    open();
    QCoreApplication::processEvents();
    // Larger than the screen both ways, it fills it and scrolls; its parts keep their places.
    EXPECT_EQ(window.frameGeometry(), small->availableGeometry());
    auto *status = window.findChild<QLabel *>(QStringLiteral("lblStatus"));
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->geometry(), designStatus);
    EXPECT_EQ(testing_support::layoutFaults(window), QStringList());
    EXPECT_EQ(testing_support::unreadableLabels(window), QStringList());
}

} // namespace

TEST_F(PublishingWindow, EveryMenuOpensByItsAccessKeyOrF10AndItsCommandsHaveTheirOwn)
{
    FrmRssGenerator &window = open();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QMenuBar *bar = window.findChild<QMenuBar *>();
    ASSERT_NE(bar, nullptr);
    QSet<QChar> barKeys;
    for (QAction *entry : bar->actions()) {
        QMenu *menu = entry->menu();
        if (!menu)
            continue; // "Submit Rss File" toggles; F10 and the arrows reach it
        const QString caption = menu->title();
        const qsizetype amp = caption.indexOf(u'&');
        ASSERT_TRUE(amp >= 0 && amp + 1 < caption.size()) << caption.toStdString() << " has no access key";
        const QChar key = caption.at(amp + 1).toUpper();
        EXPECT_FALSE(barKeys.contains(key)) << caption.toStdString();
        barKeys.insert(key);
        QSet<QChar> itemKeys;
        for (const QAction *item : menu->actions()) {
            const qsizetype itemAmp = item->text().indexOf(u'&');
            ASSERT_GE(itemAmp, 0) << item->text().toStdString() << " has no access key";
            const QChar itemKey = item->text().at(itemAmp + 1).toUpper();
            EXPECT_FALSE(itemKeys.contains(itemKey)) << item->text().toStdString();
            itemKeys.insert(itemKey);
        }
        QApplication::setActiveWindow(&window);
        QTest::keyClick(&window, static_cast<Qt::Key>(key.unicode()), Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); })) << caption.toStdString();
        menu->close();
    }

    // F10 opens the first menu, File, wherever the keyboard is.
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    list(window)->setFocus();
    QTest::keyClick(list(window), Qt::Key_F10);
    QMenu *file = window.findChild<QMenu *>(QStringLiteral("mnuFile"));
    EXPECT_TRUE(QTest::qWaitFor([file] { return file->isVisible(); }));
    EXPECT_EQ(file->activeAction(), window.findChild<QAction *>(QStringLiteral("mnuPrintList")));
    file->close();
}

TEST_F(PublishingWindow, OpensWithItsCaptionMenusHintAndColumns)
{
    addItems(QStringLiteral("('One', 'http://one.test', NULL)"));
    FrmRssGenerator &window = open();
    EXPECT_EQ(window.windowTitle(), QLatin1String(Caption));
    EXPECT_EQ(testing_support::control<QLabel>(&window, QStringLiteral("Label4"))->text(),
              QStringLiteral("To edit an item simply double click the item from the list above.\r\nTo delete an "
                             "item select the item from the list above and then select the delete button"));
    const QHeaderView *header = list(window)->header();
    QStringList headers;
    for (int column = 0; column < 4; ++column)
        headers << list(window)->model()->headerData(column, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{QStringLiteral("Id"), QStringLiteral("Title"), QStringLiteral("Link"),
                                    QStringLiteral("Description")}));
    for (int column = 0; column < 4; ++column)
        EXPECT_GT(header->sectionSize(column), header->fontMetrics().horizontalAdvance(headers[column]))
            << "the caption of column " << column << " does not fit";
    EXPECT_EQ(shownRows(window), QStringList{QStringLiteral("1|One|http://one.test|")});

    const std::pair<const char *, const char *> menus[] = {{"mnuFile", "File"},
                                                           {"mnuCompanyInformation", "Company Information"},
                                                           {"mnuFtpInformation", "FTP Information"},
                                                           {"mnuTwitterSettings", "Twitter"}};
    // The captions as shown; an underlined letter opens each menu with Alt.
    for (const auto &[name, caption] : menus)
        EXPECT_EQ(window.findChild<QMenu *>(QLatin1String(name))->title().remove(u'&'), QLatin1String(caption)) << name;
    EXPECT_EQ(window.findChild<QAction *>(QStringLiteral("mnuSubmitRssFile"))->text(),
              QStringLiteral("Submit Rss File - Off"));
    EXPECT_EQ(window.findChild<QAction *>(QStringLiteral("mnuUploadTwitter"))->text().remove(u'&'),
              QStringLiteral("Upload New Rss Infomation to Twitter"));
    for (const char *button : {"Command1", "Command3", "Command4", "Command5", "Command6"})
        EXPECT_TRUE(testing_support::shows(&window, button)) << button;
    EXPECT_FALSE(window.findChild<QListWidget *>(QStringLiteral("List1"))->isVisible());
}

TEST_F(PublishingWindow, SaveAddsAnItemAndEmptiesTheBoxesButRefusesAnEmptyTitle)
{
    FrmRssGenerator &window = open();
    typeInto(&window, QStringLiteral("txtLink"), QStringLiteral("http://x.test"));
    testing_support::click(&window, "Command2");
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("Invalid Item Title [REviVizo Generator]")});
    EXPECT_EQ(dialogs->messages.back().icon, ui::Dialogs::Icon::Information);
    EXPECT_EQ(text(window, "txtLink"), QStringLiteral("http://x.test"));
    EXPECT_TRUE(shownRows(window).isEmpty());

    typeInto(&window, QStringLiteral("txtTitle"), QStringLiteral("Bob's news"));
    typeInto(&window, QStringLiteral("txtDescription"), QStringLiteral("line 1\nline 2"));
    testing_support::click(&window, "Command2");
    window.itemList().finishLoading();
    EXPECT_EQ(shownRows(window), QStringList{QStringLiteral("1|Bob's news|http://x.test|line 1\r\nline 2")});
    EXPECT_TRUE(text(window, "txtTitle").isEmpty());
    EXPECT_TRUE(text(window, "txtLink").isEmpty());
    EXPECT_TRUE(text(window, "txtDescription").isEmpty());
    EXPECT_EQ(dialogs->messages.size(), 1u);
}

TEST_F(PublishingWindow, DoubleClickEditsTheRowWhoseIdShowsAsTheSaveTip)
{
    addItems(QStringLiteral("('One', 'l1', 'd1'), ('Two', 'l2', 'two\r\nlines')"));
    FrmRssGenerator &window = open();
    doubleClickRow(window, 1);
    EXPECT_EQ(saveTip(window), QStringLiteral("2"));
    EXPECT_EQ(text(window, "txtTitle"), QStringLiteral("Two"));
    EXPECT_EQ(text(window, "txtDescription"), QStringLiteral("two\nlines"));

    // Switching rows drops what was typed for the first; an edited title may be empty.
    typeInto(&window, QStringLiteral("txtTitle"), QStringLiteral("changed"));
    doubleClickRow(window, 0);
    EXPECT_EQ(saveTip(window), QStringLiteral("1"));
    EXPECT_EQ(text(window, "txtTitle"), QStringLiteral("One"));
    typeInto(&window, QStringLiteral("txtTitle"), QString());
    QTest::keyClick(testing_support::control(&window, QStringLiteral("txtTitle")), Qt::Key_Backspace);
    testing_support::click(&window, "Command2");
    window.itemList().finishLoading();
    EXPECT_TRUE(saveTip(window).isEmpty());
    EXPECT_TRUE(dialogs->messages.empty());
    QStringList shown = shownRows(window);
    // The list keeps the order the database returns; a server returns an edited row last.
    if (testing_support::onServerEngine())
        shown.sort();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("1||l1|d1"), QStringLiteral("2|Two|l2|two\r\nlines")}));
}

TEST_F(PublishingWindow, TitlesAndLinksLongerThanALineBoxsDefaultAreSavedWhole)
{
    const QString title = QString(40000, u't');
    const QString link = QStringLiteral("http://a.test/?q=") + QString(40000, u'l');
    addItems(QStringLiteral("('%1', '%2', 'd')").arg(title, link));
    FrmRssGenerator &window = open();
    doubleClickRow(window, 0);
    testing_support::click(&window, "Command2");
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(rssRows(folder, QStringLiteral("select RssFeedItemTitle, RssFeedItemLink from Tbl_Rss_Feed_Items")),
              QStringList{title + u'|' + link});
}

TEST_F(PublishingWindow, SavingAnItemDeletedMeanwhileSaysSoAndKeepsTheText)
{
    addItems(QStringLiteral("('One', 'l1', 'd1'), ('Two', 'l2', 'd2')"));
    FrmRssGenerator &window = open();
    doubleClickRow(window, 1);
    typeInto(&window, QStringLiteral("txtTitle"), QStringLiteral("Two, changed"));
    execRss(folder, QStringLiteral("DELETE FROM Tbl_Rss_Feed_Items WHERE RssFeedItemId = 2"));
    testing_support::click(&window, "Command2");
    window.itemList().finishLoading();

    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("no longer exists")))
        << dialogs->messages[0].text.toStdString();
    EXPECT_EQ(dialogs->messages[0].title, QLatin1String(Caption));
    EXPECT_EQ(text(window, "txtTitle"), QStringLiteral("Two, changed"));
    EXPECT_EQ(text(window, "txtLink"), QStringLiteral("l2"));
    EXPECT_EQ(text(window, "txtDescription"), QStringLiteral("d2"));
    EXPECT_EQ(shownRows(window), QStringList{QStringLiteral("1|One|l1|d1")});

    // The next Save keeps the text as a new item.
    EXPECT_TRUE(saveTip(window).isEmpty());
    testing_support::click(&window, "Command2");
    EXPECT_EQ(rssRows(folder, QStringLiteral("select RssFeedItemTitle from Tbl_Rss_Feed_Items order by 1")),
              (QStringList{QStringLiteral("One"), QStringLiteral("Two, changed")}));
}

TEST_F(PublishingWindow, EnterOnARowEditsItAsADoubleClickDoes)
{
    addItems(QStringLiteral("('One', 'l1', 'd1'), ('Two', 'l2', 'd2')"));
    FrmRssGenerator &window = open();
    QTreeView *view = list(window);
    view->setFocus();
    selectRow(window, 0);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(saveTip(window), QStringLiteral("2"));
    EXPECT_EQ(text(window, "txtTitle"), QStringLiteral("Two"));
    QTest::keyClick(view, Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(text(window, "txtTitle"), QStringLiteral("One"));
}

TEST_F(PublishingWindow, OpeningRemovesWhatAKilledSettingsWriteLeftBehind)
{
    const QString leftover = folder.filePath(QStringLiteral("config.ini.Xy12Zw"));
    writeFile(leftover, "Acme\r\n\r\n\r\n\r\n\r\nnew secret\r\n");
    open();
    EXPECT_FALSE(QFile::exists(leftover));
}

TEST_F(PublishingWindow, DeleteAsksNamingTheTitleAndOnlyYesDeletes)
{
    addItems(QStringLiteral("('One', 'l1', 'd1'), ('Two''s', 'l2', 'd2')"));
    FrmRssGenerator &window = open();
    testing_support::click(&window, "Command5"); // nothing selected
    EXPECT_TRUE(dialogs->messages.empty());

    selectRow(window, 1);
    dialogs->answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    testing_support::click(&window, "Command5");
    EXPECT_EQ(shownRows(window).size(), 2);
    selectRow(window, 1);
    testing_support::click(&window, "Command5");
    window.itemList().finishLoading();
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(dialogs->messages[0].text,
              QStringLiteral("You are about to delete item (Two's)\r\nDo you want to continue"));
    EXPECT_EQ(dialogs->messages[0].title, QLatin1String(Caption));
    EXPECT_EQ(dialogs->messages[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(shownRows(window), QStringList{QStringLiteral("1|One|l1|d1")});
}

TEST_F(PublishingWindow, UploadFileImportsUploadTxtIntoTheListAndSaysHowManyCameIn)
{
    FrmRssGenerator &window = open();
    testing_support::click(&window, "Command4");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QDir::toNativeSeparators(folder.filePath("Upload.txt"))))
        << dialogs->messages[0].text.toStdString();

    // Saved as "Unicode" by Notepad: UTF-16 with a byte-order mark.
    QStringEncoder unicode(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    writeFile(folder.filePath(QStringLiteral("Upload.txt")),
              unicode.encode(QStringLiteral("Ä\r\na.test\r\nfirst\r\n\r\nB\r\nb.test\r\nsecond\r\nC\r\n")));
    testing_support::click(&window, "Command4");
    window.itemList().finishLoading();
    EXPECT_EQ(shownRows(window),
              (QStringList{QStringLiteral("1|Ä|a.test|first"), QStringLiteral("2|B|b.test|second")}));
    EXPECT_EQ(messageTexts().value(1), QStringLiteral("2 items were imported from Upload.txt. [Tallowmere]"));
}

TEST_F(PublishingWindow, SettingsMenusAskWithTheStoredValueAndIgnoreBlankInput)
{
    FrmRssGenerator &window = open();
    const QString config = folder.filePath(QStringLiteral("config.ini"));
    dialogs->inputs = {QStringLiteral("   ")};
    trigger(window, "mnuCompanyName");
    EXPECT_FALSE(QFile::exists(config));

    dialogs->inputs = {QStringLiteral(" Acme "), QStringLiteral("secret")};
    trigger(window, "mnuCompanyName");
    trigger(window, "mnuPasswordTwitter");
    EXPECT_EQ(readFile(config), QByteArray(" Acme \r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nsecret\r\n"));

    dialogs->inputs.clear(); // Cancel
    trigger(window, "mnuCompanyName");
    EXPECT_EQ(rss::PublishingSettings::read().companyName, QStringLiteral(" Acme "));

    const std::pair<const char *, const char *> prompts[] = {{"munWebSiteURL", "Enter web site URL"},
                                                             {"mnuDescription", "Enter description"},
                                                             {"mnuFtpSite", "Enter FTP Site"},
                                                             {"mnuUserName", "Enter User Name"},
                                                             {"mnuPassword", "Enter Password"},
                                                             {"mnuFTPDirectory", "Enter FTP Directory"},
                                                             {"mnuUserNameTwitter", "Enter Twitter User Name"}};
    for (const auto &[name, prompt] : prompts)
        trigger(window, name);
    ASSERT_EQ(dialogs->inputBoxes.size(), 4u + 7u);
    EXPECT_EQ(dialogs->inputBoxes[1].prompt, QStringLiteral("Enter company name"));
    EXPECT_EQ(dialogs->inputBoxes[2].prompt, QStringLiteral("Enter User Twitter Password"));
    EXPECT_EQ(dialogs->inputBoxes[3].defaultText, QStringLiteral(" Acme "));
    for (std::size_t i = 0; i < std::size(prompts); ++i) {
        EXPECT_EQ(dialogs->inputBoxes[4 + i].prompt, QLatin1String(prompts[i].second));
        EXPECT_EQ(dialogs->inputBoxes[4 + i].title, QLatin1String(Caption));
    }
    // Only the two passwords are typed as dots; the stored one is offered as dots too.
    for (const auto &box : dialogs->inputBoxes)
        EXPECT_EQ(box.echo == ui::Dialogs::Echo::Password, box.prompt.endsWith(QStringLiteral("Password")))
            << box.prompt.toStdString();
    EXPECT_EQ(dialogs->inputBoxes[2].echo, ui::Dialogs::Echo::Password);
    EXPECT_TRUE(dialogs->messages.empty());

    // A value that cannot be stored is not dropped silently.
    db::ProgramFolder::setOverride(folder.filePath(QStringLiteral("missing")));
    dialogs->inputs = {QStringLiteral("Other")};
    trigger(window, "mnuCompanyName");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("config.ini")))
        << dialogs->messages[0].text.toStdString();
    db::ProgramFolder::setOverride(folder.path());
}

TEST_F(PublishingWindow, GenerateWritesTheFeedOfTheListAndRemembersTheNameForTheUpload)
{
    addItems(QStringLiteral("('A & B', 'http://a.test', 'first')"));
    FrmRssGenerator &window = open();
    testing_support::click(&window, "Command3"); // dialog cancelled
    EXPECT_TRUE(dialogs->messages.empty());

    const QString feed = folder.filePath(QStringLiteral("feed.xml"));
    dialogs->fileNames = {feed};
    testing_support::click(&window, "Command3");
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("Operation complete [Tallowmere]")});
    const QByteArray bytes = readFile(feed);
    EXPECT_TRUE(bytes.startsWith("<?xml version='1.0'?>\r\n<rss version='0.91'>\r\n<channel>\r\n<title></title>\r\n"));
    EXPECT_TRUE(bytes.contains("<title>A &amp; B</title>\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 14);

    // The upload's file dialog proposes the feed; without config.ini Cancel ends it.
    dialogs->fileNames = {feed};
    testing_support::click(&window, "Command6");
    EXPECT_EQ(dialogs->fileDialogStarts, (QStringList{QString(), QString(), feed}));
    EXPECT_EQ(dialogs->messages.back().text, QStringLiteral("Invalid FTP Site Address"));
    EXPECT_EQ(dialogs->messages.back().title, QStringLiteral("Tallowmere"));
    EXPECT_EQ(dialogs->inputBoxes.back().prompt, QStringLiteral("Enter FTP Site Address"));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("config.ini"))));
}

TEST_F(PublishingWindow, TheFeedFormatChosenInItsMenuIsKeptAndWritten)
{
    addItems(QStringLiteral("('A & B', 'http://a.test', 'first')"));
    FrmRssGenerator *const window = &open();
    const std::pair<const char *, const char *> formats[]
        = {{"mnuFeedRss091", "RSS 0.91"}, {"mnuFeedRss20", "RSS 2.0"}, {"mnuFeedAtom10", "Atom 1.0"}};
    for (const auto &[name, caption] : formats) {
        const auto *action = window->findChild<QAction *>(QLatin1String(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text().remove(u'&'), QLatin1String(caption));
        EXPECT_EQ(action->isChecked(), action->objectName() == QLatin1String("mnuFeedRss091")) << name;
    }
    trigger(*window, "mnuFeedAtom10");
    EXPECT_EQ(rss::keptFeedFormat(), rss::FeedFormat::Atom10);
    EXPECT_FALSE(window->findChild<QAction *>(QStringLiteral("mnuFeedRss091"))->isChecked());

    // Without a web site there is no host for the ids: nothing is written, and the
    // message says what to set.
    const QString feed = folder.filePath(QStringLiteral("feed.xml"));
    dialogs->fileNames = {feed};
    testing_support::click(window, "Command3");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("Web Site URL")))
        << dialogs->messages[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(feed));

    rss::PublishingSettings settings;
    settings.webSiteUrl = QStringLiteral("https://shop.test");
    settings.write();
    dialogs->fileNames = {feed};
    testing_support::click(window, "Command3");
    EXPECT_EQ(dialogs->messages.back().text, QStringLiteral("Operation complete"));
    const QByteArray bytes = readFile(feed);
    EXPECT_TRUE(bytes.contains("<feed xmlns=\"http://www.w3.org/2005/Atom\""));
    EXPECT_TRUE(bytes.contains("<title>A &amp; B</title>"));
    EXPECT_TRUE(bytes.contains("href=\"https://shop.test/feed.xml\""));
    // The item is dated by the day it was added.
    const QByteArray added = "<updated>" + QDate::currentDate().toString(Qt::ISODate).toLatin1() + "T00:00:00";
    EXPECT_TRUE(bytes.contains(added)) << bytes.toStdString();
}

TEST_F(PublishingWindow, AFeedThatCannotBeWrittenIsNamedInsteadOfReportedComplete)
{
    FrmRssGenerator &window = open();
    const QString feed = folder.filePath(QStringLiteral("missing/feed.xml"));
    dialogs->fileNames = {feed};
    testing_support::click(&window, "Command3");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QDir::toNativeSeparators(feed)))
        << dialogs->messages[0].text.toStdString();
}

TEST_F(PublishingWindow, UploadPromptsStopAtTheFirstBlankRequiredAnswer)
{
    FrmRssGenerator &window = open();
    const QString file = folder.filePath(QStringLiteral("feed.xml"));
    writeFile(file, "x");
    dialogs->fileNames = {file, file};
    dialogs->inputs = {QStringLiteral("ftp.test"), QStringLiteral("me"), QStringLiteral(" ")};
    testing_support::click(&window, "Command6");
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("Invalid Password [Tallowmere]")});
    dialogs->inputs = {QStringLiteral("ftp.test"), QStringLiteral(" ")};
    testing_support::click(&window, "Command6");
    EXPECT_EQ(dialogs->messages.back().text, QStringLiteral("Invalid User Name"));
    for (const auto &box : dialogs->inputBoxes) {
        EXPECT_EQ(box.title, QLatin1String(Caption));
        EXPECT_EQ(box.echo == ui::Dialogs::Echo::Password, box.prompt == QStringLiteral("Enter Password"))
            << box.prompt.toStdString();
    }
}

TEST_F(PublishingWindow, SubmitRssFileTogglesBetweenItemsAndTheDirectoryList)
{
    writeFile(folder.filePath(QStringLiteral("urlNames.txt")), "http://one.test\r\n\"http://two.test/?a,b\"\r\n");
    FrmRssGenerator &window = open();
    auto *directories = window.findChild<QListWidget *>(QStringLiteral("List1"));
    ASSERT_EQ(directories->count(), 2);
    EXPECT_EQ(directories->item(1)->text(), QStringLiteral("http://two.test/?a,b"));
    EXPECT_EQ(enginesMade, 0); // the web engine waits until the pages are wanted

    trigger(window, "mnuSubmitRssFile");
    EXPECT_TRUE(window.inSubmissionMode());
    ASSERT_EQ(enginesMade, 1);
    ASSERT_NE(window.webView(), nullptr);
    EXPECT_TRUE(window.webView()->isVisible());
    QTest::mouseClick(directories->viewport(), Qt::LeftButton, {},
                      directories->visualItemRect(directories->item(1)).center());
    EXPECT_EQ(engine_->requests, QStringList{QStringLiteral("navigate http://two.test/?a,b")});
    EXPECT_TRUE(dialogs->openedUrls.empty());
    EXPECT_EQ(window.findChild<QAction *>(QStringLiteral("mnuSubmitRssFile"))->text(),
              QStringLiteral("Submit Rss File - On"));
    EXPECT_TRUE(directories->isVisible());
    EXPECT_FALSE(window.findChild<QGroupBox *>(QStringLiteral("Frame1"))->isVisible());

    trigger(window, "mnuSubmitRssFile");
    EXPECT_FALSE(window.inSubmissionMode());
    EXPECT_EQ(window.findChild<QAction *>(QStringLiteral("mnuSubmitRssFile"))->text(),
              QStringLiteral("Submit Rss File - Off"));
    EXPECT_FALSE(directories->isVisible());
    EXPECT_FALSE(window.webView()->isVisible());

    // A click on the page already chosen opens it again; one on another opens that one once.
    QTest::mouseClick(directories->viewport(), Qt::LeftButton, {},
                      directories->visualItemRect(directories->item(1)).center());
    QTest::mouseClick(directories->viewport(), Qt::LeftButton, {},
                      directories->visualItemRect(directories->item(0)).center());
    EXPECT_EQ(engine_->requests, (QStringList{QStringLiteral("navigate http://two.test/?a,b"),
                                              QStringLiteral("navigate http://two.test/?a,b"),
                                              QStringLiteral("navigate http://one.test")}));

    // Each opening starts with the items shown.
    trigger(window, "mnuSubmitRssFile");
    window.close();
    EXPECT_FALSE(window.isVisible());
    open();
    EXPECT_FALSE(window.inSubmissionMode());
}

TEST_F(PublishingWindow, TheKeyboardOpensDirectoryPagesAndOnlyWebPagesOpen)
{
    writeFile(folder.filePath(QStringLiteral("urlNames.txt")),
              "http://one.test\r\njavascript:alert(document.cookie)\r\nfile:///etc/passwd\r\nwww.three.test\r\n");
    FrmRssGenerator &window = open();
    trigger(window, "mnuSubmitRssFile");
    auto *directories = window.findChild<QListWidget *>(QStringLiteral("List1"));
    ASSERT_EQ(directories->count(), 4);
    directories->setFocus();
    EXPECT_TRUE(engine_->requests.isEmpty()); // nothing opens before a choice

    directories->setCurrentRow(0);
    EXPECT_EQ(engine_->requests, QStringList{QStringLiteral("navigate http://one.test")});
    for (int step = 0; step < 3; ++step)
        QTest::keyClick(directories, Qt::Key_Down);
    EXPECT_EQ(engine_->requests, (QStringList{QStringLiteral("navigate http://one.test"),
                                              QStringLiteral("navigate http://www.three.test")}));
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("javascript:alert(document.cookie)")))
        << dialogs->messages[0].text.toStdString();
    EXPECT_TRUE(dialogs->messages[1].text.contains(QStringLiteral("file:///etc/passwd")))
        << dialogs->messages[1].text.toStdString();
}

TEST_F(PublishingWindow, AnUploadRunsInTheBackgroundWithItsCommandsDisabledAndAFailureIsNamed)
{
    rss::PublishingSettings account;
    account.ftpSite = QStringLiteral("127.0.0.1:1"); // nothing listens there
    account.ftpUserName = QStringLiteral("me");
    account.ftpPassword = QStringLiteral("secret");
    account.write();
    const QString file = folder.filePath(QStringLiteral("feed.xml"));
    writeFile(file, "<rss/>");
    dialogs->fileNames = {file};
    FrmRssGenerator &window = open();
    QPushButton *upload = testing_support::buttonOf(&window, "Command6");
    auto *announce = window.findChild<QAction *>(QStringLiteral("mnuUploadTwitter"));

    testing_support::click(&window, "Command6");
    EXPECT_FALSE(upload->isEnabled());
    EXPECT_FALSE(announce->isEnabled());
    EXPECT_EQ(window.cursor().shape(), Qt::BusyCursor);
    EXPECT_FALSE(testing_support::statusOf(&window).isEmpty());
    EXPECT_TRUE(dialogs->messages.empty());

    QTRY_VERIFY_WITH_TIMEOUT(upload->isEnabled(), 60000);
    EXPECT_TRUE(announce->isEnabled());
    EXPECT_NE(window.cursor().shape(), Qt::BusyCursor);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("127.0.0.1")))
        << dialogs->messages[0].text.toStdString();
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("feed.xml")))
        << dialogs->messages[0].text.toStdString();
    EXPECT_EQ(dialogs->fileDialogStarts, QStringList{QString()});
}

TEST_F(PublishingWindow, AnnouncingWithoutAConfiguredServiceSaysSo)
{
    if (!qEnvironmentVariableIsEmpty("TALLOWMERE_ANNOUNCE_WSDL"))
        GTEST_SKIP() << "a service is configured in this environment";
    FrmRssGenerator &window = open();
    trigger(window, "mnuUploadTwitter");
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("No announcement service is configured. [Tallowmere]")});
}

TEST_F(PublishingWindow, ExitSettlesPendingEditsOfTheOtherWindowsAndCancelKeepsEverythingOpen)
{
    folder.exec(QStringLiteral("INSERT INTO BusinessPurpose (BusinessInformationId, BusinessPurpose) VALUES (1, 'x')"));
    auto &purpose = ui::WindowRegistry::get<records::BusinessPurpose>();
    purpose.showForBusiness(1);
    testing_support::click(&purpose, "cmdEdit");
    FrmRssGenerator &window = open();
    int ends = 0;
    window.setProgramEnd([&ends] { ++ends; });

    dialogs->answers = {Dialogs::Answer::Cancel};
    trigger(window, "mnuExit");
    EXPECT_EQ(ends, 0);
    EXPECT_TRUE(purpose.isVisible());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].buttons, Dialogs::Buttons::SaveDiscardCancel);

    dialogs->answers = {Dialogs::Answer::Discard};
    trigger(window, "mnuExit");
    EXPECT_EQ(ends, 1);
}

TEST_F(PublishingWindow, PrintListPrintsTheItemsTitledRssItems)
{
    addItems(QStringLiteral("('One', 'http://one.test', 'First item'), ('Two', 'http://two.test', 'Second item')"));
    FrmRssGenerator &window = open();
    const QString pdf = folder.filePath(QStringLiteral("rss-items-printout.pdf"));
    dialogs->fileNames = {pdf};
    // The list is previewed first; printing goes on from the preview.
    testing_support::ModalAnswer print(QStringLiteral("PrintPreview"), testing_support::ModalAnswer::click("cmdPrint"));
    trigger(window, "mnuPrintList");
    ASSERT_TRUE(print.answered());
    ASSERT_TRUE(QFile::exists(pdf));
    const QString printed = testing_support::pdfText(pdf);
    EXPECT_TRUE(printed.contains(QStringLiteral("RSS Items"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("http://two.test"))) << printed.toStdString();
}
