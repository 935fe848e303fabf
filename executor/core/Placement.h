#pragma once
// Where a window stands on the screen, its frame included.

#include <QRect>

// The frame of outer size `outer` centred on the work area. Where the window
// is larger than the work area it stands at the work area's left or top edge,
// so that its title bar, with the close box, stays on the screen.
QRect CentredFrame(const QRect& work, const QSize& outer);
