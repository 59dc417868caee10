#pragma once

#include "records/ui/GridRecordForm.h"

namespace records {

// The employees of a business.
class EmployeeInformation : public GridRecordForm
{
    Q_OBJECT

public:
    explicit EmployeeInformation(QWidget *parent = nullptr);
};

} // namespace records
