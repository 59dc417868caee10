// FTP uploads and announcements against peers on this machine, so the figures show the
// program's own cost per transfer and per item, not a network's. Also prints how long
// loading the network module takes, the cost that start-up no longer pays.
#include "LocalServer.h"
#include "base/Module.h"
#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Schema.h"
#include "rss/Announcement.h"
#include "rss/FtpUpload.h"
#include "rss/net/TransferModule.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using testing_support::LocalServer;
using testing_support::waitUntil;

void BM_FtpUpload(benchmark::State &state)
{
    QTemporaryDir root;
    QTemporaryDir local;
    const QString path = local.filePath(QStringLiteral("feed.xml"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray(state.range(0), 'x'));
    file.close();
    LocalServer server(QStringLiteral("ftp_server.py"), {root.path(), QStringLiteral("u"), QStringLiteral("p")});
    const rss::FtpAccount account{QStringLiteral("127.0.0.1:%1").arg(server.port()), QStringLiteral("u"),
                                  QStringLiteral("p"), QString()};
    rss::FtpUpload upload;
    bool ended = false;
    bool ok = true;
    QObject::connect(&upload, &rss::FtpUpload::finished, [&](bool success, const QString &) {
        ended = true;
        ok = ok && success;
    });
    for (auto _ : state) {
        ended = false;
        upload.start(account, path);
        waitUntil([&] { return ended; });
    }
    if (!ok)
        state.SkipWithError("an upload failed");
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FtpUpload)->Arg(64 << 10)->Arg(4 << 20)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Announce(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString rssFile = folder.filePath(QLatin1String(db::ConnectionStrings::RssDatabaseFile));
    db::Schema::createRssDatabase(rssFile);
    db::ProgramFolder::setOverride(folder.path());
    db::Connection connection;
    connection.open(QStringLiteral("Data Source=") + rssFile);
    connection.executeScript(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)"
                       " INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedDescription)"
                       " SELECT 'Item ' || i, 'News number ' || i || ' & more' FROM n;")
            .arg(state.range(0)));
    QTemporaryDir log;
    LocalServer service(QStringLiteral("soap_service.py"), {log.filePath(QStringLiteral("calls.json"))});
    const QString wsdl = QStringLiteral("http://127.0.0.1:%1/?wsdl").arg(service.port());
    rss::Announcement announcement;
    bool ended = false;
    bool ok = true;
    QObject::connect(&announcement, &rss::Announcement::finished, [&](bool success, const QString &) {
        ended = true;
        ok = ok && success;
    });
    for (auto _ : state) {
        state.PauseTiming();
        connection.executeScript(QStringLiteral("UPDATE Tbl_Rss_Feed_Items SET Twittered = 0;"));
        ended = false;
        state.ResumeTiming();
        announcement.start(wsdl, [] { return std::pair{QStringLiteral("ann"), QStringLiteral("pw")}; });
        waitUntil([&] { return ended; }, 600000);
    }
    if (!ok)
        state.SkipWithError("an announcement failed");
    state.SetItemsProcessed(state.iterations() * state.range(0));
    db::ProgramFolder::clearOverride();
}
BENCHMARK(BM_Announce)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QElapsedTimer timer;
    timer.start();
    base::Module::symbol(QStringLiteral("tallowmere_transfer"), TALLOWMERE_TRANSFER_RUN_SYMBOL);
    std::printf("Loading the network module (libcurl and its libraries): %.1f ms\n", timer.nsecsElapsed() / 1e6);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
