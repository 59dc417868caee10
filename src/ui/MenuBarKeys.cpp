#include "ui/MenuBarKeys.h"

#include <QAction>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>

namespace ui {

void openMenuBarOnF10(QWidget *window, QMenuBar *bar)
{
    auto *key = new QShortcut(QKeySequence(Qt::Key_F10), window);
    key->setObjectName(QStringLiteral("menuBarKey"));
    QObject::connect(key, &QShortcut::activated, bar, [bar = QPointer<QMenuBar>(bar)] {
        if (!bar)
            return;
        const QList<QAction *> actions = bar->actions();
        for (QAction *action : actions) {
            if (action->isVisible() && action->isEnabled() && !action->isSeparator()) {
                bar->setFocus(Qt::MenuBarFocusReason);
                bar->setActiveAction(action);
                return;
            }
        }
    });
}

} // namespace ui
