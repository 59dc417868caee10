#pragma once

#include <QRect>
#include <QSize>

namespace browser {

// The resize step's sizes, in twips, for a window whose inside is innerWidth x innerHeight twips, with the
// address strip ending stripBottom twips from the top. Each size is worked out in
// turn; the first one that turns negative throws base::Error, so a window made very
// small keeps the sizes it had.
int addressWidthFor(int innerWidth);
int pageWidthFor(int innerWidth);
int pageHeightFor(int innerHeight, int stripBottom);

// Where the window opens, in pixels, on a screen whose free area is `available`: at
// the size the person gave it last time (`kept`, when it is at least the design size),
// else at least 1024 x 700 so that web sites show their full layout; in either case
// shrunk to the free area and centred in it. `frame` is what the window's frame adds
// around its inside (none when empty).
QRect openingGeometry(QSize kept, QSize design, QRect available, QSize frame = QSize(0, 0));

} // namespace browser
