#pragma once

#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

namespace ui {

// A push button named for tests (objectName) and for screen readers (its caption
// without the '&' of its access key), placed at geometry in pixels.
QPushButton *makeButton(QWidget *parent, const char *objectName, const QString &caption, const QRect &geometry = {});

// Changes a button's caption and the name screen readers give it.
void setCaption(QPushButton *button, const QString &caption);

} // namespace ui
