#pragma once

#include "rss/fediverse/SecretStore.h"

#include <QJsonObject>
#include <QString>

#include <functional>
#include <optional>

namespace rss::fediverse {

// One connected account kept in a file of the user's configuration folder, readable by
// the user alone, its secrets in the desktop's secret store under `secretKey`; only
// where no store answers are they written into the file. Never config.ini, never a log.
class AccountFile
{
public:
    struct Kept
    {
        QJsonObject fields;
        QJsonObject secrets;
        bool secretsFound = true; // false: the secret store no longer has them
    };

    AccountFile(QString folder, QString fileName, QString secretKey, SecretStore &secrets);

    static QString defaultFolder(); // the user's configuration folder for Tallowmere
    QString filePath() const;

    // `error` empty when kept; `inFile` says where the secrets went.
    void save(const QJsonObject &fields, const QJsonObject &secrets,
              std::function<void(const QString &error, bool inFile)> done);
    // Nothing kept (std::nullopt, no error) without a file; one that cannot be read is named.
    void load(std::function<void(const std::optional<Kept> &kept, const QString &error)> done);
    void forget(std::function<void(const QString &error)> done);

private:
    QString write(QJsonObject fields, const QJsonObject &secrets, bool withSecrets) const;

    QString m_folder;
    QString m_fileName;
    QString m_secretKey;
    SecretStore &m_secrets;
};

} // namespace rss::fediverse
