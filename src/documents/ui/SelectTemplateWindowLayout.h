#pragma once

#include "ui/Twips.h"

namespace documents::SelectTemplateWindowLayout {

// Places of the template chooser's controls, in twips.
inline constexpr ui::TwipsSize Client{3825, 3390};
inline constexpr ui::TwipsBox List1{60, 60, 3675, 2595};
inline constexpr ui::TwipsBox CmdSelect{2025, 2880, 1695, 375};
inline constexpr ui::TwipsBox CmdExit{105, 2880, 1695, 375};

} // namespace documents::SelectTemplateWindowLayout
