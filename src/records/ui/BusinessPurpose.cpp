#include "records/ui/BusinessPurpose.h"

#include "records/ui/DetailLayout.h"

namespace records {

namespace {

using namespace DetailLayout;

namespace column = db::tables::BusinessPurpose;

constexpr FieldSpec Fields[] = {
    {column::Id, QT_TRANSLATE_NOOP("records::FieldLabel", "Purpose Identification:"), FieldKind::Disabled, rowTop(0),
     SingleLineWidth, SingleLineHeight},
    {column::DateAdded, QT_TRANSLATE_NOOP("records::FieldLabel", "Purpose Date (Added):"), FieldKind::Disabled,
     rowTop(1), SingleLineWidth, SingleLineHeight},
    {column::BusinessId, QT_TRANSLATE_NOOP("records::FieldLabel", "Business Identification:"), FieldKind::Disabled,
     rowTop(2), SingleLineWidth, SingleLineHeight},
    {column::Purpose, QT_TRANSLATE_NOOP("records::FieldLabel", "Purpose:"), FieldKind::MultiLine, rowTop(3),
     PurposeWidth, PurposeHeight},
};

} // namespace

BusinessPurpose::BusinessPurpose(QWidget *parent)
    : SingleRecordForm(DetailForms::businessPurpose(), tr("Business Purpose"), Fields, Columns,
                       ui::TwipsSize{clientWidth(PurposeWidth), clientHeight(rowTop(3) + PurposeHeight)}, parent)
{
    setObjectName(QStringLiteral("BusinessPurpose"));
}

} // namespace records
