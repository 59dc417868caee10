#include "app/ui/GeneralInformation1.h"

#include "app/About.h"
#include "app/BusinessFinder.h"
#include "app/BusinessResources.h"
#include "app/Templates.h"
#include "app/UserGuide.h"
#include "app/ui/FileMenu.h"
#include "app/ui/LanguageMenu.h"
#include "app/ui/MainFormLayout.h"
#include "base/FailurePolicy.h"
#include "base/TextFile.h"
#include "browser/ui/FrmBrowser.h"
#include "browser/ui/WebView.h"
#include "db/ProgramFolder.h"
#include "documents/TemplateCatalog.h"
#include "documents/ui/ArticlesWindow.h"
#include "documents/ui/DocumentWindows.h"
#include "documents/ui/ReportWindow.h"
#include "documents/ui/SelectTemplateWindow.h"
#include "plan/ui/PlanWindow.h"
#include "records/StripLayout.h"
#include "records/ui/BusinessPerspective.h"
#include "records/ui/BusinessPurpose.h"
#include "records/ui/BusinessType.h"
#include "records/ui/EmployeeInformation.h"
#include "records/ui/LongTermGoals.h"
#include "records/ui/RegisteredAgent.h"
#include "records/ui/ShortTermGoals.h"
#include "rss/ui/FrmRssGenerator.h"
#include "ui/Buttons.h"
#include "ui/Dialogs.h"
#include "ui/FitCaption.h"
#include "ui/Twips.h"
#include "ui/WindowRegistry.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QHash>
#include <QMenuBar>
#include <QPushButton>

