#include "db/postgres/PostgresSession.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/MessageText.h"
#include "db/postgres/LibPq.h"
#include "db/postgres/PostgresStatement.h"

#include <QList>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <vector>

#include <poll.h>

namespace db {

namespace {

// Long enough for a server across the office, short enough that a window does not
// seem to hang when the server is off.
constexpr auto ConnectTimeoutSeconds = "10";

QString sentence(QString text)
{
    text = text.trimmed();
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    if (!text.isEmpty() && !text.endsWith(u'.'))
        text += u'.';
    return text;
}

// The texts in an address that may be a password: after "user:" up to the host's '@',
// and any password=... parameter, as written and percent-decoded. A malformed address
// is read generously: hiding too much is harmless, showing a password is not.
void collectPasswords(const QString &uri, QStringList &secrets)
{
    const qsizetype authority = uri.indexOf(QLatin1String("://"));
    const qsizetype at = uri.lastIndexOf(u'@');
    if (authority >= 0 && at > authority) {
        const qsizetype colon = uri.indexOf(u':', authority + 3);
        if (colon >= 0 && colon < at) {
            const QString secret = uri.mid(colon + 1, at - colon - 1);
            secrets << secret;
            // libpq stops at a '/' and reads what came before it as a port.
            static const QRegularExpression end(QStringLiteral("[/?#,]"));
            secrets << secret.left(secret.indexOf(end));
        }
    }
    static const QRegularExpression parameter(QStringLiteral("password\\s*=\\s*([^&]*)"),
                                              QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch &match : parameter.globalMatch(uri))
        secrets << match.captured(1);
}

QStringList passwordsIn(const QString &uri)
{
    QStringList secrets;
    collectPasswords(uri, secrets);
    // A value may itself hold an address or a password=, percent-encoded (a database
    // name given as an address): the server quotes it decoded.
    const QString decoded = QString::fromUtf8(QByteArray::fromPercentEncoding(uri.toUtf8()));
    if (decoded != uri)
        collectPasswords(decoded, secrets);
    const qsizetype count = secrets.size();
    for (qsizetype i = 0; i < count; ++i)
        secrets << QString::fromUtf8(QByteArray::fromPercentEncoding(secrets[i].toUtf8()));
    secrets.removeAll(QString());
    // Longest first, so that a shorter one inside a longer one leaves nothing behind.
    std::sort(secrets.begin(), secrets.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    return secrets;
}

QString withoutPasswords(QString text, const QStringList &secrets)
{
    for (const QString &secret : secrets)
        text.replace(secret, QLatin1String("***"));
    return text;
}

struct ParsedAddress
{
    QString user, host, port, dbname, options;
    bool hasPassword = false;
};

ParsedAddress parseAddress(const QString &uri)
{
    const LibPq &pq = LibPq::get();
    char *error = nullptr;
    PQconninfoOption *options = pq.conninfoParse(uri.toUtf8().constData(), &error);
    if (!options) {
        // libpq's reason quotes the address, or the piece it stumbled on.
        QString reason = error ? QString::fromUtf8(error).trimmed() : QStringLiteral("not enough memory");
        pq.freemem(error);
        const QString shown = PostgresSession::shownAddress(uri);
        reason.replace(uri, shown);
        throw DbError(QStringLiteral("The database address %1 is not valid: %2")
                          .arg(shown, cutForMessage(withoutPasswords(reason, passwordsIn(uri)))));
    }
    ParsedAddress parsed;
    for (PQconninfoOption *option = options; option->keyword; ++option) {
        const QLatin1String keyword(option->keyword);
        const QString value = option->val ? QString::fromUtf8(option->val) : QString();
        if (keyword == QLatin1String("user"))
            parsed.user = value;
        else if (keyword == QLatin1String("host") || (keyword == QLatin1String("hostaddr") && parsed.host.isEmpty()))
            parsed.host = value;
        else if (keyword == QLatin1String("port"))
            parsed.port = value;
        else if (keyword == QLatin1String("dbname"))
            parsed.dbname = value;
        else if (keyword == QLatin1String("options"))
            parsed.options = value;
        else if (keyword == QLatin1String("password"))
            parsed.hasPassword = option->val != nullptr;
    }
    pq.conninfoFree(options);
    return parsed;
}

QByteArray parameterText(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool: return value.toBool() ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
    case QMetaType::Double:
    case QMetaType::Float: return QByteArray::number(value.toDouble(), 'g', 17);
    default: return value.toString().toUtf8();
    }
}

} // namespace

bool PostgresSession::isAddress(const QString &text)
{
    return text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
           || text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

QString PostgresSession::shownAddress(const QString &uri)
{
    return cutForMessage(withoutPasswords(uri, passwordsIn(uri)));
}

bool PostgresSession::isKeywordForm(const QString &text)
{
    static const QRegularExpression firstWord(QStringLiteral("^\\s*[A-Za-z_][A-Za-z0-9_]*\\s*="));
    return firstWord.match(text).hasMatch();
}

QString PostgresSession::shownKeywordForm(const QString &text)
{
    // A quoted value may hold escaped quotes and spaces; an unquoted one ends at a space.
    // A text libpq cannot read may lack the =: the word after the keyword is hidden then.
    static const QRegularExpression password(QStringLiteral("(password\\s*=?\\s*)('(?:[^'\\\\]|\\\\.)*'?|\\S*)"),
                                             QRegularExpression::CaseInsensitiveOption);
    return cutForMessage(QString(text).replace(password, QStringLiteral("\\1***")));
}

QString PostgresSession::addressFromKeywordForm(const QString &text)
{
    const LibPq &pq = LibPq::get();
    char *error = nullptr;
    PQconninfoOption *options = pq.conninfoParse(text.toUtf8().constData(), &error);
    if (!options) {
        // libpq's reason quotes the words it stumbled on, which may be a password.
        const QString reason = error ? QString::fromUtf8(error).trimmed() : QStringLiteral("not enough memory");
        pq.freemem(error);
        const bool mayQuotePassword = text.contains(QLatin1String("password"), Qt::CaseInsensitive);
        throw DbError(QStringLiteral("The connection string %1 cannot be read: %2")
                          .arg(shownKeywordForm(text), mayQuotePassword
                                                           ? QStringLiteral("it is not a list of keyword=value pairs.")
                                                           : cutForMessage(reason)));
    }
    QStringList parameters;
    for (PQconninfoOption *option = options; option->keyword; ++option) {
        if (option->val) {
            parameters << QLatin1String(option->keyword) + u'='
                              + QString::fromLatin1(QUrl::toPercentEncoding(QString::fromUtf8(option->val)));
        }
    }
    pq.conninfoFree(options);
    return QStringLiteral("postgresql://?") + parameters.join(u'&');
}

QString PostgresSession::describeAddress(const QString &uri)
{
    const ParsedAddress parsed = parseAddress(uri);
    QString text;
    if (!parsed.user.isEmpty())
        text += parsed.user + u'@';
    text += parsed.host.isEmpty() ? QStringLiteral("localhost") : parsed.host;
    if (!parsed.port.isEmpty())
        text += u':' + parsed.port;
    if (!parsed.dbname.isEmpty())
        text += u'/' + parsed.dbname;
    return cutForMessage(withoutPasswords(text, passwordsIn(uri)));
}

namespace {

// The session settings the program relies on, given at connection so that they cost
// no statement: dates read as yyyy-mm-dd whatever the server's own setting is; a row
// another user holds is waited for as long as a file's lock is, not for ever; and a
// backslash in a quoted text is a character like any other, as the statements the
// windows build assume (they only double quotes). They follow the address's own
// options, so that none of these is replaced by what the server, the database, the
// role or the address says.
QByteArray sessionOptions(const QString &addressOptions)
{
    QByteArray options = addressOptions.trimmed().toUtf8();
    // A last unpaired backslash would join the space after it to the address's last word.
    qsizetype backslashes = 0;
    while (backslashes < options.size() && options[options.size() - 1 - backslashes] == '\\')
        ++backslashes;
    if (backslashes % 2 == 1)
        options.chop(1);
    if (!options.isEmpty())
        options += ' ';
    return options + "-c DateStyle=ISO,YMD -c standard_conforming_strings=on -c lock_timeout="
           + QByteArray::number(Connection::DefaultBusyTimeoutMs);
}

} // namespace

PostgresSession::PostgresSession(const QString &uri)
{
    if (!isAddress(uri)) {
        throw DbError(
            QStringLiteral("%1 is not a PostgreSQL address: it must start with postgresql://.").arg(shownAddress(uri)));
    }
    const LibPq &pq = LibPq::get();
    const ParsedAddress parsed = parseAddress(uri);
    m_serverName = describeAddress(uri);
    m_address = uri;
    if (parsed.hasPassword) {
        throw DbError(QStringLiteral("The database address for %1 holds a password; keep passwords in ~/.pgpass or "
                                     "PGPASSWORD instead.")
                          .arg(m_serverName));
    }
    // Defaults first: the address overrides them. What comes after the address wins
    // over it: the program's own settings, and the encoding, so that every text
    // travels as UTF-8 whatever the address says.
    const QByteArray address = uri.toUtf8();
    const QByteArray options = sessionOptions(parsed.options);
    // Keep-alives end a session whose server vanished without a word instead of
    // leaving the window waiting for it.
    const char *keywords[] = {"connect_timeout",
                              "application_name",
                              "keepalives",
                              "keepalives_idle",
                              "keepalives_interval",
                              "keepalives_count",
                              "tcp_user_timeout",
                              "dbname",
                              "options",
                              "client_encoding",
                              nullptr};
    const char *values[] = {ConnectTimeoutSeconds, "Tallowmere",        "1",    "30",   "10", "3", "60000",
                            address.constData(),   options.constData(), "UTF8", nullptr};
    m_connection = pq.connectdbParams(keywords, values, 1);
    if (!m_connection)
        throw DbError(QStringLiteral("The database server %1 cannot be reached: out of memory.").arg(m_serverName));
    if (pq.status(m_connection) != CONNECTION_OK) {
        const QString reason = QString::fromUtf8(pq.errorMessage(m_connection)).trimmed();
        pq.finish(m_connection);
        m_connection = nullptr;
        throw DbError(QStringLiteral("The database server %1 cannot be reached (%2).")
                          .arg(m_serverName, cutForMessage(withoutPasswords(reason, passwordsIn(uri)))));
    }
    // The server reports these at start; a text holding a backslash must never be
    // read as an escape, whatever else may have been said.
    const auto reported = [&](const char *name) { return QByteArray(pq.parameterStatus(m_connection, name)); };
    if (reported("standard_conforming_strings") != "on" || reported("client_encoding") != "UTF8") {
        pq.finish(m_connection);
        m_connection = nullptr;
        throw DbError(QStringLiteral("The database server %1 does not keep the session settings the program needs "
                                     "(standard_conforming_strings on, client_encoding UTF8); nothing was done.")
                          .arg(m_serverName));
    }
}

bool PostgresSession::isUsable() const
{
    return m_connection && LibPq::get().status(m_connection) == CONNECTION_OK;
}

bool PostgresSession::checkConnection()
{
    const LibPq &pq = LibPq::get();
    if (!isUsable())
        return false;
    // A statement still sending rows owns the socket.
    if (pq.transactionStatus(m_connection) == PQTRANS_ACTIVE)
        return true;
    const int socket = pq.socket(m_connection);
    if (socket < 0)
        return false;
    // The server's farewell, then the end of the stream: at most a few reads.
    for (int reads = 0; reads < 4 && isUsable(); ++reads) {
        pollfd waiting = {socket, POLLIN, 0};
        if (::poll(&waiting, 1, 0) <= 0)
            break;
        if (!pq.consumeInput(m_connection))
            break;
    }
    return isUsable();
}

PostgresSession::~PostgresSession()
{
    if (m_connection)
        LibPq::get().finish(m_connection);
}

PostgresResult PostgresSession::check(PGresult *raw)
{
    PostgresResult result(raw);
    const ExecStatusType status = raw ? LibPq::get().resultStatus(raw) : PGRES_FATAL_ERROR;
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK || status == PGRES_SINGLE_TUPLE
        || status == PGRES_EMPTY_QUERY || status == PGRES_COPY_IN)
        return result;
    throw DbError(describePostgresError(raw, m_connection, m_serverName));
}

namespace {

// The values of a statement's $1, $2...: text, bytes in binary, Null as no value.
struct Parameters
{
    explicit Parameters(const QVariantList &parameters);
    std::vector<QByteArray> texts;
    std::vector<const char *> values;
    std::vector<int> lengths;
    std::vector<int> formats;
};

Parameters::Parameters(const QVariantList &parameters)
{
    texts.reserve(static_cast<size_t>(parameters.size()));
    for (const QVariant &value : parameters) {
        const bool binary = value.typeId() == QMetaType::QByteArray;
        texts.push_back(binary ? value.toByteArray() : parameterText(value));
        const bool null = !value.isValid() || value.isNull();
        values.push_back(null ? nullptr : texts.back().constData());
        lengths.push_back(static_cast<int>(texts.back().size()));
        formats.push_back(binary ? 1 : 0);
    }
}

quint64 originKey(unsigned table, int column)
{
    return (static_cast<quint64>(table) << 32) | static_cast<quint32>(column);
}

} // namespace

PostgresResult PostgresSession::run(const QString &sql, const QVariantList &parameters)
{
    const Parameters values(parameters);
    const QByteArray text = sql.toUtf8();
    return check(LibPq::get().execParams(m_connection, text.constData(), static_cast<int>(parameters.size()), nullptr,
                                         values.values.data(), values.lengths.data(), values.formats.data(), 0));
}

void PostgresSession::send(const QString &sql, const QVariantList &parameters, bool rowByRow)
{
    const LibPq &pq = LibPq::get();
    const Parameters values(parameters);
    const QByteArray text = sql.toUtf8();
    if (!pq.sendQueryParams(m_connection, text.constData(), static_cast<int>(parameters.size()), nullptr,
                            values.values.data(), values.lengths.data(), values.formats.data(), 0)) {
        throw DbError(describePostgresError(nullptr, m_connection, m_serverName));
    }
    if (rowByRow)
        pq.setSingleRowMode(m_connection);
}

PostgresResult PostgresSession::nextResult()
{
    return PostgresResult(LibPq::get().getResult(m_connection));
}

PostgresResult PostgresSession::checked(PostgresResult result)
{
    PGresult *raw = result.handle();
    const ExecStatusType status = LibPq::get().resultStatus(raw);
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK || status == PGRES_SINGLE_TUPLE
        || status == PGRES_EMPTY_QUERY)
        return result;
    throw DbError(describePostgresError(raw, m_connection, m_serverName));
}

