#include "Interpreter.h"

#include "AlgorithmText.h"

#include <algorithm>
#include <chrono>
#include <thread>

// Every line is recognised by the tests of AlgorithmText on the line as
// stored; they look at its trimmed form.

QString WallBumpMessage()
{
    return QStringLiteral("НЕ МОГУ - СТЕНА !!!\r\r\r"
                          "Исполнитель не может преодолеть стену\r"
                          "ни ШАГОМ ни ПРЫЖКОМ!!\r"
                          "ПОВОРОТ - это поворот на 90 градусов\r"
                          "против часовой стрелки!");
}

QString PassDoneMessage(int wallCount, const int places[3])
{
    QString text = QStringLiteral("Алгоритм исполнен\r");
    text += wallCount == 1 ? QStringLiteral("при расположении стенки: ")
                           : QStringLiteral("при расположении стенок: ");
    for (int w = 0; w < wallCount; ++w)
        text += QString::number(places[w]) + QLatin1Char(' ');
    return text;
}

QString UnclosedBranchMessage()
{
    return QStringLiteral("Нет конца ветвления:\rне найдена строка \"ВСЁ\"");
}

QString UnclosedLoopMessage()
{
    return QStringLiteral("Нет конца цикла:\rне найдена строка \"КЦ\"");
}

QString UnclosedProcedureMessage()
{
    return QStringLiteral("Нет конца описания процедуры:\rне найдена строка \"КОНЕЦ ПРОЦЕДУРЫ\"");
}

QString TooDeepCallsMessage()
{
    return QStringLiteral("Слишком глубокая вложенность вызовов процедур!\r"
                          "Проверьте, не вызывает ли процедура сама себя без конца.");
}

QString TooDeepStructuresMessage()
{
    return QStringLiteral("Слишком глубокая вложенность ветвлений и циклов!");
}

LineInterpreter::LineInterpreter(RoPupilModel& model, RunHost& host, int maxNesting)
    : m_(model), h_(host), maxNesting_(std::max(1, maxNesting))
{
}

void LineInterpreter::ShowLine(int32_t i)
{
    h_.Highlight(i);
    h_.Pause(m_.StepDelay);
}

bool LineInterpreter::Stopped()
{
    h_.ProcessMessages();
    return m_.StopFlag != 0;
}

void LineInterpreter::EndRunWithError(const QString& text)
{
    // The text itself is at fault: the run ends here. The levels above only
    // unwind; none of them pauses any more.
    m_.StopFlag = 1;
    aborted_ = true;
    h_.ShowError(text);
}

bool LineInterpreter::TextOrUnclosed(int32_t i, QString& text, int32_t header, Structure s)
{
    if (i >= 0 && i < h_.LineCount()) {
        text = h_.Line(i);
        return true;
    }
    // Show the pupil which structure lacks its end.
    if (header >= 0 && header < h_.LineCount())
        h_.Highlight(header);
    switch (s) {
    case Structure::Branch:    EndRunWithError(UnclosedBranchMessage()); break;
    case Structure::Loop:      EndRunWithError(UnclosedLoopMessage()); break;
    case Structure::Procedure: EndRunWithError(UnclosedProcedureMessage()); break;
    }
    return false;
}

void LineInterpreter::ExecLine(int32_t& i)
{
    if (i < 0 || i >= h_.LineCount())
        return;
    if (depth_ >= maxNesting_) {
        EndRunWithError(callDepth_ > 0 ? TooDeepCallsMessage() : TooDeepStructuresMessage());
        return;
    }
    ++depth_;
    h_.Highlight(i);
    // Each test on the line as it was read: a handler may move i.
    const QString t = h_.Line(i);
    bool structure = false;
    if (IsTurn(t)) {
        DoTurn();
    } else if (IsStep(t)) {
        DoStep();
    } else if (IsJump(t)) {
        DoJump();
    } else {
        structure = true;
        if (IsBranchHeader(t))
            ExecIf(i);
        else if (IsLoopHeader(t))
            ExecWhile(i);
        else if (IsProcDescription(t))
            SkipProcDef(i);
        else if (IsProcCall(t))
            ExecCall(i);
        else
            structure = false;
    }
    // Every line costs its pause, whatever it held; a wall bump included.
    // A structure that a stop left ends with every enclosing one at once:
    // the line it stopped after has had its pause, and a pause for each
    // level of a deep recursion would freeze the window for as long again.
    if (!aborted_ && !(structure && m_.StopFlag != 0))
        h_.Pause(m_.StepDelay);
    --depth_;
}

