#include "records/ui/TextBoxRecordForm.h"

#include "records/ui/FieldBinding.h"
#include "ui/Controls.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace records {

TextBoxRecordForm::TextBoxRecordForm(std::unique_ptr<RecordFormController> controller,
                                     std::span<const FieldSpec> fields, FieldColumns columns, QWidget *parent)
    : RecordFormWindow(std::move(controller), Background::Picture, parent)
    , m_binding(new FieldBinding(this))
{
    for (size_t i = 0; i < fields.size(); ++i)
        addField(static_cast<int>(i), fields[i], columns);
    connect(&this->controller(), &RecordFormController::fieldsBound, m_binding, &FieldBinding::bind);
    connect(&this->controller(), &RecordFormController::fieldsUnbound, m_binding, [this] { m_binding->bind(nullptr); });
}

TextBoxRecordForm::~TextBoxRecordForm() = default;

void TextBoxRecordForm::addField(int index, const FieldSpec &entry, FieldColumns columns)
{
    // The labels of every form share one context: a field keeps its name from form to form.
    const QString labelText = QCoreApplication::translate("records::FieldLabel", entry.label);
    auto *label = new QLabel(labelText, clientArea());
    label->setObjectName(QStringLiteral("lblLabels_%1").arg(index));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui::place(label, {columns.labelLeft, entry.top, columns.labelWidth, entry.height});

    QWidget *box = nullptr;
    if (entry.kind == FieldKind::MultiLine) {
        auto *text = new QPlainTextEdit(clientArea());
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        text->setTabChangesFocus(true);
        box = text;
        // A tall box keeps its label level with its first line.
        ui::place(label, {columns.labelLeft, entry.top, columns.labelWidth, SingleLineHeight});
    } else {
        box = ui::keepWholeText(new QLineEdit(clientArea()));
    }
    box->setObjectName(QStringLiteral("txtFields_%1").arg(index));
    box->setAccessibleName(labelText);
    ui::place(box, {columns.boxLeft, entry.top, entry.width, entry.height});
    label->setBuddy(box);

    if (entry.kind == FieldKind::Disabled) {
        box->setEnabled(false);
        label->setEnabled(false);
    } else if (entry.kind == FieldKind::Hidden) {
        box->hide();
        label->hide();
    }
    m_binding->addField(entry.column, box);
    m_boxes << box;
}

void TextBoxRecordForm::focusFirstField()
{
    // The button just pressed may be hidden now (Update stands in Add's place): typing
    // goes into the row, and a Space no longer presses what stands there.
    for (QWidget *box : std::as_const(m_boxes)) {
        if (box->isVisibleTo(this) && box->isEnabled()) {
            box->setFocus(Qt::OtherFocusReason);
            // On a small screen the button pressed may have scrolled the form down.
            bringIntoView(box);
            return;
        }
    }
}

} // namespace records