void PostgresSession::ensureCatalog()
{
    if (!m_catalogStale)
        return;
    const PostgresResult names = run(QStringLiteral(
        "SELECT c.oid, a.attnum, c.relname, a.attname, format_type(a.atttypid, a.atttypmod) FROM pg_attribute a "
        "JOIN pg_class c ON c.oid = a.attrelid WHERE c.relnamespace = current_schema()::regnamespace "
        "AND c.relkind = 'r' AND a.attnum > 0 AND NOT a.attisdropped"));
    m_origins.clear();
    for (int row = 0; row < names.rowCount(); ++row) {
        m_origins.insert(
            originKey(names.value(row, 0).toUInt(), names.value(row, 1).toInt()),
            {names.value(row, 2).toString(), names.value(row, 3).toString(), names.value(row, 4).toString()});
    }
    m_catalogStale = false;
}

bool PostgresSession::hasTable(const QString &name)
{
    const auto known = [this, &name] {
        ensureCatalog();
        for (const ColumnOrigin &origin : std::as_const(m_origins)) {
            if (origin.table == name)
                return true;
        }
        return false;
    };
    if (known())
        return true;
    m_catalogStale = true; // made since the names were read?
    return known();
}

QByteArray PostgresSession::newCursorName()
{
    return "tallowmere_rows_" + QByteArray::number(++m_cursors);
}

