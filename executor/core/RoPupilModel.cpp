#include "RoPupilModel.h"

void RoPupilModel::ResetPoints()
{
    PointAX = 0;
    PointAY = 0;
    PointADir = 0;
    PointBX = -1;
    PointBY = -1;
    ShowPattern = false;
}

void RoPupilModel::ClearInnerWalls()
{
    VertWallX.clear();
    VertWallY.clear();
    HorzWallX.clear();
    HorzWallY.clear();
}

void RoPupilModel::ClearJumpWalls()
{
    // JumpWallState keeps its slots: a slot is read only for a wall that exists.
    JumpWallX1.clear();
    JumpWallY1.clear();
    JumpWallKind1.clear();
    JumpWallX2.clear();
    JumpWallY2.clear();
    JumpWallKind2.clear();
}

namespace {
// A jumping wall counts only in the place its state names, and only with the given kind.
bool JumpWallAt(const RoPupilModel& m, const QString& kind, int16_t x, int16_t y)
{
    const int n = std::min<int>(m.JumpWallCount(), 3);
    for (int i = 0; i < n; ++i) {
        if (m.JumpWallState[i] == 1 && m.JumpWallKind1.value(i) == kind
            && m.JumpWallX1[i] == x && m.JumpWallY1[i] == y)
            return true;
        if (m.JumpWallState[i] == 2 && m.JumpWallKind2.value(i) == kind
            && m.JumpWallX2[i] == x && m.JumpWallY2[i] == y)
            return true;
    }
    return false;
}

bool InList(const std::vector<int16_t>& xs, const std::vector<int16_t>& ys, int16_t x, int16_t y)
{
    const size_t n = std::min(xs.size(), ys.size());
    for (size_t i = 0; i < n; ++i)
        if (xs[i] == x && ys[i] == y)
            return true;
    return false;
}
} // namespace

bool RoPupilModel::IsHorzWall(int16_t x, int16_t y) const
{
    return InList(HorzWallX, HorzWallY, x, y) || JumpWallAt(*this, QStringLiteral("H"), x, y);
}

bool RoPupilModel::IsVertWall(int16_t x, int16_t y) const
{
    return InList(VertWallX, VertWallY, x, y) || JumpWallAt(*this, QStringLiteral("V"), x, y);
}

bool RoPupilModel::WallAhead() const
{
    const int x = ExecX, y = ExecY, n = FieldSize;
    switch (ExecDir) {
    case 0:   return x + 1 > n - 1 || IsVertWall(ExecX, ExecY);
    case 90:  return y - 1 < 0 || IsHorzWall(ExecX, int16_t(y - 1));
    case 180: return x - 1 < 0 || IsVertWall(int16_t(x - 1), ExecY);
    case 270: return y + 1 > n - 1 || IsHorzWall(ExecX, ExecY);
    default:  return false;
    }
}
