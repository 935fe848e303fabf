#include "Placement.h"

#include <algorithm>

QRect CentredFrame(const QRect& work, const QSize& outer)
{
    const int left = work.left() + std::max(0, (work.width() - outer.width()) / 2);
    const int top = work.top() + std::max(0, (work.height() - outer.height()) / 2);
    return QRect(QPoint(left, top), outer);
}
