#pragma once

#include <QString>

namespace app {

// The program's version, as the build names it ("1.0.0").
QString programVersion();

// The About box's text: name, version, licence, the Qt and SQLite libraries in use and
// the folder that holds the data.
QString aboutText();

} // namespace app
