#pragma once

#include "ui/Twips.h"

namespace documents::ReportWindowLayout {

// Places of the business report window's controls, in twips.
inline constexpr ui::TwipsSize Client{9285, 9285};
inline constexpr ui::TwipsBox Text1{1200, 1260, 7995, 7455};
inline constexpr ui::TwipsBox Command1{3255, 8820, 1275, 375};
inline constexpr ui::TwipsBox Command2{4755, 8820, 1275, 375};

} // namespace documents::ReportWindowLayout
