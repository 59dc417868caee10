#include "db/postgres/PostgresStatement.h"

#include "db/DbError.h"
#include "db/schema/SchemaTables.h"
#include "db/sql/SqlTokens.h"

#include <QHash>

namespace db {

namespace {

using sql::Token;
using sql::TokenKind;

// ICU's root collation, deterministic: LIKE works on it and its lower() knows every letter.
constexpr auto CaseFoldingCollation = " COLLATE \"und-x-icu\"";

const QHash<QString, QString> &knownNames()
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> map;
        for (const QString &name : SchemaTables::allNames())
            map.insert(name.toLower(), name);
        return map;
    }();
    return names;
}

QString schemaSpelling(const QString &name)
{
    return knownNames().value(name.toLower(), name);
}

QString stringLiteral(QString text)
{
    return u'\'' + text.replace(u'\'', QLatin1String("''")) + u'\'';
}

bool afterAs(const QList<Token> &tokens, int i)
{
    const int before = sql::previousSignificant(tokens, i - 1);
    return before >= 0 && sql::isKeyword(tokens[before], QLatin1String("AS"));
}

void quoteNames(QList<Token> &tokens)
{
    for (int i = 0; i < tokens.size(); ++i) {
        Token &token = tokens[i];
        if (token.kind == TokenKind::Quoted && !sql::isStringLiteral(token)) {
            QString name = sql::bareName(token);
            if (token.text.startsWith(u'"'))
                name.replace(QLatin1String("\"\""), QLatin1String("\""));
            if (token.text.startsWith(u'"') && !afterAs(tokens, i) && !knownNames().contains(name.toLower()))
                token.text
                    = stringLiteral(name); // Jet reads "text" as a string, as SQLite does when it names no column
            else
                token.text = quotePostgresName(schemaSpelling(name));
        } else if (token.kind == TokenKind::Word) {
            if (knownNames().contains(token.text.toLower()))
                token.text = quotePostgresName(schemaSpelling(token.text));
            else if (afterAs(tokens, i))
                token.text = quotePostgresName(token.text); // an alias keeps its case
        }
    }
}

// SQLite's row id stands for the key of the statement's table: every table has one.
void translateRowId(QList<Token> &tokens)
{
    QString key;
    for (int i = 0; i < tokens.size() && key.isEmpty(); ++i) {
        if (!sql::isKeyword(tokens[i], QLatin1String("FROM")) && !sql::isKeyword(tokens[i], QLatin1String("UPDATE")))
            continue;
        const int table = sql::nextSignificant(tokens, i + 1);
        if (table < 0)
            break;
        const QString name = sql::bareName(tokens[table]);
        for (const QList<SchemaTables::Table> *tables : {&SchemaTables::businessTables(), &SchemaTables::rssTables()}) {
            for (const SchemaTables::Table &candidate : *tables) {
                if (candidate.name.compare(name, Qt::CaseInsensitive) == 0)
                    key = candidate.keyColumn();
            }
        }
    }
    if (key.isEmpty())
        return;
    for (Token &token : tokens) {
        if (sql::isKeyword(token, QLatin1String("_rowid_")) || sql::isKeyword(token, QLatin1String("rowid")))
            token.text = key;
    }
}

// SQLite's null-safe "x IS ?", and "x IS ? COLLATE BINARY" (equal to the last byte,
// case included, whatever the column's type), the way a store checks that nobody
// changed its row.
void translateIsValue(QList<Token> &tokens)
{
    for (int i = 0; i < tokens.size(); ++i) {
        if (!sql::isKeyword(tokens[i], QLatin1String("IS")))
            continue;
        const int value = sql::nextSignificant(tokens, i + 1);
        if (value < 0 || !sql::isPunct(tokens[value], u'?'))
            continue;
        const int collate = sql::nextSignificant(tokens, value + 1);
        const int binary = collate < 0 ? -1 : sql::nextSignificant(tokens, collate + 1);
        const bool exact = binary >= 0 && sql::isKeyword(tokens[collate], QLatin1String("COLLATE"))
                           && sql::isKeyword(tokens[binary], QLatin1String("BINARY"));
        tokens[i].text = QStringLiteral("IS NOT DISTINCT FROM");
        if (!exact)
            continue;
        tokens.remove(value + 1, binary - value);
        tokens.insert(value + 1, {TokenKind::Space, QStringLiteral("::text COLLATE \"C\"")});
        const int operand = sql::previousSignificant(tokens, i - 1);
        if (operand >= 0)
            tokens.insert(operand + 1, {TokenKind::Space, QStringLiteral("::text")});
        ++i;
    }
}

