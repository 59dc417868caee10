#include "WindowTour.h"

#include "PlaceholderEngine.h"
#include "QuietDialogs.h"
#include "WindowSummary.h"
#include "app/ui/GeneralInformation1.h"
#include "app/ui/StartUp.h"
#include "base/Error.h"
#include "browser/ui/FrmBrowser.h"
#include "browser/ui/WebView.h"
#include "db/ProgramFolder.h"
#include "documents/ui/ArticlesWindow.h"
#include "documents/ui/DocumentWindows.h"
#include "documents/ui/EditorWindow.h"
#include "documents/ui/ReportWindow.h"
#include "documents/ui/SelectTemplateWindow.h"
#include "plan/ui/PlanWindow.h"
#include "records/ui/BusinessPerspective.h"
#include "records/ui/BusinessPurpose.h"
#include "records/ui/BusinessType.h"
#include "records/ui/EmployeeInformation.h"
#include "records/ui/LongTermGoals.h"
#include "records/ui/RegisteredAgent.h"
#include "records/ui/ShortTermGoals.h"
#include "rss/ItemList.h"
#include "rss/ui/FrmRssGenerator.h"
#include "ui/WindowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

#include <cstdio>
#include <functional>

namespace screenshots {

namespace {

// A step of the tour that cannot go on: the window or control it names is not there.
struct TourError
{
    QString description;
};

// Runs the event loop until `done` holds or the wait runs out; the web engine needs the
// loop turning, not sleeping, to load and paint.
bool waitUntil(const std::function<bool()> &done, int milliseconds)
{
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() > milliseconds)
            loop.quit();
    });
    poll.start(5);
    if (!done())
        loop.exec();
    return done();
}

template <class W> W &child(const QWidget &window, const char *name)
{
    W *found = window.findChild<W *>(QLatin1String(name));
    if (!found)
        throw TourError{QStringLiteral("%1 has no %2").arg(window.objectName(), QLatin1String(name))};
    return *found;
}

void click(const QWidget &window, const char *name)
{
    auto &button = child<QPushButton>(window, name);
    if (!button.isVisible() || !button.isEnabled())
        throw TourError{QStringLiteral("%1: %2 cannot be clicked").arg(window.objectName(), QLatin1String(name))};
    button.click();
}

// Whether the picture shows anything: a window that failed to paint is one colour.
bool hasContent(const QImage &image)
{
    if (image.isNull())
        return false;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) {
            if (image.pixel(x, y) != first)
                return true;
        }
    }
    return false;
}

// A desktop's dark colour scheme over the whole program while it lives: the text on
// the windows' light picture must stay dark.
class DarkScheme
{
public:
    DarkScheme()
        : m_previous(QApplication::palette())
    {
        QPalette dark;
        const QColor window(0x35, 0x35, 0x35);
        const QColor text(0xee, 0xee, 0xee);
        for (const auto role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase})
            dark.setColor(role, window);
        dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, text);
        QApplication::setPalette(dark);
    }
    ~DarkScheme() { QApplication::setPalette(m_previous); }
    DarkScheme(const DarkScheme &) = delete;
    DarkScheme &operator=(const DarkScheme &) = delete;

private:
    QPalette m_previous;
};

class Tour
{
public:
    Tour(const QString &outputFolder, QuietDialogs &dialogs, bool withWebEngine, bool withSummaries)
        : m_folder(outputFolder)
        , m_dialogs(dialogs)
        , m_withWebEngine(withWebEngine)
        , m_withSummaries(withSummaries)
    {
    }

    int run();

private:
    // Runs one part of the tour; what goes wrong is counted and told, and the tour goes on.
    void part(const char *what, const std::function<void()> &steps);
    void shoot(QWidget &window, const QString &name);
    // Runs `open`, which shows a modal window named `modalName`, shoots that window and
    // closes it.
    void shootModal(const char *modalName, const QString &name, const std::function<void()> &open);

    void mainForm();
    void recordForms();
    void documentWindows();
    void publishingWindow();
    void financialPlan();
    void resourceBrowser();

    app::GeneralInformation1 &mainWindow() const { return ui::WindowRegistry::get<app::GeneralInformation1>(); }

    QDir m_folder;
    QuietDialogs &m_dialogs;
    bool m_withWebEngine;
    bool m_withSummaries;
    int m_failures = 0;
    int m_written = 0;
};

