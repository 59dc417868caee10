#pragma once

#include <QWidget>

#include <vector>

class QLabel;
class QVBoxLayout;

namespace plan::ui {

class ChartDrawing;
class PlanSession;

// The Charts tab: the three charts of the plan, drawn anew after every change and
// whenever the desktop's colours change. The chart module is opened when the page is
// first shown; where it cannot be, the page says why and the rest of the window works on.
class ChartsPage : public QWidget
{
    Q_OBJECT

public:
    explicit ChartsPage(PlanSession &session, QWidget *parent = nullptr);

    // The chart views, once the page has been shown with the module at hand.
    const std::vector<QWidget *> &views() const { return m_views; }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void makeViews();
    void drawCharts();

    PlanSession &m_session;
    QVBoxLayout *m_layout;
    ChartDrawing *m_drawing = nullptr;
    std::vector<QWidget *> m_views;
    QLabel *m_unavailable = nullptr;
};

} // namespace plan::ui
