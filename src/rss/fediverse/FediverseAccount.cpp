#include "rss/fediverse/FediverseAccount.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace rss::fediverse {

namespace {

const QString FileName = QStringLiteral("fediverse-account.json");
const QString SecretKey = QStringLiteral("fediverse");

QString secretsOf(const FediverseAccount &account)
{
    return QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("token"), account.token},
                                                       {QStringLiteral("clientSecret"), account.clientSecret}})
                                 .toJson(QJsonDocument::Compact));
}

void takeSecrets(FediverseAccount &account, const QJsonObject &secrets)
{
    account.token = secrets.value(QLatin1String("token")).toString();
    account.clientSecret = secrets.value(QLatin1String("clientSecret")).toString();
}

} // namespace

AccountStore::AccountStore(QString folder, SecretStore &secrets)
    : m_folder(std::move(folder))
    , m_secrets(secrets)
{
}

QString AccountStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Tallowmere");
}

QString AccountStore::filePath() const
{
    return QDir(m_folder).filePath(FileName);
}

QString AccountStore::writeFile(const FediverseAccount &account, bool withSecrets) const
{
    if (!QDir().mkpath(m_folder))
        return QStringLiteral("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(m_folder));
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QJsonObject object{{QStringLiteral("server"), account.server.toString()},
                       {QStringLiteral("handle"), account.handle},
                       {QStringLiteral("clientId"), account.clientId},
                       {QStringLiteral("secretsInFile"), withSecrets}};
    if (withSecrets)
        object.insert(QStringLiteral("secrets"), QJsonDocument::fromJson(secretsOf(account).toUtf8()).object());
    QSaveFile file(filePath());
    // Readable by the user alone before a byte of it is written.
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || file.write(QJsonDocument(object).toJson()) < 0 || !file.commit()) {
        return QStringLiteral("The file %1 cannot be written: %2")
            .arg(QDir::toNativeSeparators(filePath()), file.errorString());
    }
    return {};
}

void AccountStore::save(const FediverseAccount &account, std::function<void(const QString &, bool)> done)
{
    m_secrets.write(SecretKey, secretsOf(account),
                    [this, account, done](bool ok) { done(writeFile(account, !ok), !ok); });
}

void AccountStore::load(std::function<void(const std::optional<FediverseAccount> &, const QString &)> done)
{
    QFile file(filePath());
    if (!file.exists()) {
        done(std::nullopt, {});
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        done(std::nullopt, QStringLiteral("The file %1 cannot be read: %2")
                               .arg(QDir::toNativeSeparators(filePath()), file.errorString()));
        return;
    }
    const QJsonObject object = QJsonDocument::fromJson(file.read(1024 * 1024)).object();
    FediverseAccount account;
    account.server = QUrl(object.value(QLatin1String("server")).toString());
    account.handle = object.value(QLatin1String("handle")).toString();
    account.clientId = object.value(QLatin1String("clientId")).toString();
    if (!account.server.isValid() || account.server.host().isEmpty()) {
        done(std::nullopt, QStringLiteral("The file %1 is not an account Tallowmere wrote; connect the account again.")
                               .arg(QDir::toNativeSeparators(filePath())));
        return;
    }
    if (object.value(QLatin1String("secretsInFile")).toBool()) {
        takeSecrets(account, object.value(QLatin1String("secrets")).toObject());
        done(account, {});
        return;
    }
    m_secrets.read(SecretKey, [this, account, done](bool ok, const QString &secrets) mutable {
        if (!ok) {
            done(std::nullopt, QStringLiteral("The access token of %1 is not in the desktop's secret store any more; "
                                              "connect the account again.")
                                   .arg(account.handle));
            return;
        }
        takeSecrets(account, QJsonDocument::fromJson(secrets.toUtf8()).object());
        done(account, {});
    });
}

void AccountStore::forget(std::function<void(const QString &)> done)
{
    m_secrets.remove(SecretKey, [this, done](bool) {
        // The file goes even when the secret store does not answer: nothing may be left behind it.
        if (QFile::exists(filePath()) && !QFile::remove(filePath())) {
            done(QStringLiteral("The file %1 cannot be removed.").arg(QDir::toNativeSeparators(filePath())));
            return;
        }
        done({});
    });
}

} // namespace rss::fediverse
