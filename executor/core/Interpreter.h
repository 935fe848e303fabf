#pragma once
// The line interpreter (Interpreter.cpp) and the run of an algorithm, with
// its jumping walls and pauses (AlgorithmRun.cpp).
//
// The algorithm is executed straight from the lines of the algorithm list:
// there is no parsed form. Every line is read through RunHost::Line at the
// moment it is executed, trimmed, and recognised by exact tests; structures
// find their partner lines by scanning their neighbours. Everything the run
// shows (highlight, pictures, pauses, boxes) goes through the RunHost.
//
// How the executor window uses it
// --------------------------------
// * Build a LineInterpreter on the window's model and its RunHost, one for the
//   window: between runs it keeps only where the procedures are described,
//   for as long as RunHost::TextVersion says the text is the same.
// * Speed buttons: disable the three speed buttons, set the preset
//   (model.SetSlowPreset() ...), call RunAlgorithm(), enable the buttons.
//   RunAlgorithm calls DisableWorkMenu at its start and EnableWorkMenu at its
//   end however the run ends (completed, stop button, wall bump, an unclosed
//   structure, too deep nesting). With jumping walls it calls
//   DisableJumpWallTimer(i) for every existing wall; it never enables them.
// * Stop button: model.StopFlag = 1, nothing else; the run sees it at its next
//   stop check, which is a ProcessMessages() call followed by a test of the
//   flag. A stop check follows every line executed and every line of a
//   structure that is shown with its pause ("ЕСЛИ", "ТО", "ИНАЧЕ", "ВСЁ",
//   "ПОКА", "НЦ", "КЦ", a call's "ДЕЛАЙ" and "КОНЕЦ ПРОЦЕДУРЫ"), so a stop
//   is answered within one pause at any depth. Closing the window during a run must do the same inside
//   ProcessMessages(): the run then unwinds. The line after which the flag
//   was seen has made its pause; the structures around it end at once,
//   without a pause of their own, however deep they nest.
// * RunHost::Pause(ms) should call Delay(0, ms): it waits without letting any
//   window message through.
// * RunHost::Highlight may be given an index that names no line: LineCount()
//   at the end of a run over a text without a line "КОН", and 0 at the start
//   of each pass over an empty text; the list then shows no selection. Every
//   other highlight and every Line() call is within 0 .. LineCount()-1.
// * The last highlight of a run is the window's current line afterwards, and
//   the editor inserts above it: a run never leaves the "ТО" or "НЦ" that
//   opens a part lit (a stop there, or a box), but hands it on to the line
//   below, as a click on it would.
// * RunHost::DrawScene must also put the executor on point A with its start
//   direction (model.ExecX/ExecY/ExecDir), as the run relies on it.
// * Jumping walls: after the scene has been drawn on "Начать" and on
//   "Разработка", call StartJumpWalls(model, host); it returns the number of
//   walls n (0..3): enable Timer1 .. Timer n. TimerkTimer calls
//   JumpWallTimerTick(model, host, k-1).

#include "RoPupilModel.h"
#include "RunHost.h"

#include <QHash>
#include <QString>
#include <cstdint>

class LineInterpreter {
public:
    // Levels of line nesting (a structure or a procedure call inside a line
    // that is itself being executed) that a run may reach. Each level costs
    // a few hundred bytes of stack; this many stay well inside the 8 MB of the
    // main thread, with room left for the message box shown at the deepest one.
    static constexpr int DefaultMaxNesting = 4000;

    LineInterpreter(RoPupilModel& model, RunHost& host, int maxNesting = DefaultMaxNesting);
    int MaxNesting() const { return maxNesting_; }

    // The whole run: every combination of the jumping walls' places, each from
    // line 0 to the first line that is exactly "КОН".
    void RunAlgorithm();

    // Executes line i; a structure leaves i on its closing line.
    void ExecLine(int32_t& i);
    void ExecIf(int32_t& i);
    void ExecWhile(int32_t& i);
    void SkipProcDef(int32_t& i);
    void ExecCall(int32_t& i);
    void DoStep();
    void DoJump();
    void DoTurn();
    void WallBump();

private:
    enum class Structure { Branch, Loop, Procedure };

    // Every combination of the jumping walls' places, or the one pass.
    void RunPasses();
    // One pass from line 0; false when a stop check ended the run. i is left
    // where the pass ended.
    bool TopLevelPass(int32_t& i);
    // ProcessMessages, then the stop flag.
    bool Stopped();
    // Highlight a structure's own line, pause, and make the stop check:
    // false when the run is to end.
    bool ShowStructureLine(int32_t i);
    // The same for the "ТО" or "НЦ" line that opens a part of a structure.
    bool ShowOpeningLine(int32_t i);
    // At the end of a run: an opening line left lit hands the current line on.
    void HandOnOpeningLine();
    // Every highlight of the run, noted so that its end knows what it left lit.
    void Light(int32_t i);
    // The line of the first description with the name, or -1.
    int32_t FirstDescription(const QString& name);
    // Highlight line i and make the pause of a line.
    void ShowLine(int32_t i);
    // The text of line i, or false (after ending the run with an error box)
    // when i lies past the last line: the structure whose header
    // stands at `header` has no closing line.
    bool TextOrUnclosed(int32_t i, QString& text, int32_t header, Structure s);
    void EndRunWithError(const QString& text);
    // The lines of a branch's part from i up to its "ВСЁ" (or its "ИНАЧЕ"
    // too, with elseEnds), executed or passed over; i and t are left on the
    // line that ended the part. False when the run ended meanwhile.
    bool ExecBranchLines(int32_t& i, QString& t, int32_t header, bool elseEnds);
    bool SkipBranchLines(int32_t& i, QString& t, int32_t header, bool elseEnds);
    void Move(bool trace);

    RoPupilModel& m_;
    RunHost& h_;
    const int maxNesting_;
    int depth_ = 0;        // ExecLine calls now active
    int callDepth_ = 0;    // procedure bodies now being executed
    bool aborted_ = false; // the run ended on an error of the text itself
    bool running_ = false;
    int32_t lit_ = -1;        // the line the run highlighted last
    bool litOpener_ = false;  // ... shown as the "ТО" or "НЦ" opening a part
    // Each description's name and the line of the first with that name, and
    // the text version they were found in (0: found for this run only).
    QHash<QString, int32_t> descriptions_;
    bool descriptionsFound_ = false;
    quint64 descriptionsVersion_ = 0;
};

// The texts of the run's boxes; lines are broken by single CR characters.
QString WallBumpMessage();
// Information box after each pass with jumping walls; places are 1 or 2.
QString PassDoneMessage(int wallCount, const int places[3]);
// Error boxes that end a run on a text the editor could not have produced.
QString UnclosedBranchMessage();
QString UnclosedLoopMessage();
QString UnclosedProcedureMessage();
QString TooDeepCallsMessage();
QString TooDeepStructuresMessage();

// Puts every jumping wall in place 1 (the third state slots to 0 first),
// draws them and shows the field. Returns the number of walls: the window
// enables that many timers, Timer1 first.
int StartJumpWalls(RoPupilModel& model, RunHost& host);
// One tick of the timer of jumping wall i: the wall moves to its other place.
void JumpWallTimerTick(RoPupilModel& model, RunHost& host, int i);

// Waits seconds + ms without processing window messages and without keeping
// a core busy; a length of 0 (or less) returns at once.
void Delay(int32_t seconds, int32_t ms);
