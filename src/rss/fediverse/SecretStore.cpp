#include "rss/fediverse/SecretStore.h"

#include <qt6keychain/keychain.h>

namespace rss::fediverse {

namespace {

const QString Service = QStringLiteral("Tallowmere");

} // namespace

void KeychainSecretStore::write(const QString &key, const QString &secret, std::function<void(bool ok)> done)
{
    auto *job = new QKeychain::WritePasswordJob(Service);
    job->setAutoDelete(true);
    // Never QtKeychain's own unprotected fallback: the file beside it is ours, and known.
    job->setInsecureFallback(false);
    job->setKey(key);
    job->setTextData(secret);
    QObject::connect(job, &QKeychain::Job::finished,
                     [done](QKeychain::Job *finished) { done(finished->error() == QKeychain::NoError); });
    job->start();
}

void KeychainSecretStore::read(const QString &key, std::function<void(bool ok, const QString &secret)> done)
{
    auto *job = new QKeychain::ReadPasswordJob(Service);
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(key);
    QObject::connect(job, &QKeychain::Job::finished,
                     [done, job](QKeychain::Job *) { done(job->error() == QKeychain::NoError, job->textData()); });
    job->start();
}

void KeychainSecretStore::remove(const QString &key, std::function<void(bool ok)> done)
{
    auto *job = new QKeychain::DeletePasswordJob(Service);
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(key);
    QObject::connect(job, &QKeychain::Job::finished, [done](QKeychain::Job *finished) {
        done(finished->error() == QKeychain::NoError || finished->error() == QKeychain::EntryNotFound);
    });
    job->start();
}

} // namespace rss::fediverse
