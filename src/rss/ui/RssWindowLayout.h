#pragma once

#include "ui/Twips.h"

namespace rss::layout {

// Places of the publishing window's controls, in twips; boxes inside a frame are
// relative to that frame.
inline constexpr ui::TwipsSize Client{14595, 10700};
inline constexpr ui::TwipsBox ManagementFrame{1200, 1260, 12195, 8775};
inline constexpr ui::TwipsBox StatusLine{1200, 10140, 12195, 375};

inline constexpr ui::TwipsBox ItemsFrame{240, 300, 11715, 4260};
inline constexpr ui::TwipsBox ItemList{120, 300, 11475, 3135};
inline constexpr ui::TwipsBox DeleteButton{120, 3570, 2100, 495};
inline constexpr ui::TwipsBox EditHint{2400, 3510, 9195, 615};

inline constexpr ui::TwipsBox EditFrame{240, 4680, 11715, 3300};
inline constexpr ui::TwipsBox TitleLabel{120, 300, 4000, 240};
inline constexpr ui::TwipsBox TitleBox{120, 540, 9900, 345};
inline constexpr ui::TwipsBox LinkLabel{120, 930, 4000, 240};
inline constexpr ui::TwipsBox LinkBox{120, 1170, 9900, 345};
inline constexpr ui::TwipsBox DescriptionLabel{120, 1560, 4000, 240};
inline constexpr ui::TwipsBox DescriptionBox{120, 1800, 9900, 1380};
inline constexpr ui::TwipsBox SaveButton{10200, 2685, 1395, 495};

inline constexpr int ButtonRowTop = 8130;
inline constexpr int ButtonRowHeight = 495;
inline constexpr ui::TwipsBox CloseButton{240, ButtonRowTop, 1700, ButtonRowHeight};
inline constexpr ui::TwipsBox GenerateButton{2060, ButtonRowTop, 2200, ButtonRowHeight};
inline constexpr ui::TwipsBox UploadFeedButton{4380, ButtonRowTop, 2200, ButtonRowHeight};
inline constexpr ui::TwipsBox ImportButton{6700, ButtonRowTop, 1700, ButtonRowHeight};

inline constexpr ui::TwipsBox DirectoryList{1200, 900, 12195, 645};
inline constexpr ui::TwipsBox Browser{1200, 1620, 12195, 8355};

inline constexpr int ColumnWidth = 1440;

} // namespace rss::layout
