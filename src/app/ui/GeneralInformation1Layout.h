#pragma once

#include "app/ui/TemplateColumn.h"
#include "records/StripLayout.h"
#include "records/ui/TextBoxRecordForm.h"

namespace app::GeneralInformation1Layout {

// The business fields (twips): labels right-aligned against one column of boxes.
inline constexpr records::FieldColumns Columns{120, 2400, 2640};
inline constexpr int FirstRowTop = 1140;
inline constexpr int RowStep = 360;
inline constexpr int BoxWidth = 4440;
inline constexpr int ClientWidth = 7200;

constexpr int rowTop(int row)
{
    return FirstRowTop + row * RowStep;
}

// The planning menu frame and its buttons (twips, buttons relative to the frame).
namespace Menu {
inline constexpr int Left = 1320;
inline constexpr int Top = 5280;
inline constexpr int Width = 5295;
inline constexpr int Height = 2715;
inline constexpr int ButtonWidth = 1935;
inline constexpr int ButtonHeight = 375;
inline constexpr int LeftColumn = 600;
inline constexpr int RightColumn = 2640;
inline constexpr int Row[] = {300, 780, 1260, 1740, 2220};
inline constexpr int TemplateGap = 100;
} // namespace Menu

inline constexpr int BottomMargin = 120;
inline constexpr int DesignClientHeight = Menu::Top + Menu::Height + BottomMargin + 2 * records::Strip::Height;

inline constexpr int TemplateStep = Menu::ButtonHeight + Menu::TemplateGap;
// Beyond this many templates the column scrolls rather than growing the form.
inline constexpr int TemplateRowsShown = 10;

inline constexpr TemplateColumnGeometry TemplateColumnPlace{
    Menu::LeftColumn, Menu::Row[3] + TemplateStep, Menu::ButtonWidth, Menu::ButtonHeight,
    TemplateStep,     TemplateRowsShown,
};

// The hidden template commands stand left of the frame.
inline constexpr int HiddenCommandLeft = 120;
inline constexpr int HiddenCommandWidth = 1095;

} // namespace app::GeneralInformation1Layout
