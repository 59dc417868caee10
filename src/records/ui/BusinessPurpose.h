#pragma once

#include "records/ui/SingleRecordForm.h"

namespace records {

// The mission statements of a business.
class BusinessPurpose : public SingleRecordForm
{
    Q_OBJECT

public:
    explicit BusinessPurpose(QWidget *parent = nullptr);
};

} // namespace records