void LineInterpreter::ExecIf(int32_t& i)
{
    const int32_t header = i;
    QString t;
    if (!TextOrUnclosed(i, t, header, Structure::Branch))
        return;
    ShowLine(i);
    const bool holds = BranchConditionHolds(t, m_.WallAhead());

    if (holds) {
        ++i; // the "ТО" line, whatever it holds
        if (!TextOrUnclosed(i, t, header, Structure::Branch))
            return;
        ShowLine(i);
        ++i;
        for (;;) {
            if (!TextOrUnclosed(i, t, header, Structure::Branch))
                return;
            if (IsElse(t) || IsEndIf(t))
                break;
            ExecLine(i);
            if (Stopped())
                return;
            ++i;
        }
        if (IsElse(t)) {
            // Pass over the else-part, counting the branches nested in it.
            ++i;
            int depth = 1;
            for (;;) {
                if (!TextOrUnclosed(i, t, header, Structure::Branch))
                    return;
                if (IsBranchHeaderWithCondition(t))
                    ++depth;
                if (IsEndIf(t)) {
                    if (depth == 1)
                        break;
                    --depth;
                }
                ++i;
            }
        }
        ShowLine(i);
        return;
    }

    // Pass over the then-part, counting the branches nested in it.
    i += 2;
    int depth = 1;
    for (;;) {
        if (!TextOrUnclosed(i, t, header, Structure::Branch))
            return;
        if (IsBranchHeaderWithCondition(t))
            ++depth;
        if ((IsElse(t) || IsEndIf(t)) && depth == 1)
            break;
        if (IsEndIf(t))
            --depth;
        ++i;
    }
    if (IsElse(t)) {
        ShowLine(i);
        ++i;
        for (;;) {
            if (!TextOrUnclosed(i, t, header, Structure::Branch))
                return;
            if (IsEndIf(t))
                break;
            ExecLine(i);
            if (Stopped())
                return;
            ++i;
        }
    }
    ShowLine(i);
}

void LineInterpreter::ExecWhile(int32_t& i)
{
    const int32_t start = i;
    QString h;
    if (!TextOrUnclosed(i, h, start, Structure::Loop))
        return;
    QString t;
    for (;;) {
        // The condition is looked at anew before every pass.
        const bool holds = LoopConditionHolds(h, m_.WallAhead());
        if (!holds)
            break;
        ShowLine(i);
        ++i; // the "НЦ" line
        if (!TextOrUnclosed(i, t, start, Structure::Loop))
            return;
        ShowLine(i);
        ++i;
        for (;;) {
            if (!TextOrUnclosed(i, t, start, Structure::Loop))
                return;
            const bool closing = IsEndLoop(t);
            if (closing) {
                ShowLine(i);
            } else {
                ExecLine(i);
            }
            if (Stopped())
                return;
            ++i;
            if (closing)
                break;
        }
        i = start;
    }
    ShowLine(i);

    // Find the loop's own "КЦ", counting the loops nested in it.
    i += 2;
    int depth = 1;
    for (;;) {
        if (!TextOrUnclosed(i, t, start, Structure::Loop))
            return;
        if (IsEndLoop(t)) {
            if (--depth == 0)
                return; // i is on the closing line
        } else if (IsLoopHeaderWithCondition(t)) {
            ++depth;
        }
        ++i;
    }
}

void LineInterpreter::SkipProcDef(int32_t& i)
{
    const int32_t header = i;
    QString t;
    if (!TextOrUnclosed(i, t, header, Structure::Procedure))
        return;
    if (!IsProcDescription(t))
        return;
    // The first "КОНЕЦ ПРОЦЕДУРЫ" ends the description; descriptions inside it are not counted.
    for (++i;; ++i) {
        if (!TextOrUnclosed(i, t, header, Structure::Procedure))
            return;
        if (IsProcEnd(t))
            return;
    }
}