const PostgresSession::ColumnOrigin *PostgresSession::origin(unsigned table, int column) const
{
    if (table == 0)
        return nullptr;
    const auto it = m_origins.constFind(originKey(table, column));
    if (it == m_origins.cend()) {
        m_catalogStale = true;
        return nullptr;
    }
    return &*it;
}

PostgresResult PostgresSession::runJet(const QString &sql, const QVariantList &parameters)
{
    const PostgresStatement statement = translateToPostgres(sql);
    if (statement.parameterCount != parameters.size()) {
        throw DbError(QStringLiteral("The statement takes %1 values but %2 were given.")
                          .arg(statement.parameterCount)
                          .arg(parameters.size()));
    }
    if (statement.text.trimmed().isEmpty())
        throw DbError(QStringLiteral("The statement is empty."));
    return run(statement.text, parameters);
}

void PostgresSession::runScript(const QString &sql)
{
    check(LibPq::get().exec(m_connection, sql.toUtf8().constData()));
}

void PostgresSession::beginTransaction()
{
    runScript(QStringLiteral("BEGIN"));
}

void PostgresSession::commit()
{
    runScript(QStringLiteral("COMMIT"));
}

void PostgresSession::rollback()
{
    if (inTransaction())
        runScript(QStringLiteral("ROLLBACK"));
}

