#pragma once

#include "records/DetailFormController.h"
#include "records/ui/BusinessHandOver.h"
#include "records/ui/TextBoxRecordForm.h"

namespace records {

// A text-box record form over the rows of one business (mission statement, type,
// perspective), shown by the main form for the business on screen.
class SingleRecordForm : public TextBoxRecordForm, public BusinessHandOver
{
    Q_OBJECT

public:
    SingleRecordForm(const DetailFormDefinition &definition, const QString &caption, std::span<const FieldSpec> fields,
                     FieldColumns columns, ui::TwipsSize clientTwips, QWidget *parent = nullptr);

    DetailFormController &detail() const;
};

} // namespace records
