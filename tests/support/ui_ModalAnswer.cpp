#include "support/ui_ModalAnswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace testing_support {

ModalAnswer::ModalAnswer(const QString &objectName, std::function<void(QWidget &)> answer)
    : m_timer(new QTimer(qApp))
{
    m_timer->setInterval(5);
    QObject::connect(m_timer, &QTimer::timeout, m_timer, [this, objectName, answer = std::move(answer)] {
        // Modal windows may nest (a progress box over a window): any shown one counts.
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() != objectName || !window->isVisible() || !window->isModal())
                continue;
            m_timer->stop();
            m_answered = true;
            answer(*window);
            return;
        }
    });
    m_timer->start();
}

ModalAnswer::~ModalAnswer()
{
    delete m_timer.data();
}

std::function<void(QWidget &)> ModalAnswer::click(const char *button)
{
    return [button](QWidget &window) {
        // Without a name, the window's only button (a progress box's Cancel).
        auto *control = button ? window.findChild<QAbstractButton *>(QLatin1String(button))
                               : window.findChild<QAbstractButton *>();
        if (!control) {
            ADD_FAILURE() << "no button " << (button ? button : "at all") << " on "
                          << window.objectName().toStdString();
            return;
        }
        QTest::mouseClick(control, Qt::LeftButton);
    };
}

} // namespace testing_support
