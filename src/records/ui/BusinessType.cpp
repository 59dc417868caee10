#include "records/ui/BusinessType.h"

#include "records/ui/DetailLayout.h"

namespace records {

namespace {

using namespace DetailLayout;

namespace column = db::tables::BusinessType;

constexpr FieldSpec Fields[] = {
    {column::Id, QT_TRANSLATE_NOOP("records::FieldLabel", "Type Identification"), FieldKind::Disabled, rowTop(0),
     SingleLineWidth, SingleLineHeight},
    {column::DateAdded, QT_TRANSLATE_NOOP("records::FieldLabel", "Type Date (Added):"), FieldKind::Disabled, rowTop(1),
     SingleLineWidth, SingleLineHeight},
    {column::BusinessId, QT_TRANSLATE_NOOP("records::FieldLabel", "Business Identification:"), FieldKind::Disabled,
     rowTop(2), SingleLineWidth, SingleLineHeight},
    {column::Type, QT_TRANSLATE_NOOP("records::FieldLabel", "Type:"), FieldKind::SingleLine, rowTop(3), SingleLineWidth,
     SingleLineHeight},
};

} // namespace

BusinessType::BusinessType(QWidget *parent)
    : SingleRecordForm(DetailForms::businessType(), tr("Business Type"), Fields, Columns,
                       ui::TwipsSize{clientWidth(SingleLineWidth), clientHeight(rowTop(3) + SingleLineHeight)}, parent)
{
    setObjectName(QStringLiteral("BusinessType"));
}

} // namespace records
