#pragma once

namespace app {

// At start, before the databases are opened: a restore that was stopped while it
// moved the program folder's databases is finished or undone, as the user chooses.
// False when it could be neither (the user has been told why) and the program stops.
bool settleInterruptedRestore();

} // namespace app
