#include "rss/FtpUpload.h"
#include "LocalServer.h"
#include "base/Error.h"
#include "rss/FtpAddress.h"
#include "rss/RssTesting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using rss::FtpAccount;
using rss::FtpAddress;
using rss::FtpUpload;
using testing_support::LocalServer;
using testing_support::waitUntil;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

struct Outcome
{
    bool ended = false;
    bool ok = false;
    QString message;
};

// Runs one upload to its end (bounded) and returns how it ended.
Outcome upload(const FtpAccount &account, const QString &localPath,
               std::chrono::seconds timeout = std::chrono::seconds(20),
               const std::function<bool(const QString &)> &askHostKey = {})
{
    FtpUpload ftp;
    ftp.setRequestTimeout(timeout);
    ftp.setHostKeyQuestion(askHostKey);
    Outcome outcome;
    QObject::connect(&ftp, &FtpUpload::finished, [&](bool ok, const QString &message) {
        outcome = {true, ok, message};
    });
    ftp.start(account, localPath);
    EXPECT_TRUE(ftp.isRunning());
    EXPECT_TRUE(waitUntil([&] { return outcome.ended; }));
    EXPECT_FALSE(ftp.isRunning());
    return outcome;
}

class FtpUploadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(m_root.path()).mkdir(QStringLiteral("feeds")));
        QDir(m_local.path()).mkdir(QStringLiteral("out"));
        m_feed = m_local.filePath(QStringLiteral("out/feed.xml"));
        QFile file(m_feed);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<rss version=\"0.91\"></rss>\r\n");
    }

    FtpAccount account(const QString &directory, const QString &password = QStringLiteral("secret")) const
    {
        return {QStringLiteral("127.0.0.1:%1").arg(m_server.port()), QStringLiteral("webmaster"), password, directory};
    }

    QByteArray stored(const QString &relativePath) const
    {
        QFile file(QDir(m_root.path()).filePath(relativePath));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_root;
    QTemporaryDir m_local;
    QString m_feed;
    LocalServer m_server{QStringLiteral("ftp_server.py"),
                         {m_root.path(), QStringLiteral("webmaster"), QStringLiteral("secret")}};
};

TEST_F(FtpUploadTest, ReplacesTheFileUnderItsBaseNameInTheDirectoryAndLeavesNothingElse)
{
    QFile old(QDir(m_root.path()).filePath(QStringLiteral("feeds/feed.xml")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'o'));
    old.close();
    const Outcome outcome = upload(account(QStringLiteral("feeds")), m_feed);
    EXPECT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(outcome.message, QStringLiteral("Uploaded feed.xml to ftp://127.0.0.1:%1/feeds/.").arg(m_server.port()));
    EXPECT_EQ(stored(QStringLiteral("feeds/feed.xml")), QByteArray("<rss version=\"0.91\"></rss>\r\n"));
    EXPECT_EQ(QDir(m_root.filePath(QStringLiteral("feeds"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("feed.xml")});
}

TEST_F(FtpUploadTest, EmptyDirectoryStoresInTheStartDirectory)
{
    const Outcome outcome = upload(account(QString()), m_feed);
    EXPECT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_FALSE(stored(QStringLiteral("feed.xml")).isEmpty());
}

TEST_F(FtpUploadTest, FailuresNameTheFileTheServerAndTheReason)
{
    const QString server = QStringLiteral("ftp://127.0.0.1:%1/").arg(m_server.port());

    Outcome outcome = upload(account(QStringLiteral("missing")), m_feed);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.startsWith(m_feed + QStringLiteral(" could not be uploaded to ") + server))
        << outcome.message.toStdString();
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("the directory \"missing\" cannot be entered")))
        << outcome.message.toStdString();

    outcome = upload(account(QStringLiteral("feeds"), QStringLiteral("wrong")), m_feed);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("refused the user name or password")))
        << outcome.message.toStdString();
    EXPECT_TRUE(stored(QStringLiteral("feeds/feed.xml")).isEmpty());

    // A server without TLS never sees the password of an account that must be encrypted.
    FtpAccount encrypted = account(QStringLiteral("feeds"));
    encrypted.site.prepend(QStringLiteral("ftpes://"));
    outcome = upload(encrypted, m_feed);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("no encrypted connection could be made")))
        << outcome.message.toStdString();
    EXPECT_TRUE(stored(QStringLiteral("feeds/feed.xml")).isEmpty());

    outcome = upload(account(QStringLiteral("feeds")), m_local.filePath(QStringLiteral("absent.xml")));
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("the file cannot be read"))) << outcome.message.toStdString();
}

