#include "browser/BrowserLayout.h"
#include "base/Error.h"

#include <gtest/gtest.h>

namespace {

TEST(BrowserLayout, SizesFollowTheWindowInsideWithTheirMargins)
{
    EXPECT_EQ(browser::addressWidthFor(6540), 6440);
    EXPECT_EQ(browser::pageWidthFor(6540), 6440);
    EXPECT_EQ(browser::pageHeightFor(5130, 1215), 3815);
    EXPECT_EQ(browser::pageHeightFor(1315, 1215), 0);
}

TEST(BrowserLayout, ASizeThatWouldTurnNegativeIsRefused)
{
    EXPECT_THROW(browser::addressWidthFor(99), base::Error);
    EXPECT_THROW(browser::pageWidthFor(0), base::Error);
    EXPECT_THROW(browser::pageHeightFor(1314, 1215), base::Error);
}

} // namespace
