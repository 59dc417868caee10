#pragma once

#include <functional>

namespace documents {

// Told after each finished page of a printout: the pages done so far and the share of
// the whole (0 to 1). Answers false to stop the printout there.
using PageProgress = std::function<bool(int pagesDone, double shareDone)>;

} // namespace documents
