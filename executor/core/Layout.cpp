#include "Layout.h"

#include <algorithm>

FormLayout ComputeFormLayout(int screenWidth)
{
    return ComputeFormLayoutForMargin(screenWidth, int16_t(int16_t(screenWidth) / 100));
}

FormLayout ComputeFormLayoutForMargin(int screenWidth, int16_t m)
{
    FormLayout l;
    l.ScreenWidth = int16_t(screenWidth);
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
    // The statistics end level with the algorithm list. On the smallest
    // layouts (m of 7 or less) that would put them over the command panel's
    // last buttons; they then start just below the panel, shorter, and scroll.
    const int lstBottom = l.lstCom.top() + l.lstCom.height();
    const int panelBottom = l.PPPanelSystCom.top() + l.PPPanelSystCom.height();
    const int statTop = std::max(lstBottom - ListStatistHeight, panelBottom + m);
    l.ListStatist = QRect(l.PPPanelSystCom.left(), statTop, l.PPPanelSystCom.width(),
                          std::max(lstBottom - statTop, 2 * lstComItemHeight));
    return l;
}

int NeededClientHeight(const FormLayout& l)
{
    const int bottom = std::max({l.PPPanelSystCom.bottom(), l.lstCom.bottom(), l.pnl1.bottom(), l.ListStatist.bottom()});
    return bottom + 1 + l.Margin + StatusBarHeight;
}

WindowFit FitWindow(int screenWidth, int designedClientHeight, int available,
                    const std::function<FormLayout(int16_t)>& layoutFor)
{
    WindowFit fit;
    fit.Margin = int16_t(std::max(1, int(int16_t(screenWidth) / 100)));
    const int16_t lowest = fit.Margin >= SmallestDesignedMargin ? SmallestDesignedMargin : int16_t(1);
    int needed = NeededClientHeight(layoutFor(fit.Margin));
    while (available > 0 && needed > available && fit.Margin > lowest) {
        fit.Margin = int16_t(fit.Margin - 1);
        needed = NeededClientHeight(layoutFor(fit.Margin));
    }
    fit.ClientHeight = std::max(designedClientHeight, needed);
    if (available > 0)
        fit.ClientHeight = std::min(fit.ClientHeight, available);
    return fit;
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
