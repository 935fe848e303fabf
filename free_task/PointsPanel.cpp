#include "PointsPanel.h"

#include "ComponentBuilders.h"

#include <QApplication>
#include <QMouseEvent>

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

void PointsPanel::paintEvent(QPaintEvent*) { PaintFramedPanel(this); }

void PointsPanel::hideEvent(QHideEvent* e)
{
    // Where nothing else on the window can take the focus (in "Отладка"),
    // Qt leaves it on the hidden edit, which would go on taking the pupil's
    // keys unseen.
    QWidget* focus = QApplication::focusWidget();
    if (focus && isAncestorOf(focus))
        focus->clearFocus();
    QFrame::hideEvent(e);
}
