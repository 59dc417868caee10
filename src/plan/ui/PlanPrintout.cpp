#include "plan/ui/PlanPrintout.h"

#include "documents/PrintError.h"
#include "plan/ui/ChartDrawing.h"
#include "plan/ui/KeyFiguresText.h"
#include "plan/ui/PlanCharts.h"
#include "plan/ui/PlanText.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

namespace plan::ui {

namespace {

constexpr int Year1Months = 12;
constexpr qreal MarginMillimetres = 12;

QString cell(const QString &text, bool number)
{
    return (number ? QStringLiteral("<td align=\"right\">") : QStringLiteral("<td>")) + text.toHtmlEscaped()
           + QStringLiteral("</td>");
}

QString statementTable(const Statement &statement, const Statements &statements, const QLocale &locale)
{
    QString html = QStringLiteral("<h3>") + shownStatementName(statement.name).toHtmlEscaped()
                   + QStringLiteral("</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\"><tr>")
                   + cell(QString(), false);
    for (int month = 1; month <= Year1Months; ++month)
        html
            += QStringLiteral("<th>")
               + locale.toString(statements.calendarMonth(month).firstDay(), QStringLiteral("MMM yyyy")).toHtmlEscaped()
               + QStringLiteral("</th>");
    for (int year = 1; year <= PlanYears; ++year)
        html += QStringLiteral("<th>")
                + QCoreApplication::translate("plan::ui::PlanPrintout", "Year %1").arg(year).toHtmlEscaped()
                + QStringLiteral("</th>");
    html += QStringLiteral("</tr>");
    for (const StatementLine &line : statement.lines) {
        html += QStringLiteral("<tr>") + cell(shownStatementName(line.name), false);
        for (int month = 0; month < Year1Months; ++month)
            html += cell(shownAmount(line.months.at(static_cast<size_t>(month)), locale), true);
        for (const Money year : line.years)
            html += cell(shownAmount(year, locale), true);
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

template <typename Line> int count(const QList<Line> &lines)
{
    return static_cast<int>(lines.size());
}

QString settingsSummary(const Plan &plan, const QLocale &locale)
{
    const PlanSettings &settings = plan.settings;
    const QStringList rows = {
        QCoreApplication::translate("plan::ui::PlanPrintout", "First month: %1")
            .arg(shownMonth(settings.firstMonth, locale)),
        QCoreApplication::translate("plan::ui::PlanPrintout", "Starting cash: %1")
            .arg(shownAmount(settings.startingCash, locale)),
        QCoreApplication::translate("plan::ui::PlanPrintout", "Income-tax rate: %1")
            .arg(shownPercent(settings.taxRatePercent, locale)),
        QCoreApplication::translate("plan::ui::PlanPrintout", "Payroll burden: %1")
            .arg(shownPercent(settings.payrollBurdenPercent, locale)),
        // Each count a text of its own, so that each takes its language's plural forms.
        QCoreApplication::translate("plan::ui::PlanPrintout", "Lines: %1, %2, %3, %4, %5")
            .arg(QCoreApplication::translate("plan::ui::PlanPrintout", "%n revenue streams", nullptr,
                                             count(plan.revenue)),
                 QCoreApplication::translate("plan::ui::PlanPrintout", "%n people", nullptr, count(plan.people)),
                 QCoreApplication::translate("plan::ui::PlanPrintout", "%n expenses", nullptr, count(plan.expenses)),
                 QCoreApplication::translate("plan::ui::PlanPrintout", "%n financing", nullptr, count(plan.financing)),
                 QCoreApplication::translate("plan::ui::PlanPrintout", "%n assets", nullptr, count(plan.assets))),
    };
    QString html;
    for (const QString &row : rows)
        html += row.toHtmlEscaped() + QStringLiteral("<br>");
    return html;
}

} // namespace

PlanPrintout::PlanPrintout(QString businessName, Plan plan, Statements statements, ChartDrawing &charts, QLocale locale)
    : m_businessName(std::move(businessName))
    , m_plan(std::move(plan))
    , m_statements(std::move(statements))
    , m_charts(&charts)
    , m_locale(std::move(locale))
{
}

QPageSize::PageSizeId PlanPrintout::paperFor(const QLocale &locale)
{
    // Where letter paper is the custom: the United States, Canada, Mexico, the
    // Philippines and much of Latin America.
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Philippines:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::CostaRica:
    case QLocale::Guatemala:
    case QLocale::Panama:
    case QLocale::PuertoRico:
    case QLocale::Venezuela: return QPageSize::Letter;
    default: return QPageSize::A4;
    }
}

QString PlanPrintout::html() const
{
    QString html = QStringLiteral("<h1>")
                   + QCoreApplication::translate("plan::ui::PlanWindow", "Financial Plan - %1")
                         .arg(m_businessName)
                         .toHtmlEscaped()
                   + QStringLiteral("</h1><h2>")
                   + QCoreApplication::translate("plan::ui::PlanPrintout", "Settings").toHtmlEscaped()
                   + QStringLiteral("</h2>") + settingsSummary(m_plan, m_locale) + QStringLiteral("<h2>")
                   + QCoreApplication::translate("plan::ui::PlanPrintout", "Key figures").toHtmlEscaped()
                   + QStringLiteral("</h2>");
    for (const QString &line : keyFigureLines(m_statements, m_locale))
        html += line.toHtmlEscaped() + QStringLiteral("<br>");
    if (const QString warning = cashWarning(m_statements, m_locale); !warning.isEmpty())
        html += QStringLiteral("<b>") + warning.toHtmlEscaped() + QStringLiteral("</b><br>");
    html += statementTable(m_statements.profitAndLoss, m_statements, m_locale);
    html += statementTable(m_statements.cashFlow, m_statements, m_locale);
    html += statementTable(m_statements.balanceSheet, m_statements, m_locale);
    return html;
}

bool PlanPrintout::print(QPagedPaintDevice &device, const documents::PageProgress &progress) const
{
    if (auto *printer = dynamic_cast<QPrinter *>(&device); printer && printer->outputFormat() == QPrinter::PdfFormat)
        device.setPageSize(QPageSize(paperFor(m_locale)));
    device.setPageOrientation(QPageLayout::Landscape);
    device.setPageMargins(QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
                          QPageLayout::Millimeter);

    QTextDocument text;
    text.documentLayout()->setPaintDevice(&device);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(7);
    // Without ligatures: "Profit" is found by a search in the PDF, not "Pro\uFB01t".
    font.setStyleStrategy(QFont::PreferNoShaping);
    text.setDefaultFont(font);
    text.setHtml(html());
    const QSizeF page(device.width(), device.height());
    text.setPageSize(page);
    const int textPages = text.pageCount();
    const int pages = textPages + static_cast<int>(std::size(AllCharts));

    QPainter painter;
    if (!painter.begin(&device))
        throw documents::PrintError(QCoreApplication::translate(
            "plan::ui::PlanPrintout", "The printout of the financial plan could not be started."));
    for (int i = 0; i < textPages; ++i) {
        if (i > 0)
            device.newPage();
        painter.save();
        painter.translate(0, -i * page.height());
        text.drawContents(&painter, QRectF(QPointF(0, i * page.height()), page));
        painter.restore();
        if (!progress(i + 1, static_cast<double>(i + 1) / pages))
            return false;
    }
    int done = textPages;
    for (const PlanChart kind : AllCharts) {
        device.newPage();
        // In its light colours on paper, whatever the desktop's scheme.
        m_charts->paint(painter, QRectF(QPointF(0, 0), page), chartFigure(kind, m_statements));
        ++done;
        if (!progress(done, static_cast<double>(done) / pages))
            return false;
    }
    if (!painter.end())
        throw documents::PrintError(QCoreApplication::translate(
            "plan::ui::PlanPrintout", "The printout of the financial plan could not be finished."));
    return true;
}

} // namespace plan::ui
