#pragma once

#include "records/ui/GridRecordForm.h"

namespace records {

// The long-term goals of a business.
class LongTermGoals : public GridRecordForm
{
    Q_OBJECT

public:
    explicit LongTermGoals(QWidget *parent = nullptr);
};

} // namespace records
