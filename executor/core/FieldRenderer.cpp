#include "FieldRenderer.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

namespace {

// System colours. Two of them have a palette role in Qt and follow the user's
// colour scheme whenever the program runs (there is always a QGuiApplication
// then); the window-free tests have none and get the fixed values:
//   button face  -> QPalette::Button       (fallback #F0F0F0)
//   window text  -> QPalette::WindowText   (fallback black)
// The scroll-bar track and the desktop have no palette role, so they are fixed:
//   scroll-bar track -> #C8C8C8, the usual track grey
//   desktop          -> #3A6EA5, a plain desktop blue
bool HaveGuiApp()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

QColor PaletteColor(QPalette::ColorRole role, QColor fallback)
{
    if (!HaveGuiApp())
        return fallback;
    return QGuiApplication::palette().color(QPalette::Active, role);
}

QColor WindowTextColor() { return PaletteColor(QPalette::WindowText, QColor(0, 0, 0)); }

// The canvas starts with a small sans-serif font of 11 pixels.
QFont DefaultCanvasFont()
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
    f.setPixelSize(11);
    return f;
}

// The digits of the jumping walls are asked for in a 3-point serif face. Scalable
// fonts would render that as a 4-pixel blot without antialiasing, so the digit
// takes the nearest size that still reads as a digit: 8 pixels (6 points).
QFont JumpWallFont()
{
    QFont f(QStringLiteral("MS Serif"));
    f.setStyleHint(QFont::Serif, QFont::NoAntialias);
    f.setPixelSize(8);
    return f;
}

