// Windows laid out in twips grow with the desktop's font, so that text which fits at
// the design's font size fits at any other.
#include "support/ui_WindowFit.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <cmath>

namespace {

QFont designFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    return font;
}

QFont sized(double points)
{
    QFont font = designFont();
    font.setPointSizeF(points);
    return font;
}

QFont sizedInPixels(int pixels)
{
    QFont font = designFont();
    font.setPixelSize(pixels);
    return font;
}

TEST(LayoutScale, TextGivenItsRoomAtTheDesignSizeFitsItAtEveryDesktopFontSize)
{
    // Wide letters, narrow ones, digits and the captions of a form.
    const QString texts[] = {
        QStringLiteral("Business E-mail Address:"),
        QStringLiteral("Employee Information"),
        QStringLiteral("WWWWMMMM"),
        QStringLiteral("illlliiiil.,:;"),
        QStringLiteral("0123456789"),
        QStringLiteral("Reason For Business Market:"),
    };
    const QFont fonts[]
        = {sized(8),  sized(9),  sized(9.5),        sized(10),        sized(10.5),       sized(11),
           sized(12), sized(13), sized(13.5),       sized(14),        sizedInPixels(15), sizedInPixels(17),
           sized(20), sized(28), sizedInPixels(13), sizedInPixels(22)};
    const QFontMetricsF design(designFont());
    for (const QFont &font : fonts) {
        SCOPED_TRACE(font.toString().toStdString());
        const testing_support::DesktopFont desktop(font);
        // Whole pixels, as controls measure their text.
        const QFontMetrics metrics(font);
        for (const QString &text : texts) {
            // Just room enough at the design size, in whole pixels, and the one pixel
            // that rounding the edges of a control to pixels may take.
            const int room = (static_cast<int>(std::ceil(design.horizontalAdvance(text))) + 1) * 15;
            EXPECT_LE(metrics.horizontalAdvance(text), ui::twipsToPixels(room)) << text.toStdString();
        }
        // A line of text keeps its height in a one-line box (285 twips, two pixels of frame each side).
        EXPECT_LE(metrics.height() + 4, ui::twipsToPixels(285));
    }
}

TEST(LayoutScale, GrowsWithTheFontFromTheDesignSizeUpAndNeverBeyondFourTimes)
{
    const struct
    {
        QFont font;
        double least;
        double most;
    } cases[] = {
        {sized(6), 1, 1},        {sized(8), 1, 1},       {sized(9), 1, 1},
        {sized(10), 1.11, 1.2},  {sized(11), 1.22, 1.3}, {sized(12), 1.33, 1.4},
        {sized(14), 1.55, 1.65}, {sized(200), 4, 4},     {sizedInPixels(24), 2, 2.1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.font.toString().toStdString());
        const double scale = ui::layoutScale(c.font);
        EXPECT_GE(scale, c.least);
        EXPECT_LE(scale, c.most);
    }
}

TEST(LayoutScale, ConversionsFollowTheDesktopFontAsItChanges)
{
    {
        const testing_support::DesktopFont desktop(designFont());
        EXPECT_EQ(ui::twipsToPixels(1440), 96); // 15 twips to a pixel at 96 DPI
        EXPECT_EQ(ui::twipsRect(150, 300, 1500, 285), QRect(10, 20, 100, 19));
        EXPECT_EQ(ui::pixelsToTwips(96), 1440);
    }
    {
        const testing_support::DesktopFont desktop(sized(12));
        // At least the font's scale, rounded up to a whole number of twips a pixel.
        const double scale = ui::layoutScale();
        EXPECT_GE(scale, ui::layoutScale(sized(12)));
        EXPECT_LT(scale, ui::layoutScale(sized(12)) * 1.1);
        const int twipsPerPixel = ui::pixelsToTwips(1);
        EXPECT_DOUBLE_EQ(scale, 15.0 / twipsPerPixel);
        EXPECT_EQ(ui::twipsToPixels(1440), std::lround(96 * scale));
        EXPECT_EQ(ui::twipsSize(7200, 360), QSize(std::lround(480 * scale), std::lround(24 * scale)));
        // Pixels become twips and back unchanged, so sizes worked out in twips follow the window.
        for (const int pixels : {1, 7, 120, 333, 1001})
            EXPECT_EQ(ui::twipsToPixels(ui::pixelsToTwips(pixels)), pixels);
        // Controls that meet in twips meet in pixels: edges are rounded, not sizes.
        const QRect first = ui::twipsRect(59, 1560, 1095, 240);
        const QRect second = ui::twipsRect(59 + 1095, 1560 + 240, 1095, 240);
        EXPECT_EQ(first.right() + 1, second.left());
        EXPECT_EQ(first.bottom() + 1, second.top());
    }
    EXPECT_GE(ui::layoutScale(), ui::layoutScale(QApplication::font()));
}

} // namespace
