#pragma once

#include <QString>

namespace screenshots {

class QuietDialogs;

// Opens every window of the program over the sample office in the program folder, in
// its main states, and writes one PNG per window and state into outputFolder. Without
// the web engine, web pages show as a placeholder. Returns the number of pictures that
// could not be made (a window that failed to open, showed a message, or drew nothing).
// With withSummaries, what each picture shows (windowSummary) goes beside it as text.
int takeScreenshots(const QString &outputFolder, QuietDialogs &dialogs, bool withWebEngine, bool withSummaries = false);

} // namespace screenshots
