// The web engine module: a QWebEngineView behind browser::WebEngine.
#include "browser/ui/WebEngine.h"

#include <QPointer>
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
        QObject::connect(m_view, &QWebEngineView::loadStarted, m_view, [this] {
            m_loading = true;
            m_events.loadStarted();
        });
        QObject::connect(m_view, &QWebEngineView::loadFinished, m_view, [this](bool ok) {
            m_loading = false;
            m_events.loadFinished(ok);
        });
        QObject::connect(m_view, &QWebEngineView::urlChanged, m_view,
                         [this](const QUrl &url) { m_events.urlChanged(url); });
        QObject::connect(m_view, &QWebEngineView::titleChanged, m_view,
                         [this](const QString &title) { m_events.titleChanged(title); });
    }

    ~QtWebEngine() override { delete m_view; }

    QWidget *widget() override { return m_view; }

    void navigate(const QUrl &url) override
    {
        // Busy from the request on, not only once the engine reports the start.
        m_loading = true;
        m_view->load(url);
    }

    void back() override { m_view->back(); }
    void forward() override { m_view->forward(); }
    void reload() override { m_view->reload(); }

    void stop() override
    {
        m_view->stop();
        m_loading = false;
    }

    QUrl url() const override { return m_view->url(); }
    QString title() const override { return m_view->title(); }
    bool isLoading() const override { return m_loading; }

private:
    QPointer<QWebEngineView> m_view;
    browser::WebEngineEvents m_events;
    bool m_loading = false;
};

} // namespace

extern "C" __attribute__((visibility("default"))) browser::WebEngine *
tallowmere_create_web_engine(QWidget *host, const browser::WebEngineEvents *events)
{
    return new QtWebEngine(host, *events);
}
