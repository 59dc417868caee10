// The layout checks the window tests lean on find what they promise to find, and
// nothing in a sound window.
#include "support/ui_Layout.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include <gtest/gtest.h>

using testing_support::layoutFaults;

namespace {

template <class W> W *add(QWidget *parent, const char *name, const QRect &place)
{
    auto *control = new W(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    return control;
}

// A window whose labels stand left of and above their boxes, with a frame of buttons
// and a scroll area whose content is taller than what shows.
struct SoundWindow
{
    SoundWindow()
    {
        window.resize(400, 300);
        auto *name = add<QLabel>(&window, "lblName", {10, 10, 80, 20});
        name->setText("Name:");
        name->setBuddy(add<QLineEdit>(&window, "txtName", {100, 10, 200, 20}));
        auto *city = add<QLabel>(&window, "lblCity", {100, 40, 80, 20});
        city->setText("City:");
        city->setBuddy(add<QLineEdit>(&window, "txtCity", {100, 62, 200, 20}));
        frame = add<QGroupBox>(&window, "Frame1", {10, 100, 200, 80});
        add<QPushButton>(frame, "cmdOne", {10, 20, 80, 25});
        add<QPushButton>(frame, "cmdTwo", {100, 20, 80, 25});
        hidden = add<QPushButton>(frame, "cmdHidden", {10, 20, 180, 50});
        hidden->hide();
        auto *area = add<QScrollArea>(&window, "scrollArea", {220, 100, 150, 100});
        auto *content = new QWidget;
        content->resize(130, 400);
        add<QPushButton>(content, "cmdFar", {10, 350, 80, 25});
        area->setWidget(content);
        window.show();
    }

    QWidget window;
    QGroupBox *frame = nullptr;
    QPushButton *hidden = nullptr;
};

TEST(LayoutCheck, ASoundWindowHasNoFaultsHiddenControlsAndScrolledContentIncluded)
{
    SoundWindow sound;
    EXPECT_EQ(layoutFaults(sound.window), QStringList());
}

TEST(LayoutCheck, EachFaultIsNamed)
{
    const struct
    {
        const char *what;
        void (*spoil)(SoundWindow &);
        QString fault;
    } cases[] = {
        {"a button wider than its frame",
         [](SoundWindow &w) { w.window.findChild<QWidget *>("cmdTwo")->resize(120, 25); },
         "cmdTwo: reaches outside Frame1"},
        {"a frame past the window's edge", [](SoundWindow &w) { w.frame->move(250, 100); },
         "Frame1: reaches outside QWidget"},
        {"a shown control over another", [](SoundWindow &w) { w.hidden->show(); }, "cmdOne: overlaps cmdHidden"},
        {"a label right of its box", [](SoundWindow &w) { w.window.findChild<QWidget *>("lblName")->move(310, 10); },
         "lblName: neither left of nor above txtName"},
        {"a label below its box", [](SoundWindow &w) { w.window.findChild<QWidget *>("lblCity")->move(100, 84); },
         "lblCity: neither left of nor above txtCity"},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        SoundWindow spoilt;
        entry.spoil(spoilt);
        EXPECT_TRUE(layoutFaults(spoilt.window).contains(entry.fault))
            << layoutFaults(spoilt.window).join(u'|').toStdString();
    }
}

TEST(LayoutCheck, TextThatItsControlCutsIsNamedAndTextThatFitsIsNot)
{
    const struct
    {
        const char *what;
        void (*spoil)(SoundWindow &);
        const char *cut; // the control named, or none
    } cases[] = {
        {"a caption that fits", [](SoundWindow &w) { w.window.findChild<QPushButton *>("cmdOne")->setText("&Add"); },
         nullptr},
        {"a label too narrow",
         [](SoundWindow &w) { w.window.findChild<QLabel *>("lblName")->setText("Business Name:"); }, "lblName"},
        {"a wrapped label too low",
         [](SoundWindow &w) {
             auto *label = w.window.findChild<QLabel *>("lblCity");
             label->setWordWrap(true);
             label->setText("City, county and state of the business:");
         },
         "lblCity"},
        {"a wrapped label that fits",
         [](SoundWindow &w) {
             auto *label = w.window.findChild<QLabel *>("lblCity");
             label->setWordWrap(true);
             label->resize(80, 60);
             label->setText("City and state:");
         },
         nullptr},
        {"a caption too wide",
         [](SoundWindow &w) { w.window.findChild<QPushButton *>("cmdOne")->setText("Employee Information"); },
         "cmdOne"},
        {"a caption too low",
         [](SoundWindow &w) {
             auto *button = w.window.findChild<QPushButton *>("cmdTwo");
             button->setText("Two");
             button->resize(80, 8);
         },
         "cmdTwo"},
        {"a frame's title too wide",
         [](SoundWindow &w) { w.frame->setTitle("Planning Menu of the Business on Screen"); }, "Frame1"},
        {"a box lower than a line", [](SoundWindow &w) { w.window.findChild<QLineEdit *>("txtCity")->resize(200, 9); },
         "txtCity"},
        {"a caption cut on a control that scrolls out of view",
         [](SoundWindow &w) { w.window.findChild<QPushButton *>("cmdFar")->setText("Manage RSS Feeds"); }, "cmdFar"},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        SoundWindow spoilt;
        entry.spoil(spoilt);
        const QStringList faults = testing_support::cutTexts(spoilt.window);
        if (!entry.cut) {
            EXPECT_EQ(faults, QStringList());
            continue;
        }
        ASSERT_EQ(faults.size(), 1) << faults.join(u'|').toStdString();
        EXPECT_TRUE(faults.first().startsWith(QLatin1String(entry.cut) + QLatin1String(": text cut")))
            << faults.first().toStdString();
        EXPECT_EQ(layoutFaults(spoilt.window), faults);
    }
}

TEST(LayoutCheck, TabOrderListsTheShownControlsThatTakeFocusFromTheFirst)
{
    SoundWindow sound;
    const QStringList order = testing_support::tabOrder(sound.window.findChild<QWidget *>("txtName"));
    EXPECT_EQ(order.mid(0, 4), (QStringList{"txtName", "txtCity", "cmdOne", "cmdTwo"}));
    EXPECT_FALSE(order.contains("cmdHidden"));
}

} // namespace
