#pragma once

namespace app {

// Gives every window the program's icon (from the program's resources), and tells the
// desktop which entry the windows belong to.
void useProgramIcon();

} // namespace app
