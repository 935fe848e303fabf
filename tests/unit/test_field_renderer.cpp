#include "FieldRenderer.h"
#include "Layout.h"

#include <QGuiApplication>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

// A model sized as the window sizes it: margin m, N cells, field panel 56m square.
void SizeField(RoPupilModel& model, int16_t m, int16_t n)
{
    const FieldGeometry g = ComputeFieldGeometry(56 * m, m, n);
    model.Margin = m;
    model.FieldSize = g.FieldSize;
    model.CellSize = g.CellSize;
    model.HalfCell = g.HalfCell;
    model.CellCentreX0 = g.CellCentreX0;
    model.CellCentreY0 = g.CellCentreY0;
    model.SpriteSize = g.SpriteSize;
    model.HalfSprite = g.HalfSprite;
    model.FieldBitmap = QImage(g.ImageSide, g.ImageSide, QImage::Format_RGB32);
    model.SpriteBack = QImage(g.SpriteSize, g.SpriteSize, QImage::Format_RGB32);
}

struct Field {
    explicit Field(int16_t m = 10, int16_t n = 12, int leftFacingDy = 1) : r(model, leftFacingDy)
    {
        SizeField(model, m, n);
        r.ClearBitmap(model.SpriteBack);
        r.DrawField();
    }
    QRgb At(int x, int y) const { return model.FieldBitmap.pixel(x, y); }
    int Px(int x) const { return x * model.CellSize + model.CellCentreX0; }
    int Py(int y) const { return y * model.CellSize + model.CellCentreY0; }
    QRect Box(int x, int y) const
    {
        const int hs = model.HalfSprite, s = model.SpriteSize;
        return QRect(Px(x) - hs, Py(y) - hs, s, s);
    }
    void PutExecutor(int x, int y, int dir)
    {
        model.ExecX = int16_t(x);
        model.ExecY = int16_t(y);
        model.ExecDir = int16_t(dir);
    }
    // Only the pixels outside `box` (on FieldBitmap) compared with `before`.
    bool SameOutside(const QImage& before, const QRect& box) const
    {
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                if (!box.contains(x, y) && before.pixel(x, y) != At(x, y))
                    return false;
        return true;
    }
    // The pixels of the box that differ from the background saved under it.
    std::map<std::pair<int, int>, QRgb> Painted(const QRect& box) const
    {
        std::map<std::pair<int, int>, QRgb> painted;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (At(x, y) != model.SpriteBack.pixel(x - box.left(), y - box.top()))
                    painted[{x, y}] = At(x, y);
        return painted;
    }
    RoPupilModel model;
    FieldRenderer r;
};

QRgb Rgb(const QColor& c) { return c.rgb(); }

// ------------------------------------------------------------------ pictures

TEST(ExecutorPictures, SixteenMaskedPicturesWithTipsOnTheCentreLines)
{
    for (int i = 0; i < 16; ++i) {
        const QImage p(QStringLiteral(":/executor/exec_%1.png").arg(i, 2, 10, QLatin1Char('0')));
        ASSERT_FALSE(p.isNull()) << i;
        EXPECT_EQ(p.size(), QSize(16, 16)) << i;
        EXPECT_TRUE(p.hasAlphaChannel()) << i;
        EXPECT_EQ(qAlpha(p.pixel(0, 0)) * qAlpha(p.pixel(15, 15)) * qAlpha(p.pixel(15, 0)) * qAlpha(p.pixel(0, 15)), 0)
            << "a corner must stay transparent in picture " << i;
    }
    // Tips of the straight normal pictures, and their shafts on row or column 7.
    const QImage right(":/executor/exec_00.png"), up(":/executor/exec_04.png");
    const QImage left(":/executor/exec_08.png"), down(":/executor/exec_12.png");
    EXPECT_NE(qAlpha(right.pixel(15, 7)), 0);
    EXPECT_NE(qAlpha(left.pixel(0, 7)), 0);
    EXPECT_NE(qAlpha(up.pixel(7, 0)), 0);
    EXPECT_NE(qAlpha(down.pixel(7, 15)), 0);
    EXPECT_EQ(right.pixel(3, 5), QColor(Qt::darkRed).rgb());
    EXPECT_EQ(right.pixel(3, 7), QColor(Qt::red).rgb());
    EXPECT_EQ(right.pixel(3, 9), QColor(Qt::darkRed).rgb());
    EXPECT_EQ(qAlpha(right.pixel(3, 4)), 0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(left.pixel(x, y), right.pixel(15 - x, y));
            EXPECT_EQ(up.pixel(y, 15 - x), right.pixel(x, y));
            EXPECT_EQ(down.pixel(x, y), up.pixel(x, 15 - y));
        }
    // The alarm look is hollow: nothing red in it.
    const QImage alarm(":/executor/exec_01.png");
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_NE(alarm.pixel(x, y), QColor(Qt::red).rgb());
    EXPECT_EQ(alarm.pixel(15, 7), qRgb(128, 128, 128));
}

