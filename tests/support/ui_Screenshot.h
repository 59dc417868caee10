#pragma once

#include <QString>

class QWidget;

namespace testing_support {

// The folder screenshots and printed samples go to, made when missing:
// $TALLOWMERE_SCREENSHOTS, else screenshots/ beside bin/.
QString screenshotFolder();

// Saves what the window shows as <name>.png in the screenshot folder, so people can
// look at every window in its main states; a file that cannot be written fails the test.
void saveScreenshot(QWidget &window, const QString &name);
inline void saveScreenshot(QWidget *window, const QString &name)
{
    saveScreenshot(*window, name);
}

} // namespace testing_support
