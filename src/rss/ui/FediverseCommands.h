#pragma once

#include "rss/fediverse/FediverseAccount.h"
#include "rss/fediverse/MastodonClient.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class QWidget;

namespace rss::fediverse {
class FediverseAnnounce;
} // namespace rss::fediverse

namespace rss {

// The publishing window's "Fediverse" menu: connecting an account, announcing the
// items not announced there yet, and disconnecting. Every call to the server runs
// while the window goes on; the window waits for it on Exit as for its other transfers.
class FediverseCommands : public QObject
{
    Q_OBJECT

public:
    FediverseCommands(QWidget *window, std::unique_ptr<fediverse::SecretStore> secrets);
    ~FediverseCommands() override;

    bool isRunning() const { return m_running; }
    // Runs `then` once the running work has ended (at once when none runs); an
    // announcement ends after the item it sends now.
    void finishThen(std::function<void()> then);

    void connectAccount();
    void announceItems();
    void disconnectAccount();

signals:
    void busyChanged(bool busy);
    void status(const QString &text);

private:
    void begin(const QString &what, const QUrl &server);
    void end(const QString &message);
    void askForCode(const fediverse::AppRegistration &app);
    void checkAccount(const fediverse::AppRegistration &app, const QString &token);

    QWidget *m_window;
    std::unique_ptr<fediverse::SecretStore> m_secrets;
    fediverse::AccountStore m_accounts;
    std::unique_ptr<fediverse::MastodonClient> m_client;
    std::unique_ptr<fediverse::FediverseAnnounce> m_run;
    QList<std::function<void()>> m_afterwards;
    bool m_running = false;
};

} // namespace rss
