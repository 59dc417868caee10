#include "db/ServerAddress.h"

#include "base/TextFile.h"
#include "db/DbError.h"
#include "db/postgres/PostgresSession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace db::ServerAddress {

namespace {

// An address is one short line; nothing past this is ever read.
constexpr qsizetype MostBytesRead = 4096;

QString cannotRead(const QString &file, const QString &reason)
{
    return QStringLiteral("%1 cannot be read: %2").arg(QDir::toNativeSeparators(file), reason);
}

// The file's first bytes, from a regular file only: a FIFO or a device in its place
// would keep the program from starting, or read for ever.
QByteArray firstBytes(const QString &file)
{
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throw DbError(cannotRead(file, QString::fromLocal8Bit(std::strerror(errno))));
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw DbError(cannotRead(file, QStringLiteral("it is not a regular file")));
    }
    QByteArray bytes(MostBytesRead, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            throw DbError(cannotRead(file, QString::fromLocal8Bit(std::strerror(error))));
        }
        if (got == 0)
            break;
        filled += got;
    }
    ::close(fd);
    bytes.truncate(filled);
    return bytes;
}

} // namespace

QString ofFolder(const QString &folder)
{
    const QString file = QDir(folder).filePath(QLatin1String(FileName));
    if (!QFileInfo::exists(file) && !QFileInfo(file).isSymLink())
        return {};
    const QByteArray bytes = firstBytes(file);
    qsizetype end = 0;
    while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
        ++end;
    if (end == MostBytesRead) {
        throw DbError(QStringLiteral("The first line of %1 is longer than %2 bytes; it must hold a PostgreSQL address "
                                     "such as postgresql://user@host:5432/tallowmere.")
                          .arg(QDir::toNativeSeparators(file))
                          .arg(MostBytesRead));
    }
    const QString address = base::decodeText(bytes.left(end)).trimmed();
    if (!PostgresSession::isAddress(address)) {
        throw DbError(QStringLiteral("%1 does not start with a PostgreSQL address such as "
                                     "postgresql://user@host:5432/tallowmere.")
                          .arg(QDir::toNativeSeparators(file)));
    }
    return address;
}

bool isAddress(const QString &text)
{
    return PostgresSession::isAddress(text);
}

Named recognise(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (PostgresSession::isAddress(trimmed))
        return {true, trimmed};
    // Every form looked for below holds a '=' or "://": a plain file name, the usual
    // case, is known without starting the regular-expression engine.
    if (!trimmed.contains(u'=') && !trimmed.contains(QLatin1String("://")))
        return {false, name};
    if (PostgresSession::isKeywordForm(trimmed))
        return {true, PostgresSession::addressFromKeywordForm(trimmed)};
    static const QRegularExpression otherScheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    if (otherScheme.match(trimmed).hasMatch()) {
        throw DbError(QStringLiteral("%1 is not a PostgreSQL address: a server's address starts with postgresql://.")
                          .arg(PostgresSession::shownAddress(trimmed)));
    }
    // Not an address as written, but holding what reads as a password (an address in
    // quotes, a keyword text after another word): no file is named so, and a message
    // about a missing file would show the password.
    static const QRegularExpression secret(QStringLiteral("://[^/\\s@]*:[^\\s@]*@|password\\s*="),
                                           QRegularExpression::CaseInsensitiveOption);
    if (secret.match(trimmed).hasMatch()) {
        throw DbError(
            QStringLiteral("%1 is neither a file's name nor a PostgreSQL address (postgresql://user@host/dbname "
                           "or host=... dbname=...), and it seems to hold a password: keep passwords in "
                           "~/.pgpass or PGPASSWORD.")
                .arg(PostgresSession::shownKeywordForm(PostgresSession::shownAddress(trimmed))));
    }
    return {false, name};
}

QString shown(const QString &address)
{
    const QString trimmed = address.trimmed();
    if (PostgresSession::isKeywordForm(trimmed))
        return PostgresSession::shownKeywordForm(trimmed);
    return PostgresSession::shownAddress(trimmed);
}

} // namespace db::ServerAddress
