#pragma once
// The state of one executor window: the task on the field (points, walls,
// jumping walls), the executor, the field geometry, the off-screen bitmaps and
// the run settings. One object per program; every unit of the executor reads
// and writes these fields under the names the rest of the code uses.

#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

struct RoPupilModel {
    // Point A with its start direction, point B; (-1, -1) means "no point".
    int16_t PointAX = 0, PointAY = 0;
    int16_t PointADir = 0;
    int16_t PointBX = 0, PointBY = 0;
    bool ShowPattern = false;
    bool GoalIsPointB = false;

    // Inner walls: horizontal (x, y) lies on the bottom edge of cell (x, y),
    // vertical (x, y) on its right edge. Parallel lists of equal length.
    std::vector<int16_t> HorzWallX, HorzWallY;
    std::vector<int16_t> VertWallX, VertWallY;

    // Jumping walls (at most three): two places each, and the place it stands in now.
    std::vector<int16_t> JumpWallX1, JumpWallY1;
    QStringList JumpWallKind1;
    std::vector<int16_t> JumpWallX2, JumpWallY2;
    QStringList JumpWallKind2;
    int32_t JumpWallState[3] = {0, 0, 0};

    // The executor: current cell and direction in degrees (0 right, 90 up, 180 left, 270 down).
    int16_t ExecX = 0, ExecY = 0;
    int16_t ExecDir = 0;

    // Field geometry in pixels; all divisions truncate.
    int16_t ScreenWidth = 0;
    int16_t Margin = 0;
    int16_t FieldSize = 0;
    int16_t CellSize = 0;
    int16_t HalfCell = 0;
    int16_t CellCentreX0 = 0, CellCentreY0 = 0;
    int16_t SpriteSize = 0;
    int16_t HalfSprite = 0;
    int32_t HalfVisibleLines = 0;

    // Off-screen pictures: the whole field, and the piece of it under the executor.
    QImage FieldBitmap;
    QImage SpriteBack;

    // Speed preset (milliseconds) and the stop flag of a run.
    int32_t TurnDelay = 0, BumpDelay = 0, StepDelay = 0;
    uint8_t StopFlag = 0;

    // 1 while the next click report of the procedure names list comes from
    // a move made with the Up or Down key and must not choose a name.
    uint8_t SkipProcListClick = 0;

    // Ends the title line of every new algorithm; nothing changes it.
    int32_t AlgorithmNumber = 0;

    int JumpWallCount() const { return int(JumpWallX1.size()); }

    void ResetPoints();
    void ClearInnerWalls();
    void ClearJumpWalls();
    bool IsHorzWall(int16_t x, int16_t y) const;
    bool IsVertWall(int16_t x, int16_t y) const;
    bool WallAhead() const;

    // Speed presets of the three run buttons.
    void SetSlowPreset()   { TurnDelay = 100; BumpDelay = 100; StepDelay = 500; }
    void SetMediumPreset() { TurnDelay = 30;  BumpDelay = 100; StepDelay = 10; }
    void SetFastPreset()   { TurnDelay = 0;   BumpDelay = 10;  StepDelay = 0; }
};
