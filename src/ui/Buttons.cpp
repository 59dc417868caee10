#include "ui/Buttons.h"

#include <QPushButton>

namespace ui {

QPushButton *makeButton(QWidget *parent, const char *objectName, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    setCaption(button, caption);
    if (geometry.isValid())
        button->setGeometry(geometry);
    return button;
}

void setCaption(QPushButton *button, const QString &caption)
{
    button->setText(caption);
    button->setAccessibleName(QString(caption).remove(u'&'));
}

} // namespace ui
