#include "records/ui/SingleRecordForm.h"

#include "records/ui/BusinessHandOver.h"

namespace records {

SingleRecordForm::SingleRecordForm(const DetailFormDefinition &definition, const QString &caption,
                                   std::span<const FieldSpec> fields, FieldColumns columns, QSize clientTwips,
                                   QWidget *parent)
    : TextBoxRecordForm(std::make_unique<DetailFormController>(definition), fields, columns, parent)
{
    setWindowTitle(caption);
    setClientSizeTwips(clientTwips.width(), clientTwips.height());
}

DetailFormController &SingleRecordForm::detail() const
{
    return static_cast<DetailFormController &>(controller());
}

void SingleRecordForm::showForBusiness(int businessInformationId)
{
    BusinessInformationId = businessInformationId;
    records::showForBusiness(*this, detail(), businessInformationId);
}

void SingleRecordForm::formLoad()
{
    detail().setRequestedBusiness(BusinessInformationId);
    TextBoxRecordForm::formLoad();
}

} // namespace records
