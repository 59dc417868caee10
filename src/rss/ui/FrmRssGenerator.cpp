#include "rss/ui/FrmRssGenerator.h"

#include "base/Error.h"
#include "base/FailurePolicy.h"
#include "browser/ui/WebView.h"
#include "documents/ui/LVPrint.h"
#include "rss/Announcement.h"
#include "rss/CLsDataBaseConnection.h"
#include "rss/DirectoryList.h"
#include "rss/FeedWriter.h"
#include "rss/ItemList.h"
#include "rss/RssStatements.h"
#include "rss/ShownValue.h"
#include "rss/UploadImport.h"
#include "rss/fediverse/SecretStore.h"
#include "rss/ui/BlueskyCommands.h"
#include "rss/ui/FediverseCommands.h"
#include "rss/ui/FeedFormatMenu.h"
#include "rss/ui/NetworkCommands.h"
#include "rss/ui/RssWindowLayout.h"
#include "rss/ui/SettingPrompts.h"
#include "ui/BackgroundPicture.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/MenuBarKeys.h"
#include "ui/Twips.h"
#include "ui/WindowRegistry.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace rss {

namespace {

// The status line is one line of the window: a longer text is cut in its middle.
constexpr qsizetype StatusLength = 300;

const QString EditHintText
    = QStringLiteral("To edit an item simply double click the item from the list above.\r\n"
                     "To delete an item select the item from the list above and then select the delete button");

QLabel *makeLabel(QWidget *parent, const QString &text, const ui::TwipsBox &box)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    ui::place(label, box);
    return label;
}

QLineEdit *makeLineEdit(QWidget *parent, const char *name, QLabel *label, const ui::TwipsBox &box)
{
    auto *edit = ui::keepWholeText(new QLineEdit(parent));
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(label->text());
    label->setBuddy(edit);
    ui::place(edit, box);
    return edit;
}

QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption, const ui::TwipsBox &box)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    ui::place(frame, box);
    return frame;
}

// Shows the watched widget's events to a handler before the widget sees them; the
// handler returns true for an event it has dealt with.
class EventHook : public QObject
{
public:
    EventHook(QWidget *watched, std::function<bool(QEvent *)> handler)
        : QObject(watched)
        , m_handler(std::move(handler))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return m_handler(event) || QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(QEvent *)> m_handler;
};

bool isEnterKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
           && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

FrmRssGenerator::FrmRssGenerator(QWidget *parent)
    : ui::Window(parent)
    , m_editor(std::make_unique<ItemEditor>())
    , m_items(new ItemList(this))
    , m_network(new NetworkCommands(this))
    , m_endProgram([] { QCoreApplication::quit(); })
{
    setObjectName(QStringLiteral("FrmRssGenerator"));
    setWindowTitle(QLatin1String(GeneratorTitle));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    m_client->setMinimumSize(ui::twipsSize(layout::Client));
    layout->addWidget(m_client);
    ui::applyBackground(m_client);
    makeScrollable(m_client);

    buildMenus();
    buildManagementFrame();
    buildSubmissionControls();

    m_status = new QLabel(m_client);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    // File names and server names reach this line: never read as markup.
    m_status->setTextFormat(Qt::PlainText);
    ui::place(m_status, layout::StatusLine);

    connect(m_network, &NetworkCommands::busyChanged, this, &FrmRssGenerator::setNetworkBusy);
    connect(m_network, &NetworkCommands::status, this, &FrmRssGenerator::showStatus);
    connect(m_network, &NetworkCommands::failed, this, &FrmRssGenerator::reportFailure);
}

FrmRssGenerator::~FrmRssGenerator() = default;

