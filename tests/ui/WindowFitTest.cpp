// Windows on screens of any size: where they open, what they keep, how their controls
// scroll on a small screen, and their text under a dark colour scheme.
#include "support/ui_WindowFit.h"
#include "ui/BackgroundPicture.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Twips.h"
#include "ui/Window.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(WindowPlacement, OpensWhereLeftOrCentredAndAlwaysWholeOnTheScreen)
{
    const QRect fullHd(0, 0, 1920, 1040);
    const QRect small(0, 0, 800, 600);
    const QRect right(1920, 32, 1280, 992); // a second screen with a panel at its top
    const QMargins frame(4, 26, 4, 4);
    const std::optional<QRect> none;
    const struct
    {
        const char *what;
        QSize wanted;
        std::optional<QRect> kept;
        QRect available;
        QMargins frame;
        int scrollBar;
        QRect expected;
    } cases[] = {
        {"centred", {1024, 700}, none, fullHd, {}, 0, {448, 170, 1024, 700}},
        {"centred with its frame", {1024, 700}, none, fullHd, frame, 0, {448, 181, 1024, 700}},
        {"on the second screen", {1024, 700}, none, right, {}, 0, {2048, 178, 1024, 700}},
        {"shrunk to a small screen", {1024, 700}, none, small, frame, 0, {4, 26, 792, 570}},
        {"too tall: room for the bar", {480, 640}, none, small, {}, 16, {152, 0, 496, 600}},
        {"too wide: room for the bar", {900, 400}, none, small, {}, 16, {0, 92, 800, 416}},
        {"too large: no more room", {900, 700}, none, small, {}, 16, {0, 0, 800, 600}},
        {"kept where it was", {436, 342}, QRect(100, 120, 1500, 900), fullHd, {}, 0, {100, 120, 1500, 900}},
        {"kept smaller than its design", {436, 342}, QRect(100, 120, 200, 150), fullHd, {}, 0, {100, 120, 200, 150}},
        {"kept, on the second screen", {436, 342}, QRect(2000, 100, 800, 600), right, {}, 0, {2000, 100, 800, 600}},
        {"kept, larger than the screen", {436, 342}, QRect(-50, 0, 3000, 2000), fullHd, {}, 0, fullHd},
        {"kept, partly off to the right",
         {436, 342},
         QRect(1500, 800, 1024, 700),
         fullHd,
         {},
         0,
         {896, 340, 1024, 700}},
        {"kept, above the top", {436, 342}, QRect(-300, -200, 500, 400), fullHd, frame, 0, {4, 26, 500, 400}},
        {"kept, on a screen now gone", {436, 342}, QRect(5000, 40, 500, 400), small, {}, 0, {300, 40, 500, 400}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ui::openingGeometry(c.wanted, c.kept, c.available, c.frame, c.scrollBar), c.expected) << c.what;
}

TEST(WindowPlacement, ANewWindowStandsBesideItsOpenerApartFromTheOthersAndAKeptPlaceWins)
{
    const QRect fullHd(0, 0, 1920, 1040);
    const QMargins frame(4, 26, 4, 4);
    const QRect opener(100, 100, 808, 630);
    const std::optional<QRect> none;
    const struct
    {
        const char *what;
        std::optional<QRect> kept;
        QRect openerFrame;
        QList<QPoint> taken;
        QRect expected;
    } cases[] = {
        {"a title bar down and right", none, opener, {opener.topLeft()}, {130, 152, 400, 300}},
        {"past a window already there", none, opener, {opener.topLeft(), {126, 126}}, {156, 178, 400, 300}},
        {"near enough counts as there", none, opener, {{128, 125}}, {156, 178, 400, 300}},
        {"kept on the screen", none, QRect(1500, 800, 400, 200), {}, {1516, 736, 400, 300}},
        {"placed before: where it was left", QRect(300, 200, 400, 300), opener, {}, {300, 200, 400, 300}},
    };
    for (const auto &c : cases) {
        const ui::Opener from{c.openerFrame, c.taken, 26};
        EXPECT_EQ(ui::openingGeometry({400, 300}, c.kept, fullHd, frame, 0, from), c.expected) << c.what;
    }
}

// A window of fixed controls larger than the small test screen (1000 x 800 pixels),
// with the background picture and a label on it.
class FixedWindow : public ui::Window
{
public:
    FixedWindow()
    {
        setObjectName(QStringLiteral("fixedWindow"));
        ui::setClientSize(this, {15000, 12000});
        ui::applyBackground(this);
        label = new QLabel(QStringLiteral("&Name:"), this);
        label->setObjectName(QStringLiteral("lblName"));
        ui::place(label, {120, 1500, 1500, 285});
        name = new QLineEdit(this);
        name->setObjectName(QStringLiteral("txtName"));
        ui::place(name, {1700, 1500, 3000, 285});
        label->setBuddy(name);
        hidden = ui::makeButton(this, "cmdHidden", QStringLiteral("Hidden"), {120, 600, 1200, 375});
        hidden->hide();
        farCorner = ui::makeButton(this, "cmdFar", QStringLiteral("Far"), {13500, 11400, 1200, 375});
        makeScrollable();
    }

    QScrollArea *scrollArea() const { return findChild<QScrollArea *>(); }

    QLabel *label;
    QLineEdit *name;
    QPushButton *hidden;
    QPushButton *farCorner;

protected:
    void formLoad() override { }
};

class WindowFit : public ::testing::Test
{
protected:
    void SetUp() override
    {
        small = testing_support::smallScreen();
        ASSERT_NE(small, nullptr) << "the tests run with a small second screen";
    }

    QScreen *small = nullptr;
};

TEST_F(WindowFit, OnALargeScreenTheControlsLieAtTheirDesignPlacesWithoutScrollBars)
{
    FixedWindow window;
    window.showWindow();
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window.frameGeometry()));
    EXPECT_EQ(window.size(), ui::twipsSize(15000, 12000));
    EXPECT_EQ(QRect(window.farCorner->mapTo(&window, QPoint()), window.farCorner->size()),
              ui::twipsRect(13500, 11400, 1200, 375));
    EXPECT_EQ(window.label->mapTo(&window, QPoint()), ui::twipsRect(120, 1500, 0, 0).topLeft());
    // The scroll bars settle once the window has taken its size.
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.scrollArea()->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(window.scrollArea()->verticalScrollBar()->isVisible());
    EXPECT_TRUE(window.farCorner->isVisible());
    EXPECT_FALSE(window.hidden->isVisible());
}

