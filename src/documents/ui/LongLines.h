#pragma once

#include <QStringView>

class QPlainTextEdit;

namespace documents {

// Wraps a text box's lines so that a very long run without a space (a pasted line of a
// megabyte) does not stall it: while the text holds one, lines wrap at any character;
// otherwise at word boundaries, as usual. Call it with the text before showing it.
void fitWrappingToText(QPlainTextEdit *box, QStringView text);

// Switches the box to wrapping anywhere as soon as a long run without a space is pasted
// or typed in, before the box lays it out; fitWrappingToText switches back once the
// text holds none.
void watchForLongLines(QPlainTextEdit *box);

} // namespace documents
