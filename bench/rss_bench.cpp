// The publishing window over many items: opening it until its first rows show, until
// every row is in, and writing the feed of every row; 10,000 against 100,000 items.
#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Schema.h"
#include "rss/FeedWriter.h"
#include "rss/ItemList.h"
#include "rss/ui/FrmRssGenerator.h"
#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// One program folder per item count, made once.
const QString &folderWithItems(int items)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    auto &folder = folders[items];
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        const QString file = folder->filePath(QStringLiteral("Rss.db"));
        db::Schema::createRssDatabase(file);
        db::Connection connection;
        connection.open(QStringLiteral("Data Source=") + file);
        connection.executeScript(
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                           "INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedItemLink, RssFeedDescription) "
                           "SELECT 'Item ' || i || ': spring news', 'http://example.com/news/' || i, "
                           "'Description of item ' || i || ', with a few words & <marks> about the week' FROM n;")
                .arg(items));
    }
    static QString path;
    path = folder->path();
    return path;
}

rss::FrmRssGenerator &openWindow(int items)
{
    db::ProgramFolder::setOverride(folderWithItems(items));
    auto &window = ui::WindowRegistry::get<rss::FrmRssGenerator>();
    window.showWindow();
    return window;
}

void OpenWindowFirstRowsShown(benchmark::State &state)
{
    const int items = static_cast<int>(state.range(0));
    folderWithItems(items);
    for (auto _ : state) {
        rss::FrmRssGenerator &window = openWindow(items);
        QCoreApplication::processEvents(); // the first rows are painted
        benchmark::DoNotOptimize(window.itemList().rowCount());
        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
}

void OpenWindowEveryRowIn(benchmark::State &state)
{
    const int items = static_cast<int>(state.range(0));
    folderWithItems(items);
    for (auto _ : state) {
        rss::FrmRssGenerator &window = openWindow(items);
        window.itemList().finishLoading();
        QCoreApplication::processEvents();
        if (window.itemList().rowCount() != items)
            state.SkipWithError("rows missing");
        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * items);
}

void WriteFeed(benchmark::State &state)
{
    const int items = static_cast<int>(state.range(0));
    rss::FrmRssGenerator &window = openWindow(items);
    window.itemList().finishLoading();
    QTemporaryDir out;
    rss::PublishingSettings channel;
    channel.companyName = QStringLiteral("Acme & Sons");
    for (auto _ : state)
        rss::writeFeed(out.filePath(QStringLiteral("feed.xml")), channel, window.itemList().items());
    window.close();
    state.SetItemsProcessed(state.iterations() * items);
}

BENCHMARK(OpenWindowFirstRowsShown)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenWindowEveryRowIn)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteFeed)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ui::WindowRegistry::clear();
    db::ProgramFolder::clearOverride();
    return 0;
}
