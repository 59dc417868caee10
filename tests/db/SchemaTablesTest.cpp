// The server's tables are made from the list the program keeps of them; that list
// must say what a fresh database file holds, column for column.
#include "db/schema/SchemaTables.h"
#include "db/Connection.h"
#include "db/Statement.h"
#include "support/QStringPrinter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace db;

namespace {

QStringList fileColumns(Connection &connection, const QString &table)
{
    QStringList columns;
    Statement info(connection, QStringLiteral("SELECT name, pk, dflt_value FROM pragma_table_info(?)"), {table});
    while (info.step()) {
        QString column = info.value(0).toString();
        if (info.value(1).toInt() == 1)
            column += QStringLiteral(" (key)");
        else if (info.value(2).toString().contains(QLatin1String("date(")))
            column += QStringLiteral(" (date added)");
        columns << column;
    }
    return columns;
}

QStringList listedColumns(const SchemaTables::Table &table)
{
    QStringList columns;
    for (const SchemaTables::Column &column : table.columns) {
        QString text = column.name;
        if (column.kind == SchemaTables::ColumnKind::Key)
            text += QStringLiteral(" (key)");
        else if (column.kind == SchemaTables::ColumnKind::DateAdded)
            text += QStringLiteral(" (date added)");
        columns << text;
    }
    return columns;
}

TEST(SchemaTables, TheListSaysWhatAFreshDatabaseFileHolds)
{
    if (testing_support::onServerEngine())
        GTEST_SKIP() << "compares with database files";
    testing_support::TempProgramFolder folder;
    for (const auto &[file, tables] : {std::pair{folder.businessDatabase(), &SchemaTables::businessTables()},
                                       std::pair{folder.rssDatabase(), &SchemaTables::rssTables()}}) {
        Connection connection;
        connection.openFile(file);
        QStringList fileTables;
        Statement names(connection, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT "
                                                   "LIKE 'sqlite_%' ORDER BY rowid"));
        while (names.step())
            fileTables << names.value(0).toString();
        QStringList listed;
        for (const SchemaTables::Table &table : *tables) {
            listed << table.name;
            EXPECT_EQ(fileColumns(connection, table.name), listedColumns(table)) << table.name.toStdString();
        }
        EXPECT_EQ(fileTables, listed);
    }
}

} // namespace
