#include "documents/ui/SelectTemplateWindow.h"

#include "db/DbError.h"
#include "documents/TemplateCatalog.h"
#include "documents/ui/DocumentWindows.h"
#include "documents/ui/EditorWindow.h"
#include "documents/ui/SelectTemplateWindowLayout.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

namespace documents {

namespace {

namespace Layout = SelectTemplateWindowLayout;

constexpr int StoredNameRole = Qt::UserRole;

} // namespace

SelectTemplateWindow::SelectTemplateWindow(QWidget *parent)
    : ui::Window(parent)
    , m_list(ui::makeList(this, "List1", tr("Templates"), Layout::List1))
    , m_select(ui::makeButton(this, "CmdSelect", tr("Select"), Layout::CmdSelect))
    , m_exit(ui::makeButton(this, "cmdExit", tr("Exit"), Layout::CmdExit))
{
    setObjectName(QStringLiteral("SelectTemplate"));
    setWindowTitle(tr("Select Template"));
    ui::setClientSize(this, Layout::Client);
    setTabOrder(m_exit, m_select);
    setTabOrder(m_select, m_list);

    connect(m_select, &QPushButton::clicked, this, &SelectTemplateWindow::selectTemplate);
    // Exit only hides: the list keeps what it was loaded with until a Select unloads it.
    connect(m_exit, &QPushButton::clicked, this, &SelectTemplateWindow::hide);
    closeOnEscape([this] { m_exit->click(); });
    makeScrollable();
}

void SelectTemplateWindow::formLoad()
{
    // Upper-casing can change a name's letters (ß becomes SS), so each entry keeps the
    // stored name that leads back to its template.
    for (const QString &name : storedTemplateNames()) {
        auto *item = new QListWidgetItem(name.toUpper(), m_list);
        item->setData(StoredNameRole, name);
    }
}

void SelectTemplateWindow::formUnload()
{
    m_list->clear();
}

void SelectTemplateWindow::keyPressEvent(QKeyEvent *event)
{
    // Return picks the chosen template, as Select does; on Exit it leaves. The list and
    // the buttons pass the key on.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        ui::Window::keyPressEvent(event);
        return;
    }
    if (focusWidget() == m_exit)
        m_exit->click();
    else
        selectTemplate();
}

void SelectTemplateWindow::selectTemplate()
{
    const QListWidgetItem *chosen = m_list->currentItem();
    if (!chosen || !chosen->isSelected()) {
        ui::Dialogs::message(this, tr("Nothing Selected Try Again"));
        return;
    }
    try {
        editorWindow().showTemplate(chosen->data(StoredNameRole).toString());
    } catch (const db::DbError &error) {
        // The chooser stays, so another template can be picked.
        ui::Dialogs::message(this, error.description());
        return;
    }
    unload();
}

} // namespace documents
