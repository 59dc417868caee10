#pragma once

#include <QRect>
#include <QSize>

class QFont;
class QWidget;

namespace ui {

// A control's place on its window or frame, in twips.
struct TwipsBox
{
    int left;
    int top;
    int width;
    int height;
};

struct TwipsSize
{
    int width;
    int height;
};

// Window layouts are given in twips (1440 to the inch); these turn them into pixels
// with the screen's logical DPI (15 twips to a pixel at 96 DPI) and back, times the
// layout scale below. A rectangle's edges are rounded, so that controls which meet in
// twips meet in pixels; its size may then differ by a pixel from twipsSize()'s.
int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
QRect twipsRect(const TwipsBox &box);
QSize twipsSize(const TwipsSize &size);
// The same for a place worked out as loose numbers.
inline QRect twipsRect(int left, int top, int width, int height)
{
    return twipsRect(TwipsBox{left, top, width, height});
}
inline QSize twipsSize(int width, int height)
{
    return twipsSize(TwipsSize{width, height});
}

// Puts a control at its box; gives a window a client area of this size.
void place(QWidget *control, const TwipsBox &box);
void setClientSize(QWidget *window, const TwipsSize &size);

// The layouts were drawn for text of the size of a 9 pt sans face (DejaVu Sans, the
// default without a desktop). A larger desktop font makes every window larger in the
// same proportion, as desktop platforms scale dialogs with their font, so that text
// keeps the room it was given: the larger of the font's size in points and the room
// its text takes (pixel sizes are whole, and some faces are wider or taller), against
// the design's. Never below 1, so a smaller font leaves the windows at their design
// size; at most 4, so an absurd font cannot make windows of absurd sizes.
double layoutScale(const QFont &font);
// The scale the conversions use: that of the application's font, which follows the
// desktop's, rounded up where above 1 so that a pixel is a whole number of twips.
double layoutScale();

} // namespace ui
