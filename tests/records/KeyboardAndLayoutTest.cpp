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

TEST(StripLayout, StatusLabelAndRightButtonsFollowTheWidthAndTheGridTheHeight)
{
    const auto positions = records::resizeStrips({7845, 4125}, 0, true);
    EXPECT_EQ(positions.statusWidth, 6345);
    EXPECT_EQ(positions.nextLeft, 7045);
    EXPECT_EQ(positions.lastLeft, 7385);
    EXPECT_EQ(positions.gridHeight, 3495);
    EXPECT_FALSE(records::resizeStrips({7845, 4125}, 0, false).gridHeight);
}

TEST(StripLayout, ANegativeSizeIsSkippedAndTheLaterStepsUseWhatIsThere)
{
    const auto positions = records::resizeStrips({900, 200}, 2000, true);
    EXPECT_FALSE(positions.gridHeight);
    EXPECT_EQ(positions.statusWidth, 2000);
    EXPECT_EQ(positions.nextLeft, 2700);
    EXPECT_EQ(positions.lastLeft, 3040);
}
