#include "Interpreter.h"

#include "AlgorithmText.h"

#include <algorithm>

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

void LineInterpreter::Light(int32_t i)
{
    lit_ = i;
    litOpener_ = false;
    h_.Highlight(i);
}

void LineInterpreter::ShowLine(int32_t i)
{
    Light(i);
    h_.Pause(m_.StepDelay);
}

bool LineInterpreter::Stopped()
{
    h_.ProcessMessages();
    return m_.StopFlag != 0;
}

bool LineInterpreter::ShowStructureLine(int32_t i)
{
    // A structure's own lines are checked like executed lines: a descent
    // through nested structures, or a loop passing over and over its header,
    // answers the stop button and the window within one pause.
    ShowLine(i);
    return !Stopped();
}

bool LineInterpreter::ShowOpeningLine(int32_t i)
{
    ShowLine(i);
    litOpener_ = true;
    return !Stopped();
}

void LineInterpreter::HandOnOpeningLine()
{
    // A run that ends while the "ТО" or "НЦ" opening a part is lit must not
    // leave it current: an insert goes above the current line, and one between
    // the header and its "ТО" or "НЦ" breaks the structure for every later run.
    // The line hands the current line on as a click on it would. A "ТО" or
    // "НЦ" that a run met as a line of its own (a loaded text) stays.
    if (!litOpener_ || lit_ + 1 >= h_.LineCount())
        return;
    const QString t = h_.Line(lit_);
    if (IsThen(t) || IsLoopBegin(t))
        Light(lit_ + 1);
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
        Light(header);
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
    if (depth_ == 0 && !running_)
        descriptionsFound_ = false;
    if (depth_ >= maxNesting_) {
        // The line that would go one level too deep is the one shown.
        Light(i);
        EndRunWithError(callDepth_ > 0 ? TooDeepCallsMessage() : TooDeepStructuresMessage());
        return;
    }
    ++depth_;
    Light(i);
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

bool LineInterpreter::ExecBranchLines(int32_t& i, QString& t, int32_t header, bool elseEnds)
{
    for (;; ++i) {
        if (!TextOrUnclosed(i, t, header, Structure::Branch))
            return false;
        if (IsEndIf(t) || (elseEnds && IsElse(t)))
            return true;
        ExecLine(i);
        if (Stopped())
            return false;
    }
}

bool LineInterpreter::SkipBranchLines(int32_t& i, QString& t, int32_t header, bool elseEnds)
{
    // The branches nested in the part are counted: only the branch's own
    // "ИНАЧЕ" or "ВСЁ" ends it.
    for (int depth = 1;; ++i) {
        if (!TextOrUnclosed(i, t, header, Structure::Branch))
            return false;
        if (IsBranchHeaderWithCondition(t))
            ++depth;
        if (depth == 1 && (IsEndIf(t) || (elseEnds && IsElse(t))))
            return true;
        if (IsEndIf(t))
            --depth;
    }
}

void LineInterpreter::ExecIf(int32_t& i)
{
    const int32_t header = i;
    QString t;
    if (!TextOrUnclosed(i, t, header, Structure::Branch))
        return;
    ShowLine(i);
    const bool holds = BranchConditionHolds(t, m_.WallAhead());
    if (Stopped())
        return;

    if (holds) {
        ++i; // the "ТО" line, whatever it holds
        if (!TextOrUnclosed(i, t, header, Structure::Branch))
            return;
        if (!ShowOpeningLine(i))
            return;
        ++i;
        if (!ExecBranchLines(i, t, header, true))
            return;
        if (IsElse(t)) {
            ++i;
            if (!SkipBranchLines(i, t, header, false))
                return;
        }
        ShowStructureLine(i);
        return;
    }

    i += 2; // past the "ТО" line
    if (!SkipBranchLines(i, t, header, true))
        return;
    if (IsElse(t)) {
        if (!ShowStructureLine(i))
            return;
        ++i;
        if (!ExecBranchLines(i, t, header, false))
            return;
    }
    ShowStructureLine(i);
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
        if (!ShowStructureLine(i))
            return;
        ++i; // the "НЦ" line
        if (!TextOrUnclosed(i, t, start, Structure::Loop))
            return;
        if (!ShowOpeningLine(i))
            return;
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
    if (!ShowStructureLine(i))
        return;

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
    if (Stopped() || !IsProcCall(t))
        return;

    // The first description with the name, counted from the top, is the one run.
    const int32_t j = FirstDescription(ProcCallName(t));
    if (j < 0)
        return;
    ShowLine(j);
    ++callDepth_;
    QString b;
    for (int32_t k = j + 1;; ++k) {
        if (!TextOrUnclosed(k, b, j, Structure::Procedure))
            break;
        if (IsProcEnd(b)) {
            ShowStructureLine(k);
            break;
        }
        if (Stopped())
            break;
        ExecLine(k);
        if (Stopped())
            break;
    }
    --callDepth_;
}

int32_t LineInterpreter::FirstDescription(const QString& name)
{
    // The text cannot change while a run lasts, so the descriptions are
    // found once, on the first call: a call then costs the same in a text of
    // any length. They serve later runs while the text stays the same.
    if (!descriptionsFound_) {
        descriptions_.clear();
        const int32_t n = h_.LineCount();
        for (int32_t j = 0; j < n; ++j) {
            const QString u = h_.Line(j);
            if (!IsProcDescription(u))
                continue;
            const QString name = ProcDescriptionName(u);
            if (!descriptions_.contains(name)) // the upper one stays
                descriptions_.insert(name, j);
        }
        descriptionsFound_ = true;
        descriptionsVersion_ = h_.TextVersion();
    }
    return descriptions_.value(name, -1);
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
