#include "records/ui/ShortTermGoals.h"

namespace records {

ShortTermGoals::ShortTermGoals(QWidget *parent)
    : GridRecordForm(DetailForms::shortTermGoals(), QStringLiteral("Business Short Term Goal"), parent)
{
    setObjectName(QStringLiteral("ShortTermGoals"));
}

} // namespace records