// An account that must be encrypted: the file lands over TLS when the server's
// certificate is trusted, and nothing is stored on a server whose certificate is not.
TEST(FtpUploadPeerTest, AnEncryptedUploadLandsOnlyWhenTheCertificateIsTrusted)
{
    QTemporaryDir root;
    QTemporaryDir local;
    ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("feeds")));
    const QString certificate = local.filePath(QStringLiteral("server.pem"));
    const QString feed = local.filePath(QStringLiteral("feed.xml"));
    QFile file(feed);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<rss version=\"0.91\"></rss>\r\n");
    file.close();
    LocalServer server(QStringLiteral("ftp_server.py"), {QStringLiteral("--tls"), certificate, root.path(),
                                                         QStringLiteral("webmaster"), QStringLiteral("secret")});
    const FtpAccount account{QStringLiteral("ftpes://127.0.0.1:%1").arg(server.port()), QStringLiteral("webmaster"),
                             QStringLiteral("secret"), QStringLiteral("feeds")};
    const QFile stored(QDir(root.path()).filePath(QStringLiteral("feeds/feed.xml")));

    const QByteArray authorities = qgetenv("CURL_CA_BUNDLE");
    qunsetenv("CURL_CA_BUNDLE");
    const Outcome untrusted = upload(account, feed);
    EXPECT_FALSE(untrusted.ok);
    EXPECT_TRUE(untrusted.message.contains(QStringLiteral("no encrypted connection could be made")))
        << untrusted.message.toStdString();
    EXPECT_FALSE(stored.exists());

    qputenv("CURL_CA_BUNDLE", QFile::encodeName(certificate));
    const Outcome trusted = upload(account, feed);
    if (authorities.isEmpty())
        qunsetenv("CURL_CA_BUNDLE");
    else
        qputenv("CURL_CA_BUNDLE", authorities);
    EXPECT_TRUE(trusted.ok) << trusted.message.toStdString();
    EXPECT_EQ(stored.size(), file.size());
}

// The live feed is replaced only by a whole copy: a data connection cut in the
// middle, or a server that keeps part of the file and calls it complete, leave it as
// it was, and the upload is reported as failed.
TEST(FtpUploadPeerTest, ABrokenUploadLeavesTheLiveFileWhole)
{
    struct Case
    {
        const char *fault;
        const char *reason;
    };
    for (const Case &c : {Case{"--cut-after", "could not be uploaded"}, Case{"--short-store", "is not whole"}}) {
        SCOPED_TRACE(c.fault);
        QTemporaryDir root;
        QTemporaryDir local;
        ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("feeds")));
        const QString live = QDir(root.path()).filePath(QStringLiteral("feeds/feed.xml"));
        const QByteArray oldFeed = "<rss version=\"0.91\"><channel>old</channel></rss>\r\n";
        QFile file(live);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(oldFeed);
        file.close();
        const QString feed = local.filePath(QStringLiteral("feed.xml"));
        QFile big(feed);
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        big.write(QByteArray(400000, 'n'));
        big.close();
        LocalServer server(QStringLiteral("ftp_server.py"),
                           {QString::fromLatin1(c.fault), QStringLiteral("1000"), root.path(),
                            QStringLiteral("webmaster"), QStringLiteral("secret")});

        const Outcome outcome = upload({QStringLiteral("127.0.0.1:%1").arg(server.port()), QStringLiteral("webmaster"),
                                        QStringLiteral("secret"), QStringLiteral("feeds")},
                                       feed);
        EXPECT_FALSE(outcome.ok);
        EXPECT_TRUE(outcome.message.contains(QLatin1String(c.reason))) << outcome.message.toStdString();
        QFile after(live);
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        EXPECT_EQ(after.readAll(), oldFeed);
    }
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// SFTP: nothing, not even the user name, goes to a server whose key is not known. An
// unknown key is shown by its fingerprint and recorded only on Yes; a changed key is
// refused. The file replaces the live one by a rename, also where a rename does not
// replace an existing file.
TEST(FtpUploadPeerTest, AnSftpServerIsTrustedByItsKeyBeforeAnythingIsSent)
{
    const rss_testing::TestHome home;
    QTemporaryDir root;
    QTemporaryDir local;
    const QString knownHosts = home.filePath(QStringLiteral(".ssh/known_hosts"));
    ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("htdocs")));
    const QString live = root.filePath(QStringLiteral("htdocs/feed.xml"));
    writeFile(live, "old feed");
    const QString feed = local.filePath(QStringLiteral("feed.xml"));
    writeFile(feed, "<rss version=\"0.91\"></rss>\r\n");
    const QString keyFile = local.filePath(QStringLiteral("key.pub"));
    const QString logins = local.filePath(QStringLiteral("logins.log"));
    auto server = std::make_unique<LocalServer>(
        QStringLiteral("sftp_server.py"),
        QStringList{keyFile, logins, root.path(), QStringLiteral("webmaster"), QStringLiteral("secret")});
    const QList<QByteArray> key = contentOf(keyFile).trimmed().split(' ');
    ASSERT_EQ(key.size(), 2);
    const QString fingerprint = FtpUpload::fingerprintOf(QByteArray::fromBase64(key[1]));
    const auto account = [](const LocalServer &peer) {
        return FtpAccount{QStringLiteral("sftp://127.0.0.1:%1").arg(peer.port()), QStringLiteral("webmaster"),
                          QStringLiteral("secret"), QStringLiteral("htdocs")};
    };
    QStringList questions;
    bool trust = false;
    const auto ask = [&](const QString &question) {
        questions << question;
        return trust;
    };

    Outcome outcome = upload(account(*server), feed, std::chrono::seconds(20), ask);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("not trusted"))) << outcome.message.toStdString();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains(QStringLiteral("ssh-rsa key has the fingerprint ") + fingerprint))
        << questions[0].toStdString();
    EXPECT_TRUE(contentOf(logins).isEmpty());
    EXPECT_FALSE(QFile::exists(knownHosts));

    trust = true;
    outcome = upload(account(*server), feed, std::chrono::seconds(20), ask);
    EXPECT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(questions.size(), 2);
    EXPECT_EQ(contentOf(live), QByteArray("<rss version=\"0.91\"></rss>\r\n"));
    EXPECT_EQ(QDir(root.filePath(QStringLiteral("htdocs"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("feed.xml")});
    EXPECT_EQ(contentOf(knownHosts),
              QStringLiteral("[127.0.0.1]:%1 ").arg(server->port()).toUtf8() + key.join(' ') + '\n');

    // Known now: no question.
    outcome = upload(account(*server), feed, std::chrono::seconds(20), ask);
    EXPECT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(questions.size(), 2);

    // Another server answers where the known one was: its key is not the one recorded.
    const QByteArray firstKey = key.join(' ');
    server.reset();
    QFile::remove(logins);
    LocalServer impostor(QStringLiteral("sftp_server.py"),
                         {keyFile, logins, root.path(), QStringLiteral("webmaster"), QStringLiteral("secret")});
    writeFile(knownHosts, QStringLiteral("[127.0.0.1]:%1 ").arg(impostor.port()).toUtf8() + firstKey + '\n');
    outcome = upload(account(impostor), feed, std::chrono::seconds(20), ask);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("is not the one recorded for it")))
        << outcome.message.toStdString();
    EXPECT_EQ(questions.size(), 2);
    EXPECT_TRUE(contentOf(logins).isEmpty());
}

