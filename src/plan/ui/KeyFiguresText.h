#pragma once

#include <QLocale>
#include <QStringList>

namespace plan {
struct Statements;
}

namespace plan::ui {

// The key figures as lines a person reads above the statements and in the PDF.
QStringList keyFigureLines(const Statements &statements, const QLocale &locale = QLocale());

// "Cash runs out in May 2027" when the cash goes below zero; empty otherwise.
QString cashWarning(const Statements &statements, const QLocale &locale = QLocale());

} // namespace plan::ui
