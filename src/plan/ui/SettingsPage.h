#pragma once

#include "plan/PlanRules.h"

#include <QWidget>

#include <vector>

class QDateEdit;
class QLabel;
class QLineEdit;

namespace plan::ui {

class PlanSession;

// The plan's settings: its first month, the starting cash, the income-tax rate and the
// payroll burden. A box is checked as it is typed and stored when the cursor leaves it.
class SettingsPage : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsPage(PlanSession &session, QWidget *parent = nullptr);

    QString message() const;

signals:
    // A value typed was not stored, and why.
    void refused(const QString &why);

private:
    struct NumberBox
    {
        Field field;
        QLineEdit *box;
    };

    void showPlan();
    void storeFirstMonth();
    void storeNumber(const NumberBox &entry);
    void showMessage(const QString &text);
    static QString problemWith(Field field, const QString &typed);

    PlanSession &m_session;
    QDateEdit *m_firstMonth;
    std::vector<NumberBox> m_numbers;
    QLabel *m_message;
};

} // namespace plan::ui