void FrmRssGenerator::buildMenus()
{
    auto *bar = new QMenuBar(this);
    static_cast<QVBoxLayout *>(QWidget::layout())->setMenuBar(bar);
    ui::openMenuBarOnF10(this, bar);
    using Self = FrmRssGenerator;

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *print = file->addAction(QStringLiteral("&Print List"));
    print->setObjectName(QStringLiteral("mnuPrintList"));
    connect(print, &QAction::triggered, this, &Self::printList);
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &Self::exitProgram);

    struct Setting
    {
        const char *name;
        const char *caption;
        const char *prompt;
        int line;
    };
    const auto addSettings
        = [this, bar](const char *menuName, const char *caption, std::initializer_list<Setting> settings) {
              QMenu *menu = bar->addMenu(QLatin1String(caption));
              menu->setObjectName(QLatin1String(menuName));
              for (const Setting &setting : settings) {
                  QAction *action = menu->addAction(QLatin1String(setting.caption));
                  action->setObjectName(QLatin1String(setting.name));
                  const QString prompt = QLatin1String(setting.prompt);
                  const int line = setting.line;
                  connect(action, &QAction::triggered, this, [this, prompt, line] {
                      // A file that cannot be written keeps its old content, and the person
                      // learns that the typed value was not stored.
                      runReportingFailure([&] { editSetting(this, prompt, line); });
                  });
              }
              return menu;
          };
    addSettings("mnuCompanyInformation", "&Company Information",
                {{"mnuCompanyName", "Company &Name", "Enter company name", 1},
                 {"munWebSiteURL", "&Web Site URL", "Enter web site URL", 2},
                 {"mnuDescription", "&Description", "Enter description", 3}});
    addSettings("mnuFtpInformation", "FT&P Information",
                {{"mnuFtpSite", "FTP &Site", "Enter FTP Site", 4},
                 {"mnuUserName", "&User Name", "Enter User Name", 5},
                 {"mnuPassword", "&Password", "Enter Password", 6},
                 {"mnuFTPDirectory", "FTP &Directory", "Enter FTP Directory", 7}});
    addFeedFormatMenu(bar, [this](const QString &description) { reportFailure(description); });

    m_submitAction = bar->addAction(QStringLiteral("Submit Rss File - Off"));
    m_submitAction->setObjectName(QStringLiteral("mnuSubmitRssFile"));
    connect(m_submitAction, &QAction::triggered, this, &Self::toggleSubmissionMode);

    QMenu *twitter = addSettings("mnuTwitterSettings", "&Twitter",
                                 {{"mnuUserNameTwitter", "&User Name (Twitter)", "Enter Twitter User Name", 8},
                                  {"mnuPasswordTwitter", "&Password (Twitter)", "Enter User Twitter Password", 9}});
    QAction *service = twitter->addAction(QStringLiteral("Announcement &Service..."));
    service->setObjectName(QStringLiteral("mnuAnnouncementService"));
    connect(service, &QAction::triggered, this, &Self::chooseAnnouncementService);
    m_announceAction = twitter->addAction(QStringLiteral("Upload &New Rss Infomation to Twitter"));
    m_announceAction->setObjectName(QStringLiteral("mnuUploadTwitter"));
    connect(m_announceAction, &QAction::triggered, this, &Self::announce);

    buildAnnouncementMenus(bar);
}

void FrmRssGenerator::buildAnnouncementMenus(QMenuBar *bar)
{
    m_fediverse = new FediverseCommands(this, std::make_unique<fediverse::KeychainSecretStore>());
    buildAccountMenu(bar, m_fediverse, QStringLiteral("Fedi&verse"), QStringLiteral("mnuFediverse"));
    m_bluesky = new BlueskyCommands(this, std::make_unique<fediverse::KeychainSecretStore>());
    buildAccountMenu(bar, m_bluesky, QStringLiteral("&Bluesky"), QStringLiteral("mnuBluesky"));
}

void FrmRssGenerator::buildAccountMenu(QMenuBar *bar, AccountCommands *commands, const QString &caption,
                                       const QString &name)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(name);
    const auto add = [&](const char *suffix, const char *text, void (AccountCommands::*command)()) {
        QAction *action = menu->addAction(QString::fromUtf8(text));
        action->setObjectName(name + QLatin1String(suffix));
        connect(action, &QAction::triggered, commands, command);
        return action;
    };
    const QList<QAction *> actions = {
        add("Connect", "&Connect Account...", &AccountCommands::connectAccount),
        add("Announce", "&Announce Items", &AccountCommands::announceItems),
        add("Disconnect", "&Disconnect", &AccountCommands::disconnectAccount),
    };
    connect(commands, &AccountCommands::busyChanged, this, [this, actions](bool busy) {
        for (QAction *action : actions)
            action->setEnabled(!busy);
        if (busy) {
            setCursor(Qt::BusyCursor);
        } else {
            unsetCursor();
            runReportingFailure([this] { m_items->refreshAnnouncements(); });
        }
    });
    connect(commands, &AccountCommands::status, this, &FrmRssGenerator::showStatus);
}