// SQLite's date('now'...) is today's date.
void translateToday(QList<Token> &tokens)
{
    for (int i = 0; i < tokens.size(); ++i) {
        if (!sql::isKeyword(tokens[i], QLatin1String("date")))
            continue;
        const int open = sql::nextSignificant(tokens, i + 1);
        const int now = open < 0 ? -1 : sql::nextSignificant(tokens, open + 1);
        if (now < 0 || !sql::isPunct(tokens[open], u'(')
            || tokens[now].text.compare(QLatin1String("'now'"), Qt::CaseInsensitive) != 0)
            continue;
        int close = now;
        while (close < tokens.size() && !sql::isPunct(tokens[close], u')'))
            ++close;
        if (close >= tokens.size())
            continue;
        tokens.remove(i, close - i + 1);
        tokens.insert(i, {TokenKind::Space, QStringLiteral("CURRENT_DATE")});
    }
}

void caseFoldLike(QList<Token> &tokens)
{
    for (int i = 0; i < tokens.size(); ++i) {
        if (!sql::isKeyword(tokens[i], QLatin1String("LIKE")))
            continue;
        int operand = sql::previousSignificant(tokens, i - 1);
        if (operand >= 0 && sql::isKeyword(tokens[operand], QLatin1String("NOT")))
            operand = sql::previousSignificant(tokens, operand - 1);
        if (operand < 0)
            continue;
        tokens[i].text = QStringLiteral("ILIKE");
        tokens.insert(operand + 1, {TokenKind::Space, QLatin1String(CaseFoldingCollation)});
        ++i;
    }
}

// PostgreSQL reads E'...' as a text with backslash escapes, where \' does not end it;
// Jet and SQLite know no such form. A word written right before a quote stays a word.
void separateEscapePrefix(QList<Token> &tokens)
{
    for (int i = 1; i < tokens.size(); ++i) {
        const Token &before = tokens[i - 1];
        if (sql::isStringLiteral(tokens[i]) && before.kind == TokenKind::Word
            && before.text.compare(QLatin1String("E"), Qt::CaseInsensitive) == 0)
            tokens.insert(i, {TokenKind::Space, QStringLiteral(" ")});
    }
}

int numberPlaceholders(QList<Token> &tokens)
{
    int count = 0;
    for (Token &token : tokens) {
        if (sql::isPunct(token, u'?'))
            token.text = u'$' + QString::number(++count);
    }
    return count;
}

void dropTrailingSemicolons(QList<Token> &tokens)
{
    int last = sql::previousSignificant(tokens, static_cast<int>(tokens.size()) - 1);
    while (last >= 0 && sql::isPunct(tokens[last], u';')) {
        tokens.remove(last, tokens.size() - last);
        last = sql::previousSignificant(tokens, static_cast<int>(tokens.size()) - 1);
    }
    tokens.remove(last + 1, tokens.size() - last - 1);
    for (const Token &token : tokens) {
        if (sql::isPunct(token, u';'))
            throw DbError(QStringLiteral("Only one statement can be run at a time."));
    }
}

} // namespace

QString quotePostgresName(const QString &name)
{
    return u'"' + QString(name).replace(u'"', QLatin1String("\"\"")) + u'"';
}

PostgresStatement translateToPostgres(const QString &text)
{
    QList<Token> tokens = sql::tokenize(text);
    dropTrailingSemicolons(tokens);
    sql::translateJetStatement(tokens);
    separateEscapePrefix(tokens);
    translateRowId(tokens);
    translateToday(tokens);
    quoteNames(tokens);
    translateIsValue(tokens);
    caseFoldLike(tokens);
    PostgresStatement statement;
    statement.parameterCount = numberPlaceholders(tokens);
    statement.text = sql::join(tokens);
    return statement;
}

} // namespace db
