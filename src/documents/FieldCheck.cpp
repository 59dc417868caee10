#include "documents/FieldCheck.h"

#include "documents/MergeFields.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <limits>
#include <numeric>

namespace documents {

namespace {

// No merge field is longer than this; a longer name gets no suggestion, which also keeps
// a huge bracketed passage from costing a distance computation per field.
constexpr qsizetype LongestComparedName = 64;

int editDistance(QStringView a, QStringView b, Qt::CaseSensitivity sensitivity)
{
    std::vector<int> previous(b.size() + 1);
    std::iota(previous.begin(), previous.end(), 0);
    std::vector<int> current(b.size() + 1);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const bool same = QStringView(a).sliced(i - 1, 1).compare(b.sliced(j - 1, 1), sensitivity) == 0;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (same ? 0 : 1)});
        }
        std::swap(previous, current);
    }
    return previous[b.size()];
}

std::optional<QString> nearestField(QStringView written)
{
    const QStringView name = written.sliced(1, written.size() - 2);
    if (name.size() > LongestComparedName)
        return std::nullopt;
    const int allowed = std::max<int>(2, int(name.size() / 3));
    std::optional<QString> best;
    std::pair<int, int> bestScore{allowed + 1, 0};
    for (const MergeField &field : mergeFields()) {
        const QStringView known = field.field.sliced(1, field.field.size() - 2);
        const std::pair<int, int> score{editDistance(name, known, Qt::CaseInsensitive),
                                        editDistance(name, known, Qt::CaseSensitive)};
        // Strictly better only: on a tie the field earlier in the list stays.
        if (score < bestScore) {
            bestScore = score;
            best = field.field.toString();
        }
    }
    return best;
}

bool isMergeField(QStringView written)
{
    static const QSet<QStringView> known = [] {
        QSet<QStringView> names;
        for (const MergeField &field : mergeFields())
            names.insert(field.field);
        return names;
    }();
    return known.contains(written);
}

} // namespace

FieldCheckResult checkFieldNames(QStringView text, qsizetype limit)
{
    FieldCheckResult result;
    // A name written many times is compared once.
    QHash<QStringView, std::optional<QString>> suggestions;
    int line = 1;
    qsizetype open = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n') {
            ++line;
            open = -1;
        } else if (c == u'[') {
            open = i; // "[[county]" holds the field "[county]"
        } else if (c == u']' && open >= 0) {
            const QStringView written = text.sliced(open, i - open + 1);
            open = -1;
            if (isMergeField(written))
                continue;
            ++result.total;
            if (qsizetype(result.fields.size()) >= limit)
                continue;
            auto suggestion = suggestions.constFind(written);
            if (suggestion == suggestions.cend())
                suggestion = suggestions.insert(written, nearestField(written));
            result.fields.push_back({written.toString(), line, written.data() - text.data(), suggestion.value()});
        }
    }
    return result;
}

std::vector<UnknownField> unknownFields(QStringView text)
{
    return checkFieldNames(text, std::numeric_limits<qsizetype>::max()).fields;
}

QString describe(const UnknownField &field)
{
    constexpr qsizetype Shown = 80;
    const QString name = field.written.size() <= Shown
                             ? field.written
                             : field.written.first(Shown - 21) + QChar(0x2026) + field.written.last(20);
    if (field.suggestion)
        return QCoreApplication::translate("documents::FieldCheck", "Line %1: %2: did you mean %3?")
            .arg(field.line)
            .arg(name, *field.suggestion);
    return QCoreApplication::translate("documents::FieldCheck", "Line %1: %2 is not a merge field.")
        .arg(field.line)
        .arg(name);
}

} // namespace documents
