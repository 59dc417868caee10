#include "records/ui/BusinessPerspective.h"

#include "records/ui/DetailLayout.h"

namespace records {

namespace {

using namespace DetailLayout;

namespace column = db::tables::BusinessPerspective;

constexpr FieldSpec Fields[] = {
    {column::Id, QT_TRANSLATE_NOOP("records::FieldLabel", "Perspective Identification:"), FieldKind::Disabled,
     rowTop(0), SingleLineWidth, SingleLineHeight},
    {column::DateAdded, QT_TRANSLATE_NOOP("records::FieldLabel", "Perspective Date (Added):"), FieldKind::Disabled,
     rowTop(1), SingleLineWidth, SingleLineHeight},
    {column::BusinessId, QT_TRANSLATE_NOOP("records::FieldLabel", "Business Identification:"), FieldKind::Disabled,
     rowTop(2), SingleLineWidth, SingleLineHeight},
    {column::Concept, QT_TRANSLATE_NOOP("records::FieldLabel", "Business Concept:"), FieldKind::SingleLine, rowTop(3),
     SingleLineWidth, SingleLineHeight},
    {column::TypeOfCustomers, QT_TRANSLATE_NOOP("records::FieldLabel", "Type Of Customers:"), FieldKind::SingleLine,
     rowTop(4), SingleLineWidth, SingleLineHeight},
    {column::MethodToReachTarget, QT_TRANSLATE_NOOP("records::FieldLabel", "Method To Reach Target:"),
     FieldKind::SingleLine, rowTop(5), SingleLineWidth, SingleLineHeight},
    {column::ReasonForMarket, QT_TRANSLATE_NOOP("records::FieldLabel", "Reason For Business Market:"),
     FieldKind::SingleLine, rowTop(6), SingleLineWidth, SingleLineHeight},
};

} // namespace

BusinessPerspective::BusinessPerspective(QWidget *parent)
    : SingleRecordForm(DetailForms::businessPerspective(), tr("Business Perspective"), Fields, Columns,
                       ui::TwipsSize{clientWidth(SingleLineWidth), clientHeight(rowTop(6) + SingleLineHeight)}, parent)
{
    setObjectName(QStringLiteral("BusinessPerspective"));
}

} // namespace records