// ---------------------------------------------------------------- empty field

TEST(EmptyField, GridLinesLieOnTheInnerCellEdges)
{
    Field f;
    ASSERT_EQ(f.model.FieldBitmap.size(), QSize(536, 536));
    const QRgb grid = Rgb(FieldRenderer::GridColor()), back = Rgb(FieldRenderer::BackColor());
    std::vector<int> rows, cols;
    for (int k = 11; k < 525; ++k) {
        if (f.At(30, k) == grid)
            rows.push_back(k);
        if (f.At(k, 30) == grid)
            cols.push_back(k);
    }
    std::vector<int> expected;
    for (int k = 1; k <= 11; ++k)
        expected.push_back(53 + 43 * (k - 1));
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(cols, expected);
    EXPECT_EQ(expected.back(), 483);
    // A grid line runs from wall to wall, without crossing into the right-hand bar's body.
    EXPECT_EQ(f.At(11, 53), grid);
    EXPECT_EQ(f.At(524, 53), grid);
    EXPECT_EQ(f.At(30, 54), back);
}

TEST(EmptyField, BorderBarsFrameTheCellsOnEverySide)
{
    Field f;
    const QRgb back = Rgb(FieldRenderer::BackColor());
    const QRgb light = Rgb(FieldRenderer::LightColor()), shadow = Rgb(FieldRenderer::ShadowColor());
    const QRgb wall = Rgb(FieldRenderer::WallColor());
    for (int along : {30, 200, 500}) {
        for (int across = 0; across <= 10; ++across) {
            EXPECT_NE(f.At(across, along), back) << "left " << across << "," << along;
            EXPECT_NE(f.At(along, across), back) << "top " << along << "," << across;
            EXPECT_NE(f.At(525 + across, along), back) << "right";
            EXPECT_NE(f.At(along, 525 + across), back) << "bottom";
        }
        EXPECT_EQ(f.At(11, along), back);
        EXPECT_EQ(f.At(along, 11), back);
        EXPECT_EQ(f.At(524, along), back);
        EXPECT_EQ(f.At(along, 524), back);
        // Lit on the upper or left side, shaded on the lower or right side.
        EXPECT_EQ(f.At(0, along), light);
        EXPECT_EQ(f.At(5, along), wall);
        EXPECT_EQ(f.At(10, along), shadow);
        EXPECT_EQ(f.At(along, 0), light);
        EXPECT_EQ(f.At(along, 10), shadow);
        EXPECT_EQ(f.At(525, along), light);
        EXPECT_EQ(f.At(535, along), shadow);
    }
    // Mitred corners: the very corner pixel lies outside both bars.
    EXPECT_EQ(f.At(0, 0), back);
    EXPECT_EQ(f.At(535, 535), back);
}

TEST(EmptyField, DrawFieldStartsAgainFromTheBackground)
{
    Field f;
    const QImage empty = f.model.FieldBitmap.copy();
    f.r.DrawTrace(f.Px(1), f.Py(1) + 1, f.Px(2), f.Py(1) + 1);
    f.model.HorzWallX = {4};
    f.model.HorzWallY = {4};
    f.r.DrawHorzWall(0);
    ASSERT_NE(f.model.FieldBitmap, empty);
    f.r.DrawField();
    EXPECT_EQ(f.model.FieldBitmap, empty);
}

// ------------------------------------------------------- the executor's box

