#pragma once

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace ui {

// The window another one opens from, for a window the person has not placed yet: the
// new one stands a step down and to the right of it (outsides, frames included), and
// further down the diagonal while another window already stands there.
struct Opener
{
    QRect frame;
    // The outside top-left corners of the other windows on view.
    QList<QPoint> taken;
    int step = 0;
};

// Where a window opens, in pixels of its inside (the frame excluded), on a screen
// whose free area is `available`; `frame` is what the window's frame adds around its
// inside (none when not known yet).
// - Where the person gave the window a place and size before (`kept`), it opens
//   there, moved and shrunk only as far as it takes to bring it whole onto the free
//   area.
// - Otherwise it opens at `wanted`, shrunk to the free area where the screen is
//   smaller, beside its opener (see Opener) or without one centred. A window whose
//   contents scroll then gets the room for the one scroll bar it needs (`scrollBar`
//   wide) in the other direction, where there is room, so that it does not need the
//   second.
QRect openingGeometry(QSize wanted, const std::optional<QRect> &kept, const QRect &available,
                      const QMargins &frame = {}, int scrollBar = 0, const std::optional<Opener> &opener = {});

} // namespace ui
