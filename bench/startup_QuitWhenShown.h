#pragma once

// Ends the event loop once a window has been painted for the first time, so a start-up
// is measured up to the moment a person sees the window. It prints the moment the frame
// is done, on the monotonic clock, as "first-frame NANOSECONDS", for the caller to set
// against the moment it started the process.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

class QuitWhenShown : public QObject
{
public:
    // Watches the window with this object name, made now or later.
    explicit QuitWhenShown(const char *windowName)
        : m_windowName(QLatin1String(windowName))
    {
        qApp->installEventFilter(this);
        QTimer::singleShot(10000, qApp, &QCoreApplication::quit); // never hang a measurement
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted && watched->objectName() == m_windowName) {
            m_painted = true;
            // Runs once the children are painted and the frame is handed to the screen.
            QTimer::singleShot(0, qApp, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("first-frame %lld\n",
                            static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QString m_windowName;
    bool m_painted = false;
};
