#include "FixedTaskLayout.h"

FixedTaskLayout ComputeFixedTaskLayout(int screenWidth)
{
    return ComputeFixedTaskLayoutForMargin(screenWidth, int16_t(int16_t(screenWidth) / 100));
}

FixedTaskLayout ComputeFixedTaskLayoutForMargin(int screenWidth, int16_t margin)
{
    FixedTaskLayout l;
    l.Form = ComputeFormLayoutForMargin(screenWidth, margin);
    const int m = l.Form.Margin;
    const int stripTop = ToolBarAlgTop + ToolBarAlgHeight + m / 2;
    // The command panel stands m below the strip instead of m below the tool
    // bar; everything placed from it moves with it.
    const int dy = stripTop + TaskStripHeight + m - l.Form.PPPanelSystCom.top();
    l.Form.PPPanelSystCom.translate(0, dy);
    l.Form.lstCom.translate(0, dy);
    l.Form.pnl1.translate(0, dy);
    l.Form.ListStatist.translate(0, dy);
    // The strip reaches as far right as the field panel.
    const int stripWidth = l.Form.pnl1.left() + l.Form.pnl1.width() - m;
    l.pnlTskNew = QRect(m, stripTop, stripWidth, TaskStripHeight);
    l.lstTskWidth = stripWidth - lstTskLeft - m;
    // The pattern panel's right edge stands 20 pixels right of the strip's.
    l.pnlPattern = QPoint(l.pnlTskNew.left() + stripWidth - PatternPanelWidth + 20, stripTop);
    l.pnlDec = QPoint(l.Form.pnl1.left() + 100, stripTop);
    return l;
}
