#pragma once
// The building blocks of the designed components: bevelled panels, buttons,
// labels and edits at their designed places, and panel colours.

#include <QFrame>
#include <QPalette>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// A panel with a bevel (lowered unless told otherwise), filling its background.
QFrame* MakePanel(QWidget* parent, const char* name, QFrame::Shadow shadow = QFrame::Sunken);
// A panel with both bevels: the outer raised, the inner lowered.
QFrame* MakeTwoBevelPanel(QWidget* parent, const char* name);
// The frame of a panel standing on its own, from the outside in: a single
// sunken border FramedPanelInset wide, a raised bevel, one pixel of the
// panel's colour and a second raised bevel. The children's designed places
// are counted from inside the border.
constexpr int FramedPanelInset = 2;
void PaintFramedPanel(QWidget* panel);
// A push button at its designed place; Enter presses it when it has the focus.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QRect& r);
// A label at its designed place, as wide as its caption.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top);
// A one-line edit at its designed place holding `text`, with no length limit.
QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& r, const QString& text = QString());
// Paints a panel's background in one of the application palette's colours.
void SetPanelColor(QWidget* w, QPalette::ColorRole role);
