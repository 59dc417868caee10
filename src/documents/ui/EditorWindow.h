#pragma once

#include "documents/TemplateStore.h"
#include "ui/Window.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace documents {

// Edits the text of one stored template and inserts merge fields from the field list.
class EditorWindow : public ui::Window
{
    Q_OBJECT

public:
    explicit EditorWindow(QWidget *parent = nullptr);

    // Shows a stored template for editing; a window that is loaded already only comes
    // to the front. Throws db::DbError when the template cannot be opened.
    void showTemplate(const QString &fileName);
    // The template last handed over, read when the window loads.
    QString fileName() const { return m_fileName; }

protected:
    // Throws db::DbError when the template cannot be opened; the window stays unloaded.
    void formLoad() override;
    // Releases the template's connection however the window closes, so the next load works.
    void formUnload() override;

private:
    void insertField();
    void saveTemplate();

    QString m_fileName;
    TemplateStore m_template;
    QListWidget *m_fields;
    QPushButton *m_insert;
    QPlainTextEdit *m_text;
    QPushButton *m_exit;
    QPushButton *m_save;
};

} // namespace documents
