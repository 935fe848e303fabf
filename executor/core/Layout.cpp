#include "Layout.h"

FormLayout ComputeFormLayout(int screenWidth)
{
    FormLayout l;
    l.ScreenWidth = int16_t(screenWidth);
    const int16_t m = int16_t(l.ScreenWidth / 100);
    l.Margin = m;
    l.PPPanelSystCom = QRect(m, ToolBarAlgTop + ToolBarAlgHeight + m, PPPanelSystComWidth, PPPanelSystComHeight);
    const int lstLeft = l.PPPanelSystCom.left() + l.PPPanelSystCom.width() + m;
    const int lstTop = l.PPPanelSystCom.top();
    const int lstWidth = 30 * m;
    const int pnl1Side = 56 * m;
    l.pnl1 = QRect(lstLeft + lstWidth + m, lstTop, pnl1Side, pnl1Side);
    l.pnlMain = QRect(m, m, 54 * m, 54 * m);
    l.lstCom = QRect(lstLeft, lstTop, lstWidth, pnl1Side);
    l.HalfVisibleLines = (l.lstCom.height() / lstComItemHeight) / 2;
    l.ListStatist = QRect(l.PPPanelSystCom.left(), l.lstCom.top() + l.lstCom.height() - ListStatistHeight,
                          l.PPPanelSystCom.width(), ListStatistHeight);
    return l;
}

FieldGeometry ComputeFieldGeometry(int pnl1Width, int16_t m, int16_t n)
{
    FieldGeometry g;
    g.margin = m;
    g.FieldSize = n;
    // The image starts again from pnl1's width, so repeated sizing never shrinks the field.
    const int16_t paintWidth = int16_t(pnl1Width - 2 * m);
    g.CellSize = n > 0 ? int16_t((paintWidth - 2 * m) / n) : 0;
    g.ImageSide = int16_t(2 * m + n * g.CellSize);
    g.HalfCell = int16_t(g.CellSize / 2);
    g.CellCentreX0 = int16_t(g.HalfCell + m);
    g.CellCentreY0 = g.CellCentreX0;
    g.SpriteSize = int16_t(g.CellSize - m - 2);
    g.HalfSprite = int16_t(g.SpriteSize / 2);
    g.PanelX = QRect(2, 2, g.ImageSide, m - 2);
    g.PanelY = QRect(2, 2, m - 2, g.ImageSide);
    return g;
}
