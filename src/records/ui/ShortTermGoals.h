#pragma once

#include "records/ui/GridRecordForm.h"

namespace records {

// The short-term goals of a business.
class ShortTermGoals : public GridRecordForm
{
    Q_OBJECT

public:
    explicit ShortTermGoals(QWidget *parent = nullptr);
};

} // namespace records
