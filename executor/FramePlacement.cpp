#include "FramePlacement.h"

#include "Placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

QMargins FrameOf(const QWidget* window)
{
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}

// Waits for the frame. The window manager frames a window before it shows
// it; the window learns of it when it is exposed, or moved or resized by the
// framing, and only then do its frame margins measure something.
class FrameWatcher : public QObject {
public:
    FrameWatcher(QWidget* window, std::function<void()> place)
        : QObject(window), window_(window), place_(std::move(place))
    {
        setObjectName(QStringLiteral("FrameWatcher"));
        window->installEventFilter(this);
        if (QWindow* handle = window->windowHandle())
            handle->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        const QEvent::Type t = e->type();
        if ((t == QEvent::Expose || t == QEvent::Move || t == QEvent::Resize) && !done_
            && !FrameOf(window_).isNull()) {
            done_ = true;
            if (window_->windowState() == Qt::WindowNoState)
                place_();
            deleteLater();
        }
        return false;
    }
private:
    QWidget* window_;
    std::function<void()> place_;
    bool done_ = false;
};

} // namespace

void PlaceFramed(QWidget* window, std::function<void()> place)
{
    delete window->findChild<FrameWatcher*>(QStringLiteral("FrameWatcher"), Qt::FindDirectChildrenOnly);
    place();
    if (FrameOf(window).isNull())
        new FrameWatcher(window, std::move(place));
}

void CentreOnWorkArea(QWidget* window, const QSize& outer)
{
    const QMargins frame = FrameOf(window);
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize client = outer.isValid() ? outer - frameSize : window->size();
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect placed = CentredFrame(screen->availableGeometry(), client + frameSize);
    window->setGeometry(QRect(placed.topLeft() + QPoint(frame.left(), frame.top()), client));
}
