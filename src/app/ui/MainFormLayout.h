#pragma once

#include "app/ui/TemplateColumn.h"
#include "records/StripLayout.h"
#include "records/ui/TextBoxRecordForm.h"

#include <QtGlobal>

#include <algorithm>

// Where the main form's controls stand (twips). The form and the start-up yardstick in
// bench/ both build from these, so the two show the same window.
namespace app::mainform {

using records::FieldKind;
using records::SingleLineHeight;

// The business fields: labels right-aligned against one column of boxes.
inline constexpr records::FieldColumns Columns{120, 2400, 2640};
inline constexpr int FirstRowTop = 1140;
inline constexpr int RowStep = 360;
inline constexpr int BoxWidth = 4440;
inline constexpr int ClientWidth = 7200;

constexpr int rowTop(int row)
{
    return FirstRowTop + row * RowStep;
}

namespace column = db::tables::BusinessInformation;

inline constexpr records::FieldSpec Fields[] = {
    {column::Id, QT_TRANSLATE_NOOP("records::FieldLabel", "BusinessInformationId:"), FieldKind::Hidden, rowTop(0),
     BoxWidth, SingleLineHeight},
    {column::DateAdded, QT_TRANSLATE_NOOP("records::FieldLabel", "BusinessInformationDate:"), FieldKind::Hidden,
     rowTop(1), BoxWidth, SingleLineHeight},
    {column::BusinessName, QT_TRANSLATE_NOOP("records::FieldLabel", "Busnines Name:"), FieldKind::SingleLine, rowTop(0),
     BoxWidth, SingleLineHeight},
    {column::AddressOne, QT_TRANSLATE_NOOP("records::FieldLabel", "Business Address One:"), FieldKind::SingleLine,
     rowTop(1), BoxWidth, SingleLineHeight},
    {column::AddressTwo, QT_TRANSLATE_NOOP("records::FieldLabel", "Business Address Two:"), FieldKind::SingleLine,
     rowTop(2), BoxWidth, SingleLineHeight},
    {column::City, QT_TRANSLATE_NOOP("records::FieldLabel", "Business City:"), FieldKind::SingleLine, rowTop(3),
     BoxWidth, SingleLineHeight},
    {column::State, QT_TRANSLATE_NOOP("records::FieldLabel", "Business State:"), FieldKind::SingleLine, rowTop(4),
     BoxWidth, SingleLineHeight},
    {column::Zip, QT_TRANSLATE_NOOP("records::FieldLabel", "Business Zip:"), FieldKind::SingleLine, rowTop(5), BoxWidth,
     SingleLineHeight},
    {column::County, QT_TRANSLATE_NOOP("records::FieldLabel", "Business County:"), FieldKind::SingleLine, rowTop(6),
     BoxWidth, SingleLineHeight},
    {column::PhoneNumber, QT_TRANSLATE_NOOP("records::FieldLabel", "Business Phone Number:"), FieldKind::SingleLine,
     rowTop(7), BoxWidth, SingleLineHeight},
    {column::FaxNumber, QT_TRANSLATE_NOOP("records::FieldLabel", "Business Fax Number:"), FieldKind::SingleLine,
     rowTop(8), BoxWidth, SingleLineHeight},
    {column::WebSiteUrl, QT_TRANSLATE_NOOP("records::FieldLabel", "Business Web Site URL:"), FieldKind::SingleLine,
     rowTop(9), BoxWidth, SingleLineHeight},
    {column::EMailAddress, QT_TRANSLATE_NOOP("records::FieldLabel", "Business E-mail Address:"), FieldKind::SingleLine,
     rowTop(10), BoxWidth, SingleLineHeight},
};

// The planning menu frame and its buttons (buttons relative to the frame).
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
// Financial Plan stands beside the second template button (Bylaws, as delivered).
inline constexpr int PlanTop = Row[3] + 2 * (ButtonHeight + TemplateGap);
} // namespace Menu

// What a planning menu button opens.
enum class PlanningCommand {
    BusinessPurpose,
    BusinessType,
    BusinessPerspectives,
    EmployeeInformation,
    LongTermGoals,
    ShortTermGoals,
    BusinessReport,
    BusinessResources,
    ManageRssFeeds,
    FinancialPlan,
};

