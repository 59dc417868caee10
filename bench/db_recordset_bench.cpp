// Opening a static recordset over N businesses and walking it end to end.
#include "BenchmarkDatabase.h"
#include "db/Connection.h"
#include "db/Recordset.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString databaseWith(QTemporaryDir &dir, int businesses)
{
    const QString file = dir.filePath(QStringLiteral("Tallowmere.db"));
    bench::createBenchmarkDatabase(file, businesses);
    return file;
}

const QString MainFormQuery = QStringLiteral(
    "select BusinessInformationId,BusinessInformationDate,BusninesName,BusinessAddressOne,BusinessAddressTwo,"
    "BusinessCity,BusinessState,BusinessZip,BusinessCounty,BusinessPhoneNumber,BusinessFaxNumber,BusinessWebSiteURL,"
    "BusinessEMailAddress from BusinessInformation Order by BusinessInformationId");

// The main form's recordset over 30,000 businesses, open.
struct MainFormAt30000
{
    MainFormAt30000()
    {
        connection.openFile(databaseWith(dir, 30000));
        rs.open(MainFormQuery, connection, db::CursorType::Static, db::LockType::Optimistic);
    }
    QTemporaryDir dir;
    db::Connection connection;
    db::Recordset rs;
};

void OpenAndWalk(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString file = databaseWith(dir, static_cast<int>(state.range(0)));
    db::Connection connection;
    connection.openFile(file);
    for (auto _ : state) {
        db::Recordset rs;
        rs.open(MainFormQuery, connection, db::CursorType::Static, db::LockType::Optimistic);
        qsizetype characters = 0;
        while (!rs.eof()) {
            characters += rs.value(2).toString().size(); // what the main form shows of each row
            rs.moveNext();
        }
        benchmark::DoNotOptimize(characters);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(OpenAndWalk)->Arg(3000)->Arg(30000)->Unit(benchmark::kMillisecond);

void MoveNextAt30000(benchmark::State &state)
{
    MainFormAt30000 form;
    db::Recordset &rs = form.rs;
    for (auto _ : state) {
        if (rs.eof())
            rs.moveFirst();
        rs.moveNext();
        if (!rs.eof())
            benchmark::DoNotOptimize(rs.value(2));
    }
}
BENCHMARK(MoveNextAt30000)->Unit(benchmark::kMicrosecond);

// Storing one changed row: the update matches the row only while it still holds every
// value read from it (thirteen columns here), so another user's change is never lost.
void StoreChangedRowAt30000(benchmark::State &state)
{
    MainFormAt30000 form;
    db::Recordset &rs = form.rs;
    rs.moveTo(15000);
    int n = 0;
    for (auto _ : state) {
        rs.setValue(2, QStringLiteral("Business renamed %1").arg(++n));
        rs.update();
    }
}
BENCHMARK(StoreChangedRowAt30000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
