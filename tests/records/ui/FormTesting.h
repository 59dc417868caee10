#pragma once

// Helpers for driving the record forms offscreen: fresh databases, scripted dialogs,
// real clicks and keys.
#include "support/TempFolder.h"
#include "support/ui_ScriptedDialogs.h"
#include "ui/WindowRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace testing_support {

class FormTest : public ::testing::Test
{
protected:
    void TearDown() override { ui::WindowRegistry::clear(); }

    TempProgramFolder folder;
    ScriptedDialogs::Guard dialogs = ScriptedDialogs::install();
};

inline QPushButton *buttonOf(const QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(QLatin1String(name));
}

// Whether a person sees the button (the window itself is shown).
inline bool shows(const QWidget *window, const char *name)
{
    const QPushButton *button = buttonOf(window, name);
    return button && button->isVisible();
}

inline void click(const QWidget *window, const char *name)
{
    QPushButton *button = buttonOf(window, name);
    ASSERT_NE(button, nullptr) << name;
    ASSERT_TRUE(button->isVisible() && button->isEnabled()) << name << " cannot be clicked";
    QTest::mouseClick(button, Qt::LeftButton);
}

template <class W = QWidget> W *control(const QWidget *window, const QString &name)
{
    return window->findChild<W *>(name);
}

// Replaces a box's text the way a person does: select all, then type.
inline void typeInto(const QWidget *window, const QString &name, const QString &text)
{
    QWidget *box = control(window, name);
    ASSERT_NE(box, nullptr) << name.toStdString();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, lines[i]);
    }
}

inline QString statusOf(const QWidget *window)
{
    return control<QLabel>(window, "lblStatus")->text();
}

} // namespace testing_support
