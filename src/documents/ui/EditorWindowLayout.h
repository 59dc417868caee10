#pragma once

#include "ui/Twips.h"

namespace documents::EditorWindowLayout {

// Places of the template editor's controls, in twips.
inline constexpr ui::TwipsSize Client{10815, 7980};
inline constexpr ui::TwipsBox List1{60, 60, 2055, 6495};
inline constexpr ui::TwipsBox CmdInsert{480, 6960, 1455, 375};
inline constexpr ui::TwipsBox Text1{2160, 60, 8595, 6015};
inline constexpr ui::TwipsBox LstFieldCheck{2160, 6135, 8595, 1320};
inline constexpr ui::TwipsBox CmdExit{3300, 7560, 1695, 375};
inline constexpr ui::TwipsBox CmdSave{5820, 7560, 1695, 375};

} // namespace documents::EditorWindowLayout
