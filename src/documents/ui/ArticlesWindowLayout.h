#pragma once

#include "ui/Twips.h"

namespace documents::ArticlesWindowLayout {

// Places of the merged template window's controls, in twips.
inline constexpr ui::TwipsSize Client{9315, 9210};
inline constexpr ui::TwipsBox Text1{1260, 1320, 7815, 7635};
// Space kept right of and below the text box, as at the design size.
inline constexpr int RightMargin = Client.width - Text1.left - Text1.width;
inline constexpr int BottomMargin = Client.height - Text1.top - Text1.height;
// The text box never gets smaller than this, however small the window.
inline constexpr ui::TwipsSize SmallestText{2880, 1440};

} // namespace documents::ArticlesWindowLayout
