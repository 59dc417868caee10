#include "records/ui/RegisteredAgent.h"

#include "records/ui/DetailLayout.h"

namespace records {

namespace {

using namespace DetailLayout;

namespace column = db::tables::RegisteredAgent;

constexpr FieldSpec box(db::tables::Name name, const char *label, int row, FieldKind kind = FieldKind::SingleLine)
{
    return {name, label, kind, rowTop(row), SingleLineWidth, SingleLineHeight};
}

constexpr FieldSpec Fields[] = {
    box(column::Id, QT_TRANSLATE_NOOP("records::FieldLabel", "Agent Identification:"), 0, FieldKind::Disabled),
    box(column::BusinessId, QT_TRANSLATE_NOOP("records::FieldLabel", "Business Identification:"), 1,
        FieldKind::Disabled),
    box(column::FirstName, QT_TRANSLATE_NOOP("records::FieldLabel", "First Name:"), 2),
    box(column::MiddleName, QT_TRANSLATE_NOOP("records::FieldLabel", "Middle Name:"), 3),
    box(column::LastName, QT_TRANSLATE_NOOP("records::FieldLabel", "Last Name:"), 4),
    box(column::AddressOne, QT_TRANSLATE_NOOP("records::FieldLabel", "Address One:"), 5),
    box(column::AddressTwo, QT_TRANSLATE_NOOP("records::FieldLabel", "Address Two:"), 6),
    box(column::City, QT_TRANSLATE_NOOP("records::FieldLabel", "City:"), 7),
    box(column::State, QT_TRANSLATE_NOOP("records::FieldLabel", "State:"), 8),
    box(column::Zip, QT_TRANSLATE_NOOP("records::FieldLabel", "Zip:"), 9),
    box(column::PhoneNumber, QT_TRANSLATE_NOOP("records::FieldLabel", "Phone Number:"), 10),
    box(column::FaxNumber, QT_TRANSLATE_NOOP("records::FieldLabel", "Fax Number:"), 11),
    box(column::EMailAddress, QT_TRANSLATE_NOOP("records::FieldLabel", "E-mail Address:"), 12),
};

constexpr int LastRow = 12;

} // namespace

RegisteredAgent::RegisteredAgent(QWidget *parent)
    : SingleRecordForm(DetailForms::registeredAgent(), tr("Registered Agent"), Fields, Columns,
                       ui::TwipsSize{clientWidth(SingleLineWidth), clientHeight(rowTop(LastRow) + SingleLineHeight)},
                       parent)
{
    setObjectName(QStringLiteral("RegisteredAgent"));
}

} // namespace records