bool PostgresSession::inTransaction() const
{
    const PGTransactionStatusType status = LibPq::get().transactionStatus(m_connection);
    return status == PQTRANS_INTRANS || status == PQTRANS_INERROR;
}

void PostgresSession::copyIn(const QString &copySql, const std::function<bool(QByteArray &)> &nextChunk)
{
    const LibPq &pq = LibPq::get();
    check(pq.exec(m_connection, copySql.toUtf8().constData()));
    QByteArray chunk;
    const char *failure = nullptr;
    QString reason;
    try {
        while (nextChunk(chunk)) {
            if (pq.putCopyData(m_connection, chunk.constData(), static_cast<int>(chunk.size())) != 1) {
                reason = QString::fromUtf8(pq.errorMessage(m_connection)).trimmed();
                failure = "sending the rows failed";
                break;
            }
        }
    } catch (...) {
        pq.putCopyEnd(m_connection, "stopped by the program");
        while (PGresult *rest = pq.getResult(m_connection))
            pq.clear(rest);
        throw;
    }
    pq.putCopyEnd(m_connection, failure);
    PostgresResult last;
    bool failed = false;
    while (PGresult *result = pq.getResult(m_connection)) {
        if (pq.resultStatus(result) != PGRES_COMMAND_OK && !failed) {
            failed = true;
            reason = describePostgresError(result, m_connection, m_serverName);
        }
        pq.clear(result);
    }
    if (failed || failure)
        throw DbError(reason.isEmpty() ? QStringLiteral("Copying rows to %1 failed.").arg(m_serverName) : reason);
}

