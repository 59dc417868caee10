#include "db/sql/SqlTokens.h"

namespace db::sql {

namespace {

bool isWordStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

} // namespace

QList<Token> tokenize(const QString &sql)
{
    QList<Token> tokens;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql[i];
        const qsizetype start = i;
        if (c.isSpace()) {
            while (i < n && sql[i].isSpace())
                ++i;
            tokens.append({TokenKind::Space, sql.mid(start, i - start)});
        } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            while (i < n && sql[i] != u'\n')
                ++i;
            tokens.append({TokenKind::Space, sql.mid(start, i - start)});
        } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
            const qsizetype end = sql.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? n : end + 2;
            tokens.append({TokenKind::Space, sql.mid(start, i - start)});
        } else if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
            const QChar close = c == u'[' ? QChar(u']') : c;
            ++i;
            while (i < n) {
                if (sql[i] == close) {
                    // A doubled quote stands for itself inside the literal.
                    if (close != u']' && i + 1 < n && sql[i + 1] == close) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            tokens.append({TokenKind::Quoted, sql.mid(start, i - start)});
        } else if (isWordStart(c)) {
            while (i < n && isWordChar(sql[i]))
                ++i;
            tokens.append({TokenKind::Word, sql.mid(start, i - start)});
        } else if (c.isDigit()) {
            while (i < n && (isWordChar(sql[i]) || sql[i] == u'.'))
                ++i;
            tokens.append({TokenKind::Word, sql.mid(start, i - start)});
        } else {
            ++i;
            tokens.append({TokenKind::Punct, QString(c)});
        }
    }
    return tokens;
}

QString join(const QList<Token> &tokens)
{
    QString result;
    for (const Token &token : tokens)
        result += token.text;
    return result;
}

