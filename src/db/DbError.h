#pragma once

#include "base/Error.h"

namespace db {

// The one failure type of the data layer. Its description is the text a person
// reads in a message box, so it never carries internal codes alone.
class DbError : public base::Error
{
public:
    using base::Error::Error;
};

} // namespace db
