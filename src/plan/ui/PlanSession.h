#pragma once

#include "plan/Plan.h"
#include "plan/Statements.h"

#include <QObject>
#include <QString>

#include <vector>

namespace plan::ui {

// One of the business's employees, as the People tab offers them.
struct EmployeeChoice
{
    qint64 id = 0;
    QString name; // "Ann Baker"
};

// The plan of one business as the window edits it: read from the business database,
// changed a whole plan at a time, and stored at once after every accepted change, with
// its statements computed anew. A change the rules or the database refuse leaves the
// plan as it was, on screen and stored.
class PlanSession : public QObject
{
    Q_OBJECT

public:
    explicit PlanSession(QObject *parent = nullptr);

    // Reads the business's name, employees and plan; a business without a plan gets an
    // empty one starting next month, stored only once something is entered. Throws
    // db::DbError or PlanError naming the file or value at fault.
    void load(qint64 businessId, const QDate &today);

    qint64 businessId() const { return m_businessId; }
    const QString &businessName() const { return m_businessName; }
    const std::vector<EmployeeChoice> &employees() const { return m_employees; }
    const Plan &plan() const { return m_plan; }
    const Statements &statements() const { return m_statements; }
    // The employee's name, or an empty text for a key the business no longer has.
    QString employeeName(qint64 id) const;

    // Stores `changed` in the plan's place and shows it. Returns an empty text when it
    // was stored, else why not (the first value out of range, or the database's
    // refusal); the plan is then as before.
    QString apply(const Plan &changed);

signals:
    // The plan and its statements have changed.
    void changed();

private:
    qint64 m_businessId = 0;
    QString m_businessName;
    std::vector<EmployeeChoice> m_employees;
    Plan m_plan;
    Statements m_statements;
};

} // namespace plan::ui
