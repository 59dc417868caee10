#pragma once

#include "ui/Twips.h"

#include <QString>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace ui {

// Controls placed in twips, named for tests (objectName) and screen readers.
QPushButton *makeButton(QWidget *window, const char *objectName, const QString &caption, const TwipsBox &box);
QPlainTextEdit *makeTextBox(QWidget *window, const char *objectName, const QString &accessibleName,
                            const TwipsBox &box);
QListWidget *makeList(QWidget *window, const char *objectName, const QString &accessibleName, const TwipsBox &box);

// Lets a one-line box hold a stored text whole: QLineEdit cuts its text at 32,767
// characters unless told otherwise, and a save would store the cut text. Returns box.
QLineEdit *keepWholeText(QLineEdit *box);

// A tool tip shows rich text when its text looks like markup: names from templates and
// the database go through this to be shown as written.
QString plainToolTip(const QString &text);

// The text exactly as a multi-line box holds it, lines ended by LF: toPlainText() would
// turn non-breaking spaces into spaces and line separators (U+2028) into line breaks.
QString heldText(const QPlainTextEdit *box);

} // namespace ui
