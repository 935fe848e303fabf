#pragma once
// Placing top-level windows whose frame counts. The window manager frames a
// window only after it has been shown, and until then its frame measures
// nothing, so a placement made at the show is made again once the frame is
// known.

#include <QSize>
#include <functional>

class QWidget;

// Calls `place` now and, while the window is still unframed, once more when
// the window manager has framed it. A window the pupil has maximised,
// minimised or made full-screen meanwhile is left as it is.
void PlaceFramed(QWidget* window, std::function<void()> place);

// Centres the window, frame included, on its screen's work area, keeping the
// frame's top-left corner inside it. With a valid `outer` the whole window,
// frame included, is made that size; otherwise the window keeps its size.
void CentreOnWorkArea(QWidget* window, const QSize& outer = QSize());