TEST(ExecutorBox, RestoreGivesBackExactlyWhatSaveTook)
{
    Field f;
    f.r.DrawPointMark(3, 4, QStringLiteral("А"));
    f.r.DrawTrace(f.Px(2), f.Py(4) + 1, f.Px(3), f.Py(4) + 1);
    const QImage before = f.model.FieldBitmap.copy();
    f.PutExecutor(3, 4, 0);
    f.r.SaveUnderExecutor(3, 4);
    EXPECT_EQ(f.model.SpriteBack, before.copy(f.Box(3, 4)));
    for (int dir = 0; dir <= 360; dir += 45) {
        f.r.DrawExecutor(int16_t(dir));
        EXPECT_NE(f.model.FieldBitmap, before) << dir;
        EXPECT_TRUE(f.SameOutside(before, f.Box(3, 4))) << dir;
        f.r.RestoreUnderExecutor(3, 4);
        EXPECT_EQ(f.model.FieldBitmap, before) << dir;
    }
    for (int dir : {0, 90, 180, 270}) {
        f.model.ExecDir = int16_t(dir);
        f.r.DrawExecutorAlarm();
        EXPECT_TRUE(f.SameOutside(before, f.Box(3, 4))) << dir;
        f.r.RestoreUnderExecutor(3, 4);
        EXPECT_EQ(f.model.FieldBitmap, before) << dir;
    }
}

TEST(ExecutorBox, PlacesOfTheStraightPictures)
{
    Field f;
    f.PutExecutor(5, 5, 0);
    f.r.SaveUnderExecutor(5, 5);
    const int px = f.Px(5), py = f.Py(5);
    const QRgb red = QColor(Qt::red).rgb(), maroon = QColor(Qt::darkRed).rgb();
    // Facing right: tip against the right edge of the box, shaft centred on py + 1.
    f.r.DrawExecutor(0);
    EXPECT_EQ(f.At(px + 15, py + 1), maroon);
    EXPECT_EQ(f.At(px + 10, py + 1), red);
    const QImage at0 = f.model.FieldBitmap.copy();
    f.r.RestoreUnderExecutor(5, 5);
    f.r.DrawExecutor(360);
    EXPECT_EQ(f.model.FieldBitmap, at0);
    f.r.RestoreUnderExecutor(5, 5);
    // Facing up: tip against the top of the box, shaft centred on px + 1.
    f.r.DrawExecutor(90);
    EXPECT_EQ(f.At(px + 1, py - 15), maroon);
    EXPECT_EQ(f.At(px + 1, py - 10), red);
    f.r.RestoreUnderExecutor(5, 5);
    // Facing down: tip on the bottom row of the box.
    f.r.DrawExecutor(270);
    EXPECT_EQ(f.At(px + 1, py + 15), maroon);
    f.r.RestoreUnderExecutor(5, 5);
    // A direction outside the table: picture 0 at the top-left corner of the box.
    f.r.DrawExecutor(30);
    EXPECT_EQ(f.At(px - 15 + 15, py - 15 + 7), maroon);
    f.r.RestoreUnderExecutor(5, 5);
    // The alarm look facing right stands one pixel above the normal one.
    f.model.ExecDir = 0;
    f.r.DrawExecutorAlarm();
    EXPECT_EQ(f.At(px + 15, py), qRgb(128, 128, 128));
    EXPECT_NE(f.At(px + 15, py + 1), maroon);
}

TEST(ExecutorBox, LeftFacingPictureDiffersByOneRowBetweenEditions)
{
    Field free(10, 12, 1), fixed(10, 12, 2);
    for (Field* f : {&free, &fixed}) {
        f->PutExecutor(4, 6, 180);
        f->r.SaveUnderExecutor(4, 6);
        f->r.DrawExecutor(180);
    }
    const QRect box = free.Box(4, 6);
    ASSERT_NE(free.model.FieldBitmap, fixed.model.FieldBitmap);
    // The free-task picture is the fixed-task one lifted by exactly one row.
    const auto freePicture = free.Painted(box), fixedPicture = fixed.Painted(box);
    ASSERT_FALSE(freePicture.empty());
    std::map<std::pair<int, int>, QRgb> lowered;
    for (const auto& [at, colour] : freePicture)
        lowered[{at.first, at.second + 1}] = colour;
    EXPECT_EQ(lowered, fixedPicture);
    EXPECT_EQ(free.At(free.Px(4) - 15, free.Py(6)), QColor(Qt::darkRed).rgb());      // tip on py
    EXPECT_EQ(fixed.At(fixed.Px(4) - 15, fixed.Py(6) + 1), QColor(Qt::darkRed).rgb()); // tip on py + 1
    // Every other direction stands the same in both editions.
    for (int dir : {0, 45, 90, 135, 225, 270, 315}) {
        for (Field* f : {&free, &fixed}) {
            f->r.RestoreUnderExecutor(4, 6);
            f->r.DrawExecutor(int16_t(dir));
        }
        EXPECT_EQ(free.model.FieldBitmap, fixed.model.FieldBitmap) << dir;
    }
}

