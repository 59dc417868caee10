#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

#include <optional>

namespace ui {

// Where a window opens, in pixels of its inside (the frame excluded), on a screen
// whose free area is `available`; `frame` is what the window's frame adds around its
// inside (none when not known yet).
// - Where the person gave the window a place and size before (`kept`), it opens
//   there, moved and shrunk only as far as it takes to bring it whole onto the free
//   area.
// - Otherwise it opens at `wanted`, centred, shrunk to the free area where the
//   screen is smaller. A window whose contents scroll then gets the room for the one
//   scroll bar it needs (`scrollBar` wide) in the other direction, where there is
//   room, so that it does not need the second.
QRect openingGeometry(QSize wanted, const std::optional<QRect> &kept, const QRect &available,
                      const QMargins &frame = {}, int scrollBar = 0);

} // namespace ui