void LineInterpreter::ExecCall(int32_t& i)
{
    QString t;
    if (!TextOrUnclosed(i, t, i, Structure::Procedure))
        return;
    h_.Pause(m_.StepDelay);
    if (!IsProcCall(t))
        return;
    const QString name = ProcCallName(t);

    // The first description with the name, counted from the top, is the one run.
    const int32_t n = h_.LineCount();
    for (int32_t j = 0; j < n; ++j) {
        const QString u = h_.Line(j);
        if (!IsProcDescription(u) || ProcDescriptionName(u) != name)
            continue;
        ShowLine(j);
        ++callDepth_;
        QString b;
        for (int32_t k = j + 1;; ++k) {
            if (!TextOrUnclosed(k, b, j, Structure::Procedure))
                break;
            if (IsProcEnd(b)) {
                ShowLine(k);
                break;
            }
            if (Stopped())
                break;
            ExecLine(k);
            if (Stopped())
                break;
        }
        --callDepth_;
        return;
    }
}

void LineInterpreter::Move(bool trace)
{
    h_.RestoreUnderExecutor(m_.ExecX, m_.ExecY);
    h_.ShowField();
    // A trace runs from the centre of a cell plus one pixel to that of the next.
    const int x0 = m_.ExecX * m_.CellSize + m_.CellCentreX0 + 1;
    const int y0 = m_.ExecY * m_.CellSize + m_.CellCentreY0 + 1;
    if (m_.WallAhead()) {
        WallBump();
        return;
    }
    switch (m_.ExecDir) {
    case 0:   m_.ExecX = int16_t(m_.ExecX + 1); break;
    case 90:  m_.ExecY = int16_t(m_.ExecY - 1); break;
    case 180: m_.ExecX = int16_t(m_.ExecX - 1); break;
    case 270: m_.ExecY = int16_t(m_.ExecY + 1); break;
    default:  break;
    }
    if (trace) {
        const int x1 = m_.ExecX * m_.CellSize + m_.CellCentreX0 + 1;
        const int y1 = m_.ExecY * m_.CellSize + m_.CellCentreY0 + 1;
        h_.DrawTrace(x0, y0, x1, y1);
    }
    // Saved after the trace, so the trace stays when the executor leaves the cell.
    h_.SaveUnderExecutor(m_.ExecX, m_.ExecY);
    h_.DrawExecutor(m_.ExecDir);
    h_.ShowField();
}

void LineInterpreter::DoStep() { Move(true); }

void LineInterpreter::DoJump() { Move(false); }

void LineInterpreter::DoTurn()
{
    const int16_t dir = m_.ExecDir;
    h_.RestoreUnderExecutor(m_.ExecX, m_.ExecY);
    h_.DrawExecutor(dir);
    h_.ShowField();
    h_.Pause(m_.TurnDelay);
    h_.RestoreUnderExecutor(m_.ExecX, m_.ExecY);
    h_.DrawExecutor(int16_t(dir + 45));
    h_.ShowField();
    h_.Pause(m_.TurnDelay);
    h_.RestoreUnderExecutor(m_.ExecX, m_.ExecY);
    h_.DrawExecutor(int16_t(dir + 90)); // 360 is drawn as 0
    h_.ShowField();
    m_.ExecDir = int16_t(dir + 90);
    if (m_.ExecDir == 360)
        m_.ExecDir = 0;
}

void LineInterpreter::WallBump()
{
    m_.StopFlag = 1;
    for (int blink = 0; blink < 20; ++blink) {
        h_.RestoreUnderExecutor(m_.ExecX, m_.ExecY);
        h_.DrawExecutor(m_.ExecDir);
        h_.ShowField();
        h_.Pause(m_.BumpDelay);
        h_.RestoreUnderExecutor(m_.ExecX, m_.ExecY);
        h_.DrawExecutorAlarm();
        h_.ShowField();
        h_.Pause(m_.BumpDelay);
    }
    h_.ShowError(WallBumpMessage());
    h_.Paint();
}

