#pragma once

#include "db/Recordset.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QWidget;

namespace records {

// Binds text boxes (QLineEdit or QPlainTextEdit) to columns of a recordset by name:
// each box shows its column of the current row, and any change to a box's text (typed,
// pasted or inserted through the accessibility interface) changes that column of the
// current row.
class FieldBinding : public QObject
{
    Q_OBJECT

public:
    explicit FieldBinding(QObject *parent = nullptr);

    void addField(const QString &column, QWidget *editor);
    // nullptr unbinds; the boxes are then emptied.
    void bind(db::Recordset *recordset);

private:
    struct Field
    {
        QString column;
        QWidget *editor = nullptr;
    };

    void showCurrentRow();
    void write(const Field &field, const QString &text);

    std::vector<Field> m_fields;
    QPointer<db::Recordset> m_recordset;
    std::vector<QMetaObject::Connection> m_connections;
    const Field *m_writing = nullptr;
    bool m_showing = false;
};

} // namespace records