int Tour::run()
{
    if (!m_withWebEngine)
        browser::WebView::setEngineFactory([](QWidget *host, const browser::WebEngineEvents &events) {
            return std::make_unique<PlaceholderEngine>(host, events);
        });
    part("main form", [this] { mainForm(); });
    // The other windows open from the main form's buttons.
    const auto *form = ui::WindowRegistry::existing<app::GeneralInformation1>();
    if (form && form->isVisible()) {
        part("record forms", [this] { recordForms(); });
        part("document windows", [this] { documentWindows(); });
        part("publishing window", [this] { publishingWindow(); });
        part("financial plan", [this] { financialPlan(); });
    }
    part("resource browser", [this] { resourceBrowser(); });
    ui::WindowRegistry::clear();
    browser::WebView::setEngineFactory({});
    std::printf("%d pictures written to %s\n", m_written, qPrintable(QDir::toNativeSeparators(m_folder.path())));
    return m_failures;
}

void Tour::part(const char *what, const std::function<void()> &steps)
{
    try {
        steps();
    } catch (const TourError &error) {
        ++m_failures;
        std::fprintf(stderr, "%s: %s\n", what, qPrintable(error.description));
    } catch (const base::Error &error) {
        ++m_failures;
        std::fprintf(stderr, "%s: %s\n", what, qPrintable(error.description()));
    }
}

void Tour::shoot(QWidget &window, const QString &name)
{
    // Pending layout and painting first, so the picture shows what a person would see.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const QString path = m_folder.filePath(name + QStringLiteral(".png"));
    if (!m_dialogs.messages.isEmpty()) {
        const QString said = m_dialogs.messages.join(QStringLiteral(" / "));
        m_dialogs.messages.clear();
        throw TourError{QStringLiteral("%1: the program said \"%2\"").arg(name, said)};
    }
    if (!window.isVisible())
        throw TourError{QStringLiteral("%1: the window %2 is not shown").arg(name, window.objectName())};
    QImage image = window.grab().toImage();
    if (!hasContent(image))
        throw TourError{QStringLiteral("%1: the window %2 drew nothing").arg(name, window.objectName())};
    // What the window shows goes with its picture: the guide's check compares it with
    // what this build shows.
    image.setText(QLatin1String(FingerprintKey), windowFingerprint(window, db::ProgramFolder::path()));
    // Highest compression: the pictures go into the repository with the guide.
    if (!image.save(path, "PNG", 0))
        throw TourError{QStringLiteral("%1 cannot be written").arg(QDir::toNativeSeparators(path))};
    if (m_withSummaries) {
        QFile summary(m_folder.filePath(name + QStringLiteral(".txt")));
        if (!summary.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || summary.write(windowSummary(window, db::ProgramFolder::path()).join(u'\n').toUtf8() + '\n') < 0
            || !summary.flush())
            throw TourError{QStringLiteral("%1 cannot be written").arg(QDir::toNativeSeparators(summary.fileName()))};
    }
    ++m_written;
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
}

void Tour::shootModal(const char *modalName, const QString &name, const std::function<void()> &open)
{
    QString failure = QStringLiteral("%1: the window %2 did not open").arg(name, QLatin1String(modalName));
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() != QLatin1String(modalName) || !window->isVisible() || !window->isModal())
                continue;
            watch.stop();
            failure.clear();
            try {
                shoot(*window, name);
            } catch (const TourError &error) {
                failure = error.description;
            }
            window->close();
            return;
        }
    });
    watch.start();
    open();
    watch.stop();
    if (!failure.isEmpty())
        throw TourError{failure};
}

void Tour::mainForm()
{
    if (!app::showMainForm())
        throw TourError{QStringLiteral("the main form did not open: ") + m_dialogs.messages.join(u' ')};
    auto &form = mainWindow();
    shoot(form, QStringLiteral("main-form"));
    click(form, "cmdEdit");
    shoot(form, QStringLiteral("main-form-edit"));
    click(form, "cmdCancel");
    click(form, "cmdAdd");
    shoot(form, QStringLiteral("main-form-add"));
    click(form, "cmdCancel");

    // Smaller than its layout (an 800 x 600 screen), the form scrolls.
    const QSize designSize = form.size();
    form.resize(std::min(designSize.width(), 640), std::min(designSize.height(), 480));
    shoot(form, QStringLiteral("main-form-small-window"));
    form.resize(designSize);
    {
        DarkScheme dark;
        shoot(form, QStringLiteral("main-form-dark-scheme"));
    }
}