void FrmRssGenerator::buildManagementFrame()
{
    m_managementFrame = makeFrame(m_client, "Frame1", QStringLiteral("Rss Item Management"), layout::ManagementFrame);

    QGroupBox *itemsFrame
        = makeFrame(m_managementFrame, "Frame2", QStringLiteral("Current Rss Items"), layout::ItemsFrame);
    m_list = new QTreeView(itemsFrame);
    m_list->setObjectName(QStringLiteral("LstStudenInformation"));
    m_list->setAccessibleName(QStringLiteral("Current Rss Items"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setModel(m_items);
    m_list->header()->setStretchLastSection(false);
    for (int column = 0; column < m_items->columnCount(); ++column)
        m_list->setColumnWidth(column, ui::twipsToPixels(layout::ColumnWidth));
    // Room for both networks' names.
    m_list->setColumnWidth(ItemList::AnnouncedColumn, ui::twipsToPixels(2 * layout::ColumnWidth));
    // The posts that announced an item open from its menu (right button or the Menu key).
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, &FrmRssGenerator::showPostsMenu);
    ui::place(m_list, layout::ItemList);
    connect(m_list, &QTreeView::doubleClicked, this, &FrmRssGenerator::editSelected);
    // Enter on a row edits it, as a double-click does.
    new EventHook(m_list, [this](QEvent *event) {
        if (!isEnterKey(event))
            return false;
        editSelected();
        return true;
    });

    QPushButton *remove
        = ui::makeButton(itemsFrame, "Command5", QStringLiteral("Delete Selected Item"), layout::DeleteButton);
    connect(remove, &QPushButton::clicked, this, &FrmRssGenerator::deleteSelected);
    m_hint = makeLabel(itemsFrame, QString(), layout::EditHint);
    m_hint->setObjectName(QStringLiteral("Label4"));
    m_hint->setWordWrap(true);

    QGroupBox *editFrame
        = makeFrame(m_managementFrame, "FrmAddEditRss", QStringLiteral("Add/Edit Rss Items"), layout::EditFrame);
    m_title = makeLineEdit(editFrame, "txtTitle", makeLabel(editFrame, QStringLiteral("Title"), layout::TitleLabel),
                           layout::TitleBox);
    m_link = makeLineEdit(editFrame, "txtLink", makeLabel(editFrame, QStringLiteral("Link"), layout::LinkLabel),
                          layout::LinkBox);
    QLabel *descriptionLabel = makeLabel(editFrame, QStringLiteral("Description"), layout::DescriptionLabel);
    m_description = new QPlainTextEdit(editFrame);
    m_description->setObjectName(QStringLiteral("txtDescription"));
    m_description->setAccessibleName(descriptionLabel->text());
    m_description->setTabChangesFocus(true);
    descriptionLabel->setBuddy(m_description);
    ui::place(m_description, layout::DescriptionBox);
    m_saveButton = ui::makeButton(editFrame, "Command2", QStringLiteral("Save"), layout::SaveButton);
    connect(m_saveButton, &QPushButton::clicked, this, &FrmRssGenerator::save);

    QPushButton *close = ui::makeButton(m_managementFrame, "Command1", QStringLiteral("Close"), layout::CloseButton);
    QPushButton *generate
        = ui::makeButton(m_managementFrame, "Command3", QStringLiteral("Generate Rss Feed"), layout::GenerateButton);
    m_uploadButton
        = ui::makeButton(m_managementFrame, "Command6", QStringLiteral("Upload Rss File"), layout::UploadFeedButton);
    QPushButton *import
        = ui::makeButton(m_managementFrame, "Command4", QStringLiteral("Upload File"), layout::ImportButton);
    connect(close, &QPushButton::clicked, this, &FrmRssGenerator::unload);
    connect(generate, &QPushButton::clicked, this, &FrmRssGenerator::generateFeed);
    connect(m_uploadButton, &QPushButton::clicked, this, &FrmRssGenerator::uploadFeed);
    connect(import, &QPushButton::clicked, this, &FrmRssGenerator::importItems);
}

void FrmRssGenerator::buildSubmissionControls()
{
    m_directories = ui::makeList(m_client, "List1", QStringLiteral("Feed directories"), layout::DirectoryList);
    m_directories->hide();
    // An entry opens when the selection moves to it, by mouse or by keyboard; a click
    // on the entry already selected opens it again.
    connect(m_directories, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selected = m_directories->selectedItems();
        if (!selected.isEmpty())
            openDirectory(selected.first());
    });
    new EventHook(m_directories->viewport(), [this](QEvent *event) {
        if (event->type() == QEvent::MouseButtonPress)
            m_entryAtPress = m_directories->selectedItems().value(0, nullptr);
        return false;
    });
    connect(m_directories, &QListWidget::itemClicked, this, [this](QListWidgetItem *entry) {
        if (entry == m_entryAtPress)
            openDirectory(entry);
    });
}

void FrmRssGenerator::formLoad()
{
    PublishingSettings::removeWriteLeftovers();
    m_hint->setText(EditHintText);
    m_saveButton->setToolTip(m_editor->editMarker());
    RefreshItemList();
    m_submitAction->setText(QStringLiteral("Submit Rss File - Off"));
    m_managementFrame->show();
    m_directories->hide();
    if (m_webView)
        m_webView->hide();
    m_entryAtPress = nullptr;
    m_directories->clear();
    m_directories->addItems(readDirectoryList());
}

void FrmRssGenerator::formUnload()
{
    m_items->clear();
    m_editor = std::make_unique<ItemEditor>();
    m_saveButton->setToolTip(QString());
    m_title->clear();
    m_link->clear();
    m_description->clear();
}

void FrmRssGenerator::showPostsMenu(const QPoint &position)
{
    QModelIndex at = m_list->indexAt(position);
    if (!at.isValid())
        at = m_list->currentIndex();
    if (!at.isValid())
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mnuItemPosts"));
    for (const fediverse::AnnouncedPost &post : m_items->postsOf(at.row())) {
        const QUrl address(post.address, QUrl::StrictMode);
        QAction *open = menu.addAction(
            QStringLiteral("Open Post on %1").arg(fediverse::AnnouncedItems::networkCaption(post.network)));
        // A server's reply chose the address: only a web page opens.
        const bool isWebPage
            = address.isValid()
              && (address.scheme() == QLatin1String("https") || address.scheme() == QLatin1String("http"));
        open->setEnabled(isWebPage);
        connect(open, &QAction::triggered, this, [address] { ui::Dialogs::openUrl(address); });
    }
    if (menu.isEmpty())
        menu.addAction(QStringLiteral("Not announced yet"))->setEnabled(false);
    const QRect cell = m_list->visualRect(at);
    menu.exec(m_list->viewport()->mapToGlobal(m_list->indexAt(position).isValid() ? position : cell.center()));
}

void FrmRssGenerator::RefreshItemList()
{
    runReportingFailure([this] { m_items->refresh(); });
}

