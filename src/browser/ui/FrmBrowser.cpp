#include "browser/ui/FrmBrowser.h"

#include "base/Error.h"
#include "base/FailurePolicy.h"
#include "browser/AddressList.h"
#include "browser/BrowserLayout.h"
#include "browser/WebAddress.h"
#include "browser/ui/AddressBox.h"
#include "browser/ui/BrowserWindowLayout.h"
#include "browser/ui/ToolbarIcons.h"
#include "browser/ui/WebView.h"
#include "ui/BackgroundPicture.h"
#include "ui/Dialogs.h"
#include "ui/Twips.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace browser {

namespace {

namespace Layout = BrowserWindowLayout;

constexpr int TimerInterval = 5; // milliseconds

struct ToolBarButton
{
    const char *key;
    QKeySequence shortcut;
};

// The keys people know from other browsers.
// The key names the button to the code and, translated, to the person.
const ToolBarButton ToolBarButtons[] = {
    {QT_TRANSLATE_NOOP("browser::FrmBrowser", "Back"), QKeySequence(Qt::ALT | Qt::Key_Left)},
    {QT_TRANSLATE_NOOP("browser::FrmBrowser", "Forward"), QKeySequence(Qt::ALT | Qt::Key_Right)},
    {QT_TRANSLATE_NOOP("browser::FrmBrowser", "Stop"), QKeySequence(Qt::Key_Escape)},
    {QT_TRANSLATE_NOOP("browser::FrmBrowser", "Refresh"), QKeySequence(Qt::Key_F5)},
    {QT_TRANSLATE_NOOP("browser::FrmBrowser", "Home"), QKeySequence(Qt::ALT | Qt::Key_Home)},
    {QT_TRANSLATE_NOOP("browser::FrmBrowser", "Search"), QKeySequence()},
};

void endSilently(std::initializer_list<base::Step> steps)
{
    base::runSteps(base::FailurePolicy::EndSilently, steps);
}

} // namespace

QString FrmBrowser::designCaption()
{
    return tr("Resource Browser");
}

FrmBrowser::FrmBrowser(QWidget *parent)
    : ui::Window(parent)
{
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowTitle(designCaption());
    ui::setClientSize(this, Layout::Client);
    // Large enough for web sites' full layout.
    setOpeningSize(QSize(1024, 700));
    ui::applyBackground(this);
    buildToolBar();
    buildAddressStrip();
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("timTimer"));
    m_timer->setInterval(TimerInterval);
    connect(m_timer, &QTimer::timeout, this, &FrmBrowser::showProgress);
}

void FrmBrowser::buildToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolBar->setIconSize(ui::twipsSize({Layout::ToolBarIcon, Layout::ToolBarIcon}));
    // The toolbar and the address strip are solid, as the page is; the picture shows
    // around them.
    m_toolBar->setAutoFillBackground(true);
    m_toolBar->setGeometry(0, 0, width(), ui::twipsToPixels(Layout::ToolBarHeight));
    for (const ToolBarButton &entry : ToolBarButtons) {
        const QString name = QLatin1String(entry.key);
        const QString shown = tr(entry.key);
        QAction *action = m_toolBar->addAction(toolbarIcon(name), shown);
        action->setObjectName(name);
        action->setToolTip(shown);
        action->setData(name);
        action->setShortcut(entry.shortcut);
        QWidget *button = m_toolBar->widgetForAction(action);
        button->setObjectName(name);
        button->setAccessibleName(shown);
        // Toolbar buttons take no focus by default; here Tab reaches them.
        button->setFocusPolicy(Qt::TabFocus);
    }
    connect(m_toolBar, &QToolBar::actionTriggered, this,
            [this](QAction *action) { pressToolBarButton(action->data().toString()); });
}

void FrmBrowser::buildAddressStrip()
{
    m_addressStrip = new QWidget(this);
    m_addressStrip->setObjectName(QStringLiteral("picAddress"));
    m_addressStrip->setAutoFillBackground(true);
    ui::place(m_addressStrip, Layout::AddressStrip);
    m_addressLabel = new QLabel(tr("&Address:"), m_addressStrip);
    m_addressLabel->setObjectName(QStringLiteral("lblAddress"));
    ui::place(m_addressLabel, Layout::AddressLabel);
    m_address = new AddressBox(m_addressStrip);
    m_address->setObjectName(QStringLiteral("cboAddress"));
    m_address->setAccessibleName(tr("Address"));
    m_address->setEditable(true);
    // The list changes only as pages are visited, never by what is typed.
    m_address->setInsertPolicy(QComboBox::NoInsert);
    m_address->setCompleter(nullptr);
    ui::place(m_address, Layout::AddressBox);
    m_addressLabel->setBuddy(m_address);
    fillPresetAddresses();
    connect(m_address, &AddressBox::addressChosen, this, &FrmBrowser::chooseAddress);
    auto *toAddress = new QAction(this);
    toAddress->setObjectName(QStringLiteral("actGoToAddress"));
    toAddress->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(toAddress, &QAction::triggered, this, [this] {
        m_address->setFocus(Qt::ShortcutFocusReason);
        m_address->lineEdit()->selectAll();
    });
    addAction(toAddress);
}