void PostgresSession::cancel()
{
    const LibPq &pq = LibPq::get();
    if (PGcancel *request = pq.getCancel(m_connection)) {
        char error[256];
        pq.cancel(request, error, sizeof error);
        pq.freeCancel(request);
    }
}

QString describePostgresError(PGresult *result, PGconn *connection, const QString &serverName)
{
    const LibPq &pq = LibPq::get();
    if (!result || (connection && pq.status(connection) != CONNECTION_OK)) {
        const QString reason = connection ? QString::fromUtf8(pq.errorMessage(connection)).trimmed() : QString();
        return QStringLiteral("The connection to the database server %1 was lost (%2).")
            .arg(serverName, cutForMessage(reason));
    }
    // A server's message may quote a whole value or statement.
    const QByteArray state = pq.resultErrorField(result, PG_DIAG_SQLSTATE);
    const QString message = cutForMessage(QString::fromUtf8(pq.resultErrorField(result, PG_DIAG_MESSAGE_PRIMARY)));
    const QString detail = cutForMessage(QString::fromUtf8(pq.resultErrorField(result, PG_DIAG_MESSAGE_DETAIL)));
    if (state.startsWith("23")) {
        QString text = QStringLiteral("The row was not stored: %1").arg(message);
        if (!detail.isEmpty())
            text += QStringLiteral(" (%1)").arg(detail);
        return sentence(text);
    }
    if (state == "22P02" || state == "22003")
        return sentence(QStringLiteral("The row was not stored: %1").arg(message));
    if (state == "22007" || state == "22008")
        return sentence(QStringLiteral("The row was not stored: %1; a date is written YYYY-MM-DD").arg(message));
    if (state == "57014")
        return QStringLiteral("The statement was cancelled.");
    if (state == "55P03") {
        return QStringLiteral("The database on %1 is locked by another user; try again when they have finished.")
            .arg(serverName);
    }
    if (state == "40001" || state == "40P01")
        return QStringLiteral("Another user's change on %1 got in the way; nothing was stored, try again.")
            .arg(serverName);
    if (state == "42501")
        return QStringLiteral("The database server %1 refused: %2").arg(serverName, sentence(message));
    if (state.startsWith("08") || state.startsWith("57P") || state.startsWith("53"))
        return QStringLiteral("The database server %1 failed: %2").arg(serverName, sentence(message));
    if (message.isEmpty())
        return sentence(cutForMessage(QString::fromUtf8(pq.resultErrorMessage(result))));
    return sentence(message);
}

} // namespace db
