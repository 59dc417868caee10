#pragma once

#include <QWidget>

#include <vector>

class QCheckBox;
class QLabel;
class QTableView;

namespace plan::ui {

class PlanSession;
class StatementModel;

// The Statements tab: the key figures, a warning when cash runs out, and the profit and
// loss, cash flow and balance sheet, all following every change of the plan.
class StatementsPage : public QWidget
{
    Q_OBJECT

public:
    explicit StatementsPage(PlanSession &session, QWidget *parent = nullptr);

    QLabel *keyFigures() const { return m_keyFigures; }
    QLabel *cashWarning() const { return m_cashWarning; }

private:
    void showStatements();
    void showAllMonths(bool all);

    PlanSession &m_session;
    QLabel *m_keyFigures;
    QLabel *m_cashWarning;
    QCheckBox *m_allMonths;
    std::vector<StatementModel *> m_models;
    std::vector<QTableView *> m_tables;
};

} // namespace plan::ui
