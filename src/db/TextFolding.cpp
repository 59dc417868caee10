#include "db/TextFolding.h"

#include <algorithm>

namespace db {

namespace {

// Letters that no decomposition takes apart but that people spell without them.
const char *spelledWithout(char32_t letter)
{
    switch (letter) {
    case U'ß':
    case U'ẞ': return "ss";
    case U'æ':
    case U'Æ': return "ae";
    case U'œ':
    case U'Œ': return "oe";
    case U'ø':
    case U'Ø': return "o";
    case U'đ':
    case U'Đ':
    case U'ð':
    case U'Ð': return "d";
    case U'ł':
    case U'Ł': return "l";
    case U'þ':
    case U'Þ': return "th";
    case U'ı': return "i";
    case U'ħ':
    case U'Ħ': return "h";
    default: return nullptr;
    }
}

bool isAscii(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

QString foldedForSearch(const QString &text)
{
    if (isAscii(text))
        return text.toLower();
    // Compatibility decomposition splits an accented letter into its base letter and
    // combining marks (and a ligature into its letters); the marks go.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (qsizetype i = 0; i < decomposed.size(); ++i) {
        const QChar unit = decomposed[i];
        if (unit.isHighSurrogate() && i + 1 < decomposed.size() && decomposed[i + 1].isLowSurrogate()) {
            const char32_t letter = QChar::surrogateToUcs4(unit, decomposed[i + 1]);
            if (QChar::category(letter) != QChar::Mark_NonSpacing)
                folded.append(unit).append(decomposed[i + 1]);
            ++i;
        } else if (unit.category() == QChar::Mark_NonSpacing) {
            continue;
        } else if (const char *spelling = spelledWithout(unit.unicode())) {
            folded += QLatin1String(spelling);
        } else {
            folded += unit;
        }
    }
    return folded.toCaseFolded();
}

} // namespace db
