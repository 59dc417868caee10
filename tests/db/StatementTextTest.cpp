// What the data layer reads from a statement's text: the count it runs beside a
// snapshot, and whether the rows can be changed. Words inside texts and names do not count.
#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"
#include "db/SnapshotReader.h"
#include "support/QStringPrinter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CountCase
{
    const char *statement;
    const char *counted; // what the count runs over, before its closing line
};

void PrintTo(const CountCase &c, std::ostream *os)
{
    *os << c.statement;
}

class CountingQuery : public ::testing::TestWithParam<CountCase>
{ };

TEST_P(CountingQuery, DropsATrailingOrderOfColumnsUnlessALimitNeedsIt)
{
    EXPECT_EQ(db::SnapshotReader::countingQuery(QString::fromUtf8(GetParam().statement)),
              QStringLiteral("SELECT count(*) FROM (") + QString::fromUtf8(GetParam().counted)
                  + QStringLiteral("\n) AS counted"));
}

const CountCase CountCases[] = {
    {"select * from T order by a", "select * from T"},
    {"select * from T Order By a DESC, [b c] asc, \"d\".e;  ", "select * from T"},
    {"select * from T order by 2 -- newest first", "select * from T"},
    {"select * from T order by a limit 5", "select * from T order by a limit 5"},
    {"select * from T order by a offset 5", "select * from T order by a offset 5"},
    // Neither word inside a text asks for the order.
    {"select * from T where n = 'limit 1' order by a", "select * from T where n = 'limit 1'"},
    // An expression, or an order inside parentheses, stays.
    {"select * from T order by lower(a)", "select * from T order by lower(a)"},
    {"select * from (select * from T order by a) order by b", "select * from (select * from T order by a)"},
    {"select * from T order by a ;;", "select * from T"},
    {"select * from T where a = 'order by b'", "select * from T where a = 'order by b'"},
};

INSTANTIATE_TEST_SUITE_P(All, CountingQuery, ::testing::ValuesIn(CountCases));

TEST(StatementText, JoinOrGroupWrittenInsideATextOrANameLeavesTheRowsChangeable)
{
    testing_support::TempProgramFolder folder;
    folder.exec("INSERT INTO BusinessPurpose (BusinessInformationId, BusinessPurpose) VALUES (7, 'Join us')");
    db::Connection connection;
    connection.open(db::ConnectionStrings::recordForm());
    db::Recordset rows;
    rows.open(QStringLiteral("select BusinessPurposeId, BusinessPurpose as [Group by], BusinessInformationId "
                             "from BusinessPurpose where BusinessPurpose <> 'union join distinct' "
                             "order by BusinessPurposeId"),
              connection, db::CursorType::Static, db::LockType::Optimistic);
    ASSERT_EQ(rows.recordCount(), 1);
    rows.setValue(QStringLiteral("BusinessInformationId"), 8);
    rows.updateBatch();
    EXPECT_EQ(folder.rows(QStringLiteral("select BusinessInformationId from BusinessPurpose")), QStringList{"8"});
}

} // namespace
