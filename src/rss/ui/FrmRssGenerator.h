#pragma once

#include "rss/ItemEditor.h"
#include "ui/Window.h"

#include <functional>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

namespace browser {
class WebView;
}

namespace rss {

class ItemList;
class AccountCommands;
class BlueskyCommands;
class FediverseCommands;
class NetworkCommands;

// The publishing tool: the RSS items with their editor and import, the feed file,
// the publishing settings, the upload and announcement, and the feed-directory pages
// in an embedded browser (submission mode).
class FrmRssGenerator : public ui::Window
{
    Q_OBJECT

public:
    explicit FrmRssGenerator(QWidget *parent = nullptr);
    ~FrmRssGenerator() override;

    // What "File" > "Exit" calls once every window may close (tests replace it).
    void setProgramEnd(std::function<void()> end) { m_endProgram = std::move(end); }

    ItemList &itemList() const { return *m_items; }
    bool inSubmissionMode() const;
    browser::WebView *webView() const { return m_webView; }

    void RefreshItemList();

    // Whether the program may end now that `closing` closes (nullptr: File > Exit,
    // which ends it whatever else is open). While an upload or announcement runs and
    // nothing else stays open, asks whether to wait: with Yes, `then` runs once the
    // work has ended (an announcement after the item it sends now). False: not now.
    bool mayEndProgram(const ui::Window *closing, std::function<void()> then);

protected:
    void formLoad() override;
    void formUnload() override;
    bool queryClose() override;

private:
    void buildMenus();
    void buildAnnouncementMenus(QMenuBar *bar);
    // A network's menu of Connect Account..., Announce Items and Disconnect.
    void buildAccountMenu(QMenuBar *bar, AccountCommands *commands, const QString &caption, const QString &name);
    void showPostsMenu(const QPoint &position);
    void buildManagementFrame();
    void buildSubmissionControls();

    void save();
    void editSelected();
    void deleteSelected();
    void importItems();
    void generateFeed();
    void uploadFeed();
    void announce();
    void chooseAnnouncementService();
    void printList();
    void toggleSubmissionMode();
    void openDirectory(QListWidgetItem *entry);
    void exitProgram();
    void setNetworkBusy(bool busy);
    void showStatus(const QString &text);
    void reportFailure(const QString &description);
    // Runs one step, showing the description of its failure; true when it ran through.
    bool runReportingFailure(const std::function<void()> &step);
    int selectedRow() const;

    std::unique_ptr<ItemEditor> m_editor;
    ItemList *m_items = nullptr;
    NetworkCommands *m_network = nullptr;
    FediverseCommands *m_fediverse = nullptr;
    BlueskyCommands *m_bluesky = nullptr;
    QWidget *m_client = nullptr;
    QGroupBox *m_managementFrame = nullptr;
    QTreeView *m_list = nullptr;
    QLabel *m_hint = nullptr;
    QLineEdit *m_title = nullptr;
    QLineEdit *m_link = nullptr;
    QPlainTextEdit *m_description = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_uploadButton = nullptr;
    QAction *m_submitAction = nullptr;
    QAction *m_announceAction = nullptr;
    QLabel *m_status = nullptr;
    QListWidget *m_directories = nullptr;
    QListWidgetItem *m_entryAtPress = nullptr;
    browser::WebView *m_webView = nullptr;
    // The file name last chosen in the window's file dialog, shared by the feed and the upload.
    QString m_lastFileName;
    std::function<void()> m_endProgram;
    bool m_endWaitsForNetwork = false;
};

} // namespace rss
