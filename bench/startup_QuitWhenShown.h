#pragma once

// Ends the event loop once a window has been painted for the first time, so a start-up
// is measured up to the moment a person sees the window.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

class QuitWhenShown : public QObject
{
public:
    explicit QuitWhenShown(QWidget *window)
    {
        window->installEventFilter(this);
        QTimer::singleShot(10000, qApp, &QCoreApplication::quit); // never hang a measurement
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};