TEST(ExecutorBox, SmallScreensKeepThePictureInsideTheBox)
{
    // m = 6 and m = 7 with 15 cells give boxes of 12 and 15 pixels, less than a picture.
    for (int16_t m : {6, 7}) {
        Field f(m, 15);
        ASSERT_LT(f.model.SpriteSize, 16);
        for (int cell : {0, 7, 14}) {
            f.r.DrawField();
            const QImage before = f.model.FieldBitmap.copy();
            f.PutExecutor(cell, cell, 0);
            f.r.SaveUnderExecutor(int16_t(cell), int16_t(cell));
            for (int dir : {0, 45, 90, 135, 180, 225, 270, 315, 360, 30}) {
                f.r.DrawExecutor(int16_t(dir));
                EXPECT_NE(f.model.FieldBitmap, before) << "m " << m << " dir " << dir;
                EXPECT_TRUE(f.SameOutside(before, f.Box(cell, cell))) << "m " << m << " dir " << dir;
                f.r.RestoreUnderExecutor(int16_t(cell), int16_t(cell));
                ASSERT_EQ(f.model.FieldBitmap, before) << "m " << m << " dir " << dir;
            }
            for (int dir : {0, 90, 180, 270}) {
                f.model.ExecDir = int16_t(dir);
                f.r.DrawExecutorAlarm();
                f.r.RestoreUnderExecutor(int16_t(cell), int16_t(cell));
                ASSERT_EQ(f.model.FieldBitmap, before) << "alarm m " << m << " dir " << dir;
            }
        }
    }
}

TEST(ExecutorBox, NoBitmapsOrNoPointDrawNothingAndDoNotCrash)
{
    // Point A (-1, -1) facing -1: the box lies above and left of the field.
    Field f;
    const QImage before = f.model.FieldBitmap.copy();
    f.PutExecutor(-1, -1, -1);
    f.r.SaveUnderExecutor(-1, -1);
    f.r.DrawExecutor(-1);
    f.r.RestoreUnderExecutor(-1, -1);
    EXPECT_EQ(f.model.FieldBitmap, before);

    RoPupilModel empty;
    FieldRenderer r(empty);
    r.DrawField();
    r.DrawScene();
    r.DrawExecutorAlarm();
    r.RestoreUnderExecutor(0, 0);
    EXPECT_TRUE(empty.FieldBitmap.isNull());
}

// ---------------------------------------------------------------------- walls

TEST(Walls, InnerWallsStandOnTheEdgesOfTheirCells)
{
    Field f;
    const QRgb light = Rgb(FieldRenderer::LightColor()), shadow = Rgb(FieldRenderer::ShadowColor());
    const QRgb wall = Rgb(FieldRenderer::WallColor());
    f.model.VertWallX = {3};
    f.model.VertWallY = {4};
    f.model.HorzWallX = {6};
    f.model.HorzWallY = {1};
    f.r.DrawVertWall(0);
    f.r.DrawHorzWall(0);
    // Vertical (3, 4): along x = 4*43 + 10 = 182, from y = 182 to 225.
    EXPECT_EQ(f.At(182, 200), wall);
    EXPECT_EQ(f.At(177, 200), light);
    EXPECT_EQ(f.At(187, 200), shadow);
    EXPECT_EQ(f.At(182, 230), Rgb(FieldRenderer::GridColor()));
    // Horizontal (6, 1): along y = 2*43 + 10 = 96, from x = 268 to 311.
    EXPECT_EQ(f.At(290, 96), wall);
    EXPECT_EQ(f.At(290, 91), light);
    EXPECT_EQ(f.At(290, 101), shadow);
    // Indices past the lists draw nothing.
    const QImage before = f.model.FieldBitmap.copy();
    f.r.DrawVertWall(1);
    f.r.DrawHorzWall(-1);
    f.model.HorzWallX.push_back(2); // lists of unequal length: the extra entry is ignored
    f.r.DrawHorzWall(1);
    EXPECT_EQ(f.model.FieldBitmap, before);
}

