#pragma once

#include <QString>

#include <functional>

class QMenu;
class QMenuBar;

namespace rss {

// The menu "Feed Format" with one checkable entry per format, the kept one checked.
// Choosing one keeps it; when it cannot be kept, `report` gets the description and
// the check goes back to the format still kept.
QMenu *addFeedFormatMenu(QMenuBar *bar, std::function<void(const QString &)> report);

} // namespace rss
