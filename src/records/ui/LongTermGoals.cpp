#include "records/ui/LongTermGoals.h"

namespace records {

LongTermGoals::LongTermGoals(QWidget *parent)
    : GridRecordForm(DetailForms::longTermGoals(), tr("Business Long Term Goal"), parent)
{
    setObjectName(QStringLiteral("LongTermGoals"));
}

} // namespace records
