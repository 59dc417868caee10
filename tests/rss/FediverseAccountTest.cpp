#include "rss/fediverse/FediverseAccount.h"

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using rss::fediverse::AccountStore;
using rss::fediverse::FediverseAccount;
using rss::fediverse::SecretStore;

namespace {

// A secret store that answers at once, or one that is not there (no desktop session).
class FakeSecrets final : public SecretStore
{
public:
    explicit FakeSecrets(bool answers)
        : m_answers(answers)
    {
    }
    void write(const QString &key, const QString &secret, std::function<void(bool)> done) override
    {
        if (m_answers)
            m_kept.insert(key, secret);
        done(m_answers);
    }
    void read(const QString &key, std::function<void(bool, const QString &)> done) override
    {
        done(m_answers && m_kept.contains(key), m_kept.value(key));
    }
    void remove(const QString &key, std::function<void(bool)> done) override
    {
        m_kept.remove(key);
        done(m_answers);
    }
    QHash<QString, QString> m_kept;

private:
    bool m_answers;
};

const QString Token = QStringLiteral("tok-3f9a\"secret");

FediverseAccount account()
{
    return {QUrl(QStringLiteral("https://social.example")), QStringLiteral("@office@social.example"),
            QStringLiteral("cid"), QStringLiteral("client-secret"), Token};
}

// Every file under the folder that holds the text.
QStringList filesHolding(const QString &folder, const QString &text)
{
    QStringList found;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly) && file.readAll().contains(text.toUtf8()))
            found << file.fileName();
    }
    return found;
}

FediverseAccount saveAndLoad(AccountStore &store, bool expectInFile)
{
    QString saveError = QStringLiteral("not called");
    bool inFile = !expectInFile;
    store.save(account(), [&](const QString &error, bool file) {
        saveError = error;
        inFile = file;
    });
    EXPECT_EQ(saveError, QString());
    EXPECT_EQ(inFile, expectInFile);
    std::optional<FediverseAccount> loaded;
    store.load([&](const std::optional<FediverseAccount> &a, const QString &) { loaded = a; });
    EXPECT_TRUE(loaded.has_value());
    return loaded.value_or(FediverseAccount());
}

TEST(FediverseAccount, TheTokenGoesToTheSecretStoreAndNowhereElse)
{
    QTemporaryDir home;
    FakeSecrets secrets(true);
    AccountStore store(home.filePath(QStringLiteral("config dir; odd")), secrets);
    const FediverseAccount loaded = saveAndLoad(store, false);
    EXPECT_EQ(loaded.token, Token);
    EXPECT_EQ(loaded.handle, QStringLiteral("@office@social.example"));
    EXPECT_TRUE(filesHolding(home.path(), QStringLiteral("tok-3f9a")).isEmpty());
}

TEST(FediverseAccount, WithoutASecretStoreTheTokenIsInAFileOnlyTheUserReads)
{
    QTemporaryDir home;
    FakeSecrets secrets(false);
    AccountStore store(home.filePath(QStringLiteral("config")), secrets);
    EXPECT_EQ(saveAndLoad(store, true).token, Token);
    EXPECT_EQ(filesHolding(home.path(), QStringLiteral("tok-3f9a")), QStringList{store.filePath()});
    EXPECT_EQ(QFile::permissions(store.filePath()) & ~(QFile::ReadUser | QFile::WriteUser),
              QFile::ReadOwner | QFile::WriteOwner);

    QString forgetError = QStringLiteral("not called");
    store.forget([&](const QString &error) { forgetError = error; });
    EXPECT_EQ(forgetError, QString());
    EXPECT_TRUE(filesHolding(home.path(), QStringLiteral("tok-3f9a")).isEmpty());
    bool none = false;
    store.load([&](const std::optional<FediverseAccount> &a, const QString &error) { none = !a && error.isEmpty(); });
    EXPECT_TRUE(none);
}

TEST(FediverseAccount, AForeignFileIsNamedAndNotTakenForAnAccount)
{
    QTemporaryDir home;
    FakeSecrets secrets(false);
    AccountStore store(home.path(), secrets);
    QFile file(store.filePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[1, 2, 3]");
    file.close();
    QString loadError;
    store.load([&](const std::optional<FediverseAccount> &a, const QString &error) {
        EXPECT_FALSE(a.has_value());
        loadError = error;
    });
    EXPECT_TRUE(loadError.contains(QStringLiteral("fediverse-account.json"))) << loadError.toStdString();
}

} // namespace
