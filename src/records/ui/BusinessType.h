#pragma once

#include "records/ui/SingleRecordForm.h"

namespace records {

// The type of a business.
class BusinessType : public SingleRecordForm
{
    Q_OBJECT

public:
    explicit BusinessType(QWidget *parent = nullptr);
};

} // namespace records
