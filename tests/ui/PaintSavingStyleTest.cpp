// The quicker style draws what the style under it draws: its copies of a box's panel
// are told apart by everything that changes the panel's look.
#include "ui/PaintSavingStyle.h"
#include "support/ui_WindowFit.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionFrame>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// The largest difference in any channel of any pixel. Copying a panel drawn on a clear
// pixmap rounds its soft edges a step differently from drawing it in place.
int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            for (const int d : {p.red() - q.red(), p.green() - q.green(), p.blue() - q.blue(), p.alpha() - q.alpha()})
                largest = std::max(largest, std::abs(d));
        }
    }
    return largest;
}

QImage painted(const QStyle &style, const QStyleOptionFrame &option, const QWidget *widget)
{
    QImage image(340, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xf4, 0xf1, 0xea));
    QPainter painter(&image);
    style.drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, widget);
    return image;
}

// A box's panel as a box of `box`'s kind is drawn, one pixel wide.
QStyleOptionFrame panel(const QWidget &box, const QRect &rect, QStyle::State state, const QPalette &palette,
                        Qt::LayoutDirection direction = Qt::LeftToRight)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.rect = rect;
    option.state = state;
    option.palette = palette;
    option.palette.setCurrentColorGroup(state & QStyle::State_Enabled ? QPalette::Active : QPalette::Disabled);
    option.direction = direction;
    option.lineWidth = 1;
    return option;
}

TEST(PaintSavingStyle, EachBoxPanelLooksAsTheStyleUnderneathDrawsIt)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    const ui::PaintSavingStyle quicker(QStyleFactory::create("Fusion"));
    QLineEdit box;
    const QPalette light = fusion->standardPalette();
    const QPalette dark = testing_support::darkPalette();
    const QStyle::State enabled = QStyle::State_Enabled;
    const struct
    {
        const char *what;
        QRect rect;
        QStyle::State state;
        QPalette palette;
        Qt::LayoutDirection direction;
    } cases[] = {
        // One after the other through one cache: a copy made for one must not serve the next.
        {"plain", {10, 8, 296, 19}, enabled, light, Qt::LeftToRight},
        {"the same, elsewhere", {30, 30, 296, 19}, enabled, light, Qt::LeftToRight},
        {"with the focus", {10, 8, 296, 19}, enabled | QStyle::State_HasFocus, light, Qt::LeftToRight},
        {"disabled", {10, 8, 296, 19}, QStyle::State_None, light, Qt::LeftToRight},
        {"dark scheme", {10, 8, 296, 19}, enabled, dark, Qt::LeftToRight},
        {"another size", {4, 4, 120, 40}, enabled, light, Qt::LeftToRight},
        {"right to left", {10, 8, 296, 19}, enabled | QStyle::State_HasFocus, light, Qt::RightToLeft},
        {"plain again", {10, 8, 296, 19}, enabled, light, Qt::LeftToRight},
    };
    for (const auto &c : cases) {
        const QStyleOptionFrame option = panel(box, c.rect, c.state, c.palette, c.direction);
        EXPECT_LE(largestDifference(painted(quicker, option, &box), painted(*fusion, option, &box)), 2) << c.what;
    }
}

TEST(PaintSavingStyle, TheCasesAboveLookDifferent)
{
    // Else the table would pass with one copy for all.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    QLineEdit box;
    const QRect place(10, 8, 296, 19);
    const QStyleOptionFrame plain = panel(box, place, QStyle::State_Enabled, fusion->standardPalette());
    const QStyleOptionFrame focused
        = panel(box, place, QStyle::State_Enabled | QStyle::State_HasFocus, fusion->standardPalette());
    const QStyleOptionFrame dark = panel(box, place, QStyle::State_Enabled, testing_support::darkPalette());
    EXPECT_GT(largestDifference(painted(*fusion, focused, &box), painted(*fusion, plain, &box)), 20);
    EXPECT_GT(largestDifference(painted(*fusion, dark, &box), painted(*fusion, plain, &box)), 20);
}

TEST(PaintSavingStyle, ABoxInsideAComboBoxKeepsItsPanelUndrawn)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    const ui::PaintSavingStyle quicker(QStyleFactory::create("Fusion"));
    QLineEdit plainBox;
    QComboBox combo;
    combo.setEditable(true);
    const QStyleOptionFrame option
        = panel(plainBox, QRect(10, 8, 296, 19), QStyle::State_Enabled, fusion->standardPalette());
    // A plain box first, so that a copy of its panel is at hand.
    painted(quicker, option, &plainBox);
    EXPECT_LE(largestDifference(painted(quicker, option, combo.lineEdit()), painted(*fusion, option, combo.lineEdit())),
              2);
}

} // namespace
