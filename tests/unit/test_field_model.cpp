#include "RecordingRunHost.h"
#include "RoPupilModel.h"
#include <gtest/gtest.h>

namespace {

RoPupilModel Field12()
{
    RoPupilModel m;
    m.FieldSize = 12;
    return m;
}

bool Blocked(RoPupilModel& m, int x, int y, int dir)
{
    m.ExecX = int16_t(x);
    m.ExecY = int16_t(y);
    m.ExecDir = int16_t(dir);
    return m.WallAhead();
}

TEST(FieldModel, ResetPointsPutsAOnTheFirstCellFacingRightWithoutB)
{
    RoPupilModel m;
    m.PointAX = 5; m.PointAY = 6; m.PointADir = 270; m.PointBX = 3; m.PointBY = 3; m.ShowPattern = true;
    m.ResetPoints();
    EXPECT_EQ(m.PointAX, 0);
    EXPECT_EQ(m.PointAY, 0);
    EXPECT_EQ(m.PointADir, 0);
    EXPECT_EQ(m.PointBX, -1);
    EXPECT_EQ(m.PointBY, -1);
    EXPECT_FALSE(m.ShowPattern);
}

TEST(FieldModel, BorderBlocksEveryMoveOffTheField)
{
    RoPupilModel m = Field12();
    for (int k = 0; k < 12; ++k) {
        EXPECT_TRUE(Blocked(m, 0, k, 180)) << k;
        EXPECT_TRUE(Blocked(m, k, 0, 90)) << k;
        EXPECT_TRUE(Blocked(m, 11, k, 0)) << k;
        EXPECT_TRUE(Blocked(m, k, 11, 270)) << k;
    }
    EXPECT_FALSE(Blocked(m, 0, 0, 0));
    EXPECT_FALSE(Blocked(m, 0, 0, 270));
    EXPECT_FALSE(Blocked(m, 11, 11, 180));
    EXPECT_FALSE(Blocked(m, 11, 11, 90));
}

TEST(FieldModel, DirectionOutsideTheFourNeverBlocks)
{
    RoPupilModel m = Field12();
    EXPECT_FALSE(Blocked(m, 0, 0, -1));
    EXPECT_FALSE(Blocked(m, 0, 0, 45));
    EXPECT_FALSE(Blocked(m, 11, 11, 360));
}

TEST(FieldModel, InnerWallsBlockFromBothSidesAndNothingElse)
{
    RoPupilModel m = Field12();
    m.HorzWallX = {4};
    m.HorzWallY = {5};   // bottom edge of (4,5)
    m.VertWallX = {7};
    m.VertWallY = {2};   // right edge of (7,2)

    EXPECT_TRUE(Blocked(m, 4, 5, 270));
    EXPECT_TRUE(Blocked(m, 4, 6, 90));
    EXPECT_FALSE(Blocked(m, 4, 5, 90));
    EXPECT_FALSE(Blocked(m, 4, 6, 270));
    EXPECT_FALSE(Blocked(m, 3, 5, 270));
    EXPECT_FALSE(Blocked(m, 4, 5, 0));

    EXPECT_TRUE(Blocked(m, 7, 2, 0));
    EXPECT_TRUE(Blocked(m, 8, 2, 180));
    EXPECT_FALSE(Blocked(m, 7, 2, 180));
    EXPECT_FALSE(Blocked(m, 7, 3, 0));
    EXPECT_FALSE(Blocked(m, 7, 2, 270));

    m.ClearInnerWalls();
    EXPECT_FALSE(Blocked(m, 4, 5, 270));
    EXPECT_FALSE(Blocked(m, 7, 2, 0));
}

TEST(FieldModel, BorderEntryInAListAddsNothing)
{
    RoPupilModel m = Field12();
    m.HorzWallX = {3};
    m.HorzWallY = {11};
    EXPECT_TRUE(m.IsHorzWall(3, 11));
    EXPECT_TRUE(Blocked(m, 3, 11, 270));
    EXPECT_FALSE(Blocked(m, 3, 11, 90));
}

TEST(FieldModel, JumpingWallCountsOnlyInThePlaceItsStateNames)
{
    RoPupilModel m = Field12();
    AddJumpWall(m, 2, 2, "H", 5, 5, "V");

    // Not started: nowhere.
    EXPECT_FALSE(m.IsHorzWall(2, 2));
    EXPECT_FALSE(m.IsVertWall(5, 5));

    m.JumpWallState[0] = 1;
    EXPECT_TRUE(m.IsHorzWall(2, 2));
    EXPECT_FALSE(m.IsVertWall(2, 2));
    EXPECT_FALSE(m.IsVertWall(5, 5));
    EXPECT_TRUE(Blocked(m, 2, 3, 90));

    m.JumpWallState[0] = 2;
    EXPECT_FALSE(m.IsHorzWall(2, 2));
    EXPECT_TRUE(m.IsVertWall(5, 5));
    EXPECT_TRUE(Blocked(m, 6, 5, 180));
}

TEST(FieldModel, JumpingWallKindIsComparedExactly)
{
    RoPupilModel m = Field12();
    AddJumpWall(m, 2, 2, "h", 3, 3, "X");
    m.JumpWallState[0] = 1;
    EXPECT_FALSE(m.IsHorzWall(2, 2));
    EXPECT_FALSE(m.IsVertWall(2, 2));
    m.JumpWallState[0] = 2;
    EXPECT_FALSE(m.IsHorzWall(3, 3));
    EXPECT_FALSE(m.IsVertWall(3, 3));
}

TEST(FieldModel, RefilledJumpWallListsDoNotReviveOldStateSlots)
{
    RoPupilModel m = Field12();
    AddJumpWall(m, 1, 1, "H", 1, 2, "H");
    AddJumpWall(m, 6, 6, "V", 6, 7, "V");
    m.JumpWallState[0] = 1;
    m.JumpWallState[1] = 1;
    EXPECT_TRUE(m.IsVertWall(6, 6));

    m.ClearJumpWalls();
    EXPECT_EQ(m.JumpWallState[1], 1);   // slots stay as they were
    EXPECT_FALSE(m.IsVertWall(6, 6));
    EXPECT_FALSE(m.IsHorzWall(1, 1));

    AddJumpWall(m, 9, 9, "H", 9, 10, "H");
    EXPECT_EQ(m.JumpWallCount(), 1);
    EXPECT_TRUE(m.IsHorzWall(9, 9));
    EXPECT_FALSE(m.IsVertWall(6, 6));
}

TEST(FieldModel, SpeedPresets)
{
    RoPupilModel m;
    m.SetSlowPreset();
    EXPECT_EQ((std::vector<int>{m.TurnDelay, m.BumpDelay, m.StepDelay}), (std::vector<int>{100, 100, 500}));
    m.SetMediumPreset();
    EXPECT_EQ((std::vector<int>{m.TurnDelay, m.BumpDelay, m.StepDelay}), (std::vector<int>{30, 100, 10}));
    m.SetFastPreset();
    EXPECT_EQ((std::vector<int>{m.TurnDelay, m.BumpDelay, m.StepDelay}), (std::vector<int>{0, 10, 0}));
}

} // namespace
