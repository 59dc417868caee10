#pragma once

#include "ui/TwipsLayout.h"

#include <QString>

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

} // namespace ui
