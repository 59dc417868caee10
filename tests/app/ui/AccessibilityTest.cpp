// What screen readers and keyboard users get: windows announced as windows, text put
// in through the accessibility interface stored like typed text, every command of the
// main form within reach of the keyboard.
#include "app/ui/MainFormTesting.h"
#include "records/ui/BusinessPurpose.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <map>
#include <optional>
#include <set>

using namespace testing_support;

namespace {

// The letter after a single '&', upper-cased; "&&" shows an '&' and marks nothing.
std::optional<QChar> accessKey(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1].toUpper();
        ++i;
    }
    return std::nullopt;
}

// Two commands under one access key make Qt only move the focus between them, so
// neither runs. A window answers Alt with its menu titles and its shown buttons; an
// open menu answers the letter alone with its items.
void expectDistinctAccessKeys(const QWidget *window)
{
    SCOPED_TRACE(window->objectName().toStdString());
    const auto expectDistinct = [](const QStringList &captions) {
        std::map<QChar, QStringList> holders;
        for (const QString &caption : captions) {
            if (const std::optional<QChar> key = accessKey(caption))
                holders[*key] << caption;
        }
        for (const auto &[key, sharing] : holders)
            EXPECT_EQ(sharing.size(), 1) << "Alt+" << QString(key).toStdString() << " on "
                                         << sharing.join(", ").toStdString();
    };
    QStringList windowKeys;
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        for (const QAction *entry : bar->actions()) {
            windowKeys << entry->text();
            if (!entry->menu())
                continue;
            QStringList items;
            for (const QAction *item : entry->menu()->actions())
                items << item->text();
            expectDistinct(items);
        }
    }
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->isVisible() && button->isEnabled())
            windowKeys << button->text();
    }
    expectDistinct(windowKeys);
}

class AccessibilityTest : public MainFormFixture
{
protected:
    app::GeneralInformation1 &start()
    {
        folder.exec("INSERT INTO BusinessInformation (BusninesName, BusinessCity) VALUES ('Acme Bakery', 'Leeds')");
        folder.exec("INSERT INTO BusinessInformation (BusninesName, BusinessCity) VALUES ('Brook Farm', 'York')");
        return MainFormFixture::start();
    }
};

TEST_F(AccessibilityTest, EveryWindowIsAnnouncedAsAWindowNamedByItsCaption)
{
    auto &form = start();
    for (const char *command :
         {"cmdBusinessPurpose", "cmdBusinessType", "cmdBusinessPerspectives", "cmdEmployeeInformation",
          "cmdLongTermGoals", "cmdShortTermGoals", "cmdViewReport", "cmdArticleOfCorporation_1", "cmdFinancialPlan"})
        click(&form, command);
    trigger(form, "mnuEditTemplate");

    int windows = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || qobject_cast<QMenu *>(window))
            continue;
        ++windows;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(window);
        ASSERT_NE(accessible, nullptr);
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_EQ(accessible->role(), QAccessible::Window);
        EXPECT_FALSE(window->windowTitle().isEmpty());
        EXPECT_EQ(accessible->text(QAccessible::Name), window->windowTitle());
    }
    EXPECT_EQ(windows, 11);
}

TEST_F(AccessibilityTest, EveryAccessKeyOfAWindowRunsOneCommand)
{
    auto *form = &start();
    QApplication::setActiveWindow(form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    // A button pressed by its access key shows the press before it runs.
    QTest::keyClick(form, Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([form] { return shows(form, "cmdUpdate"); }));
    expectDistinctAccessKeys(form);
    QTest::keyClick(form, Qt::Key_C, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([form] { return shows(form, "cmdEdit"); }));
    QTest::keyClick(form, Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([form] { return !form->isVisible(); }));

    ASSERT_TRUE(app::showMainForm());
    for (const char *command : {"cmdBusinessPurpose", "cmdEmployeeInformation", "cmdViewReport",
                                "cmdArticleOfCorporation_1", "Command1", "cmdFinancialPlan"})
        click(form, command);
    trigger(*form, "mnuRegisteredAgent");
    trigger(*form, "mnuEditTemplate");
    int windows = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !qobject_cast<QMenu *>(window)) {
            expectDistinctAccessKeys(window);
            ++windows;
        }
    }
    EXPECT_EQ(windows, 9);
}