TEST_F(WindowFit, OnASmallScreenTheWindowFitsAndItsControlsScrollIntoView)
{
    FixedWindow window;
    window.setScreen(small);
    window.showWindow();
    QCoreApplication::processEvents();
    EXPECT_TRUE(small->availableGeometry().contains(window.frameGeometry())) << window.frameGeometry().width();
    QScrollArea *area = window.scrollArea();
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
    // Nothing squeezed: the controls keep their places, the far corner out of view.
    EXPECT_EQ(window.farCorner->geometry(), ui::twipsRect(13500, 11400, 1200, 375));
    EXPECT_TRUE(testing_support::inView(window.name));
    EXPECT_FALSE(testing_support::inView(window.farCorner));
    EXPECT_FALSE(window.hidden->isVisible());

    // Tab goes from control to control, the scroll area no stop on the way, and the
    // control that gets the focus is brought into view.
    window.name->setFocus();
    QTest::keyClick(window.name, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.farCorner);
    EXPECT_TRUE(testing_support::inView(window.farCorner));
}

TEST_F(WindowFit, AWindowNotPlacedYetOpensBesideTheOneItIsOpenedFromAndAPlacedOneWhereItWasLeft)
{
    class Plain : public ui::Window
    {
    public:
        explicit Plain(const char *name)
        {
            setObjectName(QLatin1String(name));
            resize(300, 200);
        }

    protected:
        void formLoad() override { }
    };
    Plain opener("openerWindow");
    Plain first("firstOpened");
    Plain second("secondOpened");
    opener.showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&opener));
    first.showWindow();
    QApplication::setActiveWindow(&opener);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&opener));
    second.showWindow();

    const QPoint step = first.frameGeometry().topLeft() - opener.frameGeometry().topLeft();
    EXPECT_GT(step.x(), 0);
    EXPECT_EQ(step.x(), step.y());
    // Opened from the same window, the second does not cover the first.
    EXPECT_EQ(second.frameGeometry().topLeft() - first.frameGeometry().topLeft(), step);

    // Once placed by the person, a window opens where it was left.
    const QRect given(320, 240, 300, 200);
    first.setGeometry(given);
    first.close();
    QApplication::setActiveWindow(&opener);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&opener));
    first.showWindow();
    EXPECT_EQ(first.geometry(), given);
}

TEST_F(WindowFit, KeepsThePlaceAndSizeGivenFromOneShowingAndOneRunToTheNext)
{
    const QRect given(200, 150, 700, 500);
    {
        FixedWindow window;
        window.showWindow();
        window.setGeometry(given);
        window.close();
        EXPECT_FALSE(window.isVisible());
        window.showWindow();
        EXPECT_EQ(window.geometry(), given);
        // The program ends with the window open.
        window.resize(800, 600);
    }
    FixedWindow again;
    again.showWindow();
    EXPECT_EQ(again.geometry(), QRect(given.topLeft(), QSize(800, 600)));
    EXPECT_TRUE(again.scrollArea()->verticalScrollBar()->isVisible());

    // Raised again while open, it stays where it is.
    again.move(300, 300);
    const QRect moved = again.geometry();
    again.showWindow();
    EXPECT_EQ(again.geometry(), moved);
}

