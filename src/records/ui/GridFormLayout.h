#pragma once

#include "records/StripLayout.h"
#include "ui/Twips.h"

namespace records::GridFormLayout {

// The grid forms (employees, goals): the grid fills the client area above the strips (twips).
inline constexpr ui::TwipsBox Grid{0, 0, 7725, 3495};
inline constexpr int RowHeight = 300;
// Enough of a column's name to tell the columns apart.
inline constexpr int NarrowestColumn = 1350;
inline constexpr ui::TwipsSize Client{Grid.width, Grid.height + Strip::GridGap + 2 * Strip::Height};

} // namespace records::GridFormLayout
