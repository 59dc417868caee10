#include "base/Error.h"

namespace base {

Error::Error(const QString &description)
    : std::runtime_error(description.toStdString())
    , m_description(description)
{
}

} // namespace base
