#include "documents/TextPrinter.h"

#include "documents/PrintSurface.h"

#include <QFont>
#include <QRegularExpression>

namespace documents {

namespace {

constexpr double pointSize = 10;

QFont fixedPitchFont()
{
    QFont font(QStringLiteral("Monospace"), pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

qsizetype leadingSpaces(const QString &line)
{
    qsizetype count = 0;
    while (count < line.size() && line[count] == u' ')
        ++count;
    return count;
}

// Splits line into words, each with the spaces before it.
QStringList wordsWithSpaces(const QString &line)
{
    static const QRegularExpression word(QStringLiteral(" *[^ ]+| +$"));
    QStringList words;
    for (const auto &match : word.globalMatch(line))
        words << match.captured();
    return words;
}

// The longest start of text, beyond its first `keep` characters, that fits width; at least one character more.
qsizetype fittingLength(const QString &text, qsizetype keep, double width, const PrintSurface &surface)
{
    qsizetype length = keep + 1;
    while (length < text.size() && surface.textWidth(text.left(length + 1)) <= width)
        ++length;
    return length;
}

} // namespace

bool TextPrinter::print(const QString &text, QPagedPaintDevice &device, const PageProgress &progress)
{
    PainterSurface surface(device);
    return print(text, surface, progress);
}

bool TextPrinter::print(const QString &text, PrintSurface &surface, const PageProgress &progress)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    surface.setFont(fixedPitchFont());
    surface.setTextColor(Qt::black);
    const double width = surface.pageWidth() - 2 * margin;
    const double bottom = surface.pageHeight() - margin;
    const double lineHeight = surface.textHeight();

    double y = margin;
    int pagesDone = 0;
    const QStringList lines = text.split(lineEnd);
    for (qsizetype index = 0; index < lines.size(); ++index) {
        for (const QString &printed : wrapLine(expandTabs(lines[index]), width, surface)) {
            if (y + lineHeight > bottom) {
                ++pagesDone;
                if (progress && !progress(pagesDone, double(index) / double(lines.size())))
                    return false;
                surface.newPage();
                y = margin;
            }
            if (!printed.isEmpty())
                surface.drawText(margin, y, printed);
            y += lineHeight;
        }
    }
    surface.endDocument();
    if (progress)
        progress(pagesDone + 1, 1.0);
    return true;
}

QString TextPrinter::expandTabs(const QString &line)
{
    QString expanded;
    expanded.reserve(line.size());
    for (QChar c : line) {
        if (c == u'\t')
            expanded += QString(tabSize - expanded.size() % tabSize, u' ');
        else
            expanded += c;
    }
    return expanded;
}

QStringList TextPrinter::wrapLine(const QString &line, double width, const PrintSurface &surface)
{
    if (surface.textWidth(line) <= width)
        return {line};
    QString indent(leadingSpaces(line), u' ');
    if (surface.textWidth(indent) > width / 2)
        indent.clear();

    QStringList lines;
    QString current;
    for (const QString &word : wordsWithSpaces(line)) {
        if (surface.textWidth(current + word) <= width) {
            current += word;
            continue;
        }
        if (!current.trimmed().isEmpty())
            lines << current;
        current = indent + word.trimmed();
        while (current.size() > indent.size() && surface.textWidth(current) > width) {
            const qsizetype length = fittingLength(current, indent.size(), width, surface);
            lines << current.left(length);
            current = indent + current.mid(length);
        }
    }
    if (!current.trimmed().isEmpty())
        lines << current;
    // A line of nothing but spaces still keeps its place.
    if (lines.isEmpty())
        lines << QString();
    return lines;
}

} // namespace documents
