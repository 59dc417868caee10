#include "records/ui/BusinessType.h"

#include "records/ui/DetailLayout.h"

namespace records {

namespace {

using namespace DetailLayout;

constexpr FieldSpec Fields[] = {
    {"BusinessTypeId", "Type Identification", FieldKind::Disabled, rowTop(0), SingleLineWidth, SingleLineHeight},
    {"BusinessTypeDate", "Type Date (Added):", FieldKind::Disabled, rowTop(1), SingleLineWidth, SingleLineHeight},
    {"BusinessInformationId", "Business Identification:", FieldKind::Disabled, rowTop(2), SingleLineWidth,
     SingleLineHeight},
    {"BusinessType", "Type:", FieldKind::SingleLine, rowTop(3), SingleLineWidth, SingleLineHeight},
};

} // namespace

BusinessType::BusinessType(QWidget *parent)
    : SingleRecordForm(DetailForms::businessType(), QStringLiteral("Business Type"), Fields, Columns,
                       QSize(clientWidth(SingleLineWidth), clientHeight(rowTop(3) + SingleLineHeight)), parent)
{
    setObjectName(QStringLiteral("BusinessType"));
}

} // namespace records
