#pragma once

#include "documents/ui/TextDocumentWindow.h"

#include <QStringList>

class QPlainTextEdit;

namespace documents {

// A stored template filled with one business's data, shown for reading. Nothing typed
// into it is kept. Merge fields that had no value for this business stay in the text,
// highlighted, and are listed once under it, so they are not printed by surprise. The
// File menu also saves the document for a word processor and copies it whole.
class ArticlesWindow : public TextDocumentWindow
{
    Q_OBJECT

public:
    explicit ArticlesWindow(QWidget *parent = nullptr);

    // Shows a template filled with a business's data. A window that is loaded already
    // comes to the front, merged anew when it showed another template or business.
    // Throws db::DbError when the database cannot be read; the window is then unloaded.
    void showTemplate(const QString &reportName, qint64 businessInformationId);
    // What was last handed over, read when the window loads.
    QString reportName() const { return m_reportName; }
    qint64 businessInformationId() const { return m_businessInformationId; }
    // The merge fields of the document on show that had no value, each once.
    QStringList fieldsWithoutValue() const { return m_fieldsWithoutValue; }

protected:
    void formLoad() override;
    void formUnload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitTextToWindow();
    void markFieldsWithoutValue();
    void saveAsDocument();
    void copyAll();

    QPlainTextEdit *m_text;
    QString m_reportName;
    qint64 m_businessInformationId = 0;
    QStringList m_fieldsWithoutValue;
};

} // namespace documents
