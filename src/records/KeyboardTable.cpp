#include "records/KeyboardTable.h"

namespace records {

KeyCommand keyCommand(int key, Qt::KeyboardModifiers modifiers)
{
    // The keypad flag tells where a key sits, not what is held down.
    const bool controlAlone = (modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Escape: return KeyCommand::Close;
    case Qt::Key_End: return KeyCommand::Last;
    case Qt::Key_Home: return KeyCommand::First;
    case Qt::Key_Up:
    case Qt::Key_PageUp: return controlAlone ? KeyCommand::First : KeyCommand::Previous;
    case Qt::Key_Down:
    case Qt::Key_PageDown: return controlAlone ? KeyCommand::Last : KeyCommand::Next;
    default: return KeyCommand::None;
    }
}

} // namespace records
