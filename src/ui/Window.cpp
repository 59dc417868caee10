#include "ui/Window.h"

#include "ui/BackgroundPicture.h"
#include "ui/Twips.h"
#include "ui/WindowPlacement.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <utility>

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

QSettings userSettings()
{
    return QSettings(QStringLiteral("Tallowmere"), QStringLiteral("Tallowmere"));
}

// The frame a window manager put around a window earlier in this run: before a window is
// first shown the platform may not know its own frame yet (X11 learns it from the
// window manager once the window is on the screen), and the next one gets the same.
QMargins &knownFrame()
{
    static QMargins frame;
    return frame;
}

QMargins frameOf(const QWidget *window)
{
    // The platform's answer, not the widget's copy, which is renewed only when the
    // window moves or is resized: a frame added later would not show in it.
    if (const QWindow *handle = window->windowHandle(); handle && window->isVisible())
        return handle->frameMargins();
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// The window the person opens this one from: the new one stands beside it.
std::optional<Opener> openerOf(const QWidget *window)
{
    const QWidget *active = QApplication::activeWindow();
    if (!active || active == window || !active->isVisible())
        return std::nullopt;
    Opener opener;
    opener.frame = active->frameGeometry();
    opener.step = std::max(frameOf(active).top(), window->style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *other : windows) {
        if (other != window && other->isVisible() && !other->isMinimized())
            opener.taken << other->frameGeometry().topLeft();
    }
    return opener;
}

const QString GeometryKey = QStringLiteral("/geometry");
const QString MaximizedKey = QStringLiteral("/maximized");
// The layout scale the size was kept at; a size kept before layouts scaled was kept at 1.
const QString ScaleKey = QStringLiteral("/layoutScale");

double keptScale(const QSettings &settings, const QString &key)
{
    const double scale = settings.value(key + ScaleKey, 1.0).toDouble();
    return scale > 0 ? scale : 1.0;
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

Window::~Window()
{
    // The program may end with the window open.
    if (m_loaded)
        keepGeometry();
}

void Window::showWindow()
{
    if (!m_loaded) {
        formLoad();
        m_loaded = true;
        placeOnScreen();
    }
    show();
    if (std::exchange(m_openMaximized, false))
        showMaximized();
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

void Window::closeOnEscape(std::function<void()> action)
{
    m_escapeAction = action ? std::move(action) : [this] { close(); };
}

void Window::keyPressEvent(QKeyEvent *event)
{
    // Reached when the control with the focus passes the key on, as they do with Escape.
    if (m_escapeAction && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_escapeAction();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Window::unloadUnasked()
{
    m_frameUnsettled = false;
    if (m_loaded) {
        keepGeometry();
        formUnload();
        m_loaded = false;
    }
    hide();
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
    m_frameUnsettled = false;
    if (m_loaded) {
        keepGeometry();
        formUnload();
        m_loaded = false;
    }
    m_unloading = false;
    event->accept();
}

void Window::placeOnScreen()
{
    if (m_settingsKey.isEmpty()) {
        const QString name = objectName().isEmpty() ? QString::fromLatin1(metaObject()->className()) : objectName();
        m_settingsKey = QStringLiteral("Windows/") + name;
    }
    const QSettings settings = userSettings();
    std::optional<QRect> kept;
    if (const QVariant value = settings.value(m_settingsKey + GeometryKey); value.canConvert<QRect>())
        kept = value.toRect();
    // A size kept under another desktop font grows or shrinks with the layout.
    if (const double ratio = layoutScale() / keptScale(settings, m_settingsKey); kept && !qFuzzyCompare(ratio, 1.0))
        kept->setSize((QSizeF(kept->size()) * ratio).toSize());
    // A window the person has not placed yet opens beside the one it is opened from.
    const std::optional<Opener> opener = kept ? std::nullopt : openerOf(this);
    // The screen the window was left on while it is still there, or its opener's.
    QScreen *screen = kept ? QGuiApplication::screenAt(kept->center()) : nullptr;
    if (!screen && opener)
        screen = QApplication::activeWindow()->screen();
    if (!screen)
        screen = this->screen();
    if (!screen)
        return;
    if (screen != this->screen())
        setScreen(screen);
    // Made now rather than when shown, so that the frame the window will have is known
    // where the platform tells it in advance.
    create();
    QMargins margins = frameOf(this);
    m_frameUnsettled = margins.isNull() && !(windowFlags() & Qt::FramelessWindowHint);
    if (m_frameUnsettled)
        margins = knownFrame();
    // The design size is the one the load step left; a window never sized by its code
    // is as large as its scrolling body and menu bar need.
    QSize design = size();
    if (!testAttribute(Qt::WA_Resized)) {
        design = m_body ? m_body->minimumSize() : sizeHint();
        if (m_body && layout() && layout()->menuBar())
            design.rheight() += layout()->menuBar()->sizeHint().height();
    }
    const QSize wanted = design.expandedTo(m_openingSize);
    const QScrollArea *area = findChild<QScrollArea *>(QStringLiteral("scrollArea"), Qt::FindDirectChildrenOnly);
    const int scrollBar = area ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area) : 0;
    // Placed in the normal state; one left maximized is maximized once shown, so that
    // the platform knows where it returns to.
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    setGeometry(openingGeometry(wanted, kept, screen->availableGeometry(), margins, scrollBar, opener));
    m_openMaximized = kept && settings.value(m_settingsKey + MaximizedKey).toBool();
}

bool Window::event(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::DeferredDelete)
        return QWidget::event(event); // the window is gone afterwards
    const bool handled = QWidget::event(event);
    if (m_frameUnsettled) {
        switch (type) {
        case QEvent::Show:
            settleFrame();
            if (m_frameUnsettled)
                settleFrameLater(200);
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
        case QEvent::UpdateRequest: settleFrame(); break;
        default: break;
        }
    }
    return handled;
}

void Window::settleFrame()
{
    if (!isVisible() || isMaximized() || isFullScreen() || isMinimized())
        return;
    const QMargins margins = frameOf(this);
    if (margins.isNull())
        return; // not known yet
    m_frameUnsettled = false;
    knownFrame() = margins;
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QRect settled = openingGeometry(size(), geometry(), screen->availableGeometry(), margins);
    if (settled != geometry())
        setGeometry(settled);
}

void Window::settleFrameLater(int triesLeft)
{
    QTimer::singleShot(50, this, [this, triesLeft] {
        if (!m_frameUnsettled)
            return;
        settleFrame();
        if (m_frameUnsettled && triesLeft > 1)
            settleFrameLater(triesLeft - 1);
    });
}

void Window::keepGeometry()
{
    if (m_settingsKey.isEmpty() || isMinimized() || isFullScreen())
        return;
    QSettings settings = userSettings();
    const bool maximized = isMaximized();
    const QRect normal = maximized ? normalGeometry() : geometry();
    if (!normal.isValid())
        return;
    // A place unchanged is not written again: each write replaces the settings file and
    // waits for the disk, which would hold up every closing and the program's end.
    const QString geometryKey = m_settingsKey + GeometryKey;
    const QString maximizedKey = m_settingsKey + MaximizedKey;
    if (!settings.contains(geometryKey) || settings.value(geometryKey).toRect() != normal)
        settings.setValue(geometryKey, normal);
    if (!settings.contains(maximizedKey) || settings.value(maximizedKey).toBool() != maximized)
        settings.setValue(maximizedKey, maximized);
    if (const double scale = layoutScale(); !qFuzzyCompare(keptScale(settings, m_settingsKey), scale))
        settings.setValue(m_settingsKey + ScaleKey, scale);
}

QScrollArea *Window::makeScrollable(QWidget *body)
{
    const bool inLayout = body && layout() && layout()->indexOf(body) >= 0;
    if (!inLayout)
        body = gatherControls();
    auto *area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("scrollArea"));
    area->setFrameShape(QFrame::NoFrame);
    // The scroll area is no stop on the way through the controls with Tab.
    area->setFocusPolicy(Qt::NoFocus);
    if (inLayout) {
        delete layout()->replaceWidget(body, area);
    } else {
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(area);
    }
    const bool picture = hasBackground(body);
    m_body = body;
    area->setWidget(body);
    area->setWidgetResizable(true);
    // The scroll area fills what it holds; the picture paints all of it.
    if (picture)
        applyBackground(body);
    return area;
}

void Window::bringIntoView(QWidget *control)
{
    auto *area = findChild<QScrollArea *>(QStringLiteral("scrollArea"), Qt::FindDirectChildrenOnly);
    if (!area || !area->widget() || !area->widget()->isAncestorOf(control))
        return;
    // The whole control with a little room around it; a text box's own answer would be
    // only its text cursor.
    constexpr int Room = 8;
    const QRect place(control->mapTo(area->widget(), QPoint()), control->size());
    area->ensureVisible(place.center().x(), place.center().y(), place.width() / 2 + Room, place.height() / 2 + Room);
}

QWidget *Window::gatherControls()
{
    auto *body = new QWidget(this);
    body->setObjectName(QStringLiteral("body"));
    body->resize(size());
    const QObjectList children = this->children();
    for (QObject *child : children) {
        auto *control = qobject_cast<QWidget *>(child);
        if (!control || control == body || control->isWindow())
            continue;
        const QRect place = control->geometry();
        const bool hiddenOnPurpose = control->isHidden() && control->testAttribute(Qt::WA_WState_ExplicitShowHide);
        control->setParent(body);
        control->setGeometry(place);
        if (hiddenOnPurpose)
            control->hide();
    }
    body->setMinimumSize(body->size());
    // The picture goes with the controls, behind them.
    if (hasBackground(this))
        applyBackground(body);
    return body;
}

} // namespace ui
