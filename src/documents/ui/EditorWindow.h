#pragma once

#include "documents/TemplateStore.h"
#include "ui/Window.h"

class QListWidget;
class QListWidgetItem;
class QTimer;
class QPlainTextEdit;
class QPushButton;

namespace documents {

// Edits the text of one stored template and inserts merge fields from the field list.
// Bracketed names that the merge will not fill are marked in the text and listed with
// their line and the nearest merge field; closing asks before unsaved changes are lost.
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
    // Unsaved changes: Save, Discard or Cancel (stay open).
    bool queryClose() override;

private:
    void insertField();
    // False when the template could not be stored (the reason has been shown).
    bool saveTemplate();
    void checkFieldNames();
    void showUnknownField(QListWidgetItem *item);

    QString m_fileName;
    TemplateStore m_template;
    QListWidget *m_fields;
    QPushButton *m_insert;
    QPlainTextEdit *m_text;
    QPushButton *m_exit;
    QPushButton *m_save;
    QListWidget *m_fieldCheck;
    QTimer *m_checkTimer;
    // The text as last loaded or saved, to tell whether there are changes.
    QString m_savedText;
};

} // namespace documents
