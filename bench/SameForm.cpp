#include "SameForm.h"

#include "app/ui/MainFormLayout.h"
#include "app/ui/TemplateColumn.h"
#include "records/StripLayout.h"
#include "records/ui/NavigationIcons.h"
#include "ui/BackgroundPicture.h"
#include "ui/Buttons.h"
#include "ui/Controls.h"
#include "ui/FitCaption.h"
#include "ui/Twips.h"
#include "ui/Window.h"
#include "ui/WindowPlacement.h"

#include <QActionGroup>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace bench {

namespace {

using namespace app::mainform;
using records::Strip::Height;

// What the form shows of the benchmark database's first business, field by field, and
// its count and templates (bench/BenchmarkDatabase.cpp).
constexpr const char *FirstBusiness[] = {
    "1",        "",         "Business 1",           "1 Main Street",      "", "Springfield", "IL", "62701", "Sangamon",
    "555 0100", "555 0101", "http://example.com/1", "owner1@example.com",
};
static_assert(std::size(FirstBusiness) == std::size(Fields));
constexpr int BusinessCount = 30000;
constexpr int TemplateCount = 100;

struct StripButton
{
    const char *name;
    const char *caption;
    int left;
    bool shown; // while browsing
};

constexpr StripButton RecordButtons[] = {
    {"cmdAdd", "&Add", records::Strip::AddLeft, true},
    {"cmdEdit", "&Edit", records::Strip::EditLeft, true},
    {"cmdDelete", "&Delete", records::Strip::DeleteLeft, true},
    {"cmdRefresh", "&Refresh", records::Strip::RefreshLeft, true},
    {"cmdClose", "E&xit", records::Strip::CloseLeft, true},
    {"cmdUpdate", "&Update", records::Strip::AddLeft, false},
    {"cmdCancel", "&Cancel", records::Strip::EditLeft, false},
};

struct NavigationButton
{
    const char *name;
    const char *tip;
    records::NavigationDirection direction;
};

constexpr NavigationButton NavigationButtons[] = {
    {"cmdFirst", "First", records::NavigationDirection::First},
    {"cmdPrevious", "Previous", records::NavigationDirection::Previous},
    {"cmdNext", "Next", records::NavigationDirection::Next},
    {"cmdLast", "Last", records::NavigationDirection::Last},
};

// The menus: the File menu first, then the form's own.
struct MenuItem
{
    const char *name;
    const char *text;
    QKeySequence shortcut;
    bool separatorBefore = false;
};

struct MenuOutline
{
    const char *name;
    const char *title;
    std::initializer_list<MenuItem> items;
};

// The window frame that the strip arithmetic counts into the form's outer width.
constexpr int FrameAllowance = 120;

class SameFormWindow : public ui::Window
{
public:
    SameFormWindow()
    {
        setObjectName(QStringLiteral("GeneralInformation1"));
        setWindowTitle(QStringLiteral("General Business Information"));
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        m_client = new QWidget(this);
        m_client->setObjectName(QStringLiteral("clientArea"));
        layout->addWidget(m_client);
        ui::applyBackground(m_client);
        makeScrollable(m_client);
        buildStrips();
        buildFields();
        buildPlanningMenu();
        buildMenus();
        m_client->installEventFilter(this);
        growFor(TemplateCount);
    }

    void place()
    {
        QScreen *screen = this->screen();
        if (!screen)
            return;
        create();
        const auto *area = findChild<QScrollArea *>(QStringLiteral("scrollArea"), Qt::FindDirectChildrenOnly);
        const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
        setGeometry(ui::openingGeometry(size(), std::nullopt, screen->availableGeometry(), {}, scrollBar));
    }

protected:
    void formLoad() override { }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_client && event->type() == QEvent::Resize)
            layoutStrips();
        return ui::Window::eventFilter(watched, event);
    }

