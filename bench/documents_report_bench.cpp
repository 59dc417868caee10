// The business report's load step for a large business and for one tenth of it.
#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Schema.h"
#include "documents/BusinessReport.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A business with tenth * 1,000 goals of each kind and tenth * 200 employees.
class LargeBusiness
{
public:
    explicit LargeBusiness(int tenths)
    {
        const QString file = m_dir.filePath(QLatin1String(db::ConnectionStrings::BusinessDatabaseFile));
        db::Schema::createBusinessDatabase(file);
        db::ProgramFolder::setOverride(m_dir.path());
        db::Connection connection;
        connection.create(file);
        connection.executeScript(
            QStringLiteral(
                "BEGIN;"
                "INSERT INTO BusinessInformation (BusninesName, BusinessAddressOne, BusinessCity, BusinessState, "
                "BusinessZip)"
                " VALUES ('Sample Tools', '1 Main St', 'Springfield', 'IL', '62701');"
                "INSERT INTO BusinessPurpose (BusinessInformationId, BusinessPurpose) VALUES (1, 'Make sturdy tools');"
                "INSERT INTO BusinessType (BusinessInformationId, BusinessType) VALUES (1, 'Manufacturing');"
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)"
                " INSERT INTO [Business Short Term Goal] (BusinessInformationId, BusinessShortTermGoal)"
                " SELECT 1, 'Short-term goal number ' || i FROM n;"
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)"
                " INSERT INTO [Business Long Term Goal] (BusinessInformationId, BusinessLongTermGoal)"
                " SELECT 1, 'Long-term goal number ' || i FROM n;"
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %2)"
                " INSERT INTO BusinessEmployees (BusinessInformationId, EmployeeFirstName, EmployeeMiddleName,"
                " EmployeeLastName, EmployeePosition, EmployeeQualifications)"
                " SELECT 1, 'First' || i, 'M', 'Last' || i, 'Clerk', 'Certificate' FROM n;"
                "COMMIT;")
                .arg(tenths * 1000)
                .arg(tenths * 200));
    }
    ~LargeBusiness() { db::ProgramFolder::clearOverride(); }

private:
    QTemporaryDir m_dir;
};

void BM_BusinessReport(benchmark::State &state)
{
    const LargeBusiness business(static_cast<int>(state.range(0)));
    qsizetype length = 0;
    for (auto _ : state) {
        const QString report = documents::buildBusinessReport(1);
        length = report.size();
        benchmark::DoNotOptimize(length);
    }
    state.counters["rows"] = static_cast<double>(state.range(0) * 2200);
    state.counters["chars"] = static_cast<double>(length);
}

// 1: 1,000 + 1,000 goals and 200 employees; 10: 10,000 + 10,000 goals and 2,000 employees.
BENCHMARK(BM_BusinessReport)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace
