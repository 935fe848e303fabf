#include "PointsPanel.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

PointsPanel::PointsPanel(QWidget* parent) : QFrame(parent) {}

// Labels pass their clicks on to the panel; only a press and a release on the
// bare surface, with the left button, make a click of the panel.
void PointsPanel::mousePressEvent(QMouseEvent* e)
{
    pressed_ = e->button() == Qt::LeftButton && !childAt(e->position().toPoint());
    e->accept();
}

void PointsPanel::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())
                       && !childAt(e->position().toPoint());
    pressed_ = false;
    e->accept();
    if (click && OnSurfaceClick)
        OnSurfaceClick();
}

void PointsPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    qDrawWinPanel(&p, r, palette(), true);
    qDrawShadePanel(&p, r.adjusted(2, 2, -2, -2), palette(), false, 1);
    qDrawShadePanel(&p, r.adjusted(4, 4, -4, -4), palette(), false, 1);
}