// The known-hosts file is the user's: a last line without its line break keeps its key
// whole when one is added, and a FIFO in its place is refused instead of waited on.
TEST(FtpUploadPeerTest, TheKnownHostsFileIsNeverDamagedNorWaitedOn)
{
    const rss_testing::TestHome home;
    QTemporaryDir root;
    QTemporaryDir local;
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral(".ssh")));
    const QString knownHosts = home.filePath(QStringLiteral(".ssh/known_hosts"));
    const QString feed = local.filePath(QStringLiteral("feed.xml"));
    writeFile(feed, "<rss version=\"0.91\"></rss>\r\n");
    const QString keyFile = local.filePath(QStringLiteral("key.pub"));
    const QString logins = local.filePath(QStringLiteral("logins.log"));
    LocalServer server(QStringLiteral("sftp_server.py"),
                       {keyFile, logins, root.path(), QStringLiteral("webmaster"), QStringLiteral("secret")});
    const FtpAccount account{QStringLiteral("sftp://127.0.0.1:%1").arg(server.port()), QStringLiteral("webmaster"),
                             QStringLiteral("secret"), QString()};
    int questions = 0;
    const auto trust = [&](const QString &) { return ++questions > 0; };

    const QByteArray other
        = "other.example ssh-ed25519 AAAAC3NzaC1lZDI1NTE5AAAAIAABAgMEBQYHCAkKCwwNDg8QERITFBUWFxgZGhscHR4f";
    writeFile(knownHosts, other);
    Outcome outcome = upload(account, feed, std::chrono::seconds(20), trust);
    EXPECT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(contentOf(knownHosts), other + '\n' + QStringLiteral("[127.0.0.1]:%1 ").arg(server.port()).toUtf8()
                                         + contentOf(keyFile).trimmed() + '\n');

    ASSERT_TRUE(QFile::remove(knownHosts));
    ASSERT_EQ(::mkfifo(QFile::encodeName(knownHosts).constData(), 0600), 0);
    QFile::remove(logins);
    outcome = upload(account, feed, std::chrono::seconds(20), trust);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(
        outcome.message.contains(QStringLiteral("cannot be checked in %1: it is not a regular file").arg(knownHosts)))
        << outcome.message.toStdString();
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(contentOf(logins).isEmpty());
}

