#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;

namespace plan::ui {

class LineTable;
class LinesModel;
class PlanSession;

// A line tab: the grid of one kind of line with Add and Delete, and under it what is
// wrong with the value being typed or the one just refused.
class LinesPage : public QWidget
{
    Q_OBJECT

public:
    LinesPage(PlanSession &session, const LineTable &table, QWidget *parent = nullptr);

    QTableView *grid() const { return m_grid; }
    LinesModel *model() const { return m_model; }
    QString message() const;

private:
    void addLine();
    void deleteLine();
    void showMessage(const QString &text);

    LinesModel *m_model;
    QTableView *m_grid;
    QPushButton *m_add;
    QPushButton *m_delete;
    QLabel *m_message;
};

} // namespace plan::ui
