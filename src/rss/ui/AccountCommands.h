#pragma once

#include "rss/RssItem.h"
#include "rss/fediverse/AnnounceRun.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace rss {

// What a network's account menu of the publishing window shares: connecting,
// announcing, disconnecting, one at a time, each running while the window goes on, and
// waited for on Exit as the window's other transfers are.
class AccountCommands : public QObject
{
    Q_OBJECT

public:
    AccountCommands(QWidget *window, QString title);

    bool isRunning() const { return m_running; }
    // Runs `then` once the running work has ended (at once when none runs); an
    // announcement ends after the item it sends now.
    void finishThen(std::function<void()> then);

    virtual void connectAccount() = 0;
    virtual void announceItems() = 0;
    virtual void disconnectAccount() = 0;

signals:
    void busyChanged(bool busy);
    void status(const QString &text);

protected:
    void begin(const QString &what);
    // Shows `message` (none when empty) and runs whatever waited for the end.
    void end(const QString &message);
    // The items not yet announced on `network`; none, the user told why, when every
    // item has been announced as `accountName` or the items cannot be read.
    QList<RssItem> itemsToAnnounce(const QString &network, const QString &accountName);
    // Runs `run` over `items`; `finished` gets the run's summary.
    void startRun(std::unique_ptr<fediverse::AnnounceRun> run, const QList<RssItem> &items,
                  std::function<void(const fediverse::AnnounceSummary &)> finished);
    // What a run calls for each posted item: marks it announced on `network`.
    static fediverse::AnnounceRun::MarkAnnounced markOn(const QString &network);

    QWidget *window() const { return m_window; }
    const QString &title() const { return m_title; }

    bool m_running = false;
    // The announcing run, if one was made; derived commands drop it before its client.
    std::unique_ptr<fediverse::AnnounceRun> m_run;

private:
    QWidget *m_window;
    QString m_title;
    QList<std::function<void()>> m_afterwards;
};

} // namespace rss
