#include "records/ui/SingleRecordForm.h"

namespace records {

SingleRecordForm::SingleRecordForm(const DetailFormDefinition &definition, const QString &caption,
                                   std::span<const FieldSpec> fields, FieldColumns columns, ui::TwipsSize clientTwips,
                                   QWidget *parent)
    : TextBoxRecordForm(std::make_unique<DetailFormController>(definition), fields, columns, parent)
    , BusinessHandOver(*this, static_cast<DetailFormController &>(controller()))
{
    setWindowTitle(caption);
    setClientSizeTwips(clientTwips);
}

DetailFormController &SingleRecordForm::detail() const
{
    return static_cast<DetailFormController &>(controller());
}

} // namespace records
