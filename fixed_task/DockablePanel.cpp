#include "DockablePanel.h"

#include "ComponentBuilders.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QStatusTipEvent>

namespace {

// The tool window a panel floats in. Closing it only hides it, so the panel
// inside keeps everything it shows.
class FloatingPanelWindow : public QWidget {
public:
    FloatingPanelWindow(QWidget* owner, const QString& title)
        : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
          owner_(owner)
    {
        setWindowTitle(title);
    }

protected:
    bool event(QEvent* e) override
    {
        // The status bar belongs to the window the panel came from: pointing
        // at the floating panel shows its long hint there.
        if (e->type() == QEvent::StatusTip && owner_) {
            QStatusTipEvent tip(static_cast<QStatusTipEvent*>(e)->tip());
            QApplication::sendEvent(owner_, &tip);
            return true;
        }
        return QWidget::event(e);
    }

private:
    QPointer<QWidget> owner_;
};

} // namespace

DockablePanel::DockablePanel(QWidget* home, const char* name, const QString& title, const QSize& size)
    : QFrame(home), home_(home)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(title);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::NoFrame);
    resize(size);
    hide();
    // Its own font, so that the panel looks the same in its tool window as in
    // the window it came from.
    setFont(home->font());
}

DockablePanel::~DockablePanel()
{
    // A panel destroyed on its own takes its empty tool window with it.
    if (floating_)
        floating_->deleteLater();
}

bool DockablePanel::IsShown() const
{
    if (floating_)
        return !floating_->isHidden();
    return !isHidden();
}

void DockablePanel::SetShown(bool on)
{
    if (floating_) {
        floating_->setVisible(on);
        if (on)
            floating_->raise();
        return;
    }
    setVisible(on);
    if (on)
        raise();
}

void DockablePanel::FloatAt(const QPoint& globalTopLeft)
{
    if (!floating_) {
        floating_ = new FloatingPanelWindow(home_->window(), windowTitle());
        floating_->setObjectName(objectName() + QStringLiteral("Window"));
        const bool wasHidden = isHidden();
        setParent(floating_);
        move(0, 0);
        floating_->setFixedSize(size());
        setVisible(!wasHidden);
    }
    floating_->move(globalTopLeft);
    floating_->show();
    floating_->raise();
    // Place the client area, not the frame, at the point once the frame is known.
    const QPoint frameOffset = floating_->geometry().topLeft() - floating_->frameGeometry().topLeft();
    if (!frameOffset.isNull())
        floating_->move(globalTopLeft - frameOffset);
}

void DockablePanel::paintEvent(QPaintEvent*) { PaintFramedPanel(this); }

void DockablePanel::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(e);
        return;
    }
    pressed_ = true;
    dragging_ = false;
    pressGlobal_ = e->globalPosition().toPoint();
    grabOffset_ = e->position().toPoint();
    e->accept();
}

void DockablePanel::mouseMoveEvent(QMouseEvent* e)
{
    if (!pressed_ || !(e->buttons() & Qt::LeftButton)) {
        QFrame::mouseMoveEvent(e);
        return;
    }
    const QPoint global = e->globalPosition().toPoint();
    if (!dragging_) {
        if ((global - pressGlobal_).manhattanLength() < QApplication::startDragDistance())
            return;
        dragging_ = true;
        if (!floating_) {
            FloatAt(global - grabOffset_);
            // The press went to a widget of the main window; keep the mouse
            // while it drags the panel's new window.
            grabMouse();
            return;
        }
    }
    FloatAt(global - grabOffset_);
}

void DockablePanel::mouseReleaseEvent(QMouseEvent* e)
{
    if (dragging_)
        releaseMouse();
    pressed_ = dragging_ = false;
    QFrame::mouseReleaseEvent(e);
}
