#pragma once

#include "QStringPrinter.h"

#include <QRect>
#include <QStringList>

class QWidget;

namespace testing_support {

// What a window promises about where its controls stand, read from the widgets
// themselves rather than from the numbers that placed them, so a check fails when a
// control lands wrong, not when a constant moves. Each returns one line per fault
// ("name: what"), empty when the promise holds. Only what shows counts: hidden
// controls, and the parts of a scroll area's content that scroll, are left out.

// Controls that reach outside the widget they stand in.
QStringList controlsOutside(const QWidget &root);

// Controls that cover another control standing in the same widget (by more than the
// one-pixel sliver that rounding twips to pixels leaves).
QStringList overlappingControls(const QWidget &root);

// Labels that stand neither left of nor above the box they name (their buddy).
QStringList labelsNotBeforeTheirBoxes(const QWidget &root);

// Controls whose own text does not fit them: a label's or a button's caption wider or
// taller than the control, a frame's title wider than the frame, a text box lower than
// a line of its text. The windows are laid out in twips scaled with the desktop font
// (ui::layoutScale()), so the text fits at any font size.
QStringList cutTexts(const QWidget &root);

// All four of the above.
QStringList layoutFaults(const QWidget &root);

// The names of the controls that Tab visits from `first` (which comes first), once round.
QStringList tabOrder(QWidget *first);

// Where the control stands, in `root`'s coordinates.
QRect placeIn(const QWidget &control, const QWidget &root);

} // namespace testing_support
