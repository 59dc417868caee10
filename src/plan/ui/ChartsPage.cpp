#include "plan/ui/ChartsPage.h"

#include "plan/ui/PlanCharts.h"
#include "plan/ui/PlanSession.h"

#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QVBoxLayout>

namespace plan::ui {

ChartsPage::ChartsPage(PlanSession &session, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("pageCharts"));
    auto *layout = new QVBoxLayout(this);
    const char *const names[] = {"chtRevenueAndCosts", "chtCash", "chtBreakEven"};
    int i = 0;
    for (const PlanChart chart : AllCharts) {
        auto *view = new QChartView(this);
        view->setObjectName(QLatin1String(names[i++]));
        view->setAccessibleName(chartTitle(chart));
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumHeight(260);
        layout->addWidget(view, 1);
        m_views.push_back(view);
    }
    connect(&m_session, &PlanSession::changed, this, &ChartsPage::drawCharts);
    drawCharts();
}

void ChartsPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        drawCharts();
}

void ChartsPage::drawCharts()
{
    size_t i = 0;
    for (const PlanChart chart : AllCharts) {
        QChartView *view = m_views.at(i++);
        // The view lets go of the chart it had without deleting it; its scene deletes
        // the one it holds at the end.
        QChart *previous = view->chart();
        view->setChart(makeChart(chart, m_session.statements(), palette()));
        delete previous;
    }
}

} // namespace plan::ui
