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

TEST(BrowserLayout, OpensLargeUnlessASizeWasKeptAndAlwaysWithinTheScreen)
{
    const QSize design(436, 342);
    const QRect fullHd(0, 0, 1920, 1040);
    const struct
    {
        QSize kept;
        QRect available;
        QSize frame;
        QRect expected;
    } cases[] = {
        // Nothing kept: 1024 x 700, centred.
        {{}, fullHd, {}, {448, 170, 1024, 700}},
        // A frame of 4 px at the sides and bottom and a 26 px title bar stays on the screen too.
        {{}, fullHd, {8, 30}, {448, 181, 1024, 700}},
        // A small screen: the free area, frame included.
        {{}, {0, 0, 800, 600}, {8, 30}, {4, 26, 792, 570}},
        // A second screen to the right, with a panel at its top.
        {{}, {1920, 32, 1280, 992}, {}, {2048, 178, 1024, 700}},
        // The size the person gave, as long as the screen holds it.
        {{1500, 900}, fullHd, {}, {210, 70, 1500, 900}},
        {{3000, 2000}, fullHd, {}, fullHd},
        {{1024, 700}, {0, 0, 800, 600}, {}, {0, 0, 800, 600}},
        // A kept size below the design size is no size to work in.
        {{200, 900}, fullHd, {}, {448, 170, 1024, 700}},
        {design, fullHd, {}, {742, 349, 436, 342}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(browser::openingGeometry(c.kept, design, c.available, c.frame), c.expected)
            << c.kept.width() << "x" << c.kept.height() << " on " << c.available.width() << "x" << c.available.height();
}

} // namespace
