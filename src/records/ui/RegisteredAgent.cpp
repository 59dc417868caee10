#include "records/ui/RegisteredAgent.h"

#include "records/ui/DetailLayout.h"

namespace records {

namespace {

using namespace DetailLayout;

constexpr FieldSpec box(const char *column, const char *label, int row, FieldKind kind = FieldKind::SingleLine)
{
    return {column, label, kind, rowTop(row), SingleLineWidth, SingleLineHeight};
}

constexpr FieldSpec Fields[] = {
    box("RegisteredAgentId", "Agent Identification:", 0, FieldKind::Disabled),
    box("BusinessInformationId", "Business Identification:", 1, FieldKind::Disabled),
    box("REGISTEREDAGENTFirstName", "First Name:", 2),
    box("REGISTEREDAGENTMiddleName", "Middle Name:", 3),
    box("REGISTEREDAGENTLastName", "Last Name:", 4),
    box("REGISTEREDAGENTAddressOne", "Address One:", 5),
    box("REGISTEREDAGENTAddressTwo", "Address Two:", 6),
    box("REGISTEREDAGENTCity", "City:", 7),
    box("REGISTEREDAGENTState", "State:", 8),
    box("REGISTEREDAGENTZip", "Zip:", 9),
    box("REGISTEREDAGENTPhoneNumber", "Phone Number:", 10),
    box("REGISTEREDAGENTFaxNumber", "Fax Number:", 11),
    box("REGISTEREDAGENTEMailAddress", "E-mail Address:", 12),
};

constexpr int LastRow = 12;

} // namespace

RegisteredAgent::RegisteredAgent(QWidget *parent)
    : SingleRecordForm(DetailForms::registeredAgent(), QStringLiteral("Registered Agent"), Fields, Columns,
                       QSize(clientWidth(SingleLineWidth), clientHeight(rowTop(LastRow) + SingleLineHeight)), parent)
{
    setObjectName(QStringLiteral("RegisteredAgent"));
}

} // namespace records