// Without the system's certificate authorities libcurl only says it cannot set a
// file; the user is told what is missing instead, and nothing is sent.
TEST(FtpUploadPeerTest, MissingCertificateAuthoritiesAreNamed)
{
    QTemporaryDir root;
    QTemporaryDir local;
    ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("feeds")));
    const QString feed = local.filePath(QStringLiteral("feed.xml"));
    QFile file(feed);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<rss version=\"0.91\"></rss>\r\n");
    file.close();
    LocalServer server(QStringLiteral("ftp_server.py"),
                       {QStringLiteral("--tls"), local.filePath(QStringLiteral("server.pem")), root.path(),
                        QStringLiteral("webmaster"), QStringLiteral("secret")});
    const QString missing = local.filePath(QStringLiteral("no such folder/ca-certificates.crt"));

    const QByteArray authorities = qgetenv("CURL_CA_BUNDLE");
    qputenv("CURL_CA_BUNDLE", QFile::encodeName(missing));
    const Outcome outcome = upload({QStringLiteral("ftpes://127.0.0.1:%1").arg(server.port()),
                                    QStringLiteral("webmaster"), QStringLiteral("secret"), QStringLiteral("feeds")},
                                   feed);
    if (authorities.isEmpty())
        qunsetenv("CURL_CA_BUNDLE");
    else
        qputenv("CURL_CA_BUNDLE", authorities);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.contains(
        QStringLiteral("no certificate authorities are installed (%1 is missing)").arg(missing)))
        << outcome.message.toStdString();
    EXPECT_FALSE(QFile::exists(QDir(root.path()).filePath(QStringLiteral("feeds/feed.xml"))));
}

TEST(FtpUploadPeerTest, NothingListeningIsReported)
{
    QTemporaryDir local;
    const QString path = local.filePath(QStringLiteral("feed.xml"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const int port = testing_support::unusedPort();
    const Outcome outcome
        = upload({QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("u"), QStringLiteral("p"), QString()}, path);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("cannot be reached"))) << outcome.message.toStdString();
}

TEST(FtpUploadPeerTest, ServerThatNeverGreetsIsCutOffByTheTimeOut)
{
    LocalServer silent(QStringLiteral("ftp_server.py"), {QStringLiteral("--silent")});
    QTemporaryDir local;
    const QString path = local.filePath(QStringLiteral("feed.xml"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const Outcome outcome = upload(
        {QStringLiteral("ftp://127.0.0.1:%1").arg(silent.port()), QStringLiteral("u"), QStringLiteral("p"), QString()},
        path, std::chrono::seconds(1));
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("did not answer within 1 seconds")))
        << outcome.message.toStdString();
}

TEST(FtpAddressTest, SitesAsPeopleWriteThem)
{
    struct Case
    {
        const char *site, *directory, *url, *shown;
    };
    const Case cases[] = {
        {"ftp.example.com", "", "ftp://ftp.example.com/feed.xml", "ftp://ftp.example.com/"},
        {" example.com:2121 ", "feeds", "ftp://example.com:2121/feeds/feed.xml", "ftp://example.com:2121/feeds/"},
        {"FTP://example.com/", "/var/www/", "ftp://example.com//var/www/feed.xml", "ftp://example.com/var/www/"},
        {"ftps://example.com/site", "rss feeds", "ftps://example.com/site/rss%20feeds/feed.xml",
         "ftps://example.com/site/rss feeds/"},
        {"sftp://example.com", "htdocs", "sftp://example.com/~/htdocs/feed.xml", "sftp://example.com/htdocs/"},
        {"sftp://example.com", "/srv", "sftp://example.com//srv/feed.xml", "sftp://example.com/srv/"},
        {"ftpes://example.com", "feeds", "ftp://example.com/feeds/feed.xml", "ftpes://example.com/feeds/"},
    };
    for (const Case &c : cases) {
        const FtpAddress address(QString::fromUtf8(c.site), QString::fromUtf8(c.directory), QStringLiteral("feed.xml"));
        EXPECT_EQ(address.url().toString(QUrl::FullyEncoded), QString::fromUtf8(c.url)) << c.site;
        EXPECT_EQ(address.shownDirectory(), QString::fromUtf8(c.shown)) << c.site;
    }
    EXPECT_THROW(FtpAddress(QStringLiteral("  "), QString(), QStringLiteral("feed.xml")), base::Error);
    EXPECT_THROW(FtpAddress(QStringLiteral("http://example.com"), QString(), QStringLiteral("feed.xml")), base::Error);
}

} // namespace
