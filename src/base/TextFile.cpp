#include "base/TextFile.h"

#include "base/Error.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

namespace base {

namespace {

// What Windows-1252 puts at 0x80 to 0x9F, where Latin-1 has control codes.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i]
            = (byte >= 0x80 && byte <= 0x9F) ? QChar(Windows1252High[byte - 0x80]) : QChar(static_cast<char16_t>(byte));
    }
    return text;
}

QString fileFailure(const QString &filePath, const QString &reason)
{
    return QStringLiteral("The file %1 could not be written: %2").arg(QDir::toNativeSeparators(filePath), reason);
}

} // namespace

QString decodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    return decodeWindows1252(bytes);
}

QStringList decodeTextLines(const QByteArray &bytes)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = decodeText(bytes).split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList readTextFileLines(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("%1 cannot be read: %2").arg(QDir::toNativeSeparators(filePath), file.errorString()));
    return decodeTextLines(file.readAll());
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
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(fileFailure(filePath, file.errorString()));
    if (ownerOnly)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw FileError(fileFailure(filePath, reason));
    }
    if (!file.commit())
        throw FileError(fileFailure(filePath, file.errorString()));
}

} // namespace base