TEST(Walls, WallBarsNeverReachIntoASpriteBox)
{
    for (int16_t m : {6, 8, 10, 12}) {
        for (int16_t n : {12, 15}) {
            Field f(m, n);
            f.PutExecutor(2, 2, 0);
            f.r.SaveUnderExecutor(2, 2);
            const QImage under = f.model.SpriteBack.copy();
            f.model.HorzWallX = {2, 2};
            f.model.HorzWallY = {1, 2};
            f.model.VertWallX = {1, 2};
            f.model.VertWallY = {2, 2};
            for (int i = 0; i < 2; ++i) {
                f.r.DrawHorzWall(i);
                f.r.DrawVertWall(i);
            }
            f.r.SaveUnderExecutor(2, 2);
            EXPECT_EQ(f.model.SpriteBack, under) << "m " << m << " n " << n;
        }
    }
}

TEST(Walls, JumpingWallsAndTheirGhosts)
{
    Field f;
    const QRgb grid = Rgb(FieldRenderer::GridColor()), back = Rgb(FieldRenderer::BackColor());
    const QRgb wall = Rgb(FieldRenderer::WallColor());
    // Wall 0: place 1 on the bottom edge of (2, 3), place 2 on the right edge of (5, 5).
    f.model.JumpWallX1 = {2};
    f.model.JumpWallY1 = {3};
    f.model.JumpWallKind1 = QStringList{QStringLiteral("H")};
    f.model.JumpWallX2 = {5};
    f.model.JumpWallY2 = {5};
    f.model.JumpWallKind2 = QStringList{QStringLiteral("V")};
    const QImage empty = f.model.FieldBitmap.copy();

    // Place 0 (not started) and any other place draw nothing.
    for (int place : {0, 3, -1}) {
        f.r.DrawJumpWall(0, place);
        f.r.DrawJumpWallGhost(0, place);
    }
    f.r.DrawJumpWall(1, 1); // no such wall
    EXPECT_EQ(f.model.FieldBitmap, empty);

    // Place 1 lies on the grid line y = 4*43 + 10 = 182, from x = 96 to 139.
    ASSERT_EQ(f.At(117, 182), grid);
    f.r.DrawJumpWall(0, 1);
    EXPECT_EQ(f.At(117, 182), wall);
    f.r.DrawJumpWallGhost(0, 1);
    // The ghost wipes the wall and the grid line under it...
    for (int x = 96 + 6; x <= 139 - 6; ++x)
        for (int y = 182 - 4; y <= 182 + 4; ++y)
            EXPECT_EQ(f.At(x, y), back) << x << "," << y;
    // ...and rings the place with a dotted line whose gaps show the background,
    // not the lit side of the wall that stood there.
    int dots = 0, gaps = 0;
    for (int x = 96 + 6; x <= 139 - 6; ++x)
        for (int y : {182 - 5, 182 + 5}) {
            const QRgb ring = f.At(x, y);
            EXPECT_TRUE(ring == grid || ring == back) << x << "," << y;
            dots += ring == grid ? 1 : 0;
            gaps += ring == back ? 1 : 0;
        }
    EXPECT_GT(dots, 5);
    EXPECT_GT(gaps, 5);
    // The grid line goes on beyond the place.
    EXPECT_EQ(f.At(150, 182), grid);

    // Place 2 of kind "V": a vertical bar along x = 6*43 + 10 = 268.
    f.r.DrawJumpWall(0, 2);
    EXPECT_EQ(f.At(268, 225 + 20), wall);
    EXPECT_EQ(f.At(263, 225 + 20), Rgb(FieldRenderer::LightColor()));
    // A kind other than exactly "V" stands horizontal.
    f.model.JumpWallKind2 = QStringList{QStringLiteral("v")};
    f.r.DrawJumpWall(0, 2);
    EXPECT_EQ(f.At(225 + 20, 268), wall);
}

