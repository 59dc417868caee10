#include "ui/Window.h"

#include <QCloseEvent>

namespace ui {

Window::Window(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
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
    emit unloaded();
}

} // namespace ui
