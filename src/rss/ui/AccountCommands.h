#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

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
    // Asks a running announcement to end after its current item.
    virtual void stopAfterCurrentItem() = 0;

    QWidget *window() const { return m_window; }
    const QString &title() const { return m_title; }

    bool m_running = false;

private:
    QWidget *m_window;
    QString m_title;
    QList<std::function<void()>> m_afterwards;
};

} // namespace rss
