#pragma once
// Where the executor window puts its panels, and how big the field is, for a
// given screen width. The window reads the real screen width once and applies
// what these functions compute; tests call them directly.

#include <QRect>
#include <cstdint>
#include <functional>

struct FormLayout {
    int16_t ScreenWidth = 0;
    int16_t Margin = 0;          // m = screen width div 100
    QRect PPPanelSystCom;        // command buttons
    QRect lstCom;                // algorithm list, as tall as the field panel
    QRect pnl1;                  // outer field panel, 56m square
    QRect pnlMain;               // inside pnl1 at (m, m), 54m square before the field is sized
    QRect ListStatist;           // statistics, ending level with the algorithm list
    int32_t HalfVisibleLines = 0;
};

// Designed sizes that the layout starts from.
constexpr int ToolBarAlgLeft = 169, ToolBarAlgTop = 1, ToolBarAlgWidth = 324, ToolBarAlgHeight = 25;
constexpr int PPPanelSystComWidth = 121, PPPanelSystComHeight = 300;
constexpr int ListStatistHeight = 129;
constexpr int lstComItemHeight = 16;
constexpr int FormClientWidth = 1012, FormClientHeight = 684;

FormLayout ComputeFormLayout(int screenWidth);
// The same layout for a given unit m, which may be smaller than the screen
// width div 100 when the screen is too low for the window (see FitWindow).
FormLayout ComputeFormLayoutForMargin(int screenWidth, int16_t margin);

// How the window meets a screen: the layout unit and the client height.
constexpr int StatusBarHeight = 22;
// The unit of an 800-pixel screen, the smallest the window is designed for:
// below it the statistics no longer keep their designed height.
constexpr int16_t SmallestDesignedMargin = 8;
struct WindowFit {
    int16_t Margin = 0;
    int ClientHeight = 0;
};

// The client height must hold everything the layout places (and a margin m
// below it) above the status bar. Where the designed height does that,
// nothing changes; otherwise the client grows to hold it. The client stays
// within `available`, the height the work area leaves for it (work area less
// the window frame and the menu bar; 0 or less: no limit); where even that is
// too low for the layout, m is the largest unit whose layout fits, but on a
// screen 800 pixels wide or wider never below SmallestDesignedMargin: the
// client is then as high as the work area allows, and the status bar covers
// the layout's lowest pixels rather than the statistics losing their
// designed height.
// layoutFor(m) is the window's layout for unit m.
WindowFit FitWindow(int screenWidth, int designedClientHeight, int available,
                    const std::function<FormLayout(int16_t)>& layoutFor);
// The client height a layout needs.
int NeededClientHeight(const FormLayout& layout);

// Left of column number i in its strip, or top of row number i: the numbers
// stand over the cells' centres, past the strip's two margins.
inline int AxisLabelPos(int margin, int halfCell, int cellSize, int i)
{
    return 2 * margin + halfCell + i * cellSize;
}

struct FieldGeometry {
    int16_t FieldSize = 0;       // N
    int16_t CellSize = 0;        // c
    int16_t HalfCell = 0;
    int16_t ImageSide = 0;       // PaintImage, FieldBitmap and pnlMain: 2m + N*c
    int16_t CellCentreX0 = 0, CellCentreY0 = 0;
    int16_t SpriteSize = 0;
    int16_t HalfSprite = 0;
    // Axis strips in pnl1's coordinates.
    QRect PanelX, PanelY;
    // Left of column label i (in PanelX) and top of row label i (in PanelY).
    int AxisLabelPos(int i) const { return ::AxisLabelPos(margin, HalfCell, CellSize, i); }
    int16_t margin = 0;
};

FieldGeometry ComputeFieldGeometry(int pnl1Width, int16_t margin, int16_t n);
