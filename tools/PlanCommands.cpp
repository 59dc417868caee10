#include "PlanCommands.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Schema.h"
#include "db/ServerAddress.h"
#include "db/Statement.h"
#include "db/schema/SchemaTables.h"
#include "plan/PlanError.h"
#include "plan/PlanJson.h"
#include "plan/PlanStore.h"
#include "plan/Statements.h"
#include "plan/StatementsCsv.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <cstdio>
#include <cstring>

namespace planCommands {

const char *const PlanHelp = "Usage: tallowmere-db plan export DATABASE BUSINESS-ID\n"
                             "       tallowmere-db plan import DATABASE BUSINESS-ID FILE\n"
                             "       tallowmere-db plan statements DATABASE BUSINESS-ID\n"
                             "\n"
                             "export writes the financial plan of the business with the key BUSINESS-ID as JSON\n"
                             "to standard output. import replaces that business's plan with the one in FILE, all\n"
                             "or nothing: a file that is not such JSON, or holds a value out of its range, is\n"
                             "refused naming the first fault, and the stored plan stays as it was. statements\n"
                             "prints the plan's profit and loss, cash flow and balance sheet as CSV (UTF-8,\n"
                             "RFC 4180, without a byte-order mark). DATABASE is a business database file or a\n"
                             "PostgreSQL address. The JSON format is described in Tallowmere's README.\n";

const char *const UpgradeHelp = "Usage: tallowmere-db upgrade DATABASE\n"
                                "\n"
                                "Brings a business database made by an earlier version of Tallowmere up to this\n"
                                "version's tables, all or nothing. The program does this by itself for a file it can\n"
                                "write; on a server only the owner of the tables may, with this command (then grant\n"
                                "the users the new tables, as when the server was set up).\n";

namespace {

// The largest plan file read: a thousand lines of each kind fit many times over.
constexpr qint64 MaximumPlanFileBytes = 16 * 1024 * 1024;

class CommandError : public base::Error
{
public:
    using base::Error::Error;
};

bool writeOut(const QByteArray &bytes)
{
    return std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout)
           == static_cast<size_t>(bytes.size());
}

void open(db::Connection &connection, const QString &argument)
{
    connection.openLocation(db::ServerAddress::recognise(argument).text);
    // A file of an earlier version gets the plan's tables (the program would do the same).
    db::Schema::requireBusinessDatabase(connection);
}

qint64 businessKey(const QString &argument)
{
    bool ok = false;
    const qint64 key = argument.toLongLong(&ok);
    if (!ok || key <= 0 || argument != QString::number(key))
        throw CommandError(QStringLiteral("%1 is not a business key (a whole number above 0).").arg(argument));
    return key;
}

void requireBusiness(db::Connection &connection, qint64 key)
{
    namespace info = db::tables::BusinessInformation;
    db::Statement statement(connection,
                            QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ?").arg(info::Table, info::Id), {key});
    if (!statement.step() || statement.value(0).toLongLong() == 0)
        throw CommandError(QStringLiteral("%1 holds no business with the key %2.").arg(connection.filePath()).arg(key));
}

// A person's employee must be one of this business's employees.
void requireEmployees(db::Connection &connection, qint64 business, const plan::Plan &plan)
{
    namespace employees = db::tables::BusinessEmployees;
    for (qsizetype i = 0; i < plan.people.size(); ++i) {
        const std::optional<qint64> id = plan.people[i].employeeId;
        if (!id)
            continue;
        db::Statement statement(connection,
                                QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ? AND %3 = ?")
                                    .arg(employees::Table, employees::Id, employees::BusinessId),
                                {*id, business});
        if (!statement.step() || statement.value(0).toLongLong() == 0)
            throw CommandError(QStringLiteral("People line %1: business %2 has no employee with the key %3.")
                                   .arg(i + 1)
                                   .arg(business)
                                   .arg(*id));
    }
}

plan::Plan storedPlan(db::Connection &connection, qint64 business)
{
    requireBusiness(connection, business);
    const std::optional<plan::Plan> stored = plan::PlanStore(connection).load(business);
    if (!stored)
        throw CommandError(QStringLiteral("Business %1 has no financial plan.").arg(business));
    return *stored;
}

QByteArray readPlanFile(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw CommandError(
            QStringLiteral("The file %1 cannot be read: %2.").arg(QDir::toNativeSeparators(name), file.errorString()));
    const QByteArray bytes = file.read(MaximumPlanFileBytes + 1);
    if (bytes.size() > MaximumPlanFileBytes)
        throw CommandError(QStringLiteral("The file %1 is larger than a plan can be (16 MB); nothing was imported.")
                               .arg(QDir::toNativeSeparators(name)));
    if (file.error() != QFileDevice::NoError)
        throw CommandError(
            QStringLiteral("The file %1 cannot be read: %2.").arg(QDir::toNativeSeparators(name), file.errorString()));
    return bytes;
}

int exportPlan(const QString &database, const QString &business)
{
    db::Connection connection;
    open(connection, database);
    return writeOut(plan::planToJson(storedPlan(connection, businessKey(business)))) ? 0 : 1;
}

int importPlan(const QString &database, const QString &business, const QString &fileName)
{
    const qint64 key = businessKey(business);
    // The file first: a faulty one is refused before the database is touched.
    const plan::Plan imported = plan::planFromJson(readPlanFile(fileName), fileName);
    db::Connection connection;
    open(connection, database);
    connection.beginTransaction();
    try {
        requireBusiness(connection, key);
        requireEmployees(connection, key, imported);
        plan::PlanStore(connection).save(key, imported);
        connection.commit();
    } catch (...) {
        connection.rollback();
        throw;
    }
    return 0;
}

int printStatements(const QString &database, const QString &business)
{
    db::Connection connection;
    open(connection, database);
    const plan::Statements statements = plan::computeStatements(storedPlan(connection, businessKey(business)));
    return writeOut(plan::statementsCsv(statements, plan::ByteOrderMark::Without)) ? 0 : 1;
}

int failed(const QString &message)
{
    std::fprintf(stderr, "tallowmere-db: %s\n", message.toUtf8().constData());
    return 1;
}

} // namespace

std::optional<int> runPlan(int argc, char **argv)
{
    if (argc < 3)
        return std::nullopt;
    const auto argument = [&](int i) { return QString::fromUtf8(argv[i]); };
    const char *action = argv[2];
    try {
        if (std::strcmp(action, "export") == 0 && argc == 5)
            return exportPlan(argument(3), argument(4));
        if (std::strcmp(action, "import") == 0 && argc == 6)
            return importPlan(argument(3), argument(4), argument(5));
        if (std::strcmp(action, "statements") == 0 && argc == 5)
            return printStatements(argument(3), argument(4));
    } catch (const base::Error &error) {
        return failed(error.description());
    }
    return std::nullopt;
}

std::optional<int> runUpgrade(int argc, char **argv)
{
    if (argc != 3)
        return std::nullopt;
    try {
        db::Schema::upgrade(db::ServerAddress::recognise(QString::fromUtf8(argv[2])).text);
    } catch (const base::Error &error) {
        return failed(error.description());
    }
    return 0;
}

} // namespace planCommands
