#pragma once
// The panel on which the pupil sets point A with its start direction and
// point B. A click on the panel's own surface, not on one of its controls,
// is reported through OnSurfaceClick. Its frame, from the outside in: a
// single sunken border, a raised bevel, one pixel of the panel's colour and
// a second raised bevel.

#include "ComponentBuilders.h"

#include <QFrame>
#include <functional>

class PointsPanel : public QFrame {
public:
    explicit PointsPanel(QWidget* parent);
    // The controls' places are counted from inside the single border.
    static constexpr int Inset = FramedPanelInset;
    std::function<void()> OnSurfaceClick;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    bool pressed_ = false;
};
