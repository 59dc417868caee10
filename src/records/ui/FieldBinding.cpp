#include "records/ui/FieldBinding.h"

#include "db/DbError.h"
#include "records/ShownValue.h"
#include "ui/Controls.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace records {

namespace {

QString textOf(const QVariant &value)
{
    return value.isValid() ? value.toString() : QString();
}

void setEditorText(QWidget *editor, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        if (line->text() != text) {
            line->setText(text);
            line->setCursorPosition(0);
        }
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(editor)) {
        // Stored texts end their lines with CR LF; the box works with LF.
        const QString shown = QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
        if (ui::heldText(plain) != shown)
            plain->setPlainText(shown);
    }
}

} // namespace

FieldBinding::FieldBinding(QObject *parent)
    : QObject(parent)
{
}

void FieldBinding::addField(const QString &column, QWidget *editor)
{
    m_fields.push_back({column, editor});
    const size_t index = m_fields.size() - 1;
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        // Any change counts, typed or not (a screen reader's or on-screen keyboard's
        // insertion sets the text directly), except the binding's own showing of a row.
        connect(line, &QLineEdit::textChanged, this, [this, index](const QString &text) {
            if (!m_showing)
                write(m_fields[index], text);
        });
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(editor)) {
        connect(plain, &QPlainTextEdit::textChanged, this, [this, index, plain] {
            if (!m_showing)
                write(m_fields[index], ui::heldText(plain).replace(u'\n', QLatin1String("\r\n")));
        });
    }
}

void FieldBinding::bind(db::Recordset *recordset)
{
    for (const auto &connection : m_connections)
        disconnect(connection);
    m_connections.clear();
    m_recordset = recordset;
    if (recordset) {
        for (auto signal : {&db::Recordset::moveComplete, &db::Recordset::rowsReset})
            m_connections.push_back(connect(recordset, signal, this, &FieldBinding::showCurrentRow));
        for (auto signal : {&db::Recordset::rowChanged, &db::Recordset::rowInserted, &db::Recordset::rowRemoved})
            m_connections.push_back(connect(recordset, signal, this, &FieldBinding::showCurrentRow));
    }
    showCurrentRow();
}

void FieldBinding::showCurrentRow()
{
    const bool onRow = m_recordset && m_recordset->isOpen() && !m_recordset->bof() && !m_recordset->eof();
    m_showing = true;
    for (const Field &field : m_fields) {
        // The box being typed into already shows what it holds.
        if (&field == m_writing)
            continue;
        QString text;
        if (onRow) {
            const int column = m_recordset->columnIndex(field.column);
            const QVariant value = m_recordset->valueAt(m_recordset->currentIndex(), column);
            // A key or date added, which no one types, shows the locale's way.
            text = m_recordset->isColumnWritable(column) ? textOf(value) : shownReadOnlyValue(value);
        }
        setEditorText(field.editor, text);
    }
    m_showing = false;
}

void FieldBinding::write(const Field &field, const QString &text)
{
    if (!m_recordset)
        return;
    m_writing = &field;
    try {
        m_recordset->setValue(field.column, text);
    } catch (const db::DbError &) {
        // No current row to take the text (an empty recordset): the box keeps it alone.
    }
    m_writing = nullptr;
}

} // namespace records
