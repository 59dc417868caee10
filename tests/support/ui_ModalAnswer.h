#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;

namespace testing_support {

// Answers a modal window that the program runs in an event loop of its own (a preview,
// a progress box): while the program waits, the first shown modal window named
// objectName is handed to answer, once. Stops watching when it goes out of scope.
class ModalAnswer
{
public:
    ModalAnswer(const QString &objectName, std::function<void(QWidget &)> answer);
    ~ModalAnswer();
    ModalAnswer(const ModalAnswer &) = delete;
    ModalAnswer &operator=(const ModalAnswer &) = delete;

    // Presses the window's button named button (its objectName); nullptr presses its
    // only button.
    static std::function<void(QWidget &)> click(const char *button);

    bool answered() const { return m_answered; }

private:
    QPointer<QTimer> m_timer;
    bool m_answered = false;
};

} // namespace testing_support
