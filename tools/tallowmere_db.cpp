// tallowmere-db: makes, queries and checks Tallowmere's databases from the shell.
#include "PlanCommands.h"
#include "TableWriter.h"

#include "base/TextFile.h"
#include "db/Backup.h"
#include "db/Connection.h"
#include "db/CsvWriter.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/ServerAddress.h"
#include "db/Statement.h"
#include "db/postgres/PostgresCopy.h"
#include "db/schema/Schema.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>

namespace {

const char *const ToolHelp = "Usage: tallowmere-db COMMAND [ARGUMENTS]\n"
                             "\n"
                             "Makes, queries and checks the databases of Tallowmere.\n"
                             "\n"
                             "Commands:\n"
                             "  init FOLDER            create Tallowmere.db and Rss.db in FOLDER\n"
                             "  sql [--csv] DBFILE STATEMENT\n"
                             "                         run one statement and print its rows\n"
                             "  check DBFILE           check a database's integrity and schema\n"
                             "  copy FOLDER URI        move FOLDER's two databases into an empty server database\n"
                             "  backup SOURCE FOLDER   copy both databases into FOLDER, while they are in use\n"
                             "  restore FOLDER TARGET  check a backup and put it in place\n"
                             "  upgrade DBFILE         bring a database of an earlier version up to date\n"
                             "  plan ACTION DBFILE BUSINESS-ID [FILE]\n"
                             "                         export, import or print the statements of a financial plan\n"
                             "\n"
                             "Wherever a command takes FOLDER (init), DBFILE, SOURCE, TARGET or URI, a\n"
                             "PostgreSQL address names a shared office database: postgresql://user@host:port/dbname,\n"
                             "or libpq's keyword form in one argument, 'host=server user=ann dbname=tallowmere'.\n"
                             "Spaces around an address do not count. A file or folder whose name starts with a\n"
                             "word and '=' is written ./word=... Passwords come from ~/.pgpass or PGPASSWORD;\n"
                             "no message shows one.\n"
                             "\n"
                             "Run 'tallowmere-db COMMAND --help' for more about a command;\n"
                             "'tallowmere-db --version' prints the version.\n";

const char *const InitHelp = "Usage: tallowmere-db init FOLDER\n"
                             "\n"
                             "Creates Tallowmere.db (the business database, with its document templates and\n"
                             "merge-field names) and Rss.db (the RSS items) in FOLDER, creating FOLDER when\n"
                             "needed. An existing database is never overwritten: the command then fails with\n"
                             "exit status 1 and changes nothing. Both are built under temporary names and\n"
                             "renamed when complete, so a run that is stopped or fails leaves neither.\n";

const char *const SqlHelp = "Usage: tallowmere-db sql [--csv] DBFILE STATEMENT\n"
                            "\n"
                            "Runs one statement on DBFILE, in the dialect Tallowmere's windows use ([names with\n"
                            "spaces], Yes/No, UPDATE t SET t.c = ..., DELETE t.c FROM t ...; text compares\n"
                            "without regard to case). Rows are printed as tab-separated lines, the first line\n"
                            "holding the column names. A Null prints as \\N; inside values a tab, CR, LF and\n"
                            "backslash print as \\t, \\r, \\n and \\\\. A statement without rows prints nothing.\n"
                            "On error the reason goes to standard error and the exit status is 1. DBFILE is\n"
                            "taken exactly as written; in a folder that cannot be written it is read only.\n"
                            "\n"
                            "With --csv the rows are printed as CSV (RFC 4180) instead: fields separated by\n"
                            "commas, lines ended by CR LF, a field holding a comma, quote, CR or LF in double\n"
                            "quotes with its quotes doubled, the first line holding the column names. A Null\n"
                            "is an empty field, empty text \"\".\n";

const char *const CheckHelp = "Usage: tallowmere-db check DBFILE\n"
                              "\n"
                              "Checks the integrity of DBFILE and compares its whole schema (tables and views,\n"
                              "columns with their types, defaults, keys and collations, STRICT, AUTOINCREMENT,\n"
                              "indexes, triggers, schema version) with the one Tallowmere makes: the RSS\n"
                              "database for a file named Rss.db, the business database for Tallowmere.db, and\n"
                              "for any other name the one whose tables the file holds. Prints \"ok\" and exits 0\n"
                              "when they agree; otherwise prints each difference and exits 1.\n"
                              "\n"
                              "On a server's database it compares the tables and what they carry (triggers, rules,\n"
                              "row-security policies, defaults, constraints, indexes: Tallowmere makes none beyond\n"
                              "its own) and who may do what: one owner role for all tables that no user is a member\n"
                              "of, users granted no more than SELECT, INSERT, UPDATE and DELETE on the tables and\n"
                              "USAGE and SELECT on their key generators, and no function in the schemas the\n"
                              "program's statements search.\n";

const char *const CopyHelp = "Usage: tallowmere-db copy FOLDER URI\n"
                             "\n"
                             "Moves Tallowmere.db and Rss.db of FOLDER into the empty PostgreSQL database at URI\n"
                             "(postgresql://user@host:port/dbname): every row with its key, the key generators\n"
                             "set past the highest key. All or nothing: a failure, or a copy that is stopped,\n"
                             "leaves the server database empty. Prints each table with its number of rows.\n"
                             "Passwords come from ~/.pgpass or PGPASSWORD, never from the address.\n";

const char *const BackupHelp = "Usage: tallowmere-db backup SOURCE FOLDER\n"
                               "\n"
                               "Writes a copy of Tallowmere.db and Rss.db into FOLDER (made when missing). SOURCE is\n"
                               "a program folder, or a PostgreSQL address (postgresql://user@host:port/dbname):\n"
                               "from a server the same two files are made from its rows, keys kept. The program\n"
                               "may be running and writing meanwhile: each copy is its database as it was at one\n"
                               "moment. The files appear only once both are complete; a FOLDER that holds a\n"
                               "database already, or that belongs to another user, is refused and left as it is.\n"
                               "Files are made readable by their owner only (0600), a folder made for them is\n"
                               "open to its owner only (0700). They are made in a new working folder of their own\n"
                               "and never written through a link or into a file someone else put there.\n";

const char *const RestoreHelp = "Usage: tallowmere-db restore FOLDER TARGET\n"
                                "       tallowmere-db restore --finish TARGET\n"
                                "       tallowmere-db restore --undo TARGET\n"
                                "\n"
                                "Copies the backup in FOLDER into a working folder of its own, checks the copies\n"
                                "(integrity, and a schema exactly Tallowmere's, as check does) and puts them in\n"
                                "place. TARGET is a program folder, whose two databases it replaces (close\n"
                                "Tallowmere first: databases open in a program are refused), or the PostgreSQL\n"
                                "address of an empty database, which receives every row with its key (as copy\n"
                                "does). All or nothing: a damaged or foreign backup is refused, and a failure\n"
                                "leaves TARGET as it was. Run by root in a folder of another user, the files it\n"
                                "makes are that user's.\n"
                                "\n"
                                "A restore into a program folder that was stopped while it moved the databases\n"
                                "is reported by the next restore and by the program's next start; --finish puts\n"
                                "the backup's databases in place, --undo puts back the ones from before it.\n";

int fail(const QString &message)
{
    std::fprintf(stderr, "tallowmere-db: %s\n", message.toUtf8().constData());
    return 1;
}

bool wantsHelp(int argc, char **argv)
{
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return true;
    }
    return false;
}