void Tour::recordForms()
{
    auto &form = mainWindow();
    struct Form
    {
        const char *button; // on the main form's planning menu
        const char *picture;
        std::function<QWidget &()> window;
    };
    const Form forms[] = {
        {"cmdBusinessPurpose", "business-purpose",
         []() -> QWidget & { return ui::WindowRegistry::get<records::BusinessPurpose>(); }},
        {"cmdBusinessType", "business-type",
         []() -> QWidget & { return ui::WindowRegistry::get<records::BusinessType>(); }},
        {"cmdBusinessPerspectives", "business-perspective",
         []() -> QWidget & { return ui::WindowRegistry::get<records::BusinessPerspective>(); }},
        {"cmdEmployeeInformation", "employee-information",
         []() -> QWidget & { return ui::WindowRegistry::get<records::EmployeeInformation>(); }},
        {"cmdLongTermGoals", "long-term-goals",
         []() -> QWidget & { return ui::WindowRegistry::get<records::LongTermGoals>(); }},
        {"cmdShortTermGoals", "short-term-goals",
         []() -> QWidget & { return ui::WindowRegistry::get<records::ShortTermGoals>(); }},
    };
    for (const Form &entry : forms) {
        part(entry.picture, [&] {
            click(form, entry.button);
            QWidget &window = entry.window();
            const QString name = QLatin1String(entry.picture);
            shoot(window, name);
            click(window, "cmdEdit");
            shoot(window, name + QStringLiteral("-edit"));
            click(window, "cmdCancel");
            window.close();
        });
    }
    part("registered-agent", [&] {
        child<QAction>(form, "mnuRegisteredAgent").trigger();
        auto &agent = ui::WindowRegistry::get<records::RegisteredAgent>();
        shoot(agent, QStringLiteral("registered-agent"));
        click(agent, "cmdEdit");
        shoot(agent, QStringLiteral("registered-agent-edit"));
        click(agent, "cmdCancel");
        agent.close();
    });
}

void Tour::documentWindows()
{
    auto &form = mainWindow();
    part("business-report", [&] {
        click(form, "cmdViewReport");
        shoot(documents::reportWindow(), QStringLiteral("business-report"));
        shootModal("PrintPreview", QStringLiteral("business-report-preview"),
                   [] { child<QAction>(documents::reportWindow(), "mnuPrintPreview").trigger(); });
        documents::reportWindow().close();
    });
    part("merged-document", [&] {
        // The first template button: the delivered articles of incorporation.
        click(form, "cmdArticleOfCorporation_1");
        shoot(documents::articlesWindow(), QStringLiteral("merged-document"));
        // The second business has no registered agent: its fields stay as written,
        // highlighted and named under the text.
        click(form, "cmdNext");
        click(form, "cmdArticleOfCorporation_1");
        shoot(documents::articlesWindow(), QStringLiteral("merged-document-missing-fields"));
        click(form, "cmdFirst");
        documents::articlesWindow().close();
    });
    part("template-chooser", [&] {
        child<QAction>(form, "mnuEditTemplate").trigger();
        auto &chooser = documents::selectTemplateWindow();
        auto &names = child<QListWidget>(chooser, "List1");
        const auto found = names.findItems(QStringLiteral("ARTICLES OF INCORPORATION"), Qt::MatchExactly);
        if (found.isEmpty())
            throw TourError{QStringLiteral("the chooser does not list the articles of incorporation")};
        names.setCurrentItem(found.first());
        shoot(chooser, QStringLiteral("template-chooser"));
        click(chooser, "CmdSelect");
        auto &editor = documents::editorWindow();
        child<QListWidget>(editor, "List1").setCurrentRow(1);
        shoot(editor, QStringLiteral("template-editor"));
        // A misspelt merge field is underlined and listed with the name it may mean.
        auto &text = child<QPlainTextEdit>(editor, "Text1");
        const QString stored = text.toPlainText();
        text.moveCursor(QTextCursor::End);
        text.insertPlainText(QStringLiteral("\nOffice: [BusinessAdress]\n"));
        auto &check = child<QListWidget>(editor, "lstFieldCheck");
        if (!waitUntil([&] { return check.count() > 0; }, 5000))
            throw TourError{QStringLiteral("the editor does not list the misspelt merge field")};
        shoot(editor, QStringLiteral("template-editor-field-check"));
        text.setPlainText(stored); // nothing to ask about on closing
        editor.close();
    });
}

