// Moving to the next business on the main form, over 30,000 businesses: the Next
// button's handler with the status text and the thirteen bound boxes, and the record
// form logic alone.
#include "BenchmarkDatabase.h"
#include "app/ui/GeneralInformation1.h"
#include "app/ui/StartUp.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"
#include "db/Schema.h"
#include "db/ServerCopy.h"
#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void fillBusinesses(const QString &folder)
{
    bench::createBenchmarkDatabase(folder + QStringLiteral("/Tallowmere.db"));
    // TALLOWMERE_BENCH_SERVER, the address of an empty server database: the same
    // businesses are moved there and the program folder names that server instead.
    const QString server = qEnvironmentVariable("TALLOWMERE_BENCH_SERVER");
    if (server.isEmpty())
        return;
    const QString rss = folder + QStringLiteral("/Rss.db");
    if (!QFile::exists(rss))
        db::Schema::createRssDatabase(rss);
    db::copyFolderToServer(folder, server);
    QFile::remove(folder + QStringLiteral("/Tallowmere.db"));
    QFile::remove(rss);
    QFile url(folder + QStringLiteral("/Tallowmere.url"));
    if (!url.open(QIODevice::WriteOnly) || url.write(server.toUtf8() + "\n") < 0)
        std::abort();
}

app::GeneralInformation1 &mainForm()
{
    static bool shown = app::showMainForm();
    if (!shown)
        std::abort();
    return ui::WindowRegistry::get<app::GeneralInformation1>();
}

void NextBusinessOnTheMainForm(benchmark::State &state)
{
    app::GeneralInformation1 &form = mainForm();
    QPushButton *next = form.findChild<QPushButton *>(QStringLiteral("cmdNext"));
    db::Recordset &businesses = *form.controller().recordset();
    businesses.moveFirst();
    for (auto _ : state) {
        next->click();
        if (businesses.currentIndex() == businesses.recordCount() - 1)
            businesses.moveFirst(); // once in 30,000 moves
    }
    state.SetLabel(form.findChild<QWidget *>(QStringLiteral("lblStatus"))->property("text").toString().toStdString());
}
BENCHMARK(NextBusinessOnTheMainForm)->Unit(benchmark::kMicrosecond);

void NextBusinessLogicOnly(benchmark::State &state)
{
    app::GeneralInformation1 &form = mainForm();
    records::RecordFormController &logic = form.controller();
    db::Recordset &businesses = *logic.recordset();
    businesses.moveFirst();
    for (auto _ : state) {
        logic.moveNext();
        if (businesses.currentIndex() == businesses.recordCount() - 1)
            businesses.moveFirst();
    }
}
BENCHMARK(NextBusinessLogicOnly)->Unit(benchmark::kMicrosecond);

// Find Business for the name of the last business, from the first: the search in the
// database, the move and the bound boxes.
void FindTheLastBusiness(benchmark::State &state)
{
    app::GeneralInformation1 &form = mainForm();
    db::Recordset &businesses = *form.controller().recordset();
    const QString last = QStringLiteral("Business %1").arg(bench::Businesses);
    for (auto _ : state) {
        state.PauseTiming();
        businesses.moveFirst();
        state.ResumeTiming();
        form.findBusinessNamed(last);
    }
    if (businesses.currentIndex() != bench::Businesses - 1)
        state.SkipWithError("the last business was not found");
}
BENCHMARK(FindTheLastBusiness)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    fillBusinesses(folder.path());
    db::ProgramFolder::setOverride(folder.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ui::WindowRegistry::clear();
    return 0;
}