// A one-pixel pen that leaves the last point of a line unpainted, so that
// polylines and grid lines end where the field's drawing expects them to.
QPen ThinPen(const QColor& colour, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(colour, 1, style, Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

// Ellipse and rectangle in the field's convention: (left, top)-(right, bottom)
// with the right and bottom edges excluded, outline included in the box.
QRect OutlineBox(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left - 1, bottom - top - 1);
}

void LoadPictures(std::array<QImage, 16>& pictures)
{
    for (int i = 0; i < 16; ++i) {
        QImage picture(QStringLiteral(":/executor/exec_%1.png").arg(i, 2, 10, QLatin1Char('0')));
        if (!picture.isNull())
            pictures[size_t(i)] = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
}

} // namespace

FieldRenderer::FieldRenderer(RoPupilModel& model, int leftFacingDy)
    : m_(model), leftFacingDy_(leftFacingDy), font_(DefaultCanvasFont())
{
    LoadPictures(pictures_);
}

QColor FieldRenderer::BackColor() { return PaletteColor(QPalette::Button, QColor(0xF0, 0xF0, 0xF0)); }
QColor FieldRenderer::LightColor() { return QColor(255, 255, 255); }
QColor FieldRenderer::ShadowColor() { return QColor(0, 0, 0); }
QColor FieldRenderer::WallColor() { return QColor(0xC8, 0xC8, 0xC8); }
QColor FieldRenderer::GridColor() { return QColor(0x3A, 0x6E, 0xA5); }
QColor FieldRenderer::TraceColor() { return QColor(0x80, 0x80, 0x80); }
QColor FieldRenderer::MarkColor() { return QColor(0, 0, 0); }

bool FieldRenderer::BeginField(QPainter& p)
{
    if (m_.FieldBitmap.isNull() || !p.begin(&m_.FieldBitmap))
        return false;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    return true;
}

void FieldRenderer::ClearBitmap(QImage& bitmap)
{
    if (bitmap.isNull())
        return;
    bitmap.fill(BackColor());
    if (&bitmap == &m_.FieldBitmap)
        MarkDirty(bitmap.rect());
}

// ---------------------------------------------------------------- walls

FieldRenderer::Bar FieldRenderer::HorzBar(int x0, int y0, int length) const
{
    const int h = m_.Margin / 2, l = length;
    Bar b;
    b.hexagon << QPoint(x0, y0) << QPoint(x0 + h, y0 + h) << QPoint(x0 + l - h, y0 + h)
              << QPoint(x0 + l, y0) << QPoint(x0 + l - h, y0 - h) << QPoint(x0 + h, y0 - h);
    b.lit << QPoint(x0 + l, y0) << QPoint(x0 + l - h, y0 - h) << QPoint(x0 + h, y0 - h) << QPoint(x0, y0);
    b.shaded << QPoint(x0, y0) << QPoint(x0 + h, y0 + h) << QPoint(x0 + l - h, y0 + h) << QPoint(x0 + l, y0);
    return b;
}

FieldRenderer::Bar FieldRenderer::VertBar(int x0, int y0, int length) const
{
    const int h = m_.Margin / 2, l = length;
    Bar b;
    b.hexagon << QPoint(x0, y0) << QPoint(x0 - h, y0 + h) << QPoint(x0 - h, y0 + l - h)
              << QPoint(x0, y0 + l) << QPoint(x0 + h, y0 + l - h) << QPoint(x0 + h, y0 + h);
    b.lit << QPoint(x0, y0) << QPoint(x0 - h, y0 + h) << QPoint(x0 - h, y0 + l - h) << QPoint(x0, y0 + l);
    b.shaded << QPoint(x0, y0 + l) << QPoint(x0 + h, y0 + l - h) << QPoint(x0 + h, y0 + h) << QPoint(x0, y0);
    return b;
}

void FieldRenderer::DrawStandingBar(const Bar& bar)
{
    QPainter p;
    if (!BeginField(p))
        return;
    MarkDirty(bar.hexagon.boundingRect().adjusted(-1, -1, 1, 1));
    p.setPen(ThinPen(WallColor()));
    p.setBrush(WallColor());
    p.drawPolygon(bar.hexagon);
    p.setPen(ThinPen(LightColor()));
    p.drawPolyline(bar.lit);
    p.setPen(ThinPen(ShadowColor()));
    p.drawPolyline(bar.shaded);
}

void FieldRenderer::DrawBorderWalls()
{
    const int m = m_.Margin, h = m / 2;
    const int d = m_.FieldBitmap.width() - m - 1;
    DrawStandingBar(VertBar(h, h, d));
    DrawStandingBar(VertBar(d + h, h, d));
    DrawStandingBar(HorzBar(h, h, d));
    DrawStandingBar(HorzBar(h, d + h, d));
}

void FieldRenderer::DrawField()
{
    ClearBitmap(m_.FieldBitmap);
    DrawBorderWalls();
    QPainter p;
    if (!BeginField(p))
        return;
    const int m = m_.Margin, c = m_.CellSize, n = m_.FieldSize;
    p.setPen(ThinPen(GridColor()));
    // Horizontal lines first; the outer edges carry the border walls instead.
    for (int k = 1; k <= n - 1; ++k)
        p.drawLine(m, k * c + m, n * c + m, k * c + m);
    for (int k = 1; k <= n - 1; ++k)
        p.drawLine(k * c + m, m, k * c + m, n * c + m);
}

void FieldRenderer::DrawHorzWall(int i)
{
    const size_t count = std::min(m_.HorzWallX.size(), m_.HorzWallY.size());
    if (i < 0 || size_t(i) >= count)
        return;
    const int m = m_.Margin, c = m_.CellSize;
    DrawStandingBar(HorzBar(m_.HorzWallX[size_t(i)] * c + m, (m_.HorzWallY[size_t(i)] + 1) * c + m, c));
}

void FieldRenderer::DrawVertWall(int i)
{
    const size_t count = std::min(m_.VertWallX.size(), m_.VertWallY.size());
    if (i < 0 || size_t(i) >= count)
        return;
    const int m = m_.Margin, c = m_.CellSize;
    DrawStandingBar(VertBar((m_.VertWallX[size_t(i)] + 1) * c + m, m_.VertWallY[size_t(i)] * c + m, c));
}

bool FieldRenderer::JumpWallPlace(int i, int place, Bar& bar, QPoint& digitAt, QString& digit) const
{
    if (place != 1 && place != 2)
        return false;
    const auto& xs = place == 1 ? m_.JumpWallX1 : m_.JumpWallX2;
    const auto& ys = place == 1 ? m_.JumpWallY1 : m_.JumpWallY2;
    const QStringList& kinds = place == 1 ? m_.JumpWallKind1 : m_.JumpWallKind2;
    if (i < 0 || size_t(i) >= xs.size() || size_t(i) >= ys.size())
        return false;
    const int m = m_.Margin, c = m_.CellSize, h = m / 2;
    const int x = xs[size_t(i)], y = ys[size_t(i)];
    digit = place == 1 ? QStringLiteral("1") : QStringLiteral("2");
    // Anything but exactly "V" stands horizontal.
    if (kinds.value(i) == QLatin1String("V")) {
        const int x0 = (x + 1) * c + m, y0 = y * c + m;
        bar = VertBar(x0, y0, c);
        digitAt = QPoint(x0 - h + 1, y0 + 2 * h);
    } else {
        const int x0 = x * c + m, y0 = (y + 1) * c + m;
        bar = HorzBar(x0, y0, c);
        digitAt = QPoint(x0 + 2 * h, y0 - h + 1);
    }
    return true;
}

void FieldRenderer::DrawJumpWall(int i, int place)
{
    Bar bar;
    QPoint digitAt;
    QString digit;
    if (!JumpWallPlace(i, place, bar, digitAt, digit))
        return;
    DrawStandingBar(bar);
    font_ = JumpWallFont();
    TextOut(digitAt.x(), digitAt.y(), digit, WallColor());
}

void FieldRenderer::DrawJumpWallGhost(int i, int place)
{
    Bar bar;
    QPoint digitAt;
    QString digit;
    if (!JumpWallPlace(i, place, bar, digitAt, digit))
        return;
    QPainter p;
    if (!BeginField(p))
        return;
    // The place is wiped first, outline included, so that the gaps of the
    // dotted line show the background and not what stood there before.
    MarkDirty(bar.hexagon.boundingRect().adjusted(-1, -1, 1, 1));
    p.setPen(ThinPen(BackColor()));
    p.setBrush(BackColor());
    p.drawPolygon(bar.hexagon);
    p.setPen(ThinPen(GridColor(), Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(bar.hexagon);
}

// ---------------------------------------------------------------- marks and text

void FieldRenderer::TextOut(int x, int y, const QString& text, const QColor& box)
{
    // Glyphs need the font system, which exists only under a QGuiApplication
    // (always there in the programs; the window-free tests have none).
    if (!HaveGuiApp())
        return;
    QPainter p;
    if (!BeginField(p))
        return;
    p.setFont(font_);
    const QFontMetrics fm(font_, &m_.FieldBitmap);
    const QRect textBox(x, y, fm.horizontalAdvance(text), fm.height());
    MarkDirty(textBox.adjusted(-1, -1, 1, 1));
    p.fillRect(textBox, box);
    p.setPen(WindowTextColor());
    p.drawText(x, y + fm.ascent(), text);
}

void FieldRenderer::DrawPointMark(int16_t x, int16_t y, const QString& letter)
{
    if (!OnField(x, y))
        return;
    const int px = x * m_.CellSize + m_.CellCentreX0;
    const int py = y * m_.CellSize + m_.CellCentreY0;
    {
        QPainter p;
        if (!BeginField(p))
            return;
        p.setPen(ThinPen(MarkColor()));
        p.setBrush(MarkColor());
        MarkDirty(QRect(px - 4, py - 4, 10, 10));
        p.drawEllipse(OutlineBox(px - 3, py - 3, px + 5, py + 5));
    }
    TextOut(px - 10, py - 13, letter, BackColor());
}

// ---------------------------------------------------------------- executor

bool FieldRenderer::OnField(int x, int y) const
{
    return x >= 0 && y >= 0 && x < m_.FieldSize && y < m_.FieldSize;
}

QRect FieldRenderer::CellsRect() const
{
    return QRect(m_.Margin, m_.Margin, m_.FieldSize * m_.CellSize, m_.FieldSize * m_.CellSize);
}

QRect FieldRenderer::SpriteBox(int16_t x, int16_t y) const
{
    const int px = x * m_.CellSize + m_.CellCentreX0;
    const int py = y * m_.CellSize + m_.CellCentreY0;
    const int s = m_.SpriteSize, hs = m_.HalfSprite;
    return QRect(px - hs, py - hs, s, s);
}

void FieldRenderer::SaveUnderExecutor(int16_t x, int16_t y)
{
    if (m_.SpriteSize <= 0 || m_.FieldBitmap.isNull() || m_.SpriteBack.isNull() || !OnField(x, y))
        return;
    QPainter p(&m_.SpriteBack);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(0, 0), m_.FieldBitmap, SpriteBox(x, y));
}

void FieldRenderer::RestoreUnderExecutor(int16_t x, int16_t y)
{
    if (m_.SpriteSize <= 0 || m_.SpriteBack.isNull() || !OnField(x, y))
        return;
    QPainter p;
    if (!BeginField(p))
        return;
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const int s = m_.SpriteSize;
    MarkDirty(SpriteBox(x, y));
    p.drawImage(SpriteBox(x, y).topLeft(), m_.SpriteBack, QRect(0, 0, s, s));
}

void FieldRenderer::DrawPicture(int index, int dx, int dy)
{
    const QImage& picture = pictures_[size_t(index)];
    const int s = m_.SpriteSize;
    if (picture.isNull() || s <= 0 || !OnField(m_.ExecX, m_.ExecY))
        return;
    QPainter p;
    if (!BeginField(p))
        return;
    const QRect box = SpriteBox(m_.ExecX, m_.ExecY);
    // RestoreUnderExecutor puts back the box and nothing else, so no pixel of
    // the picture may fall outside it. A box narrower than the picture (screens
    // under 800 pixels) gets the whole picture scaled down to the box.
    p.setClipRect(box);
    MarkDirty(box);
    if (s >= picture.width() && s >= picture.height())
        p.drawImage(box.topLeft() + QPoint(dx, dy), picture);
    else
        p.drawImage(box, picture);
}

void FieldRenderer::DrawExecutor(int16_t dir)
{
    const int d = m_.SpriteSize - 16, h = d / 2;
    int dx = 0, dy = 0, index = 0;
    switch (dir) {
    case 0:
    case 360: dx = d;      dy = h + 2;             index = 0;  break;
    case 45:  dx = d;      dy = 0;                 index = 2;  break;
    case 90:  dx = h + 2;  dy = 0;                 index = 4;  break;
    case 135: dx = 0;      dy = 0;                 index = 6;  break;
    case 180: dx = 0;      dy = h + leftFacingDy_; index = 8;  break;
    case 225: dx = 0;      dy = d;                 index = 10; break;
    case 270: dx = h + 2;  dy = d;                 index = 12; break;
    case 315: dx = d;      dy = d;                 index = 14; break;
    default: break;
    }
    DrawPicture(index, dx, dy);
}

void FieldRenderer::DrawExecutorAlarm()
{
    const int d = m_.SpriteSize - 16, h = d / 2;
    int dx = 0, dy = 0, index = 1;
    switch (m_.ExecDir) {
    case 0:
    case 360: dx = d;     dy = h + 1; index = 1;  break;
    case 90:  dx = h + 1; dy = 0;     index = 5;  break;
    case 180: dx = 0;     dy = h;     index = 9;  break;
    case 270: dx = h + 1; dy = d;     index = 13; break;
    default: break;
    }
    DrawPicture(index, dx, dy);
}

void FieldRenderer::DrawTrace(int x0, int y0, int x1, int y1)
{
    if (!CellsRect().contains(x0, y0) || !CellsRect().contains(x1, y1))
        return;
    QPainter p;
    if (!BeginField(p))
        return;
    MarkDirty(QRect(QPoint(std::min(x0, x1), std::min(y0, y1)), QPoint(std::max(x0, x1), std::max(y0, y1)))
                  .adjusted(-4, -4, 4, 4));
    p.setPen(QPen(TraceColor(), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(x0, y0, x1, y1);
}

// ---------------------------------------------------------------- scene

void FieldRenderer::DrawScene()
{
    DrawPointMark(m_.PointAX, m_.PointAY, QStringLiteral("А"));
    m_.ExecX = m_.PointAX;
    m_.ExecY = m_.PointAY;
    m_.ExecDir = m_.PointADir;
    SaveUnderExecutor(m_.ExecX, m_.ExecY);
    DrawExecutor(m_.ExecDir);
    // Mark B comes after the background was taken: leaving the start cell shows A only.
    DrawPointMark(m_.PointBX, m_.PointBY, QStringLiteral("Б"));
    const size_t horz = std::min(m_.HorzWallX.size(), m_.HorzWallY.size());
    for (size_t i = 0; i < horz; ++i)
        DrawHorzWall(int(i));
    const size_t vert = std::min(m_.VertWallX.size(), m_.VertWallY.size());
    for (size_t i = 0; i < vert; ++i)
        DrawVertWall(int(i));
    ShowField();
}

void FieldRenderer::ShowField()
{
    const QRect changed = dirty_ & m_.FieldBitmap.rect();
    dirty_ = QRect();
    if (presenter)
        presenter(changed);
}