bool LineInterpreter::TopLevelPass(int32_t& i)
{
    // The main body ends at the first line that is "КОН" exactly as stored;
    // descriptions after it are reached only through calls.
    for (i = 0; i < h_.LineCount() && !IsRunEnd(h_.Line(i)); ++i) {
        ExecLine(i);
        if (Stopped()) {
            h_.EnableWorkMenu();
            return false;
        }
    }
    return true;
}

void LineInterpreter::RunAlgorithm()
{
    // A run is never started from inside another: the speed buttons are off
    // while one lasts. Should it happen anyway, the second start is ignored.
    if (running_)
        return;
    running_ = true;
    depth_ = 0;
    callDepth_ = 0;
    aborted_ = false;

    h_.DrawField();
    h_.DrawScene();
    h_.Highlight(0);
    h_.ShowField();
    h_.DisableWorkMenu();
    m_.StopFlag = 0;

    const int n = std::min(m_.JumpWallCount(), 3);
    int32_t i = 0;
    if (n == 0) {
        if (TopLevelPass(i)) {
            h_.Highlight(i);
            h_.EnableWorkMenu();
        }
        running_ = false;
        return;
    }

    for (int w = 0; w < n; ++w)
        h_.DisableJumpWallTimer(w);
    // Place of wall 0 outermost, each place going 1 then 2.
    const int passes = 1 << n;
    for (int c = 0; c < passes; ++c) {
        int places[3] = {1, 1, 1};
        for (int w = 0; w < n; ++w)
            places[w] = ((c >> (n - 1 - w)) & 1) + 1;

        h_.DrawField();
        h_.DrawScene();
        h_.Highlight(0);
        for (int w = 0; w < n; ++w) {
            h_.DrawJumpWallGhost(w, 3 - places[w]);
            h_.DrawJumpWall(w, places[w]);
            m_.JumpWallState[w] = places[w];
        }
        h_.ShowField();

        if (!TopLevelPass(i)) {
            running_ = false;
            return;
        }
        h_.ShowInformation(PassDoneMessage(n, places));
        // Only a window closed behind the box can have set the flag here.
        if (m_.StopFlag != 0) {
            h_.EnableWorkMenu();
            running_ = false;
            return;
        }
    }
    h_.Highlight(i);
    h_.EnableWorkMenu();
    running_ = false;
}

int StartJumpWalls(RoPupilModel& model, RunHost& host)
{
    for (int32_t& state : model.JumpWallState)
        state = 0;
    const int n = std::min(model.JumpWallCount(), 3);
    for (int w = 0; w < n; ++w) {
        host.DrawJumpWallGhost(w, 2);
        host.DrawJumpWall(w, 1);
        model.JumpWallState[w] = 1;
    }
    host.ShowField();
    return n;
}

void JumpWallTimerTick(RoPupilModel& model, RunHost& host, int i)
{
    // A timer left running for a wall that is no longer in the lists does nothing.
    if (i < 0 || i >= std::min(model.JumpWallCount(), 3))
        return;
    if (model.JumpWallState[i] == 1) {
        model.JumpWallState[i] = 2;
        host.DrawJumpWallGhost(i, 1);
        host.DrawJumpWall(i, 2);
        host.ShowField();
    } else if (model.JumpWallState[i] == 2) {
        model.JumpWallState[i] = 1;
        host.DrawJumpWallGhost(i, 2);
        host.DrawJumpWall(i, 1);
        host.ShowField();
    }
}

void Delay(int32_t seconds, int32_t ms)
{
    const int64_t length = int64_t(seconds) * 1000 + ms;
    if (length <= 0)
        return;
    // A steady clock: the pause ends when its length has passed, whatever the
    // time of day does meanwhile. Sleeping leaves the core free.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(length);
    for (Clock::time_point now = Clock::now(); now < end; now = Clock::now())
        std::this_thread::sleep_for(end - now);
}
