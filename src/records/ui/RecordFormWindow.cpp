#include "records/ui/RecordFormWindow.h"

#include "records/StripLayout.h"
#include "records/ui/NavigationIcons.h"
#include "ui/BackgroundPicture.h"
#include "ui/Buttons.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/MenuBarKeys.h"
#include "ui/Twips.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace records {

namespace {

struct StripButton
{
    const char *name;
    const char *caption;
    int left;
};

// Update and Cancel stand in Add's and Edit's places; only one pair shows at a time.
constexpr StripButton RecordButtons[] = {
    {"cmdAdd", QT_TRANSLATE_NOOP("records::RecordFormWindow", "&Add"), Strip::AddLeft},
    {"cmdEdit", QT_TRANSLATE_NOOP("records::RecordFormWindow", "&Edit"), Strip::EditLeft},
    {"cmdDelete", QT_TRANSLATE_NOOP("records::RecordFormWindow", "&Delete"), Strip::DeleteLeft},
    {"cmdRefresh", QT_TRANSLATE_NOOP("records::RecordFormWindow", "&Refresh"), Strip::RefreshLeft},
    {"cmdClose", QT_TRANSLATE_NOOP("records::RecordFormWindow", "&Close"), Strip::CloseLeft},
    {"cmdUpdate", QT_TRANSLATE_NOOP("records::RecordFormWindow", "&Update"), Strip::AddLeft},
    {"cmdCancel", QT_TRANSLATE_NOOP("records::RecordFormWindow", "&Cancel"), Strip::EditLeft},
};

struct NavigationButton
{
    const char *name;
    const char *tip;
    NavigationDirection direction;
};

constexpr NavigationButton NavigationButtons[] = {
    {"cmdFirst", QT_TRANSLATE_NOOP("records::RecordFormWindow", "First"), NavigationDirection::First},
    {"cmdPrevious", QT_TRANSLATE_NOOP("records::RecordFormWindow", "Previous"), NavigationDirection::Previous},
    {"cmdNext", QT_TRANSLATE_NOOP("records::RecordFormWindow", "Next"), NavigationDirection::Next},
    {"cmdLast", QT_TRANSLATE_NOOP("records::RecordFormWindow", "Last"), NavigationDirection::Last},
};

QWidget *makeStrip(QWidget *parent, const char *name)
{
    auto *strip = new QWidget(parent);
    strip->setObjectName(QLatin1String(name));
    strip->setAutoFillBackground(true);
    strip->setBackgroundRole(QPalette::Button);
    return strip;
}

} // namespace