// An argument that names a database: a server's address in either of libpq's forms,
// or a file or folder exactly as written.
QString database(const QString &argument)
{
    return db::ServerAddress::recognise(argument).text;
}

// An argument that must name a folder: a server's address there is refused rather
// than made into a folder of that name.
QString folder(const QString &argument)
{
    const db::ServerAddress::Named named = db::ServerAddress::recognise(argument);
    if (named.isServer) {
        throw db::DbError(QStringLiteral("%1 is a database server's address; a folder is needed in its place.")
                              .arg(db::ServerAddress::shown(argument)));
    }
    return named.text;
}

int usage(const char *help)
{
    std::fputs(help, stderr);
    return 2;
}

int init(const QString &target)
{
    db::Schema::createProgramDatabases(database(target));
    return 0;
}

int copy(const QString &source, const QString &address)
{
    for (const auto &[table, rows] : db::copyFolderToPostgres(folder(source), database(address)))
        std::printf("%s\t%lld\n", table.toUtf8().constData(), static_cast<long long>(rows));
    return 0;
}

// Runs one statement and hands its rows to the writer, column names first; a query
// that found no rows still names its columns.
template <typename Writer> int printRows(const QString &file, const QString &sql, Writer &writer)
{
    db::Connection connection;
    const QString named = database(file);
    if (db::ServerAddress::isAddress(named))
        connection.open(named);
    else
        connection.openFile(named);
    db::Statement statement(connection, sql, {}, true);
    bool first = true;
    while (statement.step()) {
        if (first) {
            writer.writeHeader(statement);
            first = false;
        }
        writer.writeRow(statement);
    }
    if (first && statement.columnCount() > 0)
        writer.writeHeader(statement);
    if (!writer.finish())
        return fail(QStringLiteral("The output could not be written."));
    return 0;
}