QStringList splitStatements(const QString &script)
{
    QStringList statements;
    QString current;
    for (const Token &token : tokenize(script)) {
        if (isPunct(token, u';')) {
            if (!current.trimmed().isEmpty())
                statements << current;
            current.clear();
        } else {
            current += token.text;
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current;
    return statements;
}

bool isKeyword(const Token &token, QLatin1String word)
{
    return token.kind == TokenKind::Word && token.text.compare(word, Qt::CaseInsensitive) == 0;
}

bool isPunct(const Token &token, char16_t c)
{
    return token.kind == TokenKind::Punct && token.text.size() == 1 && token.text[0] == c;
}

bool isStringLiteral(const Token &token)
{
    return token.kind == TokenKind::Quoted && token.text.startsWith(u'\'');
}

QString bareName(const Token &token)
{
    if (token.kind == TokenKind::Quoted && token.text.size() >= 2 && !isStringLiteral(token))
        return token.text.mid(1, token.text.size() - 2);
    return token.text;
}

int nextSignificant(const QList<Token> &tokens, int from)
{
    for (int i = from; i < tokens.size(); ++i) {
        if (tokens[i].kind != TokenKind::Space)
            return i;
    }
    return -1;
}

int previousSignificant(const QList<Token> &tokens, int from)
{
    for (int i = from; i >= 0; --i) {
        if (tokens[i].kind != TokenKind::Space)
            return i;
    }
    return -1;
}

int findTopLevel(const QList<Token> &tokens, int from, QLatin1String keyword)
{
    int depth = 0;
    for (int i = from; i < tokens.size(); ++i) {
        if (isPunct(tokens[i], u'('))
            ++depth;
        else if (isPunct(tokens[i], u')'))
            --depth;
        else if (depth == 0 && isKeyword(tokens[i], keyword))
            return i;
    }
    return -1;
}

void translateBooleans(QList<Token> &tokens)
{
    for (int i = 0; i < tokens.size(); ++i) {
        Token &token = tokens[i];
        if (token.kind != TokenKind::Word)
            continue;
        const bool yes = isKeyword(token, QLatin1String("Yes")) || isKeyword(token, QLatin1String("True"));
        const bool no = isKeyword(token, QLatin1String("No")) || isKeyword(token, QLatin1String("False"));
        if (!yes && !no)
            continue;
        // Not a literal when it is part of a qualified name or a function call.
        const int before = previousSignificant(tokens, i - 1);
        const int after = nextSignificant(tokens, i + 1);
        if (before >= 0 && isPunct(tokens[before], u'.'))
            continue;
        if (after >= 0 && (isPunct(tokens[after], u'.') || isPunct(tokens[after], u'(')))
            continue;
        token.text = yes ? QStringLiteral("1") : QStringLiteral("0");
    }
}

namespace {

bool isName(const Token &token)
{
    return token.kind == TokenKind::Word || (token.kind == TokenKind::Quoted && !isStringLiteral(token));
}

// The index of the FROM ending a target list of the Jet form (t.c, t.*, *, separated
// by commas) that starts at `from`, or -1 when something else stands there.
int endOfDeleteTargets(const QList<Token> &tokens, int from)
{
    int i = nextSignificant(tokens, from);
    while (i >= 0) {
        if (isPunct(tokens[i], u'*')) {
            i = nextSignificant(tokens, i + 1);
        } else if (isName(tokens[i])) {
            const int dot = nextSignificant(tokens, i + 1);
            if (dot < 0 || !isPunct(tokens[dot], u'.'))
                return -1;
            const int column = nextSignificant(tokens, dot + 1);
            if (column < 0 || !(isName(tokens[column]) || isPunct(tokens[column], u'*')))
                return -1;
            i = nextSignificant(tokens, column + 1);
        } else {
            return -1;
        }
        if (i < 0)
            return -1;
        if (isKeyword(tokens[i], QLatin1String("FROM")))
            return i;
        if (!isPunct(tokens[i], u','))
            return -1;
        i = nextSignificant(tokens, i + 1);
    }
    return -1;
}

} // namespace

// Anything but a target list before FROM is left for the engine to refuse: taking it
// out would widen the statement (a misplaced WHERE) or run a second one.
void translateDelete(QList<Token> &tokens, int deleteIndex)
{
    const int next = nextSignificant(tokens, deleteIndex + 1);
    if (next < 0 || isKeyword(tokens[next], QLatin1String("FROM")))
        return;
    const int from = endOfDeleteTargets(tokens, deleteIndex + 1);
    if (from < 0)
        return;
    tokens.remove(deleteIndex + 1, from - deleteIndex - 1);
    tokens.insert(deleteIndex + 1, {TokenKind::Space, QStringLiteral(" ")});
}

void translateUpdate(QList<Token> &tokens, int updateIndex)
{
    const int tableIndex = nextSignificant(tokens, updateIndex + 1);
    if (tableIndex < 0)
        return;
    const QString table = bareName(tokens[tableIndex]);
    const int set = findTopLevel(tokens, tableIndex + 1, QLatin1String("SET"));
    if (set < 0)
        return;
    int end = findTopLevel(tokens, set + 1, QLatin1String("WHERE"));
    if (end < 0)
        end = static_cast<int>(tokens.size());
    for (int i = set + 1; i < end; ++i) {
        const Token &token = tokens[i];
        if ((token.kind != TokenKind::Word && token.kind != TokenKind::Quoted) || isStringLiteral(token))
            continue;
        if (bareName(token).compare(table, Qt::CaseInsensitive) != 0)
            continue;
        if (i + 1 < end && isPunct(tokens[i + 1], u'.')) {
            tokens.remove(i, 2);
            end -= 2;
            --i;
        }
    }
}

void translateJetStatement(QList<Token> &tokens)
{
    translateBooleans(tokens);
    const int first = nextSignificant(tokens, 0);
    if (first < 0)
        return;
    if (isKeyword(tokens[first], QLatin1String("DELETE")))
        translateDelete(tokens, first);
    else if (isKeyword(tokens[first], QLatin1String("UPDATE")))
        translateUpdate(tokens, first);
}

} // namespace db::sql
