#pragma once
// How a run reaches the window: the interpreter's lines, highlights, drawing,
// pauses and messages, answered by the executor window's components.

#include "FramePacer.h"
#include "Interpreter.h"
#include "MessageBoxes.h"
#include "RoPupilUnit.h"
#include "RunHost.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QScreen>
#include <QTimer>

class FormRunHost : public RunHost {
public:
    explicit FormRunHost(TfrmRoPupil& f) : f_(f) { clock_.start(); }

    // During a run the list's highlights and the field's frames are held and
    // shown as the pacer says: before every pause of 1 ms or more, otherwise
    // once per display frame. Its end shows the last state.
    void BeginRun()
    {
        const QScreen* screen = f_.screen();
        const qreal hz = screen ? screen->refreshRate() : 60;
        pacer_ = FramePacer(int(1000 / std::clamp<qreal>(hz, 20, 240)));
        clock_.start();
        lastMessagesNs_ = -kMessagesEveryNs;
        f_.lstCom->HoldHighlights(true);
        f_.PaintImage->Hold(true);
    }
    void EndRun()
    {
        f_.lstCom->HoldHighlights(false);
        f_.PaintImage->Hold(false);
    }

    // The lines as the list keeps them in step with its items: a line read
    // from an item costs more than executing it.
    int LineCount() const override { return int(f_.lstCom->Lines().size()); }
    QString Line(int i) const override
    {
        const QStringList& lines = f_.lstCom->Lines();
        return i >= 0 && i < lines.size() ? lines.at(i) : QString();
    }
    quint64 TextVersion() const override { return f_.lstCom->TextVersion(); }
    void Highlight(int i) override
    {
        f_.lstCom->HighlightLine(i);
        pacer_.Changed();
    }
    void DrawField() override { f_.renderer_.DrawField(); }
    void DrawScene() override { f_.renderer_.DrawScene(); }
    void ShowField() override
    {
        f_.renderer_.ShowField();
        pacer_.Changed();
    }
    void SaveUnderExecutor(int16_t x, int16_t y) override { f_.renderer_.SaveUnderExecutor(x, y); }
    void RestoreUnderExecutor(int16_t x, int16_t y) override { f_.renderer_.RestoreUnderExecutor(x, y); }
    void DrawExecutor(int16_t dir) override { f_.renderer_.DrawExecutor(dir); }
    void DrawExecutorAlarm() override { f_.renderer_.DrawExecutorAlarm(); }
    void DrawTrace(int x0, int y0, int x1, int y1) override { f_.renderer_.DrawTrace(x0, y0, x1, y1); }
    void DrawJumpWall(int i, int place) override { f_.renderer_.DrawJumpWall(i, place); }
    void DrawJumpWallGhost(int i, int place) override { f_.renderer_.DrawJumpWallGhost(i, place); }
    // A closed window needs no more pauses: the run is only unwinding.
    void Pause(int ms) override
    {
        if (pacer_.DueBefore(ms, clock_.elapsed()))
            ShowHeld();
        if (!f_.closed_)
            Delay(0, ms);
    }
    // At full speed a stop check comes every few microseconds, and a look at
    // the window's messages costs more than the line itself: they are handled
    // at most once a millisecond, so a stop or a close still acts at once.
    void ProcessMessages() override
    {
        const qint64 now = clock_.nsecsElapsed();
        if (now - lastMessagesNs_ < kMessagesEveryNs)
            return;
        lastMessagesNs_ = now;
        QCoreApplication::processEvents();
    }
    void ShowError(const QString& text) override { ShowBox(MessageKind::Error, text); }
    void ShowInformation(const QString& text) override { ShowBox(MessageKind::Information, text); }
    void Paint() override
    {
        ShowHeld();
        f_.repaint();
    }
    void DisableWorkMenu() override { f_.DisableWorkMenu(); }
    void EnableWorkMenu() override { f_.EnableWorkMenu(); }
    void DisableJumpWallTimer(int i) override
    {
        QTimer* timers[] = {f_.Timer1, f_.Timer2, f_.Timer3};
        if (i >= 0 && i < 3)
            timers[i]->stop();
    }

private:
    // The pauses before a box let no message through; a close requested
    // meanwhile is handled now and ends the run without the box. While the
    // box is open a close request still reaches the window and closes both.
    void ShowBox(MessageKind kind, const QString& text)
    {
        ShowHeld();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!f_.closed_)
            MessageDlgHolding(kind, text, &f_, &f_.runBox_);
    }

    void ShowHeld()
    {
        f_.lstCom->ShowHeld();
        f_.PaintImage->ShowHeld();
        pacer_.Shown(clock_.elapsed());
    }

    static constexpr qint64 kMessagesEveryNs = 1000000;

    TfrmRoPupil& f_;
    FramePacer pacer_;
    QElapsedTimer clock_;
    qint64 lastMessagesNs_ = -kMessagesEveryNs;
};
