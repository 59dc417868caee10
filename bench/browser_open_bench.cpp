// Whole-process timing of the resource browser: from the request to open it to a
// local page loaded with its title in the caption, the first time (the web engine
// loads) and again after closing it. Prints milliseconds; run it several times.
#include "browser/ui/FrmBrowser.h"
#include "browser/ui/WebView.h"
#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace {

const QString PageTitle = QStringLiteral("Local page");

// Opens the browser on the address and returns the milliseconds until the page's
// title is the caption, or -1 when that did not happen within a minute.
qint64 openOn(const QString &address)
{
    QElapsedTimer clock;
    clock.start();
    auto &window = ui::WindowRegistry::get<browser::FrmBrowser>();
    window.StartingAddress = address;
    window.showWindow();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (window.windowTitle() == PageTitle || clock.elapsed() > 60000)
            loop.quit();
    });
    poll.start(1);
    loop.exec();
    return window.windowTitle() == PageTitle ? clock.elapsed() : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QTemporaryDir folder;
    // The window keeps its size in the user's settings; the benchmark leaves those alone.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QFile page(folder.filePath(QStringLiteral("page.html")));
    if (!page.open(QIODevice::WriteOnly))
        return 1;
    page.write("<html><head><title>Local page</title></head><body><h1>Local page</h1></body></html>");
    page.close();
    const QString address = QUrl::fromLocalFile(page.fileName()).toString();

    const qint64 first = openOn(address);
    ui::WindowRegistry::get<browser::FrmBrowser>().close();
    const qint64 again = openOn(address);
    std::printf("first opening to a local page shown: %lld ms\nagain after closing: %lld ms\n",
                static_cast<long long>(first), static_cast<long long>(again));
    ui::WindowRegistry::clear();
    return first < 0 || again < 0 ? 1 : 0;
}
