#include "rss/fediverse/FediverseAccount.h"

#include <QDir>

namespace rss::fediverse {

AccountStore::AccountStore(QString folder, SecretStore &secrets)
    : m_file(std::move(folder), QStringLiteral("fediverse-account.json"), QStringLiteral("fediverse"), secrets)
{
}

QString AccountStore::defaultFolder()
{
    return AccountFile::defaultFolder();
}

QString AccountStore::filePath() const
{
    return m_file.filePath();
}

void AccountStore::save(const FediverseAccount &account, std::function<void(const QString &, bool)> done)
{
    m_file.save(
        QJsonObject{{QStringLiteral("server"), account.server.toString()},
                    {QStringLiteral("handle"), account.handle},
                    {QStringLiteral("clientId"), account.clientId}},
        QJsonObject{{QStringLiteral("token"), account.token}, {QStringLiteral("clientSecret"), account.clientSecret}},
        std::move(done));
}

void AccountStore::load(std::function<void(const std::optional<FediverseAccount> &, const QString &)> done)
{
    m_file.load([this, done](const std::optional<AccountFile::Kept> &kept, const QString &error) {
        if (!kept) {
            done(std::nullopt, error);
            return;
        }
        FediverseAccount account;
        account.server = QUrl(kept->fields.value(QLatin1String("server")).toString());
        account.handle = kept->fields.value(QLatin1String("handle")).toString();
        account.clientId = kept->fields.value(QLatin1String("clientId")).toString();
        if (!account.server.isValid() || account.server.host().isEmpty()) {
            done(std::nullopt,
                 QStringLiteral("The file %1 is not an account Tallowmere wrote; connect the account again.")
                     .arg(QDir::toNativeSeparators(filePath())));
            return;
        }
        if (!kept->secretsFound) {
            done(std::nullopt, QStringLiteral("The access token of %1 is not in the desktop's secret store any more; "
                                              "connect the account again.")
                                   .arg(account.handle));
            return;
        }
        account.token = kept->secrets.value(QLatin1String("token")).toString();
        account.clientSecret = kept->secrets.value(QLatin1String("clientSecret")).toString();
        done(account, {});
    });
}

void AccountStore::forget(std::function<void(const QString &)> done)
{
    m_file.forget(std::move(done));
}

} // namespace rss::fediverse