namespace app {

using namespace mainform;

GeneralInformation1::GeneralInformation1(QWidget *parent)
    : TextBoxRecordForm(std::make_unique<BusinessInformationController>(), Fields, Columns, parent)
{
    setObjectName(QStringLiteral("GeneralInformation1"));
    setWindowTitle(tr("General Business Information"));
    // Alt+E belongs to Edit.
    setCloseCaption(tr("E&xit"));
    buildPlanningMenu();
    buildBusinessMenu();
    buildTemplateCommands();
    buildResourcesMenu();
    buildHelpMenu();
    m_fileMenu = new FileMenu(this, menuBar());
    setClientSizeTwips({ClientWidth, DesignClientHeight});
}

GeneralInformation1::~GeneralInformation1() = default;

BusinessInformationController &GeneralInformation1::businesses() const
{
    return static_cast<BusinessInformationController &>(controller());
}

qint64 GeneralInformation1::businessInformationId() const
{
    return businesses().businessInformationId();
}

void GeneralInformation1::buildPlanningMenu()
{
    m_planningMenu = new QGroupBox(tr("Planning Menu"), clientArea());
    m_planningMenu->setObjectName(QStringLiteral("Frame1"));
    m_planningMenu->setGeometry(ui::twipsRect(Menu::Left, Menu::Top, Menu::Width, Menu::Height));

    using Self = GeneralInformation1;
    struct Action
    {
        void (Self::*open)();
        bool handsOver;
    };
    const auto actionOf = [](PlanningCommand command) -> Action {
        switch (command) {
        case PlanningCommand::BusinessPurpose: return {&Self::openPlanningForm<records::BusinessPurpose>, true};
        case PlanningCommand::BusinessType: return {&Self::openPlanningForm<records::BusinessType>, true};
        case PlanningCommand::BusinessPerspectives:
            return {&Self::openPlanningForm<records::BusinessPerspective>, true};
        case PlanningCommand::EmployeeInformation: return {&Self::openPlanningForm<records::EmployeeInformation>, true};
        case PlanningCommand::LongTermGoals: return {&Self::openPlanningForm<records::LongTermGoals>, true};
        case PlanningCommand::ShortTermGoals: return {&Self::openPlanningForm<records::ShortTermGoals>, true};
        case PlanningCommand::BusinessReport: return {&Self::viewReport, true};
        case PlanningCommand::BusinessResources: return {&Self::openBusinessResources, false};
        case PlanningCommand::ManageRssFeeds: return {&Self::manageRssFeeds, false};
        case PlanningCommand::FinancialPlan: return {&Self::openFinancialPlan, true};
        }
        return {nullptr, false};
    };
    for (const PlanningButton &entry : PlanningButtons) {
        QPushButton *button
            = ui::makeButton(m_planningMenu, entry.name, tr(entry.caption),
                             ui::twipsRect(entry.left, entry.top, Menu::ButtonWidth, Menu::ButtonHeight));
        const auto [open, handsOver] = actionOf(entry.command);
        if (open)
            connect(button, &QPushButton::clicked, this, open);
        if (handsOver)
            m_handOverButtons << button;
    }
    m_templatePattern
        = ui::makeButton(m_planningMenu, TemplatePatternName, QString(),
                         ui::twipsRect(Menu::LeftColumn, Menu::Row[3], Menu::ButtonWidth, Menu::ButtonHeight));
    m_templatePattern->hide();
    ui::fitCaptions(m_planningMenu->findChildren<QAbstractButton *>());
    m_templateColumn = new TemplateColumn(TemplateColumnPlace, m_planningMenu);
    m_handOverButtons << m_templateColumn;
    connect(&controller(), &records::RecordFormController::buttonsChanged, this, &GeneralInformation1::enableHandOvers);
}

void GeneralInformation1::buildBusinessMenu()
{
    QMenu *business = menuBar()->addMenu(tr("&Business"));
    business->setObjectName(QStringLiteral("mnuBusiness"));
    QAction *agent = business->addAction(tr("Registered Agent..."));
    agent->setObjectName(QStringLiteral("mnuRegisteredAgent"));
    m_agentAction = agent;
    connect(agent, &QAction::triggered, this, &GeneralInformation1::openPlanningForm<records::RegisteredAgent>);
    business->addSeparator();
    QAction *find = business->addAction(tr("Find Business..."));
    find->setObjectName(QStringLiteral("mnuFindBusiness"));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(find, &QAction::triggered, this, &GeneralInformation1::findBusiness);
    QAction *next = business->addAction(tr("Find Next"));
    next->setObjectName(QStringLiteral("mnuFindNext"));
    next->setShortcut(QKeySequence(Qt::Key_F3));
    connect(next, &QAction::triggered, this, &GeneralInformation1::findNext);
    m_findActions = {find, next};
    // Finding moves like the navigation buttons, so it waits while an edit or a new row is pending.
    connect(&controller(), &records::RecordFormController::buttonsChanged, this, [this] {
        for (QAction *action : std::as_const(m_findActions))
            action->setEnabled(controller().buttons().navigation);
    });
}

void GeneralInformation1::findBusiness()
{
    const QString text = ui::Dialogs::inputText(this, tr("Find the business whose name contains:"), tr("Find Business"),
                                                m_searchedText);
    if (!text.isEmpty())
        findBusinessNamed(text);
}

void GeneralInformation1::findBusinessNamed(const QString &text)
{
    m_searchedText = text;
    findAfter(std::nullopt);
}

void GeneralInformation1::findNext()
{
    if (m_searchedText.isEmpty()) {
        findBusiness();
        return;
    }
    findAfter(businesses().currentKey());
}

void GeneralInformation1::findAfter(std::optional<qint64> key)
{
    reportFailures([this, key] {
        const std::vector<qint64> keys = businessesNamed(m_searchedText);
        // A business stored elsewhere since this form loaded is not among its rows: pass it over.
        std::optional<qint64> candidate = key;
        for (size_t tried = 0; tried < keys.size(); ++tried) {
            candidate = nextKey(keys, candidate);
            if (businesses().moveToBusiness(*candidate))
                return;
        }
        ui::Dialogs::message(this, tr("No business name contains \"%1\".").arg(m_searchedText));
    });
}

void GeneralInformation1::buildTemplateCommands()
{
    const int top = Menu::Top;
    QPushButton *edit = ui::makeButton(clientArea(), "cmdEditTemplate", tr("Edit Tempate"),
                                       ui::twipsRect(HiddenCommandLeft, top, HiddenCommandWidth, Menu::ButtonHeight));
    QPushButton *upload = ui::makeButton(clientArea(), "CmdUpload", tr("Upload Template"),
                                         ui::twipsRect(HiddenCommandLeft, top + Menu::ButtonHeight + Menu::TemplateGap,
                                                       HiddenCommandWidth, Menu::ButtonHeight));
    edit->hide();
    upload->hide();
    connect(edit, &QPushButton::clicked, this, &GeneralInformation1::editTemplate);
    connect(upload, &QPushButton::clicked, this, &GeneralInformation1::uploadTemplate);

    // The same two commands where a person can reach them.
    QMenu *templates = menuBar()->addMenu(tr("&Templates"));
    templates->setObjectName(QStringLiteral("mnuTemplates"));
    QAction *editAction = templates->addAction(tr("&Edit Template..."));
    QAction *uploadAction = templates->addAction(tr("&Upload Template..."));
    editAction->setObjectName(QStringLiteral("mnuEditTemplate"));
    uploadAction->setObjectName(QStringLiteral("mnuUploadTemplate"));
    connect(editAction, &QAction::triggered, edit, &QPushButton::click);
    connect(uploadAction, &QAction::triggered, upload, &QPushButton::click);
}

void GeneralInformation1::useReadAhead(MainFormData readAhead)
{
    m_readAhead = std::move(readAhead);
}

void GeneralInformation1::formLoad()
{
    MainFormData shown = m_readAhead ? std::move(*std::exchange(m_readAhead, std::nullopt)) : MainFormData::read();
    // Everyone sharing an office database sees which server they work on.
    setWindowTitle(shown.shared ? tr("General Business Information - %1").arg(shown.place)
                                : tr("General Business Information"));
    buildTemplateButtons(shown.templateNames);
    controller().useOpenedRecords(std::move(shown.businesses));
    try {
        TextBoxRecordForm::formLoad();
    } catch (...) {
        removeTemplateButtons();
        throw;
    }
}

void GeneralInformation1::formUnload()
{
    removeTemplateButtons();
}

bool GeneralInformation1::queryClose()
{
    if (!TextBoxRecordForm::queryClose())
        return false;
    // Closing the main form ends the program: what another window would lose is asked
    // about first, and if the person keeps one open, nothing closes.
    for (ui::Window *window : ui::WindowRegistry::windows()) {
        if (window != this && !window->confirmClose())
            return false;
    }
    // An upload or announcement is never cut off.
    auto *publishing = ui::WindowRegistry::existing<rss::FrmRssGenerator>();
    return !publishing || publishing->mayEndProgram(nullptr, [this] { close(); });
}

void GeneralInformation1::closeEvent(QCloseEvent *event)
{
    TextBoxRecordForm::closeEvent(event);
    if (!event->isAccepted() || isLoaded())
        return;
    for (ui::Window *window : ui::WindowRegistry::windows()) {
        if (window != this)
            window->unloadUnasked();
    }
    // Also past a window that no registry knows (a download's question, for instance).
    QCoreApplication::quit();
}

void GeneralInformation1::buildTemplateButtons(const QStringList &names)
{
    // A button opens its template by the stored name: lower-casing can change a name's
    // letters (İ becomes i and a dot), and then the caption would find nothing.
    QStringList captions;
    QHash<QString, QString> storedNames;
    for (const QString &name : names) {
        captions << templateCaption(name);
        storedNames.insert(captions.last(), storedNames.value(captions.last(), name));
    }
    m_templateColumn->setTemplates(captions, m_templatePattern->font(), [this, storedNames](const QString &caption) {
        openTemplate(storedNames.value(caption, caption));
    });
    growBy(growthForTemplates(static_cast<int>(names.size())));
}

void GeneralInformation1::removeTemplateButtons()
{
    m_templateColumn->clear();
    growBy(-m_growth);
}

void GeneralInformation1::growBy(int twips)
{
    if (twips == 0)
        return;
    m_growth += twips;
    m_planningMenu->setGeometry(ui::twipsRect(Menu::Left, Menu::Top, Menu::Width, Menu::Height + m_growth));
    setClientSizeTwips({ClientWidth, DesignClientHeight + m_growth});
}

void GeneralInformation1::reportFailures(const std::function<void()> &step)
{
    base::runSteps(base::FailurePolicy::Report, {step},
                   [this](const QString &description) { ui::Dialogs::message(this, description); });
}

bool GeneralInformation1::mayHandOver() const
{
    // While a new business waits for Update the key on hand is the previous business's,
    // and what the other form stored would go to it. An Update that failed leaves the
    // form adding, with Update and Cancel still shown.
    return !controller().addFlag() || controller().buttons().navigation;
}

void GeneralInformation1::enableHandOvers()
{
    const bool enabled = mayHandOver();
    for (QWidget *control : std::as_const(m_handOverButtons))
        control->setEnabled(enabled);
    if (m_agentAction)
        m_agentAction->setEnabled(enabled);
}

template <class Form> void GeneralInformation1::openPlanningForm()
{
    if (!mayHandOver())
        return;
    reportFailures([this] { ui::WindowRegistry::get<Form>().showForBusiness(businessInformationId()); });
}

void GeneralInformation1::manageRssFeeds()
{
    reportFailures([] { ui::WindowRegistry::get<rss::FrmRssGenerator>().showWindow(); });
}

void GeneralInformation1::viewReport()
{
    if (!mayHandOver())
        return;
    reportFailures([this] { documents::reportWindow().showForBusiness(businessInformationId()); });
}

void GeneralInformation1::openFinancialPlan()
{
    if (!mayHandOver())
        return;
    reportFailures(
        [this] { ui::WindowRegistry::get<plan::ui::PlanWindow>().showForBusiness(businessInformationId()); });
}

void GeneralInformation1::openTemplate(const QString &reportName)
{
    if (!mayHandOver())
        return;
    reportFailures(
        [this, &reportName] { documents::articlesWindow().showTemplate(reportName, businessInformationId()); });
}

void GeneralInformation1::editTemplate()
{
    reportFailures([] { documents::selectTemplateWindow().showWindow(); });
}

void GeneralInformation1::openBusinessResources()
{
    const QUrl page = businessResourcesUrl();
    if (ui::Dialogs::openUrl(page))
        return;
    // No program on this desktop opens web pages: the resource browser shows the page.
    const QString failure = showInResourceBrowser(page);
    if (!failure.isEmpty())
        ui::Dialogs::message(this, tr("The business resources page %1 could not be opened: no program on "
                                      "this computer is set up to open web pages, and the resource "
                                      "browser could not start. %2")
                                       .arg(page.toDisplayString(QUrl::PreferLocalFile), failure));
}

// The failure's description; empty when the browser shows the page.
QString GeneralInformation1::showInResourceBrowser(const QUrl &page)
{
    return base::failureOf([&page] {
        auto &browser = ui::WindowRegistry::get<browser::FrmBrowser>();
        const QString address = page.toString(QUrl::FullyEncoded);
        if (browser.isLoaded() && browser.webView())
            browser.webView()->navigate(address);
        else
            browser.StartingAddress = address;
        browser.showWindow();
    });
}

void GeneralInformation1::buildResourcesMenu()
{
    // Alt+R belongs to the Refresh button; S is free.
    QMenu *resources = menuBar()->addMenu(tr("Re&sources"));
    resources->setObjectName(QStringLiteral("mnuResources"));
    QAction *browse = resources->addAction(tr("Resource Browser..."));
    browse->setObjectName(QStringLiteral("mnuResourceBrowser"));
    connect(browse, &QAction::triggered, this, &GeneralInformation1::openResourceBrowser);
}

void GeneralInformation1::openResourceBrowser()
{
    // The web engine loads here, the first time; a failure to load it is reported.
    reportFailures([] {
        auto &browser = ui::WindowRegistry::get<browser::FrmBrowser>();
        browser.StartingAddress = QString();
        browser.showWindow();
    });
}

void GeneralInformation1::buildHelpMenu()
{
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction *guide = help->addAction(tr("&User Guide"));
    guide->setObjectName(QStringLiteral("mnuUserGuide"));
    guide->setShortcut(QKeySequence::HelpContents);
    connect(guide, &QAction::triggered, this, &GeneralInformation1::openUserGuide);
    new LanguageMenu(this, help);
    QAction *about = help->addAction(tr("&About Tallowmere"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &GeneralInformation1::showAbout);
}

void GeneralInformation1::showAbout()
{
    ui::Dialogs::information(this, aboutText(), tr("About Tallowmere"));
}

void GeneralInformation1::openUserGuide()
{
    // The desktop's browser reads the guide's file and the pictures beside it; without
    // one, or when the file is missing, the resource browser shows the copy built in.
    const QString guide = UserGuide::path();
    if (!guide.isEmpty() && ui::Dialogs::openUrl(QUrl::fromLocalFile(guide)))
        return;
    const QString failure = showInResourceBrowser(UserGuide::builtInAddress());
    if (failure.isEmpty())
        return;
    if (guide.isEmpty()) {
        QStringList places;
        for (const QString &place : UserGuide::places())
            places << QDir::toNativeSeparators(place);
        ui::Dialogs::message(this, tr("The user guide could not be found. It was looked for in:\n%1\n\nThe resource "
                                      "browser, which holds a copy of it, could not start. %2")
                                       .arg(places.join(u'\n'), failure));
        return;
    }
    ui::Dialogs::message(this, tr("The user guide %1 could not be opened: no program on this computer "
                                  "is set up to open web pages, and the resource browser could not "
                                  "start. %2")
                                   .arg(QDir::toNativeSeparators(guide), failure));
}

void GeneralInformation1::uploadTemplate()
{
    const QString filePath = ui::Dialogs::openFileName(this, tr("Open"), tr("Text files (*.txt);;All files (*)"));
    if (filePath.isEmpty())
        return;
    reportFailures([&filePath] { storeTemplateFile(filePath); });
}

} // namespace app
