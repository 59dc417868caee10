#include "browser/BrowserLayout.h"
#include "base/Error.h"

#include <gtest/gtest.h>

namespace {

TEST(BrowserLayout, SizesFollowTheWindowInsideWithTheirMargins)
{
    using namespace browser;
    constexpr int StripBottom = 1215;
    for (const int inside : {3000, 6540, 9000}) {
        SCOPED_TRACE(inside);
        // The address box and the page share one width, with a margin, and both follow
        // the window twip for twip.
        EXPECT_EQ(addressWidthFor(inside), pageWidthFor(inside));
        EXPECT_LT(pageWidthFor(inside), inside);
        EXPECT_EQ(pageWidthFor(inside + 450), pageWidthFor(inside) + 450);
        // The page fills the height below the address strip, less the same margin.
        EXPECT_EQ(pageHeightFor(inside, StripBottom), inside - StripBottom - (inside - pageWidthFor(inside)));
    }
    // Down to nothing at all, just before the sizes would turn negative.
    EXPECT_EQ(pageHeightFor(StripBottom + (6540 - pageWidthFor(6540)), StripBottom), 0);
}

TEST(BrowserLayout, ASizeThatWouldTurnNegativeIsRefused)
{
    using namespace browser;
    const int margin = 6540 - pageWidthFor(6540);
    EXPECT_EQ(addressWidthFor(margin), 0);
    EXPECT_THROW(addressWidthFor(margin - 1), base::Error);
    EXPECT_THROW(pageWidthFor(0), base::Error);
    EXPECT_THROW(pageHeightFor(1215 + margin - 1, 1215), base::Error);
}

} // namespace
