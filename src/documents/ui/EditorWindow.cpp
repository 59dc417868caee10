#include "documents/ui/EditorWindow.h"

#include "db/DbError.h"
#include "documents/LineBreaks.h"
#include "documents/MergeFieldInsertion.h"
#include "documents/TemplateCatalog.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

namespace documents {

namespace {

namespace Layout {
constexpr ui::TwipsSize Client{10815, 7980};
constexpr ui::TwipsBox List1{60, 60, 2055, 6495};
constexpr ui::TwipsBox CmdInsert{480, 6960, 1455, 375};
constexpr ui::TwipsBox Text1{2160, 60, 8595, 7395};
constexpr ui::TwipsBox CmdExit{3300, 7560, 1695, 375};
constexpr ui::TwipsBox CmdSave{5820, 7560, 1695, 375};
} // namespace Layout

} // namespace

EditorWindow::EditorWindow(QWidget *parent)
    : ui::Window(parent)
    , m_fields(ui::makeList(this, "List1", QStringLiteral("Merge fields"), Layout::List1))
    , m_insert(ui::makeButton(this, "CmdInsert", QStringLiteral("Insert"), Layout::CmdInsert))
    , m_text(ui::makeTextBox(this, "Text1", QStringLiteral("Template text"), Layout::Text1))
    , m_exit(ui::makeButton(this, "CmdExit", QStringLiteral("Exit"), Layout::CmdExit))
    , m_save(ui::makeButton(this, "CmdSave", QStringLiteral("Save"), Layout::CmdSave))
{
    setObjectName(QStringLiteral("Editor"));
    setWindowTitle(QStringLiteral("Editor"));
    ui::setClientSize(this, Layout::Client);
    // Long field names differ at their ends, so the narrow list shows the ends.
    m_fields->setTextElideMode(Qt::ElideLeft);
    m_fields->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabOrder(m_text, m_exit);
    setTabOrder(m_exit, m_save);
    setTabOrder(m_save, m_insert);
    setTabOrder(m_insert, m_fields);

    connect(m_insert, &QPushButton::clicked, this, &EditorWindow::insertField);
    connect(m_save, &QPushButton::clicked, this, &EditorWindow::saveTemplate);
    // Unsaved changes are dropped without a question.
    connect(m_exit, &QPushButton::clicked, this, &EditorWindow::unload);
    makeScrollable();
}

void EditorWindow::showTemplate(const QString &fileName)
{
    m_fileName = fileName;
    showWindow();
}

void EditorWindow::formLoad()
{
    try {
        m_template.open(m_fileName);
        m_text->setPlainText(withDisplayLineBreaks(m_template.text()));
        for (const QString &name : mergeFieldNames()) {
            auto *item = new QListWidgetItem(name, m_fields);
            item->setToolTip(name);
        }
    } catch (const db::DbError &) {
        formUnload();
        throw;
    }
}

void EditorWindow::formUnload()
{
    m_template.close();
    m_text->clear();
    m_fields->clear();
}

void EditorWindow::insertField()
{
    const QListWidgetItem *field = m_fields->currentItem();
    const QString name = field && field->isSelected() ? field->text() : QString();
    const QTextCursor cursor = m_text->textCursor();
    const int start = cursor.selectionStart();
    const int length = cursor.selectionEnd() - start;
    m_text->setPlainText(insertMergeField(ui::heldText(m_text), start, length, name));
    // The caret goes after the new field, ready for the next one.
    QTextCursor after = m_text->textCursor();
    after.setPosition(start + name.size() + 2);
    m_text->setTextCursor(after);
}

void EditorWindow::saveTemplate()
{
    try {
        m_template.save(withStoredLineBreaks(ui::heldText(m_text)));
    } catch (const db::DbError &error) {
        ui::Dialogs::message(this, error.description());
    }
}

} // namespace documents
