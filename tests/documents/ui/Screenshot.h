#pragma once

#include <QString>

class QWidget;

namespace documents_testing {

// The folder screenshots go to: $TALLOWMERE_SCREENSHOTS, else screenshots/ beside bin/.
QString screenshotFolder();

// Saves what the window shows as <name>.png in the screenshot folder.
void saveScreenshot(QWidget &window, const QString &name);

} // namespace documents_testing
