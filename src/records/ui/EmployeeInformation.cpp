#include "records/ui/EmployeeInformation.h"

namespace records {

EmployeeInformation::EmployeeInformation(QWidget *parent)
    : GridRecordForm(DetailForms::employeeInformation(), QStringLiteral(" Employees Information"), parent)
{
    setObjectName(QStringLiteral("EmployeeInformation"));
}

} // namespace records
