#pragma once
// A panel that stands at its place in the window and that the pupil can drag
// off with the mouse: it then floats in a small tool window of its own, which
// can be moved and closed. Closing that window hides the panel; showing the
// panel again shows it where it was, floating or in place. The window holds
// no docking site, so a floating panel never goes back into the window.

#include "ComponentBuilders.h"

#include <QFrame>
#include <QPoint>
#include <QPointer>

class QWidget;

class DockablePanel : public QFrame {
    Q_OBJECT
public:
    // The children's designed places are counted from inside the single border.
    static constexpr int Inset = FramedPanelInset;

    // home: the widget the panel stands in until it is dragged off; title: the
    // caption of its floating window. The panel starts hidden: a single
    // border round two raised bevels one pixel apart.
    DockablePanel(QWidget* home, const char* name, const QString& title, const QSize& size);
    ~DockablePanel() override;

    // Shown in place, or floating with its window open.
    bool IsShown() const;
    void SetShown(bool on);
    bool IsFloating() const { return floating_ != nullptr; }
    // The tool window of a floating panel; null while the panel is in place.
    QWidget* FloatingWindow() const { return floating_; }

    // Takes the panel off the window into its tool window, the panel's
    // top-left corner at the given screen point.
    void FloatAt(const QPoint& globalTopLeft);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QWidget* home_;
    QPointer<QWidget> floating_;
    bool pressed_ = false;
    bool dragging_ = false;
    QPoint pressGlobal_;
    QPoint grabOffset_; // from the panel's top-left corner to the mouse
};
