#include "RoPupilUnit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>

void TfrmRoPupil::ApplicationEvents1Hint(const QString& hint)
{
    StatusBar1->showMessage(hint);
}

QString TfrmRoPupil::HintUnderMouse() const
{
    // A control without a hint of its own shows its parent's.
    for (const QWidget* w = hovered_; w && w != this; w = w->parentWidget()) {
        if (!w->statusTip().isEmpty())
            return w->statusTip();
    }
    return QString();
}

void TfrmRoPupil::TrackHover(QWidget* w, bool entered)
{
    if (w->window() != this)
        return;
    // Leaving a control puts the mouse back over its parent, which Qt does not
    // enter again; a control it enters follows.
    hovered_ = entered ? w : w->parentWidget();
    if (entered && w->statusTip().isEmpty()) {
        const QString hint = HintUnderMouse();
        if (hint != StatusBar1->currentMessage())
            ApplicationEvents1Hint(hint);
    }
}

bool TfrmRoPupil::event(QEvent* e)
{
    if (e->type() == QEvent::StatusTip) {
        // The status bar shows the long hint of what the mouse points at: a
        // control's leaving clears the tip, the control still under the
        // mouse gives it back.
        QString tip = static_cast<QStatusTipEvent*>(e)->tip();
        if (tip.isEmpty())
            tip = HintUnderMouse();
        ApplicationEvents1Hint(tip);
        return true;
    }
    return QMainWindow::event(e);
}

bool TfrmRoPupil::IsMainMenuShortcut(int key, Qt::KeyboardModifiers shift) const
{
    const QKeySequence pressed(QKeyCombination(shift & ~Qt::KeypadModifier, Qt::Key(key)));
    QList<QAction*> actions = MainMenu->actions();
    while (!actions.isEmpty()) {
        const QAction* a = actions.takeLast();
        if (!a->shortcut().isEmpty() && a->shortcut() == pressed)
            return true;
        if (a->menu())
            actions += a->menu()->actions();
    }
    return false;
}

void TfrmRoPupil::FormClick()
{
    edition_->FormClick(*this);
}

bool TfrmRoPupil::eventFilter(QObject* watched, QEvent* e)
{
    if ((e->type() == QEvent::Enter || e->type() == QEvent::Leave) && watched->isWidgetType())
        TrackHover(static_cast<QWidget*>(watched), e->type() == QEvent::Enter);
    // A click on the window's free background, not on any of its controls.
    if (e->type() == QEvent::MouseButtonRelease && watched == client_) {
        auto* mouse = static_cast<QMouseEvent*>(e);
        if (mouse->button() == Qt::LeftButton && !client_->childAt(mouse->position().toPoint())
            && client_->rect().contains(mouse->position().toPoint()))
            FormClick();
    }
    if (e->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(e);
        // The form sees each key once, before the control it is sent to. A key
        // that control ignores travels on to its parents as the same event:
        // that is not a new key.
        const bool passedOn = e == lastKeyEvent_ && key->timestamp() == lastKeyTime_ && lastKeyReceiver_
                              && lastKeyReceiver_ != w && w->isAncestorOf(lastKeyReceiver_);
        if (w->window() == this && !passedOn) {
            lastKeyEvent_ = e;
            lastKeyTime_ = key->timestamp();
            lastKeyReceiver_ = w;
            FormKeyDown(key->key(), key->modifiers());
        }
    }
    // The controls' own handling, after the form has seen the key.
    if (ProcPanelEvent(watched, e) || ComMenuEvent(watched, e))
        return true;
    return QMainWindow::eventFilter(watched, e);
}

void TfrmRoPupil::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    // A menu's shortcut belongs to the menu, enabled or not; any other
    // combination acts like the plain key.
    if (IsMainMenuShortcut(key, shift))
        return;
    struct Binding { int key; QPushButton* button; void (TfrmRoPupil::*click)(); };
    const Binding bindings[] = {
        {Qt::Key_F2, PPButtonStep, &TfrmRoPupil::PPButtonStepClick},
        {Qt::Key_F3, PPButtonJump, &TfrmRoPupil::PPButtonJumpClick},
        {Qt::Key_F4, PPButtonTurn, &TfrmRoPupil::PPButtonTurnClick},
        {Qt::Key_F5, PPButtonProc, &TfrmRoPupil::PPButtonProcClick},
        {Qt::Key_F6, PPButtonDoProc, &TfrmRoPupil::PPButtonDoProcClick},
        {Qt::Key_F7, PPButtonIf, &TfrmRoPupil::PPButtonIfClick},
        {Qt::Key_F8, PPButtonWhile, &TfrmRoPupil::PPButtonWhileClick},
    };
    for (const Binding& b : bindings) {
        if (b.key == key) {
            if (b.button->isEnabled())
                (this->*b.click)();
            return;
        }
    }
    if (key == Qt::Key_Escape) {
        if (PanelProc->isVisible())
            CloseProcPanel();
        PanelIf->hide();
        PanelWhile->hide();
    }
}

void TfrmRoPupil::closeEvent(QCloseEvent* event)
{
    // A closed window is finished with. A run in progress ends at its next
    // stop check; the window is destroyed only after the run has unwound.
    closed_ = true;
    model_.StopFlag = 1;
    if (runBox_)
        runBox_->done(QMessageBox::Ok);
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    event->accept();
}