int runCsv(const QString &file, const QString &sql)
{
    db::CsvWriter writer([](const QByteArray &text) {
        return std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout)
               == static_cast<size_t>(text.size());
    });
    return printRows(file, sql, writer);
}

int runSql(const QString &file, const QString &sql)
{
    TableWriter writer(stdout);
    return printRows(file, sql, writer);
}

// A problem on one line whatever names it quotes: a trigger or table named "x\nok"
// must not print a line that reads "ok".
QString oneLine(QString text)
{
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QChar::ReplacementCharacter;
    }
    return text;
}

int check(const QString &file)
{
    const QStringList problems = db::Schema::check(database(file));
    if (problems.isEmpty()) {
        std::puts("ok");
        return 0;
    }
    for (const QString &problem : problems)
        std::printf("%s\n", oneLine(problem).toUtf8().constData());
    return 1;
}

int run(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        // A name or value that is not text would be stored or looked up altered.
        if (!QByteArrayView(argv[i]).isValidUtf8())
            return fail(QStringLiteral("Argument %1 is not valid UTF-8 text; nothing was done.").arg(i));
    }
    if (argc < 2)
        return usage(ToolHelp);
    const char *command = argv[1];
    if (std::strcmp(command, "--help") == 0 || std::strcmp(command, "-h") == 0) {
        std::fputs(ToolHelp, stdout);
        return 0;
    }
    if (std::strcmp(command, "--version") == 0) {
        std::printf("tallowmere-db %s\n", TALLOWMERE_VERSION);
        return 0;
    }
    const auto argument = [&](int i) { return QString::fromUtf8(argv[i]); };
    // Each command with its help and what it does with its arguments; no value means
    // the arguments do not fit and the command's usage is shown.
    struct Command
    {
        const char *name;
        const char *help;
        std::function<std::optional<int>()> run;
    };
    const Command commands[] = {
        {"init", InitHelp,
         [&]() -> std::optional<int> { return argc == 3 ? std::optional(init(argument(2))) : std::nullopt; }},
        {"sql", SqlHelp,
         [&]() -> std::optional<int> {
             if (argc == 5 && std::strcmp(argv[2], "--csv") == 0)
                 return runCsv(argument(3), argument(4));
             return argc == 4 ? std::optional(runSql(argument(2), argument(3))) : std::nullopt;
         }},
        {"copy", CopyHelp,
         [&]() -> std::optional<int> {
             return argc == 4 ? std::optional(copy(argument(2), argument(3))) : std::nullopt;
         }},
        {"backup", BackupHelp,
         [&]() -> std::optional<int> {
             if (argc != 4)
                 return std::nullopt;
             db::Backup::write(database(argument(2)), folder(argument(3)));
             return 0;
         }},
        {"restore", RestoreHelp,
         [&]() -> std::optional<int> {
             if (argc != 4)
                 return std::nullopt;
             if (std::strcmp(argv[2], "--finish") == 0)
                 db::Backup::finishRestore(folder(argument(3)));
             else if (std::strcmp(argv[2], "--undo") == 0)
                 db::Backup::undoRestore(folder(argument(3)));
             else
                 db::Backup::restore(folder(argument(2)), database(argument(3)));
             return 0;
         }},
        {"upgrade", planCommands::UpgradeHelp, [&] { return planCommands::runUpgrade(argc, argv); }},
        {"plan", planCommands::PlanHelp, [&] { return planCommands::runPlan(argc, argv); }},
        {"check", CheckHelp,
         [&]() -> std::optional<int> { return argc == 3 ? std::optional(check(argument(2))) : std::nullopt; }},
    };
    try {
        for (const Command &candidate : commands) {
            if (std::strcmp(command, candidate.name) != 0)
                continue;
            if (wantsHelp(argc, argv)) {
                std::fputs(candidate.help, stdout);
                return 0;
            }
            const std::optional<int> status = candidate.run();
            return status ? *status : usage(candidate.help);
        }
    } catch (const db::DbError &error) {
        return fail(error.description());
    }
    std::fprintf(stderr, "tallowmere-db: unknown command '%s'\n\n", command);
    return usage(ToolHelp);
}

} // namespace

int main(int argc, char **argv)
{
    base::reportWritesPastTheFileSizeLimit();
    const int status = run(argc, argv);
    // Output that never arrived (a full disk, a closed pipe) is a failure too.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "tallowmere-db: the output could not be written: %s\n", std::strerror(errno));
        return status == 0 ? 1 : status;
    }
    return status;
}
