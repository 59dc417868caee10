#pragma once

#include <QLatin1String>
#include <QList>
#include <QString>
#include <QStringList>

namespace db::sql {

enum class TokenKind {
    Space,
    Word,
    Quoted,
    Punct
};

struct Token
{
    TokenKind kind;
    QString text;
};

// Splits a statement into words, quoted pieces ('text', [name], "name", `name`),
// comments and whitespace (both kept as Space), and single punctuation characters.
// Joining the texts again gives the statement back unchanged.
QList<Token> tokenize(const QString &sql);
QString join(const QList<Token> &tokens);
// The statements of a script, split at each ';' outside quotes; empty ones dropped.
QStringList splitStatements(const QString &script);

bool isKeyword(const Token &token, QLatin1String word);
bool isPunct(const Token &token, char16_t c);
bool isStringLiteral(const Token &token);
// A name as written, without its brackets or quotes, for comparing names.
QString bareName(const Token &token);

// Indexes of the nearest token that is not white space, or -1.
int nextSignificant(const QList<Token> &tokens, int from);
int previousSignificant(const QList<Token> &tokens, int from);
// The index of the first occurrence of a keyword outside parentheses at or after `from`, or -1.
int findTopLevel(const QList<Token> &tokens, int from, QLatin1String keyword);

// Jet's Yes/No (and True/False) literals become 1 and 0, the way Yes/No columns are stored.
void translateBooleans(QList<Token> &tokens);
// DELETE t.c FROM t WHERE ...  ->  DELETE FROM t WHERE ...
void translateDelete(QList<Token> &tokens, int deleteIndex);
// UPDATE t SET t.c = v  ->  UPDATE t SET c = v (neither engine takes qualified targets).
void translateUpdate(QList<Token> &tokens, int updateIndex);
// Both rewrites above, for the statement's first word.
void translateJetStatement(QList<Token> &tokens);

} // namespace db::sql