void Tour::publishingWindow()
{
    click(mainWindow(), "Command1");
    auto &window = ui::WindowRegistry::get<rss::FrmRssGenerator>();
    window.itemList().finishLoading();
    shoot(window, QStringLiteral("publishing-items"));

    // The list's last columns: the day each item was added and where it was announced.
    // The window scrolls sideways on a small screen; the list keeps its designed width.
    auto *area = window.findChild<QScrollArea *>();
    if (area == nullptr)
        throw TourError{QStringLiteral("the publishing window has no scrolling area")};
    QScrollBar *sideways = area->horizontalScrollBar();
    sideways->setValue(sideways->maximum());
    shoot(window, QStringLiteral("publishing-announced-items"));
    sideways->setValue(0);

    // A double click on an item puts it into the editing boxes below the list.
    auto &list = child<QTreeView>(window, "LstStudenInformation");
    const QModelIndex second = list.model()->index(1, 1);
    list.setCurrentIndex(second);
    emit list.doubleClicked(second);
    shoot(window, QStringLiteral("publishing-edit-item"));
    {
        DarkScheme dark;
        shoot(window, QStringLiteral("publishing-dark-scheme"));
    }
    shootModal("PrintPreview", QStringLiteral("publishing-print-list-preview"),
               [&window] { child<QAction>(window, "mnuPrintList").trigger(); });

    child<QAction>(window, "mnuSubmitRssFile").trigger();
    if (!window.inSubmissionMode())
        throw TourError{QStringLiteral("the publishing window did not switch to its submission mode")};
    child<QListWidget>(window, "List1").setCurrentRow(0);
    shoot(window, QStringLiteral("publishing-submission"));
    window.close();
}

void Tour::financialPlan()
{
    click(mainWindow(), "cmdFinancialPlan");
    auto &window = ui::WindowRegistry::get<plan::ui::PlanWindow>();
    window.resize(1100, 760);
    const struct
    {
        const char *tab;
        const char *picture;
    } pages[] = {
        {"Settings", "financial-plan-settings"}, {"Revenue", "financial-plan-revenue"},
        {"People", "financial-plan-people"},     {"Statements", "financial-plan-statements"},
        {"Charts", "financial-plan-charts"},
    };
    QTabWidget *tabs = window.tabs();
    for (const auto &page : pages) {
        int index = -1;
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == QLatin1String(page.tab))
                index = i;
        }
        if (index < 0)
            throw TourError{QStringLiteral("the plan window has no tab %1").arg(QLatin1String(page.tab))};
        tabs->setCurrentIndex(index);
        shoot(window, QLatin1String(page.picture));
    }
    window.close();
}

void Tour::resourceBrowser()
{
    // The resources page that ships with the program, so the tour reaches no other computer.
    auto &browser = ui::WindowRegistry::get<browser::FrmBrowser>();
    browser.StartingAddress
        = QUrl::fromLocalFile(db::ProgramFolder::filePath(QStringLiteral("BusineeResources.html"))).toString();
    browser.resize(900, 640);
    browser.showWindow();
    const bool loaded = waitUntil(
        [&] {
            return browser.webView() && !browser.webView()->isLoading()
                   && browser.windowTitle() != QLatin1String("Working...");
        },
        30000);
    if (!loaded)
        throw TourError{QStringLiteral("the resources page did not load")};
    if (m_withWebEngine) // the engine paints a moment after the page has loaded
        waitUntil([] { return false; }, 1500);
    shoot(browser, QStringLiteral("resource-browser"));
    browser.close();
}

} // namespace

int takeScreenshots(const QString &outputFolder, QuietDialogs &dialogs, bool withWebEngine, bool withSummaries)
{
    return Tour(outputFolder, dialogs, withWebEngine, withSummaries).run();
}

} // namespace screenshots
