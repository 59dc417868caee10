#include "records/ui/EmployeeInformation.h"

namespace records {

EmployeeInformation::EmployeeInformation(QWidget *parent)
    : GridRecordForm(DetailForms::employeeInformation(), tr(" Employees Information"), parent)
{
    setObjectName(QStringLiteral("EmployeeInformation"));
}

} // namespace records
