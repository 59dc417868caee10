#include "ui/TwipsLayout.h"

#include "ui/Twips.h"

#include <QWidget>

namespace ui {

void place(QWidget *control, const TwipsBox &box)
{
    control->setGeometry(ui::twipsRect(box.left, box.top, box.width, box.height));
}

void setClientSize(QWidget *window, const TwipsSize &size)
{
    window->resize(ui::twipsSize(size.width, size.height));
}

} // namespace ui
