#pragma once

#include "plan/Plan.h"
#include "plan/PlanRules.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace plan::ui {

class PlanSession;

// What a cell offers besides typing: a fixed list of choices, or the business's
// employees.
enum class CellEditor {
    Typed,
    Choice,
    Employee
};

// One kind of plan line as a grid: its columns and how each cell reads and writes the
// line. Every write goes through the plan's field rules, so a cell takes exactly what
// a stored or imported plan may hold.
class LineTable
{
public:
    virtual ~LineTable() = default;

    // "Revenue", in English: the tab page's name.
    virtual QString title() const = 0;
    // The title as the tab shows it, translated.
    virtual QString caption() const = 0;
    virtual int rowCount(const Plan &plan) const = 0;
    int columnCount() const { return static_cast<int>(m_columns.size()); }
    QString header(int column) const { return shape(column).label(); }
    CellEditor editor(int column) const { return shape(column).editor; }
    // The texts a Choice cell offers.
    QStringList choices(int column) const { return shape(column).choices ? shape(column).choices() : QStringList(); }

    // The cell as shown and as offered for editing.
    virtual QString text(const PlanSession &session, int row, int column) const = 0;
    // Writes what was typed into the row of `plan`; returns why not (naming the field and
    // the range it takes), with `plan` unchanged, when the text is no such value.
    virtual QString write(const PlanSession &session, Plan &plan, int row, int column, const QString &typed) const = 0;
    // Only checks what was typed, for the message shown while typing: the field's own
    // range, then the plan's rules as a whole (its length, an end before its start).
    QString check(const PlanSession &session, const Plan &plan, int row, int column, const QString &typed) const;

    // A new line with sound values, named for its place ("Revenue stream 3"), at the end.
    virtual void add(Plan &plan) const = 0;
    virtual void remove(Plan &plan, int row) const = 0;

    // The tables of the five line tabs, in the tabs' order.
    static std::vector<std::unique_ptr<LineTable>> all();

    // Texts are read when shown, so that they speak the language in force.
    struct ColumnShape
    {
        std::function<QString()> label; // the field's name in the rules, or the column's own
        CellEditor editor = CellEditor::Typed;
        std::function<QStringList()> choices;
    };

protected:
    explicit LineTable(std::vector<ColumnShape> columns)
        : m_columns(std::move(columns))
    {
    }
    const ColumnShape &shape(int column) const { return m_columns.at(static_cast<size_t>(column)); }

private:
    std::vector<ColumnShape> m_columns;
};

} // namespace plan::ui
