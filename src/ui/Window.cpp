#include "ui/Window.h"

#include <QAccessibleWidget>
#include <QCloseEvent>

namespace ui {

namespace {

// A plain QWidget is exposed as a "filler"; screen readers announce only frames and
// dialogs as windows. The name stays the caption (QAccessibleWidget's default).
QAccessibleInterface *accessibleWindow(const QString &, QObject *object)
{
    if (auto *window = qobject_cast<Window *>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

} // namespace

Window::Window(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&accessibleWindow);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void Window::showWindow()
{
    if (!m_loaded) {
        formLoad();
        m_loaded = true;
    }
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void Window::reload()
{
    if (!m_loaded)
        return;
    formUnload();
    try {
        formLoad();
    } catch (...) {
        m_loaded = false;
        hide();
        throw;
    }
}

bool Window::unload()
{
    if (!m_loaded && !isVisible())
        return true;
    return close();
}

void Window::closeEvent(QCloseEvent *event)
{
    if (m_unloading) {
        event->accept();
        return;
    }
    if (m_loaded && !queryClose()) {
        event->ignore();
        return;
    }
    m_unloading = true;
    if (m_loaded) {
        formUnload();
        m_loaded = false;
    }
    m_unloading = false;
    event->accept();
}

} // namespace ui
