#include "browser/ui/AddressBox.h"

#include <QKeyEvent>
#include <QScopedValueRollback>

namespace browser {

AddressBox::AddressBox(QWidget *parent)
    : QComboBox(parent)
{
    // The opened list reports a pick as an activation; so do the box's own steps,
    // which are held back here.
    connect(this, &QComboBox::activated, this, [this] {
        if (!m_ownStep)
            emit addressChosen();
    });
}

void AddressBox::keyPressEvent(QKeyEvent *event)
{
    {
        QScopedValueRollback<bool> own(m_ownStep, true);
        QComboBox::keyPressEvent(event);
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit addressChosen();
}

void AddressBox::wheelEvent(QWheelEvent *event)
{
    QScopedValueRollback<bool> own(m_ownStep, true);
    QComboBox::wheelEvent(event);
}

void AddressBox::focusOutEvent(QFocusEvent *event)
{
    QScopedValueRollback<bool> own(m_ownStep, true);
    QComboBox::focusOutEvent(event);
}

} // namespace browser
