#pragma once

namespace app::fonts {

// fontconfig reads and parses the desktop's whole font configuration the first time any
// text is measured, a third of the program's start. startLoadingAhead() begins that on
// a helper thread before the application object exists, so it goes on while the data is
// read; awaitLoaded() returns once it is done. Await before the first window measures
// text: Qt would otherwise read it all a second time. Calling either again is harmless.
void startLoadingAhead();
void awaitLoaded();

} // namespace app::fonts
