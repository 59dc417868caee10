// The web engine module: a QWebEngineView behind browser::WebEngine.
#include "base/ModuleExport.h"
#include "browser/ui/WebEngine.h"

#include <QFileInfo>
#include <QPointer>
#include <QWebEngineDownloadRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

class QtWebEngine final : public browser::WebEngine
{
public:
    QtWebEngine(QWidget *host, const browser::WebEngineEvents &events)
        : m_view(new QWebEngineView(host))
        , m_events(events)
    {
        m_view->setObjectName(QStringLiteral("webEngineView"));
        // A page opened from a file reads no other file of the computer.
        m_view->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
        QWebEnginePage *page = m_view->page();
        QObject::connect(page, &QWebEnginePage::loadStarted, m_view, [this] {
            m_requested = false;
            m_events.loadStarted();
        });
        QObject::connect(page, &QWebEnginePage::loadFinished, m_view, [this](bool ok) {
            m_requested = false;
            m_events.loadFinished(ok);
        });
        QObject::connect(page, &QWebEnginePage::urlChanged, m_view, [this](const QUrl &url) {
            // A jump within the page (an address ending in "#part") changes the address
            // without a load of its own.
            m_requested = false;
            m_events.urlChanged(url);
        });
        QObject::connect(page, &QWebEnginePage::titleChanged, m_view,
                         [this](const QString &title) { m_events.titleChanged(title); });
        // This window has no other windows: a link meant for a new one opens here.
        QObject::connect(page, &QWebEnginePage::newWindowRequested, m_view,
                         [this](QWebEngineNewWindowRequest &request) { navigate(request.requestedUrl()); });
        QObject::connect(page->profile(), &QWebEngineProfile::downloadRequested, m_view,
                         [this](QWebEngineDownloadRequest *download) { offerDownload(download); });
    }

    ~QtWebEngine() override { delete m_view; }

    QWidget *widget() override { return m_view; }

    void navigate(const QUrl &url) override
    {
        // Busy from the request on, not only once the engine reports the start.
        m_requested = true;
        m_view->load(url);
    }

    void back() override { m_view->back(); }
    void forward() override { m_view->forward(); }
    void reload() override { m_view->reload(); }

    void stop() override
    {
        m_view->stop();
        m_requested = false;
    }

    QUrl url() const override { return m_view->url(); }
    QString title() const override { return m_view->title(); }
    bool isLoading() const override { return m_requested || m_view->page()->isLoading(); }

private:
    void offerDownload(QWebEngineDownloadRequest *download)
    {
        // Every view of the program shares the profile: each takes only its own page's files.
        if (download->page() != m_view->page() || download->state() != QWebEngineDownloadRequest::DownloadRequested)
            return;
        m_requested = false;
        const QString path = m_events.downloadRequested
                                 ? m_events.downloadRequested(download->url(), download->suggestedFileName())
                                 : QString();
        if (path.isEmpty()) {
            download->cancel();
            return;
        }
        const QFileInfo target(path);
        download->setDownloadDirectory(target.absolutePath());
        download->setDownloadFileName(target.fileName());
        QObject::connect(download, &QWebEngineDownloadRequest::isFinishedChanged, m_view, [this, download, path] {
            if (!download->isFinished())
                return;
            QString error;
            if (download->state() != QWebEngineDownloadRequest::DownloadCompleted) {
                error = download->interruptReasonString();
                if (error.isEmpty())
                    error = QStringLiteral("The download was cancelled.");
            }
            if (m_events.downloadFinished)
                m_events.downloadFinished(path, error);
        });
        download->accept();
    }

    QPointer<QWebEngineView> m_view;
    browser::WebEngineEvents m_events;
    // A navigation was asked for and the engine has not yet taken it up.
    bool m_requested = false;
};

} // namespace

TALLOWMERE_MODULE_EXPORT browser::WebEngine *tallowmere_create_web_engine(QWidget *host,
                                                                          const browser::WebEngineEvents *events)
{
    return new QtWebEngine(host, *events);
}
