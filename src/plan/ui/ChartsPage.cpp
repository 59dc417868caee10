#include "plan/ui/ChartsPage.h"

#include "base/Error.h"
#include "plan/ui/ChartDrawing.h"
#include "plan/ui/ChartModule.h"
#include "plan/ui/PlanCharts.h"
#include "plan/ui/PlanSession.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace plan::ui {

ChartsPage::ChartsPage(PlanSession &session, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("pageCharts"));
    m_layout = new QVBoxLayout(this);
    connect(&m_session, &PlanSession::changed, this, &ChartsPage::drawCharts);
}

void ChartsPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_views.empty() && !m_unavailable)
        makeViews();
}

void ChartsPage::makeViews()
{
    try {
        m_drawing = &ChartModule::drawing();
    } catch (const base::Error &error) {
        m_unavailable = new QLabel(tr("The charts cannot be shown. %1").arg(error.description()), this);
        m_unavailable->setObjectName(QStringLiteral("lblChartsUnavailable"));
        m_unavailable->setWordWrap(true);
        m_unavailable->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_layout->addWidget(m_unavailable);
        return;
    }
    const char *const names[] = {"chtRevenueAndCosts", "chtCash", "chtBreakEven"};
    int i = 0;
    for (const PlanChart chart : AllCharts) {
        QWidget *view = m_drawing->newView(this);
        view->setObjectName(QLatin1String(names[i++]));
        view->setAccessibleName(chartTitle(chart));
        view->setMinimumHeight(260);
        m_layout->addWidget(view, 1);
        m_views.push_back(view);
    }
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
    if (m_views.empty())
        return;
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    size_t i = 0;
    for (const PlanChart chart : AllCharts)
        m_drawing->show(m_views.at(i++), chartFigure(chart, m_session.statements()), dark);
}

} // namespace plan::ui