struct PlanningButton
{
    const char *name;
    const char *caption;
    int left;
    int top;
    PlanningCommand command;
};

inline constexpr PlanningButton PlanningButtons[] = {
    {"cmdBusinessPurpose", QT_TRANSLATE_NOOP("app::GeneralInformation1", "Business Purpose"), Menu::LeftColumn,
     Menu::Row[0], PlanningCommand::BusinessPurpose},
    {"cmdBusinessType", QT_TRANSLATE_NOOP("app::GeneralInformation1", "Business Type"), Menu::RightColumn, Menu::Row[0],
     PlanningCommand::BusinessType},
    {"cmdBusinessPerspectives", QT_TRANSLATE_NOOP("app::GeneralInformation1", "Business Perspectives"),
     Menu::LeftColumn, Menu::Row[1], PlanningCommand::BusinessPerspectives},
    {"cmdEmployeeInformation", QT_TRANSLATE_NOOP("app::GeneralInformation1", "Employee Information"), Menu::RightColumn,
     Menu::Row[1], PlanningCommand::EmployeeInformation},
    {"cmdLongTermGoals", QT_TRANSLATE_NOOP("app::GeneralInformation1", "Long Term Goals"), Menu::LeftColumn,
     Menu::Row[2], PlanningCommand::LongTermGoals},
    {"cmdShortTermGoals", QT_TRANSLATE_NOOP("app::GeneralInformation1", "Short Term Goals"), Menu::RightColumn,
     Menu::Row[2], PlanningCommand::ShortTermGoals},
    {"cmdViewReport", QT_TRANSLATE_NOOP("app::GeneralInformation1", "Business Report"), Menu::LeftColumn, Menu::Row[3],
     PlanningCommand::BusinessReport},
    {"CmdResource", QT_TRANSLATE_NOOP("app::GeneralInformation1", "Business Resources"), Menu::RightColumn,
     Menu::Row[3], PlanningCommand::BusinessResources},
    {"Command1", QT_TRANSLATE_NOOP("app::GeneralInformation1", "Manage RSS Feeds"), Menu::RightColumn, Menu::Row[4],
     PlanningCommand::ManageRssFeeds},
    {"cmdFinancialPlan", QT_TRANSLATE_NOOP("app::GeneralInformation1", "Financial Plan"), Menu::RightColumn,
     Menu::PlanTop, PlanningCommand::FinancialPlan},
};

// The hidden pattern of the template buttons stands where the first planning button
// of the left column's fourth row does.
inline constexpr const char *TemplatePatternName = "cmdArticleOfCorporation_0";

inline constexpr int BottomMargin = 120;
inline constexpr int DesignClientHeight = Menu::Top + Menu::Height + BottomMargin + 2 * records::Strip::Height;

inline constexpr int TemplateStep = Menu::ButtonHeight + Menu::TemplateGap;
// Beyond this many templates the column scrolls rather than growing the form.
inline constexpr int TemplateRowsShown = 10;

// The frame and the form grow by a button's height per template, and further when the
// column would otherwise leave the frame.
constexpr int growthForTemplates(int count)
{
    // Financial Plan stands a row below the frame's design height: the frame grows by a
    // button's height for it even without templates.
    if (count == 0)
        return Menu::ButtonHeight;
    const int shown = std::min(count, TemplateRowsShown);
    const int lastBottom = Menu::Row[3] + shown * TemplateStep + Menu::ButtonHeight;
    return std::max(shown * Menu::ButtonHeight, lastBottom + Menu::TemplateGap - Menu::Height);
}

inline constexpr TemplateColumnGeometry TemplateColumnPlace{
    Menu::LeftColumn, Menu::Row[3] + TemplateStep, Menu::ButtonWidth, Menu::ButtonHeight,
    TemplateStep,     TemplateRowsShown,
};

// The hidden template commands stand left of the frame.
inline constexpr int HiddenCommandLeft = 120;
inline constexpr int HiddenCommandWidth = 1095;

} // namespace app::mainform
