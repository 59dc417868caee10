#pragma once

#include "rss/fediverse/FediverseAccount.h"
#include "rss/fediverse/MastodonClient.h"
#include "rss/ui/AccountCommands.h"

#include <memory>

namespace rss::fediverse {
class FediverseAnnounce;
} // namespace rss::fediverse

namespace rss {

// The publishing window's "Fediverse" menu: connecting an account, announcing the
// items not announced there yet, and disconnecting. Every call to the server runs
// while the window goes on; the window waits for it on Exit as for its other transfers.
class FediverseCommands : public AccountCommands
{
    Q_OBJECT

public:
    FediverseCommands(QWidget *window, std::unique_ptr<fediverse::SecretStore> secrets);
    ~FediverseCommands() override;

    void connectAccount() override;
    void announceItems() override;
    void disconnectAccount() override;

private:
    void begin(const QString &what, const QUrl &server);
    void askForCode(const fediverse::AppRegistration &app);
    void checkAccount(const fediverse::AppRegistration &app, const QString &token);

    std::unique_ptr<fediverse::SecretStore> m_secrets;
    fediverse::AccountStore m_accounts;
    std::unique_ptr<fediverse::MastodonClient> m_client;
};

} // namespace rss
