#pragma once
// Drawing of the field on the off-screen bitmaps of the model: the empty field,
// marks of points A and B, walls, jumping walls and the executor's pictures.
// Nothing here touches a window; ShowField hands the finished frame to the
// presenter the window installs.

#include "RoPupilModel.h"
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <array>
#include <functional>

class FieldRenderer {
public:
    // leftFacingDy: how far below the top of the sprite box the left-facing
    // picture stands, added to H = (SpriteSize - 16) div 2. The free-task
    // edition uses 1, the fixed-task edition 2.
    explicit FieldRenderer(RoPupilModel& model, int leftFacingDy = 1);

    void ClearBitmap(QImage& bitmap);
    void DrawBorderWalls();
    void DrawField();
    void DrawPointMark(int16_t x, int16_t y, const QString& letter);
    void SaveUnderExecutor(int16_t x, int16_t y);
    void RestoreUnderExecutor(int16_t x, int16_t y);
    void DrawExecutor(int16_t dir);
    void DrawExecutorAlarm();
    void DrawHorzWall(int i);
    void DrawVertWall(int i);
    void DrawJumpWall(int i, int place);
    void DrawJumpWallGhost(int i, int place);
    void DrawScene();
    void ShowField();
    // The trace of "ШАГ": TraceColor, pen width 5.
    void DrawTrace(int x0, int y0, int x1, int y1);

    // Called by ShowField with the part of FieldBitmap drawn since the last
    // frame: the window repaints that part of its field image at once.
    std::function<void(const QRect& changed)> presenter;

    // The palette.
    static QColor BackColor();
    static QColor LightColor();
    static QColor ShadowColor();
    static QColor WallColor();
    static QColor GridColor();
    static QColor TraceColor();
    static QColor MarkColor();

private:
    // Grows with every drawing until ShowField hands it on.
    void MarkDirty(const QRect& r) { dirty_ |= r; }
    QRect dirty_;

    // One wall, as a hexagon with its lit and its shaded side.
    struct Bar {
        QPolygon hexagon, lit, shaded;
    };
    Bar HorzBar(int x0, int y0, int length) const;
    Bar VertBar(int x0, int y0, int length) const;
    void DrawStandingBar(const Bar& bar);
    // The cell, kind and digit of jumping wall i in place 1 or 2; false when there is none.
    bool JumpWallPlace(int i, int place, Bar& bar, QPoint& digitAt, QString& digit) const;
    // Opaque text in the canvas font on a box of the given colour, top-left corner at (x, y).
    void TextOut(int x, int y, const QString& text, const QColor& box);
    // Picture `index` with its top-left corner at (dx, dy) inside the executor's sprite box.
    void DrawPicture(int index, int dx, int dy);
    QRect SpriteBox(int16_t x, int16_t y) const;
    // A point, the executor or a trace outside the cells is drawn nowhere:
    // a point left beyond a smaller field would otherwise cut its walls.
    bool OnField(int x, int y) const;
    QRect CellsRect() const;
    // A painter on FieldBitmap with crisp, one-pixel settings; inactive when there is no bitmap.
    bool BeginField(QPainter& p);

    RoPupilModel& m_;
    int leftFacingDy_;
    // The canvas font outlives each routine: once a jumping wall has been drawn,
    // the letters of the marks are written in the jumping walls' font too.
    QFont font_;
    std::array<QImage, 16> pictures_;
};
