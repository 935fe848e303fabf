#include "FieldImage.h"

#include "RoPupilModel.h"

#include <QPaintEvent>
#include <QPainter>

FieldImage::FieldImage(RoPupilModel& model, QWidget* parent) : QWidget(parent), model_(model)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FieldImage::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    p.drawImage(e->rect(), model_.FieldBitmap, e->rect());
}

void FieldImage::Present(const QRect& changed)
{
    if (held_)
        waiting_ |= changed;
    else if (!changed.isEmpty())
        repaint(changed);
}

void FieldImage::Hold(bool on)
{
    if (!on)
        ShowHeld();
    held_ = on;
}

void FieldImage::ShowHeld()
{
    const QRect changed = waiting_;
    waiting_ = QRect();
    if (!changed.isEmpty())
        repaint(changed);
}
