#include "rss/fediverse/AccountFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

namespace rss::fediverse {

namespace {

const QString SecretsInFile = QStringLiteral("secretsInFile");
const QString Secrets = QStringLiteral("secrets");

QString compact(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

} // namespace

AccountFile::AccountFile(QString folder, QString fileName, QString secretKey, SecretStore &secrets)
    : m_folder(std::move(folder))
    , m_fileName(std::move(fileName))
    , m_secretKey(std::move(secretKey))
    , m_secrets(secrets)
{
}

QString AccountFile::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Tallowmere");
}

QString AccountFile::filePath() const
{
    return QDir(m_folder).filePath(m_fileName);
}

QString AccountFile::write(QJsonObject fields, const QJsonObject &secrets, bool withSecrets) const
{
    if (!QDir().mkpath(m_folder))
        return QStringLiteral("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(m_folder));
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    fields.insert(SecretsInFile, withSecrets);
    if (withSecrets)
        fields.insert(Secrets, secrets);
    QSaveFile file(filePath());
    // Readable by the user alone before a byte of it is written.
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || file.write(QJsonDocument(fields).toJson()) < 0 || !file.commit()) {
        return QStringLiteral("The file %1 cannot be written: %2")
            .arg(QDir::toNativeSeparators(filePath()), file.errorString());
    }
    return {};
}

void AccountFile::save(const QJsonObject &fields, const QJsonObject &secrets,
                       std::function<void(const QString &, bool)> done)
{
    m_secrets.write(m_secretKey, compact(secrets),
                    [this, fields, secrets, done](bool ok) { done(write(fields, secrets, !ok), !ok); });
}

void AccountFile::load(std::function<void(const std::optional<Kept> &, const QString &)> done)
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
    Kept kept;
    kept.fields = QJsonDocument::fromJson(file.read(1024 * 1024)).object();
    if (kept.fields.value(SecretsInFile).toBool()) {
        kept.secrets = kept.fields.value(Secrets).toObject();
        done(kept, {});
        return;
    }
    m_secrets.read(m_secretKey, [kept, done](bool ok, const QString &secrets) mutable {
        kept.secretsFound = ok;
        if (ok)
            kept.secrets = QJsonDocument::fromJson(secrets.toUtf8()).object();
        done(kept, {});
    });
}

void AccountFile::forget(std::function<void(const QString &)> done)
{
    m_secrets.remove(m_secretKey, [this, done](bool) {
        // The file goes even when the secret store does not answer: nothing may be left behind it.
        if (QFile::exists(filePath()) && !QFile::remove(filePath())) {
            done(QStringLiteral("The file %1 cannot be removed.").arg(QDir::toNativeSeparators(filePath())));
            return;
        }
        done({});
    });
}

} // namespace rss::fediverse