private:
    QWidget *makeStrip(const char *name)
    {
        auto *strip = new QWidget(m_client);
        strip->setObjectName(QLatin1String(name));
        strip->setAutoFillBackground(true);
        strip->setBackgroundRole(QPalette::Button);
        return strip;
    }

    void buildStrips()
    {
        m_buttonStrip = makeStrip("picButtons");
        m_statusStrip = makeStrip("picStatBox");
        const auto stripPlace = [](int left) { return ui::twipsRect(left, 0, records::Strip::ButtonWidth, Height); };
        for (const StripButton &entry : RecordButtons) {
            QPushButton *button
                = ui::makeButton(m_buttonStrip, entry.name, QLatin1String(entry.caption), stripPlace(entry.left));
            button->setVisible(entry.shown);
        }
        for (const NavigationButton &entry : NavigationButtons) {
            QPushButton *button = ui::makeButton(m_statusStrip, entry.name, QString(), stripPlace(0));
            button->setIcon(records::navigationIcon(entry.direction));
            button->setIconSize(QSize(16, 16));
            button->setToolTip(QLatin1String(entry.tip));
            button->setAccessibleName(QLatin1String(entry.tip));
            m_navigation << button;
        }
        const int navigationWidth = records::Strip::NavigationWidth;
        m_navigation[0]->setGeometry(ui::twipsRect(records::Strip::FirstLeft, 0, navigationWidth, Height));
        m_navigation[1]->setGeometry(ui::twipsRect(records::Strip::PreviousLeft, 0, navigationWidth, Height));
        m_status = new QLabel(QStringLiteral("Business Currently In System: %1").arg(BusinessCount), m_statusStrip);
        m_status->setObjectName(QStringLiteral("lblStatus"));
        m_status->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_status->setGeometry(ui::twipsRect(records::Strip::StatusLeft, 0, 0, records::Strip::StatusHeight));
    }

    void layoutStrips()
    {
        const int width = m_client->width();
        const int height = m_client->height();
        const int stripHeight = ui::twipsToPixels(Height);
        m_statusStrip->setGeometry(0, height - stripHeight, width, stripHeight);
        m_buttonStrip->setGeometry(0, height - 2 * stripHeight, width, stripHeight);
        const records::FormSize size{ui::pixelsToTwips(width) + FrameAllowance, ui::pixelsToTwips(height)};
        const records::StripPositions positions
            = records::resizeStrips(size, ui::pixelsToTwips(m_status->width()), false);
        const int navigationWidth = records::Strip::NavigationWidth;
        m_status->setGeometry(
            ui::twipsRect(records::Strip::StatusLeft, 0, positions.statusWidth, records::Strip::StatusHeight));
        m_navigation[2]->setGeometry(ui::twipsRect(positions.nextLeft, 0, navigationWidth, Height));
        m_navigation[3]->setGeometry(ui::twipsRect(positions.lastLeft, 0, navigationWidth, Height)
                                     & m_statusStrip->rect());
    }

    void buildFields()
    {
        for (size_t i = 0; i < std::size(Fields); ++i) {
            const records::FieldSpec &entry = Fields[i];
            const QString labelText = QString::fromUtf8(entry.label);
            auto *label = new QLabel(labelText, m_client);
            label->setObjectName(QStringLiteral("lblLabels_%1").arg(i));
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setGeometry(ui::twipsRect(Columns.labelLeft, entry.top, Columns.labelWidth, entry.height));
            QLineEdit *box = ui::keepWholeText(new QLineEdit(m_client));
            box->setObjectName(QStringLiteral("txtFields_%1").arg(i));
            box->setAccessibleName(labelText);
            box->setGeometry(ui::twipsRect(Columns.boxLeft, entry.top, entry.width, entry.height));
            label->setBuddy(box);
            if (entry.kind == FieldKind::Hidden) {
                box->hide();
                label->hide();
            }
            box->setText(QString::fromUtf8(FirstBusiness[i]));
            box->setCursorPosition(0);
        }
    }

    void buildPlanningMenu()
    {
        m_planningMenu = new QGroupBox(QStringLiteral("Planning Menu"), m_client);
        m_planningMenu->setObjectName(QStringLiteral("Frame1"));
        for (const PlanningButton &entry : PlanningButtons)
            ui::makeButton(m_planningMenu, entry.name, QLatin1String(entry.caption),
                           ui::twipsRect(entry.left, entry.top, Menu::ButtonWidth, Menu::ButtonHeight));
        QPushButton *pattern
            = ui::makeButton(m_planningMenu, TemplatePatternName, QString(),
                             ui::twipsRect(Menu::LeftColumn, Menu::Row[3], Menu::ButtonWidth, Menu::ButtonHeight));
        pattern->hide();
        ui::fitCaptions(m_planningMenu->findChildren<QAbstractButton *>());
        auto *column = new app::TemplateColumn(TemplateColumnPlace, m_planningMenu);

        const int top = Menu::Top;
        ui::makeButton(m_client, "cmdEditTemplate", QStringLiteral("Edit Tempate"),
                       ui::twipsRect(HiddenCommandLeft, top, HiddenCommandWidth, Menu::ButtonHeight))
            ->hide();
        ui::makeButton(m_client, "CmdUpload", QStringLiteral("Upload Template"),
                       ui::twipsRect(HiddenCommandLeft, top + Menu::ButtonHeight + Menu::TemplateGap,
                                     HiddenCommandWidth, Menu::ButtonHeight))
            ->hide();

        QStringList captions;
        for (int i = 1; i <= TemplateCount; ++i)
            captions << QStringLiteral("Template %1").arg(i);
        column->setTemplates(captions, pattern->font(), [](const QString &) {});
    }

    void buildMenus()
    {
        auto *bar = new QMenuBar(this);
        layout()->setMenuBar(bar);
        const MenuOutline menus[] = {
            {"mnuFile",
             "&File",
             {{"mnuBackUp", "&Back Up...", {}}, {"mnuExportBusinesses", "&Export Businesses...", {}}}},
            {"mnuBusiness",
             "&Business",
             {{"mnuRegisteredAgent", "Registered Agent...", {}},
              {"mnuFindBusiness", "Find Business...", QKeySequence(Qt::CTRL | Qt::Key_F), true},
              {"mnuFindNext", "Find Next", QKeySequence(Qt::Key_F3)}}},
            {"mnuTemplates",
             "&Templates",
             {{"mnuEditTemplate", "&Edit Template...", {}}, {"mnuUploadTemplate", "&Upload Template...", {}}}},
            {"mnuResources", "Re&sources", {{"mnuResourceBrowser", "Resource Browser...", {}}}},
            {"mnuHelp",
             "&Help",
             {{"mnuUserGuide", "&User Guide", QKeySequence(QKeySequence::HelpContents)},
              {"mnuLanguage", "&Language", {}},
              {"mnuAbout", "&About Tallowmere", {}}}},
        };
        for (const MenuOutline &outline : menus) {
            QMenu *menu = bar->addMenu(QLatin1String(outline.title));
            menu->setObjectName(QLatin1String(outline.name));
            for (const MenuItem &item : outline.items) {
                if (item.separatorBefore)
                    menu->addSeparator();
                if (qstrcmp(item.name, "mnuLanguage") == 0) {
                    addLanguageMenu(menu, QLatin1String(item.text));
                    continue;
                }
                QAction *action = menu->addAction(QLatin1String(item.text));
                action->setObjectName(QLatin1String(item.name));
                if (!item.shortcut.isEmpty())
                    action->setShortcut(item.shortcut);
            }
        }
    }

    // Help > Language: the system's language, chosen, and each shipped one by its own name.
    static void addLanguageMenu(QMenu *help, const QString &title)
    {
        QMenu *menu = help->addMenu(title);
        menu->setObjectName(QStringLiteral("mnuLanguage"));
        auto *group = new QActionGroup(menu);
        const char *const choices[][2]
            = {{"", "&System language"}, {"de", "Deutsch"}, {"es", "Español"}, {"fr", "Français"}, {"en", "English"}};
        for (const auto &[code, text] : choices) {
            QAction *action = menu->addAction(QString::fromUtf8(text));
            action->setObjectName(*code ? QStringLiteral("mnuLanguage_") + QLatin1String(code)
                                        : QStringLiteral("mnuLanguageSystem"));
            action->setCheckable(true);
            action->setActionGroup(group);
            action->setChecked(!*code);
            if (!*code)
                menu->addSeparator();
        }
    }

    // The planning menu and the form grow with the templates, as the form's load does.
    void growFor(int templates)
    {
        const int growth = growthForTemplates(templates);
        m_planningMenu->setGeometry(ui::twipsRect(Menu::Left, Menu::Top, Menu::Width, Menu::Height + growth));
        const QSize client = ui::twipsSize(ClientWidth, DesignClientHeight + growth);
        m_client->setMinimumSize(client);
        resize(client.width(), client.height() + layout()->menuBar()->sizeHint().height());
        m_client->resize(client);
    }

    QWidget *m_client = nullptr;
    QWidget *m_buttonStrip = nullptr;
    QWidget *m_statusStrip = nullptr;
    QLabel *m_status = nullptr;
    QList<QPushButton *> m_navigation;
    QGroupBox *m_planningMenu = nullptr;
};

} // namespace

std::unique_ptr<QWidget> buildSameForm()
{
    auto window = std::make_unique<SameFormWindow>();
    window->place();
    return window;
}

} // namespace bench
