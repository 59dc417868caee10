#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace ui {

// Window layouts are given in twips (1440 to the inch); these turn them into pixels
// with the screen's logical DPI (15 twips to a pixel at 96 DPI) and back.
int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
QRect twipsRect(int left, int top, int width, int height);
QSize twipsSize(int width, int height);

} // namespace ui