void FrmBrowser::fillPresetAddresses()
{
    QScopedValueRollback<bool> quiet(dontNavigate, true);
    m_address->clear();
    m_address->addItems(AddressList::presets());
    m_address->setCurrentIndex(-1);
}

void FrmBrowser::createWebView()
{
    m_view = WebView::create(this);
    ui::place(m_view, Layout::Page);
    connect(m_view, &WebView::loadStarted, this, [this] { m_timer->start(); });
    connect(m_view, &WebView::loadFinished, this, &FrmBrowser::showPageName);
    connect(m_view, &WebView::titleChanged, this, [this] {
        if (!m_view->isLoading())
            showPageName();
    });
    connect(m_view, &WebView::urlChanged, this, &FrmBrowser::recordVisit);
    setTabOrder(m_address, m_view);
    m_view->show();
}

void FrmBrowser::formLoad()
{
    if (!m_view)
        createWebView();
    endSilently({
        [this] { m_toolBar->update(); },
        [this] { fitToWindow(); },
        [this] {
            m_address->move(ui::twipsToPixels(Layout::AddressBoxLeftWhenLoaded),
                            m_addressLabel->y() + m_addressLabel->height()
                                + ui::twipsToPixels(Layout::AddressBoxGapBelowLabel));
        },
        [this] { openStartingAddress(); },
    });
}

void FrmBrowser::openStartingAddress()
{
    if (StartingAddress.isEmpty())
        return;
    m_address->setEditText(StartingAddress);
    {
        QScopedValueRollback<bool> quiet(dontNavigate, true);
        m_address->addItem(StartingAddress);
    }
    m_timer->start();
    view().navigate(StartingAddress);
}

void FrmBrowser::formUnload()
{
    // The next showing starts afresh: no page, the preset list, the design caption;
    // only the place and size the person gave the window stay.
    m_timer->stop();
    if (m_view) {
        m_view->disconnect(this);
        m_view->hide();
        m_view->deleteLater();
        m_view = nullptr;
    }
    fillPresetAddresses();
    setWindowTitle(designCaption());
}

void FrmBrowser::pressToolBarButton(const QString &key)
{
    endSilently({[this, &key] {
        m_timer->start();
        if (key == u"Back") {
            view().back();
        } else if (key == u"Forward") {
            view().forward();
        } else if (key == u"Refresh") {
            view().reload();
        } else if (key == u"Home") {
            view().home();
        } else if (key == u"Search") {
            view().search();
        } else if (key == u"Stop") {
            m_timer->stop();
            view().stop();
            setCaptionToPageName();
        }
    }});
}

void FrmBrowser::chooseAddress()
{
    if (dontNavigate)
        return;
    // An address refused outright gets a word; one the engine cannot open ends quietly.
    const QString refusal = refusalOf(m_address->currentText());
    if (!refusal.isEmpty()) {
        ui::Dialogs::message(this, refusal);
        return;
    }
    endSilently({[this] {
        m_timer->start();
        view().navigate(m_address->currentText());
    }});
}

void FrmBrowser::showProgress()
{
    endSilently({[this] {
        if (view().isLoading()) {
            setWindowTitle(tr("Working..."));
            return;
        }
        m_timer->stop();
        setCaptionToPageName();
    }});
}

void FrmBrowser::resizeEvent(QResizeEvent *event)
{
    ui::Window::resizeEvent(event);
    fitToWindow();
}

void FrmBrowser::fitToWindow()
{
    // The toolbar and the address strip run along the whole top edge.
    m_toolBar->resize(width(), m_toolBar->height());
    m_addressStrip->resize(width(), m_addressStrip->height());
    const int innerWidth = ui::pixelsToTwips(width());
    const int innerHeight = ui::pixelsToTwips(height());
    endSilently({
        [this, innerWidth] { m_address->resize(ui::twipsToPixels(addressWidthFor(innerWidth)), m_address->height()); },
        [this, innerWidth] { view().resize(ui::twipsToPixels(pageWidthFor(innerWidth)), view().height()); },
        [this, innerHeight] {
            view().resize(view().width(), ui::twipsToPixels(pageHeightFor(innerHeight, Layout::StripBottom)));
        },
    });
}

void FrmBrowser::showPageName()
{
    endSilently({[this] { setCaptionToPageName(); }});
}

void FrmBrowser::recordVisit()
{
    endSilently({[this] {
        setCaptionToPageName();
        const QString current = view().url().toString();
        if (current.isEmpty())
            return;
        QStringList entries;
        for (int i = 0; i < m_address->count(); ++i)
            entries << m_address->itemText(i);
        entries = AddressList::afterVisit(entries, current);
        QScopedValueRollback<bool> quiet(dontNavigate, true);
        m_address->clear();
        m_address->addItems(entries);
        m_address->setCurrentIndex(0);
    }});
}

WebView &FrmBrowser::view() const
{
    if (!m_view)
        throw base::Error(tr("The resource browser has no page."));
    return *m_view;
}

void FrmBrowser::setCaptionToPageName()
{
    // Without a page there is no name to show; a blank caption would help nobody.
    const QString name = view().title();
    setWindowTitle(name.isEmpty() ? designCaption() : name);
}

} // namespace browser
