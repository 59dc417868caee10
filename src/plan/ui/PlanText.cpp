#include "plan/ui/PlanText.h"

#include <QDate>

namespace plan::ui {

namespace {

// The whole part of a non-negative amount of cents with the locale's grouping.
QString groupedUnits(std::uint64_t units, const QLocale &locale)
{
    const QString digits = QString::number(units);
    const QString separator = locale.groupSeparator();
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3 * separator.size());
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

QString withLocalePoint(QString text, const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    if (point != QLatin1String("."))
        text.replace(u'.', point);
    return text;
}

} // namespace

QString shownAmount(Money amount, const QLocale &locale)
{
    const std::int64_t cents = amount.cents();
    // The magnitude as unsigned: the most negative amount has no positive twin.
    const std::uint64_t magnitude
        = cents < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    const std::uint64_t fraction = magnitude % 100;
    const QString text = groupedUnits(magnitude / 100, locale) + locale.decimalPoint()
                         + QString::number(fraction).rightJustified(2, u'0');
    return cents < 0 ? u'(' + text + u')' : text;
}

QString shownPercent(const Decimal &percent, const QLocale &locale)
{
    return withLocalePoint(percent.toString(2), locale) + QStringLiteral(" %");
}

QString shownMonth(const YearMonth &month, const QLocale &locale)
{
    return locale.toString(month.firstDay(), QStringLiteral("MMMM yyyy"));
}

QString editableNumber(const Decimal &value, const QLocale &locale)
{
    return withLocalePoint(value.toString(), locale);
}

QString editableAmount(Money amount, const QLocale &locale)
{
    return withLocalePoint(amount.toString(), locale);
}

QString typedNumber(const QString &typed, const QLocale &locale)
{
    QString text = typed.trimmed();
    const QString point = locale.decimalPoint();
    if (point != QLatin1String("."))
        text.replace(point, QStringLiteral("."));
    return text;
}

} // namespace plan::ui
