#include "Interpreter.h"

#include "AlgorithmText.h"

#include <algorithm>
#include <chrono>
#include <thread>

// The run as a whole: its passes over every combination of the jumping
// walls' places, the walls' own timers between runs, and the pauses.

namespace {

// Wall w stands in `place` (1 or 2); its other place shows as a ghost.
void PlaceJumpWall(RoPupilModel& model, RunHost& host, int w, int place)
{
    host.DrawJumpWallGhost(w, 3 - place);
    host.DrawJumpWall(w, place);
    model.JumpWallState[w] = place;
}

} // namespace

QString PassDoneMessage(int wallCount, const int places[3])
{
    QString text = QStringLiteral("Алгоритм исполнен\r");
    text += wallCount == 1 ? QStringLiteral("при расположении стенки: ")
                           : QStringLiteral("при расположении стенок: ");
    for (int w = 0; w < wallCount; ++w)
        text += QString::number(places[w]) + QLatin1Char(' ');
    return text;
}

bool LineInterpreter::TopLevelPass(int32_t& i)
{
    // The main body ends at the first line that is "КОН" exactly as stored;
    // descriptions after it are reached only through calls.
    for (i = 0; i < h_.LineCount() && !IsRunEnd(h_.Line(i)); ++i) {
        ExecLine(i);
        if (Stopped())
            return false;
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
    const quint64 version = h_.TextVersion();
    if (version == 0 || version != descriptionsVersion_)
        descriptionsFound_ = false;

    h_.DrawField();
    h_.DrawScene();
    Light(0);
    h_.ShowField();
    h_.DisableWorkMenu();
    m_.StopFlag = 0;

    RunPasses();
    // However the run ended, the editor takes over from the line it left.
    HandOnOpeningLine();
    h_.EnableWorkMenu();
    running_ = false;
}

void LineInterpreter::RunPasses()
{
    const int n = std::min(m_.JumpWallCount(), 3);
    int32_t i = 0;
    if (n == 0) {
        if (TopLevelPass(i))
            Light(i);
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
        Light(0);
        for (int w = 0; w < n; ++w)
            PlaceJumpWall(m_, h_, w, places[w]);
        h_.ShowField();

        if (!TopLevelPass(i))
            return;
        h_.ShowInformation(PassDoneMessage(n, places));
        // Only a window closed behind the box can have set the flag here.
        if (m_.StopFlag != 0)
            return;
    }
    Light(i);
}

int StartJumpWalls(RoPupilModel& model, RunHost& host)
{
    for (int32_t& state : model.JumpWallState)
        state = 0;
    const int n = std::min(model.JumpWallCount(), 3);
    for (int w = 0; w < n; ++w)
        PlaceJumpWall(model, host, w, 1);
    host.ShowField();
    return n;
}

void JumpWallTimerTick(RoPupilModel& model, RunHost& host, int i)
{
    // A timer left running for a wall that is no longer in the lists does nothing.
    if (i < 0 || i >= std::min(model.JumpWallCount(), 3))
        return;
    // A wall in neither place has not been put out: it stays as it is.
    const int32_t state = model.JumpWallState[i];
    if (state != 1 && state != 2)
        return;
    PlaceJumpWall(model, host, i, 3 - state);
    host.ShowField();
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
