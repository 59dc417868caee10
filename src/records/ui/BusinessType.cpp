#include "records/ui/BusinessType.h"

#include "records/ui/DetailLayout.h"

namespace records {

namespace {

using namespace DetailLayout;

namespace column = db::tables::BusinessType;

constexpr FieldSpec Fields[] = {
    {column::Id, "Type Identification", FieldKind::Disabled, rowTop(0), SingleLineWidth, SingleLineHeight},
    {column::DateAdded, "Type Date (Added):", FieldKind::Disabled, rowTop(1), SingleLineWidth, SingleLineHeight},
    {column::BusinessId, "Business Identification:", FieldKind::Disabled, rowTop(2), SingleLineWidth, SingleLineHeight},
    {column::Type, "Type:", FieldKind::SingleLine, rowTop(3), SingleLineWidth, SingleLineHeight},
};

} // namespace

BusinessType::BusinessType(QWidget *parent)
    : SingleRecordForm(DetailForms::businessType(), QStringLiteral("Business Type"), Fields, Columns,
                       ui::TwipsSize{clientWidth(SingleLineWidth), clientHeight(rowTop(3) + SingleLineHeight)}, parent)
{
    setObjectName(QStringLiteral("BusinessType"));
}

} // namespace records
