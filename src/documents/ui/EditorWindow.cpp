#include "documents/ui/EditorWindow.h"

#include "db/DbError.h"
#include "documents/FieldCheck.h"
#include "documents/LineBreaks.h"
#include "documents/MergeFieldInsertion.h"
#include "documents/TemplateCatalog.h"
#include "documents/ui/EditorWindowLayout.h"
#include "documents/ui/LongLines.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace documents {

namespace {

namespace Layout = EditorWindowLayout;

// Typing pauses this long before the field names are checked again.
constexpr int CheckDelayMilliseconds = 250;
// A person works through a list this long; more names are counted, not listed.
constexpr qsizetype MostFieldsListed = 500;

} // namespace

EditorWindow::EditorWindow(QWidget *parent)
    : ui::Window(parent)
    , m_fields(ui::makeList(this, "List1", tr("Merge fields"), Layout::List1))
    , m_insert(ui::makeButton(this, "CmdInsert", tr("Insert"), Layout::CmdInsert))
    , m_text(ui::makeTextBox(this, "Text1", tr("Template text"), Layout::Text1))
    , m_exit(ui::makeButton(this, "CmdExit", tr("Exit"), Layout::CmdExit))
    , m_save(ui::makeButton(this, "CmdSave", tr("Save"), Layout::CmdSave))
    , m_fieldCheck(
          ui::makeList(this, "lstFieldCheck", tr("Field names the merge does not know"), Layout::LstFieldCheck))
    , m_checkTimer(new QTimer(this))
{
    setObjectName(tr("Editor"));
    setWindowTitle(tr("Editor"));
    ui::setClientSize(this, Layout::Client);
    // Long field names share their starts ("REGISTEREDAGENT...") and differ at their
    // ends: the narrow list keeps both and cuts the middle (the tool tip has it whole).
    m_fields->setTextElideMode(Qt::ElideMiddle);
    m_fields->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabOrder(m_text, m_exit);
    setTabOrder(m_exit, m_save);
    setTabOrder(m_save, m_insert);
    setTabOrder(m_insert, m_fields);
    setTabOrder(m_fields, m_fieldCheck);
    closeOnEscape();

    watchForLongLines(m_text);
    m_checkTimer->setSingleShot(true);
    m_checkTimer->setInterval(CheckDelayMilliseconds);
    connect(m_checkTimer, &QTimer::timeout, this, &EditorWindow::checkFieldNames);
    connect(m_text, &QPlainTextEdit::textChanged, m_checkTimer, qOverload<>(&QTimer::start));
    connect(m_fieldCheck, &QListWidget::itemActivated, this, &EditorWindow::showUnknownField);

    connect(m_insert, &QPushButton::clicked, this, &EditorWindow::insertField);
    connect(m_save, &QPushButton::clicked, this, &EditorWindow::saveTemplate);
    // Closing asks about unsaved changes (queryClose).
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
        setWindowTitle(tr("Editor: %1").arg(m_fileName));
        const QString text = withDisplayLineBreaks(m_template.text());
        fitWrappingToText(m_text, text);
        m_text->setPlainText(text);
        m_savedText = ui::heldText(m_text);
        checkFieldNames();
        for (const QString &name : mergeFieldNames()) {
            auto *item = new QListWidgetItem(name, m_fields);
            item->setToolTip(ui::plainToolTip(name));
        }
    } catch (const db::DbError &) {
        formUnload();
        throw;
    }
}

void EditorWindow::formUnload()
{
    m_template.close();
    setWindowTitle(tr("Editor"));
    m_text->clear();
    m_checkTimer->stop(); // clearing the text started it
    m_text->setExtraSelections({});
    m_fields->clear();
    m_fieldCheck->clear();
    m_savedText.clear();
}

bool EditorWindow::queryClose()
{
    if (ui::heldText(m_text) == m_savedText)
        return true;
    switch (ui::Dialogs::ask(this, tr("The template %1 has changes that are not saved. Save them?").arg(m_fileName),
                             ui::Dialogs::Buttons::SaveDiscardCancel)) {
    case ui::Dialogs::Answer::Save: return saveTemplate();
    case ui::Dialogs::Answer::Discard: return true;
    default: return false;
    }
}

void EditorWindow::insertField()
{
    const QListWidgetItem *field = m_fields->currentItem();
    const QString name = field && field->isSelected() ? field->text() : QString();
    const QTextCursor cursor = m_text->textCursor();
    const int start = cursor.selectionStart();
    const int length = cursor.selectionEnd() - start;
    const QString text = insertMergeField(ui::heldText(m_text), start, length, name);
    fitWrappingToText(m_text, text);
    m_text->setPlainText(text);
    // The caret goes after the new field, ready for the next one.
    QTextCursor after = m_text->textCursor();
    after.setPosition(start + name.size() + 2);
    m_text->setTextCursor(after);
}

bool EditorWindow::saveTemplate()
{
    const QString text = ui::heldText(m_text);
    try {
        m_template.save(withStoredLineBreaks(text));
    } catch (const db::DbError &error) {
        ui::Dialogs::message(this, error.description());
        return false;
    }
    m_savedText = text;
    return true;
}

void EditorWindow::checkFieldNames()
{
    m_checkTimer->stop();
    m_fieldCheck->clear();
    QList<QTextEdit::ExtraSelection> marks;
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    format.setUnderlineColor(Qt::red);
    const QString text = ui::heldText(m_text);
    fitWrappingToText(m_text, text);
    const FieldCheckResult check = documents::checkFieldNames(text, MostFieldsListed);
    for (const UnknownField &field : check.fields) {
        auto *item = new QListWidgetItem(describe(field), m_fieldCheck);
        item->setData(Qt::UserRole, field.position);
        item->setData(Qt::UserRole + 1, field.written.size());
        QTextCursor mark(m_text->document());
        mark.setPosition(int(field.position));
        mark.setPosition(int(field.position + field.written.size()), QTextCursor::KeepAnchor);
        format.setToolTip(ui::plainToolTip(item->text()));
        marks.append({mark, format});
    }
    m_text->setExtraSelections(marks);
    const qsizetype unlisted = check.total - qsizetype(check.fields.size());
    if (unlisted > 0)
        new QListWidgetItem(tr("... and %1 more names that are not merge fields.").arg(unlisted), m_fieldCheck);
}

void EditorWindow::showUnknownField(QListWidgetItem *item)
{
    // Selects the name in the text, ready to be typed over.
    if (!item->data(Qt::UserRole).isValid())
        return; // the count of names not listed
    QTextCursor cursor = m_text->textCursor();
    const int start = item->data(Qt::UserRole).toInt();
    cursor.setPosition(start);
    cursor.setPosition(start + item->data(Qt::UserRole + 1).toInt(), QTextCursor::KeepAnchor);
    m_text->setTextCursor(cursor);
    m_text->setFocus();
}

} // namespace documents