TEST_F(WindowFit, ClosingAWindowWhereItWasLeavesTheSettingsFileUntouched)
{
    const QString file = QSettings(QStringLiteral("Tallowmere"), QStringLiteral("Tallowmere")).fileName();
    const QDateTime longAgo(QDate(2001, 1, 1), QTime(0, 0));
    const auto lastWritten = [&file] { return QFileInfo(file).lastModified(); };
    FixedWindow window;
    window.showWindow();
    window.setGeometry(200, 150, 700, 500);
    window.close();
    ASSERT_TRUE(QFileInfo::exists(file));
    {
        QFile settings(file);
        ASSERT_TRUE(settings.open(QIODevice::ReadWrite));
        ASSERT_TRUE(settings.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }

    window.showWindow();
    window.close();
    EXPECT_EQ(lastWritten(), longAgo);

    window.showWindow();
    window.move(260, 150);
    window.close();
    EXPECT_NE(lastWritten(), longAgo);
    window.showWindow();
    EXPECT_EQ(window.pos(), QPoint(260, 150));
}

TEST_F(WindowFit, ASizeKeptUnderOneDesktopFontOpensInProportionUnderAnother)
{
    QFont design = QApplication::font();
    design.setPointSizeF(9);
    QFont larger = design;
    larger.setPointSizeF(12);
    const QRect given(200, 150, 700, 500);
    {
        const testing_support::DesktopFont desktop(design);
        FixedWindow window;
        window.showWindow();
        window.setGeometry(given);
        window.close();
    }
    const testing_support::DesktopFont desktop(larger);
    const double scale = ui::layoutScale();
    ASSERT_GT(scale, 1.3);
    FixedWindow window;
    window.showWindow();
    EXPECT_EQ(window.geometry().topLeft(), given.topLeft());
    EXPECT_NEAR(window.width(), given.width() * scale, 1);
    EXPECT_NEAR(window.height(), given.height() * scale, 1);
    // Kept again under this font, it opens at the size it was given.
    window.resize(1000, 700);
    window.close();
    window.showWindow();
    EXPECT_EQ(window.size(), QSize(1000, 700));
}

TEST_F(WindowFit, AWindowLeftMaximizedOpensMaximizedOverItsKeptPlace)
{
    const QRect given(200, 150, 700, 500);
    FixedWindow window;
    window.showWindow();
    window.setGeometry(given);
    window.showMaximized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(window.isMaximized());
    window.close();

    window.showWindow();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isMaximized());
    window.showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.geometry(), given);
}

TEST_F(WindowFit, APlaceKeptOnAScreenThatIsGoneOpensOnTheScreenThereIs)
{
    {
        FixedWindow window;
        window.showWindow();
        window.setGeometry(6000, 4000, 700, 500);
        window.close();
    }
    FixedWindow window;
    window.showWindow();
    EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()))
        << window.geometry().x() << "," << window.geometry().y();
    EXPECT_EQ(window.size(), QSize(700, 500));
}

TEST_F(WindowFit, UnderADarkSchemeTheTextOnThePictureStaysDarkOnLight)
{
    testing_support::DarkScheme dark;
    FixedWindow window;
    window.showWindow();
    EXPECT_EQ(testing_support::unreadableLabels(window), QStringList());
    // The controls' own colours still follow the scheme.
    EXPECT_EQ(window.name->palette().color(QPalette::Base), testing_support::darkPalette().color(QPalette::Base));
    EXPECT_EQ(window.farCorner->palette().color(QPalette::ButtonText),
              testing_support::darkPalette().color(QPalette::ButtonText));
}

TEST(InputBox, APasswordBoxShowsDotsAndAnOrdinaryOneTheText)
{
    const std::pair<ui::Dialogs::Echo, QLineEdit::EchoMode> cases[] = {
        {ui::Dialogs::Echo::Password, QLineEdit::Password},
        {ui::Dialogs::Echo::Normal, QLineEdit::Normal},
    };
    for (const auto &[echo, expected] : cases) {
        QLineEdit::EchoMode shown = QLineEdit::NoEcho;
        // The real input box, answered as soon as it shows.
        QTimer::singleShot(0, [&shown] {
            auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!box)
                return;
            shown = box->findChild<QLineEdit *>()->echoMode();
            box->setTextValue(QStringLiteral("s3cret"));
            box->accept();
        });
        const QString typed
            = ui::Dialogs::inputText(nullptr, QStringLiteral("Enter Password"), QStringLiteral("Test"), {}, echo);
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(typed, QStringLiteral("s3cret"));
    }
}

} // namespace
