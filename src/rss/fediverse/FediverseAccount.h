#pragma once

#include "rss/fediverse/AccountFile.h"

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

namespace rss::fediverse {

// The connected account: the server, who it is, the program's registration there and
// the access token.
struct FediverseAccount
{
    QUrl server;
    QString handle; // "@name@host"
    QString clientId;
    QString clientSecret;
    QString token;
};

// Keeps the account in `folder` (the user's configuration folder) as
// fediverse-account.json, readable by the user alone. The token and the client secret
// go to the desktop's secret store; only where none answers are they written into
// that file. Never config.ini, never a log.
class AccountStore
{
public:
    AccountStore(QString folder, SecretStore &secrets);

    static QString defaultFolder(); // the user's configuration folder for Tallowmere
    QString filePath() const;

    // `error` empty when kept; `inFile` says where the secrets went.
    void save(const FediverseAccount &account, std::function<void(const QString &error, bool inFile)> done);
    // No account (std::nullopt) when none was connected; throws nothing: a damaged
    // file is reported through `error`.
    void load(std::function<void(const std::optional<FediverseAccount> &account, const QString &error)> done);
    void forget(std::function<void(const QString &error)> done);

private:
    AccountFile m_file;
};

} // namespace rss::fediverse
