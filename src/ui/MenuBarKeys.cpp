#include "ui/MenuBarKeys.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace ui {

namespace {

// Watches the window for an F10 that no control took, and opens the bar's first menu.
class MenuBarKey : public QObject
{
public:
    MenuBarKey(QWidget *window, QMenuBar *bar)
        : QObject(window)
        , m_bar(bar)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !m_bar)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::NoModifier)
            return false;
        QAction *first = firstUsable(m_bar->actions());
        if (!first)
            return false;
        m_bar->setFocus(Qt::MenuBarFocusReason);
        m_bar->setActiveAction(first);
        // As with Alt and a letter, the first command is highlighted for the arrow keys.
        if (QMenu *menu = first->menu())
            menu->setActiveAction(firstUsable(menu->actions()));
        return true;
    }

    static QAction *firstUsable(const QList<QAction *> &actions)
    {
        for (QAction *action : actions) {
            if (action->isVisible() && action->isEnabled() && !action->isSeparator())
                return action;
        }
        return nullptr;
    }

private:
    QPointer<QMenuBar> m_bar;
};

} // namespace

void openMenuBarOnF10(QWidget *window, QMenuBar *bar)
{
    new MenuBarKey(window, bar);
}

} // namespace ui
