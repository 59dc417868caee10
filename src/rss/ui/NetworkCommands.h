#pragma once

#include "rss/PublishingSettings.h"

#include <QObject>

#include <functional>

class QWidget;

namespace rss {

class Announcement;
class FtpUpload;

// The publishing window's network work, the upload and the announcement. Each runs
// off the window's thread; while one runs, no other starts.
class NetworkCommands : public QObject
{
    Q_OBJECT

public:
    explicit NetworkCommands(QObject *parent = nullptr);
    ~NetworkCommands() override;

    bool isRunning() const { return m_running; }
    // Sends the file to the account's FTP server (its site, user name, password and
    // directory). False when other network work still runs.
    bool upload(const PublishingSettings &account, const QString &localPath);
    // Posts the items not announced yet through the announcement service.
    bool announce();
    // Runs `then` once the work that runs now has ended, at once when none runs. An
    // announcement ends after the item it posts now; an upload runs to its end.
    void finishThen(std::function<void()> then);

signals:
    void busyChanged(bool busy);
    // A line for the status line: what runs, or what ended well.
    void status(const QString &text);
    // What went wrong, for a message box.
    void failed(const QString &message);

private:
    void begin(const QString &what);
    void end(bool ok, const QString &message);

    FtpUpload *m_upload = nullptr;
    Announcement *m_announcement = nullptr;
    bool m_running = false;
    QList<std::function<void()>> m_afterwards;
};

} // namespace rss
