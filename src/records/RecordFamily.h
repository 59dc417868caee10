#pragma once

namespace records {

// The two kinds of record form: text boxes bound to columns, or one grid.
enum class RecordFamily {
    TextBoxes,
    Grid
};

} // namespace records