TEST(Walls, TraceIsFivePixelsWideInTraceColor)
{
    Field f;
    const QRgb trace = Rgb(FieldRenderer::TraceColor());
    const int y = f.Py(2) + 1;
    f.r.DrawTrace(f.Px(1) + 1, y, f.Px(3) + 1, y);
    for (int dy = -2; dy <= 2; ++dy)
        EXPECT_EQ(f.At(f.Px(2), y + dy), trace) << dy;
    EXPECT_NE(f.At(f.Px(2), y - 3), trace);
    EXPECT_NE(f.At(f.Px(2), y + 3), trace);
}

// ---------------------------------------------------------------------- scene

// A frame hands the window the part of the field that changed, so the window
// repaints only that: every pixel drawn since the last frame must lie in it.
TEST(Scene, EachFrameReportsEveryPixelItChanged)
{
    Field f;
    QRect changed;
    int frames = 0;
    f.r.presenter = [&](const QRect& r) { changed = r; ++frames; };
    f.model.ResetPoints();
    f.model.JumpWallX1 = {3};
    f.model.JumpWallY1 = {3};
    f.model.JumpWallKind1 = QStringList{"H"};
    f.model.JumpWallX2 = {4};
    f.model.JumpWallY2 = {4};
    f.model.JumpWallKind2 = QStringList{"V"};
    f.r.DrawScene();
    EXPECT_EQ(changed, f.model.FieldBitmap.rect());

    auto frame = [&](const std::function<void()>& draw) {
        const QImage before = f.model.FieldBitmap.copy();
        draw();
        f.r.ShowField();
        EXPECT_TRUE(f.SameOutside(before, changed)) << frames;
        EXPECT_FALSE(changed.isEmpty());
    };
    // A step with its trace, a turn frame, a blink, a swap of a jumping wall.
    frame([&] {
        f.r.RestoreUnderExecutor(0, 0);
        f.r.DrawTrace(f.Px(0) + 1, f.Py(0) + 1, f.Px(1) + 1, f.Py(0) + 1);
        f.model.ExecX = 1;
        f.r.SaveUnderExecutor(1, 0);
        f.r.DrawExecutor(0);
    });
    frame([&] {
        f.r.RestoreUnderExecutor(1, 0);
        f.r.DrawExecutor(45);
    });
    frame([&] {
        f.r.RestoreUnderExecutor(1, 0);
        f.r.DrawExecutorAlarm();
    });
    frame([&] {
        f.r.DrawJumpWallGhost(0, 1);
        f.r.DrawJumpWall(0, 2);
    });
    // Nothing drawn: nothing to repaint.
    f.r.ShowField();
    EXPECT_TRUE(changed.isEmpty());
}

TEST(Scene, StartsTheExecutorAtPointAAndSavesTheFieldWithoutMarkB)
{
    Field f;
    f.model.PointAX = 2;
    f.model.PointAY = 5;
    f.model.PointADir = 90;
    f.model.PointBX = 2; // B on the start cell: its dot lands on the executor
    f.model.PointBY = 5;
    f.model.HorzWallX = {7};
    f.model.HorzWallY = {7};
    f.model.VertWallX = {8};
    f.model.VertWallY = {8};
    f.model.ExecX = 9;
    int shown = 0;
    f.r.presenter = [&](const QRect&) { ++shown; };

    Field reference;
    reference.r.DrawPointMark(2, 5, QStringLiteral("А"));

    f.r.DrawScene();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(f.model.ExecX, 2);
    EXPECT_EQ(f.model.ExecY, 5);
    EXPECT_EQ(f.model.ExecDir, 90);
    EXPECT_EQ(f.model.SpriteBack, reference.model.FieldBitmap.copy(f.Box(2, 5)));
    // Mark B's dot stands on top of the executor's shaft.
    EXPECT_EQ(f.At(f.Px(2) + 1, f.Py(5) + 1), Rgb(FieldRenderer::MarkColor()));
    // Both inner walls are drawn.
    EXPECT_EQ(f.At(7 * 43 + 10 + 20, 8 * 43 + 10), Rgb(FieldRenderer::WallColor()));
    EXPECT_EQ(f.At(9 * 43 + 10, 8 * 43 + 10 + 20), Rgb(FieldRenderer::WallColor()));
    // Once the executor has gone, the start cell shows mark A as the scene began.
    f.r.RestoreUnderExecutor(2, 5);
    EXPECT_EQ(f.model.FieldBitmap.copy(f.Box(2, 5)), reference.model.FieldBitmap.copy(f.Box(2, 5)));

    f.r.presenter = nullptr;
    f.r.ShowField(); // no window: nothing to call
}

