#pragma once

namespace browser {

// The resize step's sizes, in twips, for a window whose inside is innerWidth x innerHeight twips, with the
// address strip ending stripBottom twips from the top. Each size is worked out in
// turn; the first one that turns negative throws base::Error, so a window made very
// small keeps the sizes it had.
int addressWidthFor(int innerWidth);
int pageWidthFor(int innerWidth);
int pageHeightFor(int innerHeight, int stripBottom);

} // namespace browser
