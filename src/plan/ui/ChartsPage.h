#pragma once

#include <QWidget>

#include <vector>

class QChartView;

namespace plan::ui {

class PlanSession;

// The Charts tab: the three charts of the plan, drawn anew after every change and
// whenever the desktop's colours change.
class ChartsPage : public QWidget
{
    Q_OBJECT

public:
    explicit ChartsPage(PlanSession &session, QWidget *parent = nullptr);

    const std::vector<QChartView *> &views() const { return m_views; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void drawCharts();

    PlanSession &m_session;
    std::vector<QChartView *> m_views;
};

} // namespace plan::ui
