#pragma once

#include "records/DetailFormController.h"
#include "records/ui/TextBoxRecordForm.h"

namespace records {

// A text-box record form over the rows of one business (mission statement, type,
// perspective). The main form sets BusinessInformationId before showing it.
class SingleRecordForm : public TextBoxRecordForm
{
    Q_OBJECT

public:
    SingleRecordForm(const DetailFormDefinition &definition, const QString &caption,
                     std::span<const FieldSpec> fields, FieldColumns columns, QSize clientTwips,
                     QWidget *parent = nullptr);

    int BusinessInformationId = 0;

    // Sets BusinessInformationId and shows the form for that business.
    void showForBusiness(int businessInformationId);
    DetailFormController &detail() const;

protected:
    void formLoad() override;
};

} // namespace records
