#include "ModalShow.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace {
// Ends a local event loop when the watched window is closed or hidden. A
// minimised window is hidden by the window system but stays visible to the
// program: its modal run goes on, and restoring it brings it back as it was.
class ModalWatcher : public QObject {
public:
    ModalWatcher(QWidget* w, QEventLoop* loop) : QObject(w), window_(w), loop_(loop) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide && !window_->isVisible())
            loop_->quit();
        return false;
    }
private:
    QWidget* window_;
    QEventLoop* loop_;
};
} // namespace

void ShowModal(QWidget* w)
{
    QPointer<QWidget> guard(w);
    QEventLoop loop;
    auto* watcher = new ModalWatcher(w, &loop);
    w->installEventFilter(watcher);
    QObject::connect(w, &QObject::destroyed, &loop, &QEventLoop::quit);
    w->setWindowModality(Qt::ApplicationModal);
    w->show();
    if (w->isVisible())
        loop.exec();
    if (guard) {
        guard->removeEventFilter(watcher);
        delete watcher;
    }
}
