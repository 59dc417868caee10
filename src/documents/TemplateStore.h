#pragma once

#include "db/Connection.h"
#include "db/Recordset.h"

#include <QString>

#include <memory>

namespace documents {

// The template being edited: its row stays open on a connection of its own until
// close(), so save() writes back into the same row.
class TemplateStore
{
public:
    // Opens the first template whose name matches, ignoring case. Throws db::DbError,
    // also when no template has that name.
    void open(const QString &name);
    bool isOpen() const { return m_row != nullptr; }
    void close();

    // The template's text with CR LF line ends; empty when it has none (Null).
    QString text() const;
    // Stores the text as given. Throws db::DbError.
    void save(const QString &text);

private:
    db::Connection m_connection;
    std::unique_ptr<db::Recordset> m_row;
};

} // namespace documents
