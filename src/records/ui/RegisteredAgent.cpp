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
    box(column::Id, "Agent Identification:", 0, FieldKind::Disabled),
    box(column::BusinessId, "Business Identification:", 1, FieldKind::Disabled),
    box(column::FirstName, "First Name:", 2),
    box(column::MiddleName, "Middle Name:", 3),
    box(column::LastName, "Last Name:", 4),
    box(column::AddressOne, "Address One:", 5),
    box(column::AddressTwo, "Address Two:", 6),
    box(column::City, "City:", 7),
    box(column::State, "State:", 8),
    box(column::Zip, "Zip:", 9),
    box(column::PhoneNumber, "Phone Number:", 10),
    box(column::FaxNumber, "Fax Number:", 11),
    box(column::EMailAddress, "E-mail Address:", 12),
};

constexpr int LastRow = 12;

} // namespace

RegisteredAgent::RegisteredAgent(QWidget *parent)
    : SingleRecordForm(DetailForms::registeredAgent(), QStringLiteral("Registered Agent"), Fields, Columns,
                       ui::TwipsSize{clientWidth(SingleLineWidth), clientHeight(rowTop(LastRow) + SingleLineHeight)},
                       parent)
{
    setObjectName(QStringLiteral("RegisteredAgent"));
}

} // namespace records
