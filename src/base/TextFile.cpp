#include "base/TextFile.h"

#include "base/Descriptor.h"

#include "base/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace base {

namespace {

// What Windows-1252 puts at 0x80 to 0x9F, where Latin-1 has control codes.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendWindows1252(QString &text, QByteArrayView bytes)
{
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += (byte >= 0x80 && byte <= 0x9F) ? QChar(Windows1252High[byte - 0x80])
                                               : QChar(static_cast<char16_t>(byte));
    }
}

void appendLine(QString &text, QByteArrayView line)
{
    if (line.isValidUtf8())
        text += QString::fromUtf8(line);
    else
        appendWindows1252(text, line);
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString cannotRead(const QString &filePath, const QString &reason)
{
    return QStringLiteral("%1 cannot be read: %2").arg(QDir::toNativeSeparators(filePath), reason);
}

QString fileFailure(const QString &filePath, const QString &reason)
{
    return QStringLiteral("The file %1 could not be written: %2").arg(QDir::toNativeSeparators(filePath), reason);
}

QString megabytes(qint64 bytes)
{
    return QString::number((bytes + 1024 * 1024 - 1) / (1024 * 1024));
}

} // namespace

QByteArray readFileBytes(const QString &filePath, qint64 maxBytes)
{
    const QByteArray native = QFile::encodeName(filePath);
    const QString notRegular = QStringLiteral("it is not a regular file.");
    struct stat status = {};
    // Looked at before opening: opening a device or a FIFO may wait or do something.
    if (::stat(native.constData(), &status) != 0)
        throw FileError(cannotRead(filePath, systemReason(errno)));
    if (!S_ISREG(status.st_mode))
        throw FileError(cannotRead(filePath, notRegular));
    // Without waiting, should a FIFO have taken the file's place meanwhile.
    const Descriptor fd(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        throw FileError(cannotRead(filePath, systemReason(errno)));
    if (::fstat(fd.get(), &status) != 0)
        throw FileError(cannotRead(filePath, systemReason(errno)));
    if (!S_ISREG(status.st_mode))
        throw FileError(cannotRead(filePath, notRegular));
    const QString tooLarge = QStringLiteral("it is larger than %1 MB.").arg(megabytes(maxBytes));
    if (status.st_size > maxBytes)
        throw FileError(cannotRead(filePath, tooLarge));

    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(status.st_size));
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw FileError(cannotRead(filePath, systemReason(errno)));
        if (count == 0)
            break;
        // A file that grows while it is read is held to the same limit.
        if (bytes.size() + count > maxBytes)
            throw FileError(cannotRead(filePath, tooLarge));
        bytes.append(buffer, static_cast<qsizetype>(count));
    }
    return bytes;
}

QString decodeText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(QByteArrayView(bytes).sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(QByteArrayView(bytes).sliced(2));
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    if (rest.isValidUtf8())
        return QString::fromUtf8(rest);
    // CR and LF never stand inside a UTF-8 sequence, so lines can be told apart first.
    QString text;
    text.reserve(rest.size());
    qsizetype start = 0;
    while (start < rest.size()) {
        qsizetype end = start;
        while (end < rest.size() && rest[end] != '\r' && rest[end] != '\n')
            ++end;
        appendLine(text, rest.sliced(start, end - start));
        while (end < rest.size() && (rest[end] == '\r' || rest[end] == '\n'))
            text += QLatin1Char(rest[end++]);
        start = end;
    }
    return text;
}

QStringList decodeTextLines(const QByteArray &bytes)
{
    // CR LF, CR and LF each end a line. Split by hand: a regular expression takes a
    // third of the time of importing a large file.
    const QString text = decodeText(bytes);
    QStringList lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QStringList readTextFileLines(const QString &filePath, qint64 maxBytes)
{
    return decodeTextLines(readFileBytes(filePath, maxBytes));
}

QByteArray encodeCrLfLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

void writeFileAtomically(const QString &filePath, const QByteArray &bytes, bool ownerOnly)
{
    removeAtomicWriteLeftovers(filePath);
    QSaveFile file(filePath);
    // Unbuffered: a buffered write that fails at commit is not noticed there, and a cut
    // file would replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw FileError(fileFailure(filePath, file.errorString()));
    if (ownerOnly)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    qint64 written = 0;
    while (written < bytes.size()) {
        // A write cut short (a full disk, the file-size limit) says why only when the
        // rest is tried.
        errno = 0;
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const int error = errno;
            QString reason = file.error() != QFileDevice::NoError ? file.errorString() : QString();
            if (reason.isEmpty() || reason == QLatin1String("Unknown error"))
                reason = error != 0 ? systemReason(error) : QStringLiteral("the data could not be written.");
            file.cancelWriting();
            throw FileError(fileFailure(filePath, reason));
        }
        written += count;
    }
    errno = 0;
    if (!file.commit()) {
        const int error = errno;
        QString reason = file.errorString();
        if ((reason.isEmpty() || reason == QLatin1String("Unknown error")) && error != 0)
            reason = systemReason(error);
        throw FileError(fileFailure(filePath, reason));
    }
}

namespace {

// A temporary file's name: the file's own name, a dot and six ASCII letters or digits.
// Spelled out rather than matched by a pattern: the start runs this, and a regular
// expression would load and compile its engine for it.
bool isLeftoverName(const QString &name, const QString &fileName)
{
    constexpr int Suffix = 6;
    if (name.size() != fileName.size() + 1 + Suffix || !name.startsWith(fileName) || name[fileName.size()] != u'.')
        return false;
    for (const QChar c : QStringView(name).last(Suffix)) {
        const char16_t u = c.unicode();
        if (!((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')))
            return false;
    }
    return true;
}

} // namespace

int removeAtomicWriteLeftovers(const QString &filePath)
{
    const QFileInfo target(filePath);
    const QString fileName = target.fileName();
    const QDir folder = target.absoluteDir();
    int removed = 0;
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (!isLeftoverName(name, fileName))
            continue;
        const QFileInfo file(folder.filePath(name));
        if (file.isFile() && !file.isSymLink() && QFile::remove(file.filePath()))
            ++removed;
    }
    return removed;
}

void reportWritesPastTheFileSizeLimit()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace base
