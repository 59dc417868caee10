// The desktop's font configuration, loaded on a helper thread while the start goes on.
#include "app/ui/FontsAhead.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QWidget>

#include <gtest/gtest.h>

TEST(FontsAhead, WaitingWithoutAStartOrTwiceIsHarmlessAndTextIsMeasuredAfterwards)
{
    app::fonts::awaitLoaded(); // nothing started: returns at once
    app::fonts::startLoadingAhead();
    app::fonts::startLoadingAhead(); // while the first runs: ignored, not a second thread
    app::fonts::awaitLoaded();
    app::fonts::awaitLoaded();
    EXPECT_FALSE(QFontDatabase::families().isEmpty());
    QWidget window;
    EXPECT_GT(QFontMetrics(window.font()).horizontalAdvance("Business"), 0);

    // A second round, as a second start in the same process would make, works alike.
    app::fonts::startLoadingAhead();
    app::fonts::awaitLoaded();
}