TEST_F(AccessibilityTest, TextInsertedByAnAssistiveToolIsStoredButShowingARowChangesNothing)
{
    auto &form = start();
    click(&form, "cmdNext");
    click(&form, "cmdPrevious");
    EXPECT_EQ(statusOf(&form), "Business Currently In System: 2"); // moving made no pending edit

    click(&form, "cmdEdit");
    QAccessibleInterface *name = QAccessible::queryAccessibleInterface(control(&form, "txtFields_2"));
    QAccessibleInterface *city = QAccessible::queryAccessibleInterface(control(&form, "txtFields_5"));
    ASSERT_TRUE(name && name->editableTextInterface() && city && city->editableTextInterface());
    name->editableTextInterface()->insertText(0, "The ");
    city->editableTextInterface()->replaceText(0, 5, "Hull");
    EXPECT_EQ(control<QLineEdit>(&form, "txtFields_2")->text(), "The Acme Bakery");
    click(&form, "cmdUpdate");

    EXPECT_EQ(folder.rows("select BusninesName, BusinessCity from BusinessInformation order by 1"),
              (QStringList{"Brook Farm|York", "The Acme Bakery|Hull"}));
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(AccessibilityTest, TabReachesEveryCommandOfTheMainFormAndTheMenuOpensFromTheKeyboard)
{
    auto &form = start();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    std::set<QString> commands;
    for (QAbstractButton *button : form.findChildren<QAbstractButton *>()) {
        if (button->isVisible() && button->isEnabled())
            commands.insert(button->objectName());
    }
    ASSERT_GE(commands.size(), 15u);
    std::set<QString> reached;
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &form, Qt::Key_Tab);
        if (auto *button = qobject_cast<QAbstractButton *>(QApplication::focusWidget()))
            reached.insert(button->objectName());
    }
    for (const QString &command : commands)
        EXPECT_TRUE(reached.count(command)) << command.toStdString() << " cannot be reached with Tab";

    // Space on a focused button runs it, as a click does.
    QWidget *purpose = buttonOf(&form, "cmdBusinessPurpose");
    purpose->setFocus();
    QTest::keyClick(purpose, Qt::Key_Space);
    EXPECT_TRUE(ui::WindowRegistry::existing<records::BusinessPurpose>() != nullptr);

    // Every menu opens with Alt and its underlined letter (the template commands,
    // hidden as buttons, are in one of them); inside, the arrow keys reach each item.
    QMenuBar *bar = form.findChild<QMenuBar *>();
    ASSERT_NE(bar, nullptr);
    ASSERT_FALSE(bar->actions().isEmpty());
    for (QAction *entry : bar->actions()) {
        const QString caption = entry->text();
        const qsizetype amp = caption.indexOf(u'&');
        ASSERT_TRUE(amp >= 0 && amp + 1 < caption.size()) << caption.toStdString() << " has no mnemonic";
        QApplication::setActiveWindow(&form);
        QTest::keyClick(&form, static_cast<Qt::Key>(caption.at(amp + 1).toUpper().unicode()), Qt::AltModifier);
        EXPECT_TRUE(entry->menu()->isVisible()) << caption.toStdString();
        entry->menu()->close();
    }
    // F10 opens the first menu, File, from wherever the keyboard is.
    QWidget *name = control(&form, "txtFields_2");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_F10);
    QMenu *file = form.findChild<QMenu *>("mnuFile");
    EXPECT_TRUE(QTest::qWaitFor([file] { return file->isVisible(); }));
    file->close();
}

} // namespace
