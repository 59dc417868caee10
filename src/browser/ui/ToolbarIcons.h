#pragma once

#include <QIcon>
#include <QString>

namespace browser {

// The pictures of the browser's toolbar buttons (the image list imlIcons), drawn
// here so they look the same on every desktop: one for each key "Back", "Forward",
// "Stop", "Refresh", "Home" and "Search"; an empty icon for any other key.
QIcon toolbarIcon(const QString &key);

} // namespace browser
