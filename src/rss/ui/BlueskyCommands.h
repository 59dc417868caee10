#pragma once

#include "rss/bluesky/BlueskyAccount.h"
#include "rss/bluesky/BlueskyClient.h"
#include "rss/ui/AccountCommands.h"

#include <memory>

namespace rss::bluesky {
class BlueskyAnnounce;
} // namespace rss::bluesky

namespace rss {

// The publishing window's "Bluesky" menu: connecting an account with an app password,
// announcing the items not announced there yet, and disconnecting.
class BlueskyCommands : public AccountCommands
{
    Q_OBJECT

public:
    BlueskyCommands(QWidget *window, std::unique_ptr<fediverse::SecretStore> secrets);
    ~BlueskyCommands() override;

    void connectAccount() override;
    void announceItems() override;
    void disconnectAccount() override;

private:
    void begin(const QString &what, const QUrl &service);
    // Keeps the client's session (refreshed tokens replace the old ones), then ends with `message`.
    void keepSessionThenEnd(const bluesky::BlueskyAccount &account, const QString &message);

    std::unique_ptr<fediverse::SecretStore> m_secrets;
    bluesky::BlueskyAccountStore m_accounts;
    std::unique_ptr<bluesky::BlueskyClient> m_client;
};

} // namespace rss
