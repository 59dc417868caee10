#pragma once

#include "plan/Decimal.h"
#include "plan/Money.h"
#include "plan/YearMonth.h"

#include <QLocale>
#include <QString>

namespace plan::ui {

// How the window shows a plan's numbers to the person using it, in their locale.

// An amount with the locale's digit grouping and decimal point, a negative one in
// parentheses as accountants write it: "1,234.50", "(75.00)".
QString shownAmount(Money amount, const QLocale &locale = QLocale());

// A percent to two decimals with the locale's decimal point: "62.50 %".
QString shownPercent(const Decimal &percent, const QLocale &locale = QLocale());

// A month as a person names it: "March 2027".
QString shownMonth(const YearMonth &month, const QLocale &locale = QLocale());

// A value as a grid cell shows it for editing: the locale's decimal point, no grouping,
// so that what is shown can be typed back ("1250,5" in German, "1250.5" in English).
QString editableNumber(const Decimal &value, const QLocale &locale = QLocale());
QString editableAmount(Money amount, const QLocale &locale = QLocale());

// What a person typed, with the locale's decimal point turned into the dot the plan's
// rules read; a dot typed as such stays one. Nothing else changes, so "1,250.50" in
// English is refused rather than read as another number.
QString typedNumber(const QString &typed, const QLocale &locale = QLocale());

} // namespace plan::ui
