#pragma once

// Shared by the publishing tests: the RSS items of a temporary program folder.
#include "support/TempFolder.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rss_testing {

// A home folder of the test's own for as long as it lives, so that SSH's known_hosts is
// the test's and never the user's.
struct TestHome
{
    QTemporaryDir folder;
    QByteArray saved = qgetenv("HOME");
    TestHome() { qputenv("HOME", QFile::encodeName(folder.path())); }
    ~TestHome() { qputenv("HOME", saved); }
    TestHome(const TestHome &) = delete;
    TestHome &operator=(const TestHome &) = delete;
    QString filePath(const QString &name) const { return folder.filePath(name); }
    QString path() const { return folder.path(); }
};

// Runs statements on the folder's RSS items, on either engine.
inline void execRss(const testing_support::TempProgramFolder &folder, const QString &sql)
{
    testing_support::execOn(folder.rssConnectionString(), sql);
}

// Every row of a query on the folder's RSS items, as testing_support::rowsOf gives them.
inline QStringList rssRows(const testing_support::TempProgramFolder &folder, const QString &sql)
{
    return testing_support::rowsOf(folder.rssConnectionString(), sql);
}

// Makes the items table refuse to store an item titled `title`, added or changed: a
// trigger on a file, a constraint on a server (whose triggers need a function).
inline void refuseTitle(const testing_support::TempProgramFolder &folder, const QString &title)
{
    if (testing_support::onServerEngine()) {
        execRss(folder, QStringLiteral("ALTER TABLE Tbl_Rss_Feed_Items ADD CONSTRAINT refused "
                                       "CHECK (RssFeedItemTitle <> '%1')")
                            .arg(title));
        return;
    }
    for (const char *event : {"INSERT", "UPDATE"})
        execRss(folder, QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE %1 ON Tbl_Rss_Feed_Items "
                                       "WHEN NEW.RssFeedItemTitle = '%2' BEGIN SELECT RAISE(ABORT, 'refused'); END;")
                            .arg(QLatin1String(event), title));
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// A FIFO in place of a file, offering its bytes to any reader that opens it until the
// object goes: a reader that waits on it reads them, one that refuses it does not.
class FifoInPlace
{
public:
    FifoInPlace(const QString &path, QByteArray bytes)
        : m_path(QFile::encodeName(path))
        , m_bytes(std::move(bytes))
    {
        made = ::mkfifo(m_path.constData(), 0600) == 0;
        m_offer = std::thread([this] {
            while (!m_stop) {
                const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    // A reader is there: give it everything, then the end of the file.
                    ::fcntl(fd, F_SETFL, 0);
                    [[maybe_unused]] const auto written = ::write(fd, m_bytes.constData(), m_bytes.size());
                    ::close(fd);
                }
                ::usleep(20'000);
            }
        });
    }
    ~FifoInPlace()
    {
        m_stop = true;
        m_offer.join();
    }
    FifoInPlace(const FifoInPlace &) = delete;
    FifoInPlace &operator=(const FifoInPlace &) = delete;

    bool made = false;

private:
    QByteArray m_path;
    QByteArray m_bytes;
    std::atomic<bool> m_stop = false;
    std::thread m_offer;
};

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace rss_testing
