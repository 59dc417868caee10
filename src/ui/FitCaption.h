#pragma once

#include <QList>
#include <QString>

class QAbstractButton;

namespace ui {

// Gives a group of buttons of one fixed width one font in which every caption fits:
// the buttons' own font, else a condensed face, else a smaller size down to a floor.
// A caption that still does not fit is shortened, its full text becoming the tool-tip.
// Layouts sized in twips assume a narrower font than ours.
void fitCaptions(const QList<QAbstractButton *> &buttons);

// Shortens a caption that does not fit its button in the button's font, the full text
// becoming the tool-tip.
void elideCaption(QAbstractButton *button);

// Widens a button that a layout sizes to at least the room its whole caption takes
// inside the bevel: the style's own size hint leaves less for longer translations.
void widenToCaption(QAbstractButton *button);

// The caption as drawn: a single '&' marks a mnemonic, "&&" shows one '&'.
QString shownCaption(const QString &caption);

} // namespace ui
