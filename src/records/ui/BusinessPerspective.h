#pragma once

#include "records/ui/SingleRecordForm.h"

namespace records {

// The concept, customers and market of a business.
class BusinessPerspective : public SingleRecordForm
{
    Q_OBJECT

public:
    explicit BusinessPerspective(QWidget *parent = nullptr);
};

} // namespace records
