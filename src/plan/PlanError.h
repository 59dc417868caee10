#pragma once

#include "base/Error.h"

namespace plan {

// A plan that cannot be read, stored or computed; the description names the field,
// line or file at fault in the words a person reads.
class PlanError : public base::Error
{
public:
    using base::Error::Error;
};

} // namespace plan
