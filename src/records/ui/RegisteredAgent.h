#pragma once

#include "records/ui/SingleRecordForm.h"

namespace records {

// The registered agent of a business, whose name and address the articles of
// incorporation carry.
class RegisteredAgent : public SingleRecordForm
{
    Q_OBJECT

public:
    explicit RegisteredAgent(QWidget *parent = nullptr);
};

} // namespace records
