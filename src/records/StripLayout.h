#pragma once

#include <optional>

namespace records {

// The bottom strips of a record form, in twips.
namespace Strip {
inline constexpr int Height = 300;
inline constexpr int ButtonWidth = 1095;
inline constexpr int AddLeft = 59;
inline constexpr int EditLeft = 1213;
inline constexpr int DeleteLeft = 2367;
inline constexpr int RefreshLeft = 3521;
inline constexpr int CloseLeft = 4675;
inline constexpr int NavigationWidth = 345;
inline constexpr int FirstLeft = 0;
inline constexpr int PreviousLeft = 345;
inline constexpr int StatusLeft = 690;
inline constexpr int StatusHeight = 285;
inline constexpr int StatusWidthAllowance = 1500; // form width less the status label's width
inline constexpr int NextAfterStatus = 700;
inline constexpr int LastAfterNext = 340;
inline constexpr int GridGap = 30;
// The window frame that the resize arithmetic counts into the form's outer width.
inline constexpr int FrameAllowance = 120;
} // namespace Strip

struct FormSize
{
    int outerWidth = 0;  // twips, window frame included
    int innerHeight = 0; // twips, the client area
};

// Where the resize puts the status label, Next and Last and, on grid forms, how tall
// the grid becomes. A step that would give a negative size fails and is skipped; the
// steps after it use what is there.
struct StripPositions
{
    int statusWidth = 0;
    int nextLeft = 0;
    int lastLeft = 0;
    std::optional<int> gridHeight;
};

StripPositions resizeStrips(FormSize size, int currentStatusWidth, bool hasGrid);

} // namespace records
