#pragma once

#include "records/StripLayout.h"
#include "records/ui/TextBoxRecordForm.h"

namespace records::DetailLayout {

// The single-record forms: labels right-aligned against a column of boxes, rows from
// below the background picture's banner down (twips).
inline constexpr FieldColumns Columns{120, 2880, 3120};
inline constexpr int FirstRowTop = 1200;
inline constexpr int RowStep = 375;
inline constexpr int SingleLineWidth = 3375;
inline constexpr int Margin = 240;
// The business purpose's one multi-line box.
inline constexpr int PurposeWidth = 5535;
inline constexpr int PurposeHeight = 4725;

constexpr int rowTop(int row)
{
    return FirstRowTop + row * RowStep;
}

constexpr int clientWidth(int widestBox)
{
    return Columns.boxLeft + widestBox + Margin;
}

// The strips stand below the last box.
constexpr int clientHeight(int lastBoxBottom)
{
    return lastBoxBottom + Margin + 2 * Strip::Height;
}

} // namespace records::DetailLayout
