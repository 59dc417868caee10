#pragma once

class QPainter;
class QRect;
class QWidget;

namespace ui {

// The 1600 x 900 picture that the main form, the single-record forms, the report,
// the merged document and the browser show behind their controls: a banner along
// the top edge with the program's emblem in its top-left corner.
inline constexpr int BackgroundWidth = 1600;
inline constexpr int BackgroundHeight = 900;

// Paints the part of the picture that lies in `area` (picture coordinates).
void paintBackground(QPainter &painter, const QRect &area);

// Shows the picture behind a window's controls, anchored at its top-left corner.
// It is painted as the window is, rather than kept as a 1600 x 900 image. The text
// that sits on it is dark and what fills behind it is light, whatever the colour
// scheme, so labels stay readable under a dark one.
void applyBackground(QWidget *window);

// True when applyBackground() was applied to the widget.
bool hasBackground(const QWidget *widget);

} // namespace ui
