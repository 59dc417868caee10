#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariant>

typedef struct pg_result PGresult;

namespace db {

// The rows (or the outcome) of one statement run on a PostgreSQL server. Values
// read the way the SQLite engine gives them: Null as an invalid QVariant, whole
// numbers as qlonglong, reals as double, bytea as QByteArray, everything else as text.
class PostgresResult
{
public:
    PostgresResult() = default;
    explicit PostgresResult(PGresult *result);
    ~PostgresResult();
    PostgresResult(PostgresResult &&other) noexcept;
    PostgresResult &operator=(PostgresResult &&other) noexcept;
    PostgresResult(const PostgresResult &) = delete;
    PostgresResult &operator=(const PostgresResult &) = delete;

    int rowCount() const;
    int columnCount() const;
    QString columnName(int column) const;
    QVariant value(int row, int column) const;
    bool isNull(int row, int column) const;
    // The field as the server sent it (UTF-8 text), without conversion.
    QByteArrayView rawText(int row, int column) const;
    // The table (its catalog number) and the column number a result column comes
    // from; 0 for expressions.
    unsigned originTable(int column) const;
    int originColumn(int column) const;
    // Rows changed by an INSERT, UPDATE or DELETE.
    int affectedRows() const;

    PGresult *handle() const { return m_result; }

private:
    PGresult *m_result = nullptr;
};

} // namespace db
