#include "plan/ui/LineTables.h"

#include "plan/ui/PlanSession.h"
#include "plan/ui/PlanText.h"

#include <QCoreApplication>

#include <functional>

namespace plan::ui {

namespace {

// What a cell does with its line: shows a value and writes a typed one (or says why not).
template <class Line> struct Column
{
    LineTable::ColumnShape shape;
    std::function<QString(const PlanSession &, const Line &)> show;
    std::function<QString(const PlanSession &, Line &, const QString &)> write;
};

QString readNumber(Field field, const QString &typed, Decimal &value)
{
    const FieldReading reading = readField(field, typedNumber(typed));
    if (!reading.ok())
        return reading.error;
    value = *reading.number;
    return {};
}

int wholeOf(const Decimal &value)
{
    return static_cast<int>(value.raw() / Decimal::Scale);
}

QString label(Field field)
{
    return fieldLabel(field);
}

template <class Line> Column<Line> textColumn(Field field, QString Line::*member)
{
    return {
        {[field] { return label(field); }, CellEditor::Typed, {}},
        [member](const PlanSession &, const Line &line) { return line.*member; },
        [field, member](const PlanSession &, Line &line, const QString &typed) {
            // A line without a name could not be told from the others; the plan's
            // rules judge the length and the characters.
            const QString text = typed.trimmed();
            if (text.isEmpty())
                return QCoreApplication::translate("plan::ui::LineTable", "%1 must not be empty.").arg(label(field));
            QString fault = textFault(field, text);
            if (fault.isEmpty())
                line.*member = text;
            return fault;
        }};
}

template <class Line> Column<Line> moneyColumn(Field field, Money Line::*member)
{
    return {{[field] { return label(field); }, CellEditor::Typed, {}},
            [member](const PlanSession &, const Line &line) { return editableAmount(line.*member); },
            [field, member](const PlanSession &, Line &line, const QString &typed) {
                Decimal value;
                QString error = readNumber(field, typed, value);
                if (error.isEmpty())
                    line.*member = value.roundToCents();
                return error;
            }};
}

template <class Line> Column<Line> decimalColumn(Field field, Decimal Line::*member)
{
    return {{[field] { return label(field); }, CellEditor::Typed, {}},
            [member](const PlanSession &, const Line &line) { return editableNumber(line.*member); },
            [field, member](const PlanSession &, Line &line, const QString &typed) {
                Decimal value;
                QString error = readNumber(field, typed, value);
                if (error.isEmpty())
                    line.*member = value;
                return error;
            }};
}

template <class Line> Column<Line> wholeColumn(Field field, int Line::*member)
{
    return {{[field] { return label(field); }, CellEditor::Typed, {}},
            [member](const PlanSession &, const Line &line) { return QString::number(line.*member); },
            [field, member](const PlanSession &, Line &line, const QString &typed) {
                Decimal value;
                QString error = readNumber(field, typed, value);
                if (error.isEmpty())
                    line.*member = wholeOf(value);
                return error;
            }};
}

// Void for an empty cell, else a whole number in range.
template <class Line> Column<Line> optionalWholeColumn(Field field, std::optional<int> Line::*member)
{
    return {{[field] { return label(field); }, CellEditor::Typed, {}},
            [member](const PlanSession &, const Line &line) {
                return (line.*member) ? QString::number(*(line.*member)) : QString();
            },
            [field, member](const PlanSession &, Line &line, const QString &typed) {
                if (typed.trimmed().isEmpty()) {
                    line.*member = std::nullopt;
                    return QString();
                }
                Decimal value;
                QString error = readNumber(field, typed, value);
                if (error.isEmpty())
                    line.*member = wholeOf(value);
                return error;
            }};
}

// A kind as the grid shows and offers it; the plan and its files keep the English name.
QString shownKind(const QString &name)
{
    return QCoreApplication::translate("plan::Plan", name.toUtf8().constData());
}

constexpr RevenueKind RevenueKinds[] = {RevenueKind::UnitSales, RevenueKind::Recurring, RevenueKind::BillableHours};
constexpr FinancingKind FinancingKinds[] = {FinancingKind::Investment, FinancingKind::Loan};

QStringList revenueKindNames()
{
    QStringList names;
    for (const RevenueKind kind : RevenueKinds)
        names << shownKind(revenueKindName(kind));
    return names;
}

QStringList financingKindNames()
{
    QStringList names;
    for (const FinancingKind kind : FinancingKinds)
        names << shownKind(financingKindName(kind));
    return names;
}

// The kind a typed text names, in the user's language or as the files write it.
template <typename Kind, size_t Count>
std::optional<Kind> kindTyped(const QString &typed, const Kind (&kinds)[Count], QString (*name)(Kind),
                              std::optional<Kind> (*fromName)(const QString &))
{
    for (const Kind kind : kinds) {
        if (shownKind(name(kind)) == typed)
            return kind;
    }
    return fromName(typed);
}

Column<RevenueStream> revenueKindColumn()
{
    return {{[] { return label(Field::RevenueKind); }, CellEditor::Choice, revenueKindNames},
            [](const PlanSession &, const RevenueStream &line) { return shownKind(revenueKindName(line.kind)); },
            [](const PlanSession &, RevenueStream &line, const QString &typed) {
                const std::optional<RevenueKind> kind
                    = kindTyped(typed.trimmed(), RevenueKinds, revenueKindName, revenueKindFromName);
                if (!kind)
                    return rangeMessage(Field::RevenueKind);
                line.kind = *kind;
                return QString();
            }};
}

Column<Financing> financingKindColumn()
{
    return {{[] { return label(Field::FinancingKind); }, CellEditor::Choice, financingKindNames},
            [](const PlanSession &, const Financing &line) { return shownKind(financingKindName(line.kind)); },
            [](const PlanSession &, Financing &line, const QString &typed) {
                const std::optional<FinancingKind> kind
                    = kindTyped(typed.trimmed(), FinancingKinds, financingKindName, financingKindFromName);
                if (!kind)
                    return rangeMessage(Field::FinancingKind);
                line.kind = *kind;
                return QString();
            }};
}

// The employee as the cell shows them: a key the business no longer has stays as
// stored, and says so.
QString employeeText(const PlanSession &session, const Person &line)
{
    if (!line.employeeId)
        return QString();
    const QString name = session.employeeName(*line.employeeId);
    return name.isEmpty() ? QCoreApplication::translate("plan::ui::LineTable", "(employee %1, no longer listed)")
                                .arg(*line.employeeId)
                          : name;
}

Column<Person> employeeColumn()
{
    return {{[] { return label(Field::EmployeeId); }, CellEditor::Employee, {}},
            employeeText,
            [](const PlanSession &session, Person &line, const QString &typed) {
                const QString name = typed.trimmed();
                if (name == employeeText(session, line))
                    return QString(); // unchanged, a key no longer listed included
                if (name.isEmpty()) {
                    line.employeeId = std::nullopt;
                    return QString();
                }
                for (const EmployeeChoice &employee : session.employees()) {
                    if (employee.name == name) {
                        line.employeeId = employee.id;
                        return QString();
                    }
                }
                return QCoreApplication::translate(
                           "plan::ui::LineTable",
                           "%1 must be one of the business's employees (Employee Information), or "
                           "empty.")
                    .arg(label(Field::EmployeeId));
            }};
}

QStringList yesNo()
{
    return {QCoreApplication::translate("plan::ui::LineTable", "No"),
            QCoreApplication::translate("plan::ui::LineTable", "Yes")};
}

Column<Expense> oneOffColumn()
{
    return {{[] { return QCoreApplication::translate("plan::ui::LineTable", "One-off"); }, CellEditor::Choice, yesNo},
            [](const PlanSession &, const Expense &line) { return yesNo().at(line.oneOff ? 1 : 0); },
            [](const PlanSession &, Expense &line, const QString &typed) {
                const qsizetype index = yesNo().indexOf(typed.trimmed(), 0);
                if (index < 0)
                    return QCoreApplication::translate(
                        "plan::ui::LineTable", "One-off must be Yes (the amount in the start month only) or No.");
                line.oneOff = index == 1;
                return QString();
            }};
}

template <class Line> class LineTableOf final : public LineTable
{
public:
    LineTableOf(const char *title, QList<Line> Plan::*lines, const char *newName, std::vector<Column<Line>> columns)
        : LineTable(shapesOf(columns))
        , m_title(title)
        , m_lines(lines)
        , m_newName(newName)
        , m_columns(std::move(columns))
    {
    }

    QString title() const override { return QString::fromLatin1(m_title); }
    QString caption() const override { return QCoreApplication::translate("plan::ui::LineTable", m_title); }
    int rowCount(const Plan &plan) const override { return static_cast<int>((plan.*m_lines).size()); }

    QString text(const PlanSession &session, int row, int column) const override
    {
        return columnAt(column).show(session, (session.plan().*m_lines).at(row));
    }

    QString write(const PlanSession &session, Plan &plan, int row, int column, const QString &typed) const override
    {
        Line line = (plan.*m_lines).at(row);
        const QString error = columnAt(column).write(session, line, typed);
        if (error.isEmpty())
            (plan.*m_lines)[row] = std::move(line);
        return error;
    }

    void add(Plan &plan) const override
    {
        Line line;
        nameOf(line) = QCoreApplication::translate("plan::ui::LineTable", m_newName).arg((plan.*m_lines).size() + 1);
        (plan.*m_lines).append(std::move(line));
    }

    void remove(Plan &plan, int row) const override { (plan.*m_lines).removeAt(row); }

private:
    static std::vector<ColumnShape> shapesOf(const std::vector<Column<Line>> &columns)
    {
        std::vector<ColumnShape> shapes;
        for (const Column<Line> &column : columns)
            shapes.push_back(column.shape);
        return shapes;
    }

    const Column<Line> &columnAt(int column) const { return m_columns.at(static_cast<size_t>(column)); }

    static QString &nameOf(Line &line)
    {
        if constexpr (std::is_same_v<Line, Person>)
            return line.role;
        else
            return line.name;
    }

    const char *m_title; // English: it names the tab's page
    QList<Line> Plan::*m_lines;
    const char *m_newName; // "Revenue stream %1", translated when a line is added
    std::vector<Column<Line>> m_columns;
};

} // namespace

QString LineTable::check(const PlanSession &session, const Plan &plan, int row, int column, const QString &typed) const
{
    Plan trial = plan;
    const QString fault = write(session, trial, row, column, typed);
    return fault.isEmpty() ? firstFault(trial) : fault;
}

std::vector<std::unique_ptr<LineTable>> LineTable::all()
{
    std::vector<std::unique_ptr<LineTable>> tables;
    tables.push_back(std::make_unique<LineTableOf<RevenueStream>>(
        QT_TRANSLATE_NOOP("plan::ui::LineTable", "Revenue"), &Plan::revenue,
        QT_TRANSLATE_NOOP("plan::ui::LineTable", "Revenue stream %1"),
        std::vector<Column<RevenueStream>>{
            textColumn(Field::Name, &RevenueStream::name),
            revenueKindColumn(),
            wholeColumn(Field::StartMonth, &RevenueStream::startMonth),
            decimalColumn(Field::FirstQuantity, &RevenueStream::firstQuantity),
            decimalColumn(Field::MonthlyGrowthPercent, &RevenueStream::monthlyGrowthPercent),
            decimalColumn(Field::Price, &RevenueStream::price),
            decimalColumn(Field::ChurnPercent, &RevenueStream::churnPercent),
            decimalColumn(Field::DirectCostPercent, &RevenueStream::directCostPercent),
            decimalColumn(Field::DirectCostPerUnit, &RevenueStream::directCostPerUnit),
        }));
    tables.push_back(
        std::make_unique<LineTableOf<Person>>(QT_TRANSLATE_NOOP("plan::ui::LineTable", "People"), &Plan::people,
                                              QT_TRANSLATE_NOOP("plan::ui::LineTable", "Role %1"),
                                              std::vector<Column<Person>>{
                                                  textColumn(Field::Role, &Person::role),
                                                  employeeColumn(),
                                                  moneyColumn(Field::MonthlySalary, &Person::monthlySalary),
                                                  wholeColumn(Field::StartMonth, &Person::startMonth),
                                                  optionalWholeColumn(Field::EndMonth, &Person::endMonth),
                                              }));
    tables.push_back(std::make_unique<LineTableOf<Expense>>(
        QT_TRANSLATE_NOOP("plan::ui::LineTable", "Expenses"), &Plan::expenses,
        QT_TRANSLATE_NOOP("plan::ui::LineTable", "Expense %1"),
        std::vector<Column<Expense>>{
            textColumn(Field::Name, &Expense::name),
            moneyColumn(Field::Amount, &Expense::amount),
            wholeColumn(Field::StartMonth, &Expense::startMonth),
            decimalColumn(Field::MonthlyGrowthPercent, &Expense::monthlyGrowthPercent),
            oneOffColumn(),
        }));
    tables.push_back(std::make_unique<LineTableOf<Financing>>(
        QT_TRANSLATE_NOOP("plan::ui::LineTable", "Financing"), &Plan::financing,
        QT_TRANSLATE_NOOP("plan::ui::LineTable", "Financing %1"),
        std::vector<Column<Financing>>{
            textColumn(Field::Name, &Financing::name),
            financingKindColumn(),
            moneyColumn(Field::Amount, &Financing::amount),
            wholeColumn(Field::Month, &Financing::month),
            decimalColumn(Field::AnnualInterestPercent, &Financing::annualInterestPercent),
            wholeColumn(Field::TermMonths, &Financing::termMonths),
        }));
    tables.push_back(std::make_unique<LineTableOf<Asset>>(QT_TRANSLATE_NOOP("plan::ui::LineTable", "Assets"),
                                                          &Plan::assets,
                                                          QT_TRANSLATE_NOOP("plan::ui::LineTable", "Asset %1"),
                                                          std::vector<Column<Asset>>{
                                                              textColumn(Field::Name, &Asset::name),
                                                              moneyColumn(Field::Cost, &Asset::cost),
                                                              wholeColumn(Field::Month, &Asset::month),
                                                              wholeColumn(Field::LifeMonths, &Asset::lifeMonths),
                                                          }));
    return tables;
}

} // namespace plan::ui
