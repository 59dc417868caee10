#include "documents/TemplateStore.h"

#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/schema/SchemaTables.h"

#include <QCoreApplication>

namespace documents {

void TemplateStore::open(const QString &name)
{
    close();
    m_connection.open(db::ConnectionStrings::document());
    auto row = std::make_unique<db::Recordset>();
    try {
        // Bound, not pasted between quotes: a name holding a quote still finds its template.
        row->open(QStringLiteral("select * from [ARTICLESOFINCORPORATION] where ReportName = ?"), m_connection,
                  db::CursorType::Static, db::LockType::Optimistic, {name});
        if (row->eof())
            throw db::DbError(
                QCoreApplication::translate("documents::TemplateStore", "There is no template named \"%1\".")
                    .arg(name));
    } catch (...) {
        m_connection.close();
        throw;
    }
    m_row = std::move(row);
}

void TemplateStore::close()
{
    m_row.reset();
    if (m_connection.isOpen())
        m_connection.close();
}

QString TemplateStore::text() const
{
    if (!m_row)
        return {};
    return m_row->value(db::tables::Templates::Info).toString();
}

void TemplateStore::save(const QString &text)
{
    if (!m_row)
        throw db::DbError(QCoreApplication::translate("documents::TemplateStore", "No template is open."));
    m_row->setValue(db::tables::Templates::Info, text);
    m_row->update();
}

} // namespace documents
