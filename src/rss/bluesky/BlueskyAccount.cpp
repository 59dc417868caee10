#include "rss/bluesky/BlueskyAccount.h"

#include <QDir>

namespace rss::bluesky {

BlueskyAccountStore::BlueskyAccountStore(QString folder, fediverse::SecretStore &secrets)
    : m_file(std::move(folder), QStringLiteral("bluesky-account.json"), QStringLiteral("bluesky"), secrets)
{
}

void BlueskyAccountStore::save(const BlueskyAccount &account, std::function<void(const QString &, bool)> done)
{
    m_file.save(QJsonObject{{QStringLiteral("service"), account.service.toString()},
                            {QStringLiteral("handle"), account.session.handle},
                            {QStringLiteral("did"), account.session.did}},
                QJsonObject{{QStringLiteral("appPassword"), account.appPassword},
                            {QStringLiteral("accessJwt"), account.session.accessJwt},
                            {QStringLiteral("refreshJwt"), account.session.refreshJwt}},
                std::move(done));
}

void BlueskyAccountStore::load(std::function<void(const std::optional<BlueskyAccount> &, const QString &)> done)
{
    m_file.load([this, done](const std::optional<fediverse::AccountFile::Kept> &kept, const QString &error) {
        if (!kept) {
            done(std::nullopt, error);
            return;
        }
        BlueskyAccount account;
        account.service = QUrl(kept->fields.value(QLatin1String("service")).toString());
        account.session.handle = kept->fields.value(QLatin1String("handle")).toString();
        account.session.did = kept->fields.value(QLatin1String("did")).toString();
        if (!account.service.isValid() || account.service.host().isEmpty() || account.session.handle.isEmpty()) {
            done(std::nullopt,
                 QStringLiteral("The file %1 is not an account Tallowmere wrote; connect the account again.")
                     .arg(QDir::toNativeSeparators(filePath())));
            return;
        }
        if (!kept->secretsFound) {
            done(std::nullopt, QStringLiteral("The app password of @%1 is not in the desktop's secret store any more; "
                                              "connect the account again.")
                                   .arg(account.session.handle));
            return;
        }
        account.appPassword = kept->secrets.value(QLatin1String("appPassword")).toString();
        account.session.accessJwt = kept->secrets.value(QLatin1String("accessJwt")).toString();
        account.session.refreshJwt = kept->secrets.value(QLatin1String("refreshJwt")).toString();
        done(account, {});
    });
}

void BlueskyAccountStore::forget(std::function<void(const QString &)> done)
{
    m_file.forget(std::move(done));
}

} // namespace rss::bluesky
