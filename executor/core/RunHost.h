#pragma once
// What a run of the algorithm needs of the window around it. The executor
// window implements it with its list, bitmaps, message boxes and event loop;
// tests implement it with a recorder, so algorithms run without a window.

#include <QString>
#include <cstdint>

class RunHost {
public:
    virtual ~RunHost() = default;

    // The algorithm text: the lines of the algorithm list, read at the moment they are needed.
    virtual int LineCount() const = 0;
    virtual QString Line(int i) const = 0;
    // A number that changes whenever the text does, so that what a run learnt
    // of the text may serve the next run too; 0 when the host cannot tell.
    virtual quint64 TextVersion() const { return 0; }
    // Select line i in the algorithm list (no click event follows).
    virtual void Highlight(int i) = 0;

    // Drawing on the field bitmap; ShowField presents the bitmap at once.
    virtual void DrawField() = 0;
    virtual void DrawScene() = 0;
    virtual void ShowField() = 0;
    virtual void SaveUnderExecutor(int16_t x, int16_t y) = 0;
    virtual void RestoreUnderExecutor(int16_t x, int16_t y) = 0;
    virtual void DrawExecutor(int16_t dir) = 0;
    virtual void DrawExecutorAlarm() = 0;
    // The trace of a step: a TraceColor line 5 pixels wide between two bitmap points.
    virtual void DrawTrace(int x0, int y0, int x1, int y1) = 0;
    virtual void DrawJumpWall(int i, int place) = 0;
    virtual void DrawJumpWallGhost(int i, int place) = 0;

    // A pause that lets no window message through.
    virtual void Pause(int ms) = 0;
    // Let the window handle what is pending (painting, the stop button, a close).
    virtual void ProcessMessages() = 0;
    // Modal boxes; the run waits until they are closed. Texts break lines with CR.
    virtual void ShowError(const QString& text) = 0;
    virtual void ShowInformation(const QString& text) = 0;
    // Repaint the window after a wall bump.
    virtual void Paint() = 0;

    // "Разработка" is off while a run lasts; a run with jumping walls stops their timers.
    virtual void DisableWorkMenu() = 0;
    virtual void EnableWorkMenu() = 0;
    virtual void DisableJumpWallTimer(int i) = 0;
};
