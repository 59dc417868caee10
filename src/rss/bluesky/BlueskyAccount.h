#pragma once

#include "rss/bluesky/BlueskyClient.h"
#include "rss/fediverse/AccountFile.h"

#include <QUrl>

#include <functional>
#include <optional>

namespace rss::bluesky {

// The connected account: its service, the app password it was connected with and the
// session last given.
struct BlueskyAccount
{
    QUrl service;
    QString appPassword;
    Session session; // did and handle name the account
};

// Keeps the account in `folder` (the user's configuration folder) as
// bluesky-account.json, readable by the user alone. The app password and the session's
// tokens go to the desktop's secret store (key "bluesky"); only where none answers are
// they written into that file. Never config.ini, never a log.
class BlueskyAccountStore
{
public:
    BlueskyAccountStore(QString folder, fediverse::SecretStore &secrets);

    QString filePath() const { return m_file.filePath(); }

    void save(const BlueskyAccount &account, std::function<void(const QString &error, bool inFile)> done);
    // No account (std::nullopt) when none was connected; a damaged file or lost secrets
    // are reported through `error`.
    void load(std::function<void(const std::optional<BlueskyAccount> &account, const QString &error)> done);
    void forget(std::function<void(const QString &error)> done);

private:
    fediverse::AccountFile m_file;
};

} // namespace rss::bluesky