int FrmRssGenerator::selectedRow() const
{
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void FrmRssGenerator::save()
{
    const QString description = ui::heldText(m_description).replace(u'\n', QLatin1String("\r\n"));
    const QString editedId = m_editor->editMarker();
    ItemEditor::SaveResult result = ItemEditor::SaveResult::Saved;
    const bool stored
        = runReportingFailure([&] { result = m_editor->save(m_title->text(), m_link->text(), description); });
    m_saveButton->setToolTip(m_editor->editMarker());
    if (!stored)
        return; // what was typed stays, to be saved again
    if (result == ItemEditor::SaveResult::InvalidTitle) {
        ui::Dialogs::information(this, QStringLiteral("Invalid Item Title"), QLatin1String(GeneratorTitle));
        return;
    }
    if (result == ItemEditor::SaveResult::ItemGone) {
        RefreshItemList();
        ui::Dialogs::message(this,
                             QStringLiteral("The item with Id %1 no longer exists: it was deleted meanwhile, and "
                                            "nothing was stored. The text stays in the boxes; Save adds it as a new "
                                            "item.")
                                 .arg(editedId),
                             QLatin1String(GeneratorTitle));
        return;
    }
    m_title->clear();
    m_link->clear();
    m_description->clear();
    RefreshItemList();
}

void FrmRssGenerator::editSelected()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const RssItem &item = m_items->item(row);
    m_editor->beginEdit(item);
    m_saveButton->setToolTip(m_editor->editMarker());
    m_title->setText(item.title);
    m_link->setText(item.link);
    m_description->setPlainText(QString(item.description).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void FrmRssGenerator::deleteSelected()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const RssItem item = m_items->item(row);
    const auto answer = ui::Dialogs::ask(this,
                                         QStringLiteral("You are about to delete item (") % shownValue(item.title)
                                             % QStringLiteral(")\r\nDo you want to continue"),
                                         ui::Dialogs::Buttons::YesNo, QLatin1String(GeneratorTitle));
    if (answer != ui::Dialogs::Answer::Yes)
        return;
    base::runSteps(base::FailurePolicy::EndSilently,
                   {[&] { ExecuteRssStatement(deleteItemStatement(item.id)); }, [this] { m_items->refresh(); }});
}

void FrmRssGenerator::importItems()
{
    ImportResult result;
    QString failure;
    base::runSteps(base::FailurePolicy::Report, {[&result] { result = importUploadFile(); }},
                   [&failure](const QString &description) { failure = description; });
    RefreshItemList();
    ui::Dialogs::message(this, failure.isEmpty() ? importSummary(result) : failure);
}

void FrmRssGenerator::generateFeed()
{
    const PublishingSettings channel = PublishingSettings::read();
    const QString path = ui::Dialogs::saveFileName(this, QString(), QString(), m_lastFileName);
    if (path.isEmpty())
        return;
    m_lastFileName = path;
    m_items->finishLoading();
    try {
        writeFeed(path, channel, m_items->items(), keptFeedFormat());
    } catch (const base::Error &error) {
        reportFailure(error.description());
        return;
    }
    ui::Dialogs::message(this, QStringLiteral("Operation complete"));
}

void FrmRssGenerator::uploadFeed()
{
    if (m_network->isRunning())
        return;
    const QString path = ui::Dialogs::openFileName(this, QString(), QString(), m_lastFileName);
    if (path.isEmpty())
        return;
    m_lastFileName = path;
    const std::optional<PublishingSettings> account = ftpAccountForUpload(this);
    if (account)
        m_network->upload(*account, path);
}

void FrmRssGenerator::announce()
{
    m_network->announce();
}

void FrmRssGenerator::chooseAnnouncementService()
{
    const QString stored = Announcement::userWsdlAddress();
    const QString answer
        = ui::Dialogs::inputText(this,
                                 QStringLiteral("Enter the address of the announcement service's description "
                                                "(WSDL), for example http://example.com/Service.asmx?wsdl"),
                                 QLatin1String(GeneratorTitle),
                                 stored.isEmpty() ? Announcement::configuredWsdlAddress() : stored)
              .trimmed();
    if (answer.isEmpty())
        return;
    if (const QString fault = Announcement::addressFault(answer); !fault.isEmpty()) {
        reportFailure(fault + QStringLiteral(" The announcement service stays as it was."));
        return;
    }
    const QUrl address = QUrl::fromUserInput(answer);
    const bool kept = runReportingFailure([&] { Announcement::setUserWsdlAddress(address.toString()); });
    if (kept && !qEnvironmentVariableIsEmpty("TALLOWMERE_ANNOUNCE_WSDL"))
        ui::Dialogs::message(this, QStringLiteral("The address is kept, but TALLOWMERE_ANNOUNCE_WSDL is set on this "
                                                  "computer: announcements go to %1 while it is.")
                                       .arg(shownValue(qEnvironmentVariable("TALLOWMERE_ANNOUNCE_WSDL"))));
}

void FrmRssGenerator::printList()
{
    m_items->finishLoading();
    documents::LVPrint printer;
    printer.LV = m_list;
    printer.ReportTitle = QStringLiteral("RSS Items");
    runReportingFailure([&] { printer.PrintList(this); });
}

bool FrmRssGenerator::inSubmissionMode() const
{
    return !m_managementFrame->isVisibleTo(this);
}

void FrmRssGenerator::toggleSubmissionMode()
{
    if (!inSubmissionMode()) {
        m_managementFrame->hide();
        m_submitAction->setText(QStringLiteral("Submit Rss File - On"));
        if (!m_webView) {
            // The web engine loads only when the pages are first wanted.
            runReportingFailure([this] {
                m_webView = browser::WebView::create(m_client);
                m_webView->setObjectName(QStringLiteral("WebBrowser1"));
                ui::place(m_webView, layout::Browser);
            });
        }
        if (m_webView)
            m_webView->show();
        m_directories->show();
    } else {
        m_managementFrame->show();
        m_submitAction->setText(QStringLiteral("Submit Rss File - Off"));
        if (m_webView)
            m_webView->hide();
        m_directories->hide();
    }
}

void FrmRssGenerator::openDirectory(QListWidgetItem *entry)
{
    if (!entry || !m_webView)
        return;
    const QUrl page = directoryPage(entry->text());
    if (page.isEmpty()) {
        const QString address = shownValue(entry->text());
        reportFailure(QStringLiteral("\"%1\" in urlNames.txt is not the address of a web page (http or https); "
                                     "it is not opened.")
                          .arg(address));
        return;
    }
    runReportingFailure([&] { m_webView->navigate(page.toString()); });
}

void FrmRssGenerator::exitProgram()
{
    // Pending edits in the other windows are settled first, as their close boxes do;
    // if the person keeps one open, nothing closes.
    for (ui::Window *window : ui::WindowRegistry::windows()) {
        if (window != this && !window->confirmClose())
            return;
    }
    if (mayEndProgram(nullptr, [this] { exitProgram(); }))
        m_endProgram();
}

bool FrmRssGenerator::mayEndProgram(const ui::Window *closing, std::function<void()> then)
{
    if (!m_network->isRunning() && !m_fediverse->isRunning() && !m_bluesky->isRunning())
        return true;
    if (closing) {
        // The program goes on while another window stays open, and so does the work.
        for (const ui::Window *window : ui::WindowRegistry::windows()) {
            if (window != closing && window->isVisible())
                return true;
        }
    }
    if (m_endWaitsForNetwork)
        return false;
    const auto answer
        = ui::Dialogs::ask(this,
                           QStringLiteral("A transfer is still running. Wait for it to finish?\r\n"
                                          "Yes ends the program once it has finished (an announcement after the item "
                                          "it sends now); No keeps the program open."),
                           ui::Dialogs::Buttons::YesNo);
    if (answer != ui::Dialogs::Answer::Yes)
        return false;
    m_endWaitsForNetwork = true;
    showStatus(QStringLiteral("The program ends once the transfer has finished..."));
    m_network->finishThen([this, then = std::move(then)] {
        m_fediverse->finishThen([this, then] {
            m_bluesky->finishThen([this, then] {
                m_endWaitsForNetwork = false;
                then();
            });
        });
    });
    return false;
}

bool FrmRssGenerator::queryClose()
{
    return mayEndProgram(this, [this] { close(); });
}

void FrmRssGenerator::setNetworkBusy(bool busy)
{
    m_uploadButton->setEnabled(!busy);
    m_announceAction->setEnabled(!busy);
    if (busy)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void FrmRssGenerator::showStatus(const QString &text)
{
    m_status->setText(shownValue(text, StatusLength));
}

void FrmRssGenerator::reportFailure(const QString &description)
{
    ui::Dialogs::message(this, description);
}

bool FrmRssGenerator::runReportingFailure(const std::function<void()> &step)
{
    return base::runSteps(base::FailurePolicy::Report, {step},
                          [this](const QString &description) { reportFailure(description); });
}

} // namespace rss