// ----------------------------------------------------------------------- text
// Letters need the font system, which lives under a QGuiApplication; the rest
// of these tests run without one.

class CanvasText : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QGuiApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        }
    }
    void TearDown() override { app_.reset(); }

    // Height of the rows of the letter box at (px - 10, py - 13) that differ from the background.
    static int LetterBoxRows(const Field& f, int cx, int cy)
    {
        const QRgb back = Rgb(FieldRenderer::BackColor());
        int rows = 0;
        for (int y = cy - 13; y < cy - 3; ++y) {
            bool any = false;
            for (int x = cx - 10; x < cx - 3; ++x)
                any = any || f.At(x, y) != back;
            rows += any ? 1 : 0;
        }
        return rows;
    }

private:
    int argc_ = 1;
    char name_[16] = "unit_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

TEST_F(CanvasText, LettersShrinkForGoodOnceAJumpingWallWasDrawn)
{
    Field f;
    f.r.DrawPointMark(3, 3, QStringLiteral("А"));
    const int before = LetterBoxRows(f, f.Px(3), f.Py(3));
    EXPECT_GT(before, 0);

    f.model.JumpWallX1 = {8};
    f.model.JumpWallY1 = {8};
    f.model.JumpWallKind1 = QStringList{QStringLiteral("V")};
    f.model.JumpWallX2 = {8};
    f.model.JumpWallY2 = {8};
    f.model.JumpWallKind2 = QStringList{QStringLiteral("H")};
    // The digit is written dark on the wall's own colour, below the bar's top end.
    f.r.DrawJumpWall(0, 1);
    const int x0 = 9 * 43 + 10, y0 = 8 * 43 + 10;
    int dark = 0;
    for (int y = y0 + 10; y < y0 + 20; ++y)
        for (int x = x0 - 4; x < x0 + 5; ++x)
            dark += qGray(f.At(x, y)) < 100 ? 1 : 0;
    EXPECT_GT(dark, 0);

    f.r.DrawField();
    f.r.DrawPointMark(3, 3, QStringLiteral("А"));
    const int after = LetterBoxRows(f, f.Px(3), f.Py(3));
    EXPECT_GT(after, 0);
    EXPECT_LT(after, before);
}

// A point left outside a smaller field, or no point at all, is drawn nowhere:
// neither its mark nor the executor standing on it may touch a wall or a
// cell, and a trace that would leave the cells is not drawn.
TEST_F(CanvasText, CellsOffTheFieldAreDrawnNowhere)
{
    const struct {
        int x, y;
    } cells[] = {{10, 12}, {12, 10}, {12, 12}, {-1, -1}, {-1, 4}, {4, -1}};
    for (int16_t m : {int16_t(7), int16_t(10)}) {
        Field f(m, 12);
        const QImage empty = f.model.FieldBitmap.copy();
        for (const auto& c : cells) {
            SCOPED_TRACE(testing::Message() << "m " << m << " cell " << c.x << ',' << c.y);
            f.r.DrawPointMark(int16_t(c.x), int16_t(c.y), QStringLiteral("Б"));
            f.PutExecutor(c.x, c.y, c.y < 0 ? 270 : 90);
            f.r.SaveUnderExecutor(f.model.ExecX, f.model.ExecY);
            f.r.DrawExecutor(f.model.ExecDir);
            f.r.DrawExecutorAlarm();
            f.r.RestoreUnderExecutor(f.model.ExecX, f.model.ExecY);
            f.r.DrawExecutor(180);
            const int towardX = std::clamp(c.x, 0, 11), towardY = std::clamp(c.y, 0, 11);
            f.r.DrawTrace(f.Px(c.x) + 1, f.Py(c.y) + 1, f.Px(towardX) + 1, f.Py(towardY) + 1);
            f.model.PointAX = f.model.PointBX = int16_t(c.x);
            f.model.PointAY = f.model.PointBY = int16_t(c.y);
            f.model.PointADir = 0;
            f.r.DrawScene();
            EXPECT_EQ(f.model.FieldBitmap, empty);
        }
    }
}

} // namespace