RecordFormWindow::RecordFormWindow(std::unique_ptr<RecordFormController> controller, Background background,
                                   QWidget *parent)
    : ui::Window(parent)
    , m_controller(std::move(controller))
{
    // Keys reach the form before the control that has the focus, as with a key preview:
    // the form watches its own widgets, those made later included, and no others.
    watchKeysOf(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    layout->addWidget(m_client);
    if (background == Background::Picture)
        ui::applyBackground(m_client);
    makeScrollable(m_client);
    buildStrips();

    RecordFormController *logic = m_controller.get();
    connect(logic, &RecordFormController::buttonsChanged, this, &RecordFormWindow::applyButtons);
    connect(logic, &RecordFormController::statusChanged, m_status, &QLabel::setText);
    connect(logic, &RecordFormController::errorOccurred, this,
            [this](const QString &description) { ui::Dialogs::message(this, description); });
    connect(logic, &RecordFormController::beepRequested, this, [] { ui::Dialogs::beep(); });
}

RecordFormWindow::~RecordFormWindow() = default;

void RecordFormWindow::watchKeysOf(QObject *widget)
{
    widget->installEventFilter(this);
}

void RecordFormWindow::buildStrips()
{
    m_buttonStrip = makeStrip(m_client, "picButtons");
    m_statusStrip = makeStrip(m_client, "picStatBox");

    for (const StripButton &entry : RecordButtons)
        addStripButton(m_buttonStrip, entry.name, tr(entry.caption), entry.left);
    for (const NavigationButton &entry : NavigationButtons) {
        QPushButton *button = addStripButton(m_statusStrip, entry.name, QString(), 0);
        button->setIcon(navigationIcon(entry.direction));
        button->setIconSize(QSize(16, 16));
        button->setToolTip(tr(entry.tip));
        button->setAccessibleName(tr(entry.tip));
    }
    ui::place(m_buttons[QStringLiteral("cmdFirst")], {Strip::FirstLeft, 0, Strip::NavigationWidth, Strip::Height});
    ui::place(m_buttons[QStringLiteral("cmdPrevious")],
              {Strip::PreviousLeft, 0, Strip::NavigationWidth, Strip::Height});

    m_status = new QLabel(m_statusStrip);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui::place(m_status, {Strip::StatusLeft, 0, 0, Strip::StatusHeight});

    const std::pair<const char *, void (RecordFormController::*)()> actions[] = {
        {"cmdAdd", &RecordFormController::add},
        {"cmdEdit", &RecordFormController::edit},
        {"cmdUpdate", &RecordFormController::update},
        {"cmdCancel", &RecordFormController::cancel},
        {"cmdDelete", &RecordFormController::deleteCurrent},
        {"cmdRefresh", &RecordFormController::refresh},
        {"cmdFirst", &RecordFormController::moveFirst},
        {"cmdPrevious", &RecordFormController::movePrevious},
        {"cmdNext", &RecordFormController::moveNext},
        {"cmdLast", &RecordFormController::moveLast},
    };
    for (const auto &[name, action] : actions)
        connect(m_buttons[QLatin1String(name)], &QPushButton::clicked, this, [this, action] { runCommand(action); });
    connect(m_buttons[QStringLiteral("cmdClose")], &QPushButton::clicked, this, &RecordFormWindow::unload);
    applyButtons();
}

void RecordFormWindow::runCommand(void (RecordFormController::*action)())
{
    // A button pressed by its access key leaves the focus, and so an open cell editor,
    // where it was: what was typed there goes into the row first.
    settleTyping();
    (m_controller.get()->*action)();
    const bool opened = action == &RecordFormController::add || action == &RecordFormController::edit;
    if (opened && (m_controller->addFlag() || m_controller->editFlag()))
        focusFirstField();
}

QPushButton *RecordFormWindow::addStripButton(QWidget *strip, const char *name, const QString &caption, int left)
{
    QPushButton *button
        = ui::makeButton(strip, name, caption, ui::TwipsBox{left, 0, Strip::ButtonWidth, Strip::Height});
    m_buttons.insert(QLatin1String(name), button);
    return button;
}

void RecordFormWindow::setCloseCaption(const QString &caption)
{
    ui::setCaption(m_buttons[QStringLiteral("cmdClose")], caption);
}

QMenuBar *RecordFormWindow::menuBar()
{
    // One bar for every menu of the form.
    if (auto *bar = qobject_cast<QMenuBar *>(layout()->menuBar()))
        return bar;
    auto *bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    ui::openMenuBarOnF10(this, bar);
    return bar;
}

void RecordFormWindow::setClientSizeTwips(const ui::TwipsSize &size)
{
    const QSize client = ui::twipsSize(size);
    const int menuHeight = layout()->menuBar() ? layout()->menuBar()->sizeHint().height() : 0;
    // Smaller than this, the form scrolls rather than squeezing its parts together.
    m_client->setMinimumSize(client);
    resize(client.width(), client.height() + menuHeight);
    m_client->resize(client);
}

void RecordFormWindow::applyButtons()
{
    const ButtonStates &states = m_controller->buttons();
    const std::pair<const char *, bool> visibility[] = {
        {"cmdAdd", states.add},         {"cmdEdit", states.edit},     {"cmdUpdate", states.update},
        {"cmdCancel", states.cancel},   {"cmdDelete", states.remove}, {"cmdClose", states.close},
        {"cmdRefresh", states.refresh},
    };
    for (const auto &[name, visible] : visibility)
        m_buttons[QLatin1String(name)]->setVisible(visible);
    for (const NavigationButton &entry : NavigationButtons)
        m_buttons[QLatin1String(entry.name)]->setEnabled(states.navigation);
}

void RecordFormWindow::layoutStrips()
{
    const int width = m_client->width();
    const int height = m_client->height();
    const int stripHeight = ui::twipsToPixels(Strip::Height);
    m_statusStrip->setGeometry(0, height - stripHeight, width, stripHeight);
    m_buttonStrip->setGeometry(0, height - 2 * stripHeight, width, stripHeight);

    const FormSize size{ui::pixelsToTwips(width) + Strip::FrameAllowance, ui::pixelsToTwips(height)};
    const StripPositions positions = resizeStrips(size, ui::pixelsToTwips(m_status->width()), hasGrid());
    ui::place(m_status, {Strip::StatusLeft, 0, positions.statusWidth, Strip::StatusHeight});
    ui::place(m_buttons[QStringLiteral("cmdNext")], {positions.nextLeft, 0, Strip::NavigationWidth, Strip::Height});
    // Last ends five twips past the strip by design; under a larger font that is a pixel.
    m_buttons[QStringLiteral("cmdLast")]->setGeometry(
        ui::twipsRect({positions.lastLeft, 0, Strip::NavigationWidth, Strip::Height}) & m_statusStrip->rect());
    layoutBody(positions.gridHeight);
}

void RecordFormWindow::formLoad()
{
    m_controller->load();
}

bool RecordFormWindow::queryClose()
{
    settleTyping();
    m_controller->dropUntouchedRow();
    if (!m_controller->hasUnsavedWork())
        return true;
    const auto answer = ui::Dialogs::ask(this, tr("Do you want to save the changes to this record?"),
                                         ui::Dialogs::Buttons::SaveDiscardCancel);
    switch (answer) {
    case ui::Dialogs::Answer::Save: m_controller->update(); return !m_controller->hasUnsavedWork();
    case ui::Dialogs::Answer::Discard: m_controller->cancel(); return true;
    default: return false;
    }
}

bool RecordFormWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType())
            watchKeysOf(child);
        return false;
    }
    if (watched == m_client && event->type() == QEvent::Resize) {
        layoutStrips();
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this) {
        return handleKey(static_cast<QKeyEvent *>(event));
    }
    return ui::Window::eventFilter(watched, event);
}

bool RecordFormWindow::handleKey(QKeyEvent *event)
{
    switch (m_controller->commandForKey(event->key(), event->modifiers())) {
    case KeyCommand::None: return false;
    case KeyCommand::Close: unload(); break;
    case KeyCommand::First: runCommand(&RecordFormController::moveFirst); break;
    case KeyCommand::Last: runCommand(&RecordFormController::moveLast); break;
    case KeyCommand::Previous: runCommand(&RecordFormController::movePrevious); break;
    case KeyCommand::Next: runCommand(&RecordFormController::moveNext); break;
    }
    return true;
}

} // namespace records
