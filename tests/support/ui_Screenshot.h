#pragma once

#include <QString>

namespace testing_support {

// The folder that printed samples go to (PDF files and their pages as pictures), made
// when missing: $TALLOWMERE_SCREENSHOTS, else screenshots/ beside bin/. Pictures of the
// windows come from the screenshot tool (tools/screenshots).
QString screenshotFolder();

} // namespace testing_support
