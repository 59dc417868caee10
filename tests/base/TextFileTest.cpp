#include "base/TextFile.h"
#include "base/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString readFailure(const QString &path, qint64 maxBytes = base::DefaultMaxTextFileBytes)
{
    try {
        base::readFileBytes(path, maxBytes);
    } catch (const base::FileError &error) {
        return error.description();
    }
    return QStringLiteral("<read>");
}

} // namespace

TEST(TextFileLines, AnyLineEndAndAFinalLineEndGiveTheSameLines)
{
    EXPECT_EQ(base::decodeTextLines("one\r\ntwo\rthree\nfour\r\n"), (QStringList{"one", "two", "three", "four"}));
    EXPECT_EQ(base::decodeTextLines("one\n\n"), (QStringList{"one", ""}));
    EXPECT_TRUE(base::decodeTextLines("").isEmpty());
    // CR CR LF is an empty line ended by CR LF; LF CR is two line ends.
    EXPECT_EQ(base::decodeTextLines("a\r\r\nb\n\rc"), (QStringList{"a", "", "b", "", "c"}));
    EXPECT_EQ(base::decodeTextLines("\r\nlast"), (QStringList{"", "last"}));
}

TEST(TextFileLines, ByteOrderMarksAndEachLinesOwnEncodingAreHonoured)
{
    const QString text = QStringLiteral("Café “quoted” €\r\nZoë 𝄞\r\n");
    const QStringList lines{QStringLiteral("Café “quoted” €"), QStringLiteral("Zoë 𝄞")};
    const auto encoded = [&text](QStringEncoder::Encoding encoding) {
        return QByteArray(QStringEncoder(encoding, QStringEncoder::Flag::WriteBom).encode(text));
    };
    const std::pair<const char *, QByteArray> files[] = {
        {"UTF-16 LE", encoded(QStringEncoder::Utf16LE)},
        {"UTF-16 BE", encoded(QStringEncoder::Utf16BE)},
        {"UTF-8 with a mark", encoded(QStringEncoder::Utf8)},
        {"UTF-8", text.toUtf8()},
    };
    for (const auto &[name, bytes] : files)
        EXPECT_EQ(base::decodeTextLines(bytes), lines) << name;

    // Windows-1252 only where a line is not UTF-8: the UTF-8 lines around it stay as they are.
    EXPECT_EQ(base::decodeTextLines("caf\xC3\xA9\r\ncaf\xE9 \x93quoted\x94 \x80\r\nZo\xC3\xAB"),
              (QStringList{QStringLiteral("café"), QStringLiteral("café “quoted” €"), QStringLiteral("Zoë")}));
}

TEST(TextFileReading, OnlyRegularFilesWithinTheLimitAreReadAndTheFailureNamesTheFile)
{
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("Upload.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Should the reader wait on the FIFO after all, a late writer lets it go on and fail.
    std::atomic<bool> done = false;
    std::thread release([&] {
        for (int i = 0; i < 100 && !done; ++i)
            ::usleep(50'000);
        if (!done)
            ::close(::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK));
    });
    const QString fifoFailure = readFailure(fifo);
    done = true;
    release.join();
    EXPECT_TRUE(fifoFailure.contains(QStringLiteral("Upload.txt")) && fifoFailure.contains(QStringLiteral("regular")))
        << fifoFailure.toStdString();

    const QString device = folder.filePath(QStringLiteral("config.ini"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), device));
    EXPECT_TRUE(readFailure(device).contains(QStringLiteral("regular"))) << readFailure(device).toStdString();
    EXPECT_TRUE(readFailure(folder.path()).contains(QStringLiteral("regular")));

    const QString big = folder.filePath(QStringLiteral("urlNames.txt"));
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2 * 1024 * 1024 + 1, 'x'));
    file.close();
    EXPECT_EQ(base::readFileBytes(big, 3 * 1024 * 1024).size(), 2 * 1024 * 1024 + 1);
    const QString tooLarge = readFailure(big, 2 * 1024 * 1024);
    EXPECT_TRUE(tooLarge.contains(QStringLiteral("urlNames.txt")) && tooLarge.contains(QStringLiteral("2 MB")))
        << tooLarge.toStdString();

    const QString missing = readFailure(QStringLiteral("/no/such/folder/template.txt"));
    EXPECT_TRUE(missing.contains(QStringLiteral("template.txt"))) << missing.toStdString();
    EXPECT_THROW(base::readTextFileLines(fifo), base::FileError);
}

TEST(TextFileWriting, ReplacesWholeAndKeepsTheOldFileWhenTheFolderIsMissing)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("config.ini"));
    base::writeFileAtomically(path, base::encodeCrLfLines({"one", "two"}), true);
    base::writeFileAtomically(path, base::encodeCrLfLines({"three"}), true);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("three\r\n"));
    EXPECT_EQ(QFileInfo(path).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
              QFileDevice::Permissions());
    EXPECT_THROW(base::writeFileAtomically(folder.filePath("missing/config.ini"), "x"), base::FileError);
}

TEST(TextFileWriting, LeftoversOfKilledWritesAreRemovedAndNothingElse)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("config.ini"));
    const QStringList kept{QStringLiteral("config.ini"),
                           QStringLiteral("config.ini.bak"),
                           QStringLiteral("config.ini.AbC12"),
                           QStringLiteral("feed.xml.AbC123"),
                           QStringLiteral("config.ini.AbC1-3"),
                           QStringLiteral("CONFIG.INI.AbC123"),
                           QStringLiteral("config.ini.AbC1\u00e93"),
                           QStringLiteral("config.inixAbC123")};
    for (const QString &name :
         kept + QStringList{QStringLiteral("config.ini.AbC123"), QStringLiteral("config.ini.x9Y8z7")}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("secret\r\n");
    }
    EXPECT_EQ(base::removeAtomicWriteLeftovers(path), 2);
    QStringList left = QDir(folder.path()).entryList(QDir::Files);
    left.sort();
    QStringList expected = kept;
    expected.sort();
    EXPECT_EQ(left, expected);

    // A write cleans up after the one killed before it.
    QFile(folder.filePath(QStringLiteral("config.ini.Qw3rty"))).open(QIODevice::WriteOnly);
    base::writeFileAtomically(path, "new\r\n", true);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("config.ini.Qw3rty"))));
}

TEST(TextFileWriting, AWritePastTheFileSizeLimitFailsNamingTheCauseAndTheProcessGoesOn)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("feed.xml"));
    // In a child process, so the limit and the signal's handling stay there.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        base::reportWritesPastTheFileSizeLimit();
        const rlimit limit{4 * 1024, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        int status = 0;
        // Written at once, and held back until the file is complete (a small one).
        for (const qsizetype size : {1024 * 1024, 8 * 1024}) {
            try {
                base::writeFileAtomically(path, QByteArray(size, 'x'));
                status = std::max(status, 2);
            } catch (const base::FileError &error) {
                if (!error.description().contains(QStringLiteral("File too large"))
                    || !error.description().contains(QStringLiteral("feed.xml"))) {
                    std::fprintf(stderr, "%s\n", qPrintable(error.description()));
                    status = 1;
                }
            }
        }
        ::_exit(status);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_FALSE(WIFSIGNALED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the message names no cause, 2: the write went through";
    EXPECT_FALSE(QFile::exists(path));
}
