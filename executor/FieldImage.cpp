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
