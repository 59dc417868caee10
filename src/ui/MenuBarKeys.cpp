#include "ui/MenuBarKeys.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
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
        const QList<QAction *> actions = m_bar->actions();
        for (QAction *action : actions) {
            if (action->isVisible() && action->isEnabled() && !action->isSeparator()) {
                m_bar->setFocus(Qt::MenuBarFocusReason);
                m_bar->setActiveAction(action);
                return true;
            }
        }
        return false;
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
