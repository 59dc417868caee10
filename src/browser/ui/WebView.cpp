#include "browser/ui/WebView.h"

#include "base/Error.h"
#include "base/Module.h"
#include "browser/AddressList.h"
#include "browser/WebAddress.h"
#include "browser/WebEngineEnvironment.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace browser {

namespace {

WebEngineFactory &replacedFactory()
{
    static WebEngineFactory factory;
    return factory;
}

std::unique_ptr<WebEngine> makeRealEngine(QWidget *host, const WebEngineEvents &events)
{
    prepareWebEngineEnvironment();
    const auto create = reinterpret_cast<TallowmereCreateWebEngine>(
        base::Module::symbol(QStringLiteral("tallowmere_webengine"), "tallowmere_create_web_engine"));
    std::unique_ptr<WebEngine> engine(create(host, &events));
    if (!engine)
        throw base::Error(QCoreApplication::translate("browser::WebView", "The web engine could not be started."));
    return engine;
}

} // namespace

WebView::WebView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("brwWebBrowser"));
}

WebView::~WebView() = default;

WebView *WebView::create(QWidget *parent)
{
    auto view = std::unique_ptr<WebView>(new WebView(parent));
    WebEngineEvents events;
    WebView *self = view.get();
    events.loadStarted = [self] { emit self->loadStarted(); };
    events.loadFinished = [self](bool ok) { emit self->loadFinished(ok); };
    events.urlChanged = [self](const QUrl &url) { emit self->urlChanged(url); };
    events.titleChanged = [self](const QString &title) { emit self->titleChanged(title); };
    events.downloadRequested = [self](const QUrl &url, const QString &suggestedFileName) {
        return self->askWhereToSave(url, suggestedFileName);
    };
    events.downloadFinished = [self](const QString &path, const QString &error) { self->reportDownload(path, error); };
    const WebEngineFactory &factory = replacedFactory();
    view->m_engine = factory ? factory(self, events) : makeRealEngine(self, events);
    auto *layout = new QVBoxLayout(self);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view->m_engine->widget());
    return view.release();
}

void WebView::setEngineFactory(WebEngineFactory factory)
{
    replacedFactory() = std::move(factory);
}

void WebView::navigate(const QString &address)
{
    m_engine->navigate(webAddress(address));
}

void WebView::back()
{
    m_engine->back();
}

void WebView::forward()
{
    m_engine->forward();
}

void WebView::reload()
{
    m_engine->reload();
}

void WebView::stop()
{
    m_engine->stop();
}

void WebView::home()
{
    navigate(AddressList::homePage());
}

void WebView::search()
{
    navigate(AddressList::searchPage());
}

QUrl WebView::url() const
{
    return m_engine->url();
}

QString WebView::title() const
{
    return m_engine->title();
}

bool WebView::isLoading() const
{
    return m_engine->isLoading();
}

QString WebView::askWhereToSave(const QUrl &url, const QString &suggestedFileName)
{
    QString name = suggestedFileName;
    if (name.isEmpty())
        name = url.fileName();
    if (name.isEmpty())
        name = QStringLiteral("download");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    const QString start = folder.isEmpty() ? name : QDir(folder).filePath(name);
    return ui::Dialogs::saveFileName(window(), tr("Save Download As"), tr("All files (*)"), start);
}

void WebView::reportDownload(const QString &path, const QString &error)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (!error.isEmpty()) {
        ui::Dialogs::message(window(), tr("The file %1 could not be saved: %2").arg(shown, error));
        return;
    }
    const auto answer = ui::Dialogs::ask(window(), tr("The file was saved as %1.\n\nOpen it now?").arg(shown),
                                         ui::Dialogs::Buttons::YesNo);
    if (answer == ui::Dialogs::Answer::Yes && !ui::Dialogs::openUrl(QUrl::fromLocalFile(path)))
        ui::Dialogs::message(window(), tr("No program on this computer opens %1. The file stays where it was saved.")
                                           .arg(QFileInfo(path).fileName()));
}

} // namespace browser
