#pragma once

#include "db/schema/SchemaTables.h"
#include "records/ui/RecordFormWindow.h"

#include <span>

namespace records {

class FieldBinding;

// The height of a single-line box and of a label (twips).
inline constexpr int SingleLineHeight = 285;

// How a bound text box shows and takes its column.
enum class FieldKind {
    SingleLine,
    MultiLine, // with a vertical scroll bar
    Disabled,  // shows the value, cannot be typed into (keys and dates added)
    Hidden,
};

// One row of a text-box form: the column, its label and where the box stands (twips).
struct FieldSpec
{
    db::tables::Name column;
    const char *label;
    FieldKind kind;
    int top;
    int width;
    int height;
};

// Where the labels and boxes of a form line up (twips).
struct FieldColumns
{
    int labelLeft;
    int labelWidth;
    int boxLeft;
};

// A record form whose fields are text boxes bound to columns of the primary recordset:
// control arrays txtFields and lblLabels, one element per column in query order.
class TextBoxRecordForm : public RecordFormWindow
{
    Q_OBJECT

public:
    TextBoxRecordForm(std::unique_ptr<RecordFormController> controller, std::span<const FieldSpec> fields,
                      FieldColumns columns, QWidget *parent = nullptr);
    ~TextBoxRecordForm() override;

protected:
    void focusFirstField() override;

private:
    void addField(int index, const FieldSpec &entry, FieldColumns columns);

    FieldBinding *m_binding = nullptr;
    QList<QWidget *> m_boxes;
};

} // namespace records
