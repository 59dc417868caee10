#pragma once

#include <Qt>

namespace records {

// What a key pressed on a record form does while no edit or added row is pending.
enum class KeyCommand {
    None,
    Close,
    First,
    Last,
    Previous,
    Next
};

// Ctrl counts only when Control is the one modifier held; Ctrl+Shift+Down is a plain Down.
KeyCommand keyCommand(int key, Qt::KeyboardModifiers modifiers);

} // namespace records
