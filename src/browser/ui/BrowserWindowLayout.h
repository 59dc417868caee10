#pragma once

#include "ui/Twips.h"

namespace browser::BrowserWindowLayout {

// Places of the resource browser's controls, in twips; the address strip's own are relative to it.
inline constexpr ui::TwipsSize Client{6540, 5130};
inline constexpr int ToolBarHeight = 540;
inline constexpr ui::TwipsBox AddressStrip{0, 540, 6540, 675};
// Inside the strip.
inline constexpr ui::TwipsBox AddressLabel{45, 60, 3075, 255};
inline constexpr ui::TwipsBox AddressBox{45, 300, 3795, 315};
inline constexpr int AddressBoxLeftWhenLoaded = 50;
inline constexpr int AddressBoxGapBelowLabel = 15;
inline constexpr ui::TwipsBox Page{50, 1215, 5393, 3734};
inline constexpr int StripBottom = AddressStrip.top + AddressStrip.height;
inline constexpr int ToolBarIcon = 360;

} // namespace browser::BrowserWindowLayout
