#include "records/ui/ShortTermGoals.h"

namespace records {

ShortTermGoals::ShortTermGoals(QWidget *parent)
    : GridRecordForm(DetailForms::shortTermGoals(), tr("Business Short Term Goal"), parent)
{
    setObjectName(QStringLiteral("ShortTermGoals"));
}

} // namespace records
