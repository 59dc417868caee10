#pragma once

#include "documents/PageProgress.h"
#include "plan/Plan.h"
#include "plan/Statements.h"

#include <QLocale>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;

namespace plan::ui {

class ChartDrawing;

// The plan as a bank reads it: a summary of its settings, the key figures, the three
// statements (year 1 by month, then the years) and the three charts, landscape, as
// real text. A PDF is A4, or Letter where the locale's paper is Letter.
class PlanPrintout
{
public:
    // The charts are drawn with `charts`, which outlives the printout.
    PlanPrintout(QString businessName, Plan plan, Statements statements, ChartDrawing &charts,
                 QLocale locale = QLocale());

    // Throws documents::PrintError when the device cannot be drawn on.
    bool print(QPagedPaintDevice &device, const documents::PageProgress &progress) const;

    // The printout's text as laid out on its pages, before the charts.
    QString html() const;

    static QPageSize::PageSizeId paperFor(const QLocale &locale);

private:
    QString m_businessName;
    Plan m_plan;
    Statements m_statements;
    ChartDrawing *m_charts;
    QLocale m_locale;
};

} // namespace plan::ui
