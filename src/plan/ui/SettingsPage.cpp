#include "plan/ui/SettingsPage.h"

#include "plan/ui/PlanSession.h"
#include "plan/ui/PlanText.h"
#include "ui/Twips.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace plan::ui {

namespace {

// Room for a billion with its cents, or a month's name and year (twips).
constexpr int BoxWidth = 2400;

QLineEdit *makeBox(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAlignment(Qt::AlignRight);
    box->setMinimumWidth(::ui::twipsToPixels(BoxWidth));
    return box;
}

} // namespace

SettingsPage::SettingsPage(PlanSession &session, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_firstMonth(new QDateEdit(this))
    , m_message(new QLabel(this))
{
    setObjectName(QStringLiteral("pageSettings"));
    m_firstMonth->setObjectName(QStringLiteral("dtpFirstMonth"));
    m_firstMonth->setDisplayFormat(QStringLiteral("MMMM yyyy"));
    m_firstMonth->setDateRange(QDate(1900, 1, 1), QDate(9999, 12, 1));
    m_numbers = {
        {Field::StartingCash, makeBox(this, "txtStartingCash")},
        {Field::TaxRatePercent, makeBox(this, "txtTaxRate")},
        {Field::PayrollBurdenPercent, makeBox(this, "txtPayrollBurden")},
    };
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);

    auto *form = new QFormLayout;
    // Boxes as wide as an amount needs, not as the window.
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_firstMonth->setMinimumWidth(::ui::twipsToPixels(BoxWidth));
    // The labels are the boxes' buddies, so screen readers name each box by its label.
    form->addRow(tr("%1:").arg(fieldLabel(Field::FirstMonth)), m_firstMonth);
    m_firstMonth->setAccessibleName(fieldLabel(Field::FirstMonth));
    for (const NumberBox &entry : m_numbers) {
        const QString label = fieldLabel(entry.field);
        form->addRow(tr("%1:").arg(label), entry.box);
        entry.box->setAccessibleName(label);
        connect(entry.box, &QLineEdit::textEdited, this,
                [this, field = entry.field](const QString &text) { showMessage(problemWith(field, text)); });
        connect(entry.box, &QLineEdit::editingFinished, this, [this, entry] { storeNumber(entry); });
    }
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_message);
    layout->addStretch(1);

    connect(m_firstMonth, &QDateEdit::editingFinished, this, &SettingsPage::storeFirstMonth);
    connect(&m_session, &PlanSession::changed, this, &SettingsPage::showPlan);
    showPlan();
}

QString SettingsPage::message() const
{
    return m_message->text();
}

void SettingsPage::showMessage(const QString &text)
{
    m_message->setText(text);
}

QString SettingsPage::problemWith(Field field, const QString &typed)
{
    return readField(field, typedNumber(typed)).error;
}

void SettingsPage::showPlan()
{
    const PlanSettings &settings = m_session.plan().settings;
    m_firstMonth->setDate(settings.firstMonth.firstDay());
    const auto show = [](QLineEdit *box, const QString &text) {
        // The box being typed in keeps what the person typed.
        if (!box->hasFocus() || !box->isModified())
            box->setText(text);
    };
    show(m_numbers[0].box, editableAmount(settings.startingCash));
    show(m_numbers[1].box, editableNumber(settings.taxRatePercent));
    show(m_numbers[2].box, editableNumber(settings.payrollBurdenPercent));
}

void SettingsPage::storeFirstMonth()
{
    const QDate date = m_firstMonth->date();
    Plan changed = m_session.plan();
    changed.settings.firstMonth = YearMonth{date.year(), date.month()};
    const QString why = m_session.apply(changed);
    showMessage(why);
    if (!why.isEmpty())
        emit refused(why);
    showPlan();
}

void SettingsPage::storeNumber(const NumberBox &entry)
{
    if (!entry.box->isModified())
        return;
    const FieldReading reading = readField(entry.field, typedNumber(entry.box->text()));
    if (!reading.ok()) {
        // What was typed stays in the box, with the reason, for the person to put right.
        showMessage(reading.error);
        emit refused(reading.error);
        return;
    }
    Plan changed = m_session.plan();
    PlanSettings &settings = changed.settings;
    switch (entry.field) {
    case Field::StartingCash: settings.startingCash = reading.number->roundToCents(); break;
    case Field::TaxRatePercent: settings.taxRatePercent = *reading.number; break;
    default: settings.payrollBurdenPercent = *reading.number; break;
    }
    const QString why = m_session.apply(changed);
    showMessage(why);
    if (why.isEmpty()) {
        entry.box->setModified(false);
        showPlan();
    } else {
        emit refused(why);
    }
}

} // namespace plan::ui
