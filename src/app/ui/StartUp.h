#pragma once

#include "app/ui/ProgramIcon.h"

namespace app {

// Loads and shows the main form. When the business database cannot be opened or is
// not one, shows the reason with the file's name and returns false; nothing is created.
bool showMainForm();

// The whole run: the main form, the event loop until the last window closes, and the
// windows' end. Returns the process's exit status.
int runProgram();

} // namespace app
