#pragma once

#include <QPixmap>

class QWidget;

namespace ui {

// The 1600 x 900 picture that the main form, the single-record forms, the report,
// the merged document and the browser show behind their controls: a banner along
// the top edge with the program's emblem in its top-left corner.
QPixmap backgroundPicture();

// Paints the picture behind a window's controls, anchored at its top-left corner.
void applyBackground(QWidget *window);

} // namespace ui
