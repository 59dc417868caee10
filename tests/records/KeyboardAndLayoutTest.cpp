// The keyboard table and the resize arithmetic of the record forms.
#include "records/KeyboardTable.h"
#include "records/StripLayout.h"

#include <gtest/gtest.h>

using records::KeyCommand;
using records::keyCommand;

TEST(KeyboardTable, ControlCountsOnlyWhenHeldAlone)
{
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    EXPECT_EQ(keyCommand(Qt::Key_Up, ctrl), KeyCommand::First);
    EXPECT_EQ(keyCommand(Qt::Key_PageUp, ctrl), KeyCommand::First);
    EXPECT_EQ(keyCommand(Qt::Key_Down, ctrl), KeyCommand::Last);
    EXPECT_EQ(keyCommand(Qt::Key_PageDown, ctrl | Qt::KeypadModifier), KeyCommand::Last);
    EXPECT_EQ(keyCommand(Qt::Key_Up, ctrlShift), KeyCommand::Previous);
    EXPECT_EQ(keyCommand(Qt::Key_Down, ctrlShift), KeyCommand::Next);
    EXPECT_EQ(keyCommand(Qt::Key_Down, Qt::AltModifier | Qt::ControlModifier), KeyCommand::Next);
    EXPECT_EQ(keyCommand(Qt::Key_PageUp, Qt::NoModifier), KeyCommand::Previous);
}

TEST(KeyboardTable, OtherKeysDoNothingAndHomeEndEscapeIgnoreModifiers)
{
    EXPECT_EQ(keyCommand(Qt::Key_Escape, Qt::NoModifier), KeyCommand::Close);
    EXPECT_EQ(keyCommand(Qt::Key_Home, Qt::ControlModifier), KeyCommand::First);
    EXPECT_EQ(keyCommand(Qt::Key_End, Qt::ShiftModifier), KeyCommand::Last);
    EXPECT_EQ(keyCommand(Qt::Key_Left, Qt::NoModifier), KeyCommand::None);
    EXPECT_EQ(keyCommand(Qt::Key_A, Qt::ControlModifier), KeyCommand::None);
}

// Sizes of a form (twips) from narrow but workable to wide.
constexpr records::FormSize FormSizes[] = {{2400, 900}, {7845, 4125}, {9000, 6000}, {15000, 11000}};

TEST(StripLayout, StatusLabelAndRightButtonsFollowTheWidthAndTheGridTheHeight)
{
    using namespace records::Strip;
    for (const records::FormSize size : FormSizes) {
        SCOPED_TRACE(size.outerWidth);
        const auto positions = records::resizeStrips(size, 0, true);
        // Left to right: the status label, Next, Last, none over another; Last ends at
        // the form's outer edge, as near as the window's border allows.
        EXPECT_GE(positions.nextLeft, StatusLeft + positions.statusWidth);
        EXPECT_GE(positions.lastLeft, positions.nextLeft + NavigationWidth - 5); // the design shares five twips
        EXPECT_LE(positions.lastLeft + NavigationWidth, size.outerWidth);
        EXPECT_GT(positions.lastLeft + 2 * NavigationWidth, size.outerWidth);
        // The grid takes the height the two strips leave.
        ASSERT_TRUE(positions.gridHeight);
        EXPECT_LE(*positions.gridHeight + 2 * Height, size.innerHeight);
        EXPECT_GT(*positions.gridHeight + 2 * Height + GridGap, size.innerHeight - 1);

        // Wider and taller by some twips: every place moves by as many.
        const auto grown = records::resizeStrips({size.outerWidth + 300, size.innerHeight + 200}, 0, true);
        EXPECT_EQ(grown.statusWidth, positions.statusWidth + 300);
        EXPECT_EQ(grown.nextLeft, positions.nextLeft + 300);
        EXPECT_EQ(grown.lastLeft, positions.lastLeft + 300);
        EXPECT_EQ(*grown.gridHeight, *positions.gridHeight + 200);
    }
    EXPECT_FALSE(records::resizeStrips(FormSizes[1], 0, false).gridHeight);
}

TEST(StripLayout, ANegativeSizeIsSkippedAndTheLaterStepsUseWhatIsThere)
{
    // Too small for the status label and the grid: the label keeps its width, the
    // buttons follow it, the grid keeps its height.
    const auto positions = records::resizeStrips({900, 200}, 2000, true);
    EXPECT_FALSE(positions.gridHeight);
    EXPECT_EQ(positions.statusWidth, 2000);
    const auto wide = records::resizeStrips({2000 + records::Strip::StatusWidthAllowance, 4000}, 0, true);
    EXPECT_EQ(wide.statusWidth, 2000);
    EXPECT_EQ(positions.nextLeft, wide.nextLeft);
    EXPECT_EQ(positions.lastLeft, wide.lastLeft);
}
