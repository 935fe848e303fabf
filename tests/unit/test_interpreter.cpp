// The line interpreter: dispatch, commands, branches, loops, procedures, stop,
// wall bump and the errors of texts the editor cannot produce. A recording host
// stands in for the window, so every highlight, pause and picture is checked.

#include "Interpreter.h"
#include "RecordingRunHost.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

// The main thread's stack as this process may grow it (8 MB when unlimited
// or unknown, the usual default).
long MainStackBytes()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_STACK, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return 8L * 1024 * 1024;
    return long(limit.rlim_cur);
}

QStringList Skeleton(const QStringList& body, const QStringList& after = {})
{
    QStringList lines = {QStringLiteral("АЛГОРИТМ ПУТЬ_0"), QStringLiteral("    Дано: Исполнитель в т.А"),
                         QStringLiteral("    Надо: Воспроизвести образец"), QStringLiteral("НАЧ")};
    lines << body << QStringLiteral("КОН") << after;
    return lines;
}

// What follows the first event `from` (excluded), joined by blanks.
std::string After(const RecordingRunHost& host, const std::string& from)
{
    std::string out;
    bool seen = false;
    for (const std::string& e : host.events) {
        if (seen)
            out += (out.empty() ? "" : " ") + e;
        else if (e == from)
            seen = true;
    }
    return out;
}

bool EndsWith(const std::string& s, const std::string& end)
{
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

std::string Repeat(const std::string& s, int n)
{
    std::string out;
    for (int k = 0; k < n; ++k)
        out += (out.empty() ? "" : " ") + s;
    return out;
}

class Interpreter : public ::testing::Test {
protected:
    RoPupilModel m;
    RecordingRunHost host{m};
    LineInterpreter interp{m, host};

    void SetUp() override
    {
        UseTwelveCellField(m);
        m.SetSlowPreset();
        StartAt(0, 0, 0);
    }

    // Point A, where every run starts; ExecLine alone starts there too.
    void StartAt(int x, int y, int dir)
    {
        m.PointAX = m.ExecX = int16_t(x);
        m.PointAY = m.ExecY = int16_t(y);
        m.PointADir = m.ExecDir = int16_t(dir);
    }

    int32_t Exec(const QStringList& lines, int32_t i = 0)
    {
        host.lines = lines;
        interp.ExecLine(i);
        return i;
    }

    void Run(const QStringList& lines)
    {
        host.lines = lines;
        interp.RunAlgorithm();
    }
};

// ---------------------------------------------------------------- dispatch

TEST_F(Interpreter, UnrecognisedLinesCostOnlyTheirHighlightAndPause)
{
    const QStringList lines = {"шаг", "ШАГ ", "Шаг", "", "   ", "// ШАГ", "НАЧ", "   ТО", "НЦ", "КЦ",
                               "ВСЁ", "ИНАЧЕ", "КОН", "КОНЕЦ ПРОЦЕДУРЫ", "ЕСЛ", "ПОК", "ПРОЦЕДУР",
                               "ДЕЛА", "ПОВОРОТЫ", "ПРЫЖОК!", "АЛГОРИТМ ПУТЬ_0"};
    for (int32_t k = 0; k < lines.size(); ++k) {
        host.Clear();
        EXPECT_EQ(Exec(lines, k), k);
        EXPECT_EQ(host.All(), "H" + std::to_string(k) + " P500") << lines[k].toStdString();
    }
    EXPECT_EQ(m.ExecX, 0);
    EXPECT_EQ(m.ExecDir, 0);
}

TEST_F(Interpreter, LeadingBlanksAndControlCharactersAreNotPartOfTheWord)
{
    for (const QString& line : {QString("    ШАГ"), QString("\t\tШАГ"), QString("\x01\x1f ШАГ")}) {
        host.Clear();
        Exec({line});
        EXPECT_EQ(host.Only({"T"}), "T" + std::to_string(m.ExecX * 43 - 11) + ",32-"
                                        + std::to_string(m.ExecX * 43 + 32) + ",32");
    }
    EXPECT_EQ(m.ExecX, 3);
}

TEST_F(Interpreter, SkeletonCostsFourPausesBeforeTheFirstCommandAndRunEndsOnKon)
{
    Run(Skeleton({"    ПОВОРОТ"}));
    EXPECT_EQ(host.All(), "DF DS H0 SF DWM "
                          "H0 P500 PM H1 P500 PM H2 P500 PM H3 P500 PM "
                          "H4 RU0,0 DE0 SF P100 RU0,0 DE45 SF P100 RU0,0 DE90 SF P500 PM "
                          "H5 EWM");
    EXPECT_TRUE(host.errors.isEmpty());
    EXPECT_TRUE(host.informations.isEmpty());
    EXPECT_EQ(m.StepDelay, 500) << "a run keeps the preset";
}

// ---------------------------------------------------------------- commands

TEST_F(Interpreter, TurnShowsThreeFramesAndWrapsAt360)
{
    const int from[] = {0, 90, 180, 270};
    const int after[] = {90, 180, 270, 0};
    m.SetMediumPreset();
    for (int k = 0; k < 4; ++k) {
        host.Clear();
        StartAt(4, 7, from[k]);
        Exec({"ПОВОРОТ"});
        const std::string d = std::to_string(from[k]);
        EXPECT_EQ(host.All(), "H0 RU4,7 DE" + d + " SF P30 RU4,7 DE" + std::to_string(from[k] + 45)
                                  + " SF P30 RU4,7 DE" + std::to_string(from[k] + 90) + " SF P10");
        EXPECT_EQ(m.ExecDir, after[k]);
    }
}

TEST_F(Interpreter, StepMovesOneCellAndDrawsTraceBetweenCentresPlusOnePixel)
{
    Exec({"ШАГ"});
    EXPECT_EQ(host.All(), "H0 RU0,0 SF T32,32-75,32 SU1,0 DE0 SF P500");
    EXPECT_EQ(m.ExecX, 1);

    struct Case { int dir, x, y; std::string trace; } cases[] = {
        {90, 5, 4, "T247,247-247,204"},
        {180, 4, 5, "T247,247-204,247"},
        {270, 5, 6, "T247,247-247,290"},
        {0, 6, 5, "T247,247-290,247"},
    };
    for (const Case& c : cases) {
        host.Clear();
        StartAt(5, 5, c.dir);
        Exec({"ШАГ"});
        EXPECT_EQ(m.ExecX, c.x);
        EXPECT_EQ(m.ExecY, c.y);
        EXPECT_EQ(host.Only({"T"}), c.trace);
        EXPECT_EQ(host.Only({"SU", "DE"}), "SU" + std::to_string(c.x) + "," + std::to_string(c.y) + " DE" + std::to_string(c.dir));
    }
}

TEST_F(Interpreter, JumpMovesWithoutTraceAndALaterStepStartsFromTheNewCell)
{
    host.lines = {"ПРЫЖОК", "ШАГ"};
    int32_t i = 0;
    interp.ExecLine(i);
    EXPECT_EQ(host.All(), "H0 RU0,0 SF SU1,0 DE0 SF P500");
    i = 1;
    interp.ExecLine(i);
    EXPECT_EQ(host.Only({"T"}), "T75,32-118,32");
    EXPECT_EQ(m.ExecX, 2);
}

TEST_F(Interpreter, StepIntoTheBorderBlinksTwentyTimesShowsTheMessageAndEndsTheRun)
{
    StartAt(11, 0, 0);
    Run(Skeleton({"    ШАГ", "    ПОВОРОТ"}));
    const std::string blink = "RU11,0 DE0 SF P100 RU11,0 DA SF P100";
    EXPECT_EQ(After(host, "H4"), "RU11,0 SF " + Repeat(blink, 20) + " ERR PAINT P500 PM EWM");
    EXPECT_EQ(host.Count("P100"), 40);
    EXPECT_EQ(m.ExecX, 11);
    EXPECT_EQ(m.ExecDir, 0) << "no line after the bump runs";
    EXPECT_EQ(m.StopFlag, 1);
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_EQ(host.errors[0], QString("НЕ МОГУ - СТЕНА !!!\r\r\rИсполнитель не может преодолеть стену\r"
                                      "ни ШАГОМ ни ПРЫЖКОМ!!\rПОВОРОТ - это поворот на 90 градусов\r"
                                      "против часовой стрелки!"));
}

TEST_F(Interpreter, JumpAndStepBumpIntoInnerAndJumpingWallsAlike)
{
    m.VertWallX = {3};
    m.VertWallY = {3};
    StartAt(4, 3, 180);
    Exec({"ПРЫЖОК"});
    EXPECT_EQ(m.ExecX, 4);
    EXPECT_EQ(host.errors.size(), 1);
    EXPECT_EQ(host.Only({"T", "SU"}), "");

    host.Clear();
    m.JumpWallX1 = {4}; m.JumpWallY1 = {3}; m.JumpWallKind1 = QStringList{"H"};
    m.JumpWallX2 = {0}; m.JumpWallY2 = {0}; m.JumpWallKind2 = QStringList{"V"};
    m.JumpWallState[0] = 1;
    StartAt(4, 3, 270);
    Exec({"ШАГ"});
    EXPECT_EQ(host.errors.size(), 1);
    m.JumpWallState[0] = 2;
    host.Clear();
    Exec({"ШАГ"});
    EXPECT_TRUE(host.errors.isEmpty());
    EXPECT_EQ(m.ExecY, 4);
}

TEST_F(Interpreter, MoveInAnUnknownDirectionStaysInPlace)
{
    // Without point A the start direction is -1: nothing blocks and nothing moves.
    StartAt(2, 2, -1);
    Exec({"ШАГ"});
    EXPECT_EQ(host.All(), "H0 RU2,2 SF T118,118-118,118 SU2,2 DE-1 SF P500");
    EXPECT_TRUE(host.errors.isEmpty());
}

// ---------------------------------------------------------------- branches

TEST_F(Interpreter, BranchNotHoldingWithoutElseHighlightsHeaderThenEnd)
{
    // Facing right from (0,0): no wall ahead.
    EXPECT_EQ(Exec({"ЕСЛИ впереди стена", "   ТО", "       ШАГ", "ВСЁ"}), 3);
    EXPECT_EQ(host.All(), "H0 H0 P500 PM H3 P500 PM P500");
    EXPECT_EQ(m.ExecX, 0);
}

TEST_F(Interpreter, BranchHoldingRunsThenPartAndSkipsElsePartWithNestedBranches)
{
    StartAt(0, 0, 180); // the border is ahead
    const QStringList lines = {"ЕСЛИ впереди стена",
                               "   ТО",
                               "       ПОВОРОТ",
                               "   ИНАЧЕ",
                               "       ЕСЛИ впереди НЕ стена",
                               "          ТО",
                               "              ШАГ",
                               "          ИНАЧЕ",
                               "       ВСЁ",
                               "       ШАГ",
                               "ВСЁ",
                               "ПОВОРОТ"};
    EXPECT_EQ(Exec(lines), 10);
    EXPECT_EQ(host.Only({"H", "P", "PM"}), "H0 H0 P500 PM H1 P500 PM H2 P100 P100 P500 PM H10 P500 PM P500");
    EXPECT_EQ(m.ExecDir, 270);
    EXPECT_EQ(m.ExecX, 0);
}

TEST_F(Interpreter, BranchNotHoldingSkipsThenPartWithNestedBranchesAndRunsElsePart)
{
    const QStringList lines = {"ЕСЛИ впереди стена",
                               "   ТО",
                               "       ЕСЛИ впереди НЕ стена",
                               "          ТО",
                               "          ИНАЧЕ",
                               "              ШАГ",
                               "       ВСЁ",
                               "   ИНАЧЕ",
                               "       ПОВОРОТ",
                               "ВСЁ"};
    EXPECT_EQ(Exec(lines), 9);
    EXPECT_EQ(host.Only({"H", "P", "PM"}), "H0 H0 P500 PM H7 P500 PM H8 P100 P100 P500 PM H9 P500 PM P500");
    EXPECT_EQ(m.ExecDir, 90);
    EXPECT_EQ(m.ExecX, 0);
}

TEST_F(Interpreter, BranchConditionIsTestedOnceAndOnlyOnExactHeaders)
{
    // Holds: no wall ahead. The line after the header is the "ТО" whatever it says.
    EXPECT_EQ(Exec({"ЕСЛИ впереди НЕ стена", "ШАГ", "ШАГ", "ВСЁ"}), 3);
    EXPECT_EQ(host.Only({"H", "P", "PM"}), "H0 H0 P500 PM H1 P500 PM H2 P500 PM H3 P500 PM P500");
    EXPECT_EQ(m.ExecX, 1);

    // Headers that are not exact count as conditions that do not hold.
    for (const QString& header : {QString("ЕСЛИ впереди не стена"), QString("ЕСЛИ впереди НЕ стена "),
                                  QString("ЕСЛИ"), QString("ЕСЛИвпереди НЕ стена")}) {
        host.Clear();
        EXPECT_EQ(Exec({header, "ТО", "ПОВОРОТ", "ИНАЧЕ", "ШАГ", "ВСЁ"}), 5) << header.toStdString();
        EXPECT_EQ(m.ExecDir, 0);
    }
    EXPECT_EQ(m.ExecX, 5);

    // In front of the border too: a trailing blank or another letter case is not the header.
    StartAt(0, 3, 180);
    for (const QString& header : {QString("ЕСЛИ впереди стена "), QString("ЕСЛИ впереди Стена")}) {
        host.Clear();
        EXPECT_EQ(Exec({header, "ТО", "ПОВОРОТ", "ВСЁ"}), 3) << header.toStdString();
        EXPECT_EQ(m.ExecDir, 180);
    }

    // The then-part brings a wall ahead: the else-part is still passed over.
    host.Clear();
    StartAt(10, 0, 0);
    EXPECT_EQ(Exec({"ЕСЛИ впереди НЕ стена", "ТО", "ШАГ", "ИНАЧЕ", "ПОВОРОТ", "ВСЁ"}), 5);
    EXPECT_EQ(m.ExecX, 11);
    EXPECT_EQ(m.ExecDir, 0);
}

TEST_F(Interpreter, InexactNestedHeadersAreNotCountedWhenPassingOver)
{
    // Only the two exact headers open a level: "ЕСЛИ ..." with other words does not,
    // so its "ВСЁ" closes the outer branch.
    EXPECT_EQ(Exec({"ЕСЛИ впереди стена", "ТО", "ЕСЛИ что-то", "ТО", "ВСЁ", "ПОВОРОТ", "ВСЁ"}), 4);
}

// ---------------------------------------------------------------- loops

TEST_F(Interpreter, LoopThatNeverRunsLeavesIndexOnItsOwnEnd)
{
    const QStringList lines = {"ПОКА впереди стена",
                               "НЦ",
                               "    ПОКА впереди НЕ стена",
                               "    НЦ",
                               "        ШАГ",
                               "    КЦ",
                               "КЦ",
                               "ПОВОРОТ"};
    EXPECT_EQ(Exec(lines), 6);
    EXPECT_EQ(host.All(), "H0 H0 P500 PM P500");
    EXPECT_EQ(m.ExecX, 0);

    // Inside a run the next line executed is the one after "КЦ".
    host.Clear();
    Run(QStringList{"НАЧ"} << lines << "КОН");
    EXPECT_EQ(host.Only({"H"}), "H0 H0 H1 H1 H8 H9");
    EXPECT_EQ(m.ExecDir, 90);
}

TEST_F(Interpreter, LoopRunsWhileItsConditionHoldsAndShowsHeaderNcAndKcEachPass)
{
    EXPECT_EQ(Exec({"ПОКА впереди НЕ стена", "НЦ", "    ШАГ", "КЦ"}), 3);
    EXPECT_EQ(m.ExecX, 11);
    const std::string pass = "H0 P500 PM H1 P500 PM H2 P500 PM H3 P500 PM";
    EXPECT_EQ(host.Only({"H", "P", "PM"}), "H0 " + Repeat(pass, 11) + " H0 P500 PM P500");
}

TEST_F(Interpreter, LoopConditionHoldsOnlyOnExactHeaders)
{
    // Nested loops with inexact headers do not open a level when passing over.
    const QStringList body = {"НЦ", "ПОКА впереди НЕ стена ", "НЦ", "ШАГ", "КЦ", "ПОВОРОТ", "КЦ"};
    EXPECT_EQ(Exec(QStringList{"ПОКА впереди НЕ стена "} << body), 5);
    EXPECT_EQ(Exec(QStringList{"ПОКА впереди не стена"} << body), 5);
    StartAt(0, 0, 180);
    EXPECT_EQ(Exec(QStringList{"ПОКА впереди стена "} << body), 5);
    EXPECT_EQ(Exec(QStringList{"ПОКА"} << body), 5);
    EXPECT_EQ(host.Only({"T", "DE"}), "");
}

TEST_F(Interpreter, EmptyLoopBeforeAWallRunsUntilStop)
{
    StartAt(0, 0, 180);
    host.stopAtProcessMessages = 15;
    Exec({"ПОКА впереди стена", "НЦ", "КЦ"});
    // The stop after "КЦ" ends the loop line too, without a pause of its own.
    EXPECT_EQ(host.All(), "H0 " + Repeat("H0 P500 PM H1 P500 PM H2 P500 PM", 5));
}

TEST_F(Interpreter, NestedLoopsInsideABranchInsideALoop)
{
    // Walk right to the wall through a branch holding a loop that never runs.
    const QStringList lines = {"ПОКА впереди НЕ стена",
                               "НЦ",
                               "    ЕСЛИ впереди НЕ стена",
                               "       ТО",
                               "           ПОКА впереди стена",
                               "           НЦ",
                               "           КЦ",
                               "           ШАГ",
                               "    ВСЁ",
                               "КЦ"};
    EXPECT_EQ(Exec(lines), 9);
    EXPECT_EQ(m.ExecX, 11);
    EXPECT_EQ(host.Count("H9"), 11);
    EXPECT_EQ(host.Count("H5"), 0) << "the inner loop never runs";
}

// ---------------------------------------------------------------- procedures

TEST_F(Interpreter, CallRunsTheUpperOfTwoSameNamedDescriptionsAndKeepsTheIndex)
{
    const QStringList lines = {"ДЕЛАЙ А",
                               "ДЕЛАЙ Б",
                               "КОН",
                               "ПРОЦЕДУРА А",
                               "    ПОВОРОТ",
                               "КОНЕЦ ПРОЦЕДУРЫ",
                               "ПРОЦЕДУРА А",
                               "    ШАГ",
                               "КОНЕЦ ПРОЦЕДУРЫ"};
    EXPECT_EQ(Exec(lines, 0), 0);
    EXPECT_EQ(host.Only({"H", "P", "PM"}), "H0 P500 PM H3 P500 PM H4 P100 P100 P500 PM H5 P500 PM P500");
    EXPECT_EQ(m.ExecDir, 90);
    EXPECT_EQ(m.ExecX, 0);

    // A name that no description has costs the two pauses and nothing else.
    host.Clear();
    EXPECT_EQ(Exec(lines, 1), 1);
    EXPECT_EQ(host.All(), "H1 P500 PM P500");
}

TEST_F(Interpreter, CalledNamesCompareExactlyAfterOneSkippedCharacter)
{
    const QStringList after = {"ПРОЦЕДУРА-А", "    ШАГ", "КОНЕЦ ПРОЦЕДУРЫ",
                               "  ПРОЦЕДУРА А ", "    ПОВОРОТ", "КОНЕЦ ПРОЦЕДУРЫ",
                               "ПРОЦЕДУРА", "    ПРЫЖОК", "КОНЕЦ ПРОЦЕДУРЫ"};
    struct Case { QString call; int x, dir; } cases[] = {
        {"ДЕЛАЙ_А", 1, 0},     // the separating character is not examined
        {"ДЕЛАЙ А ", 0, 90},   // trailing blanks belong to the name
        {"ДЕЛАЙ а", 0, 0},     // letter case counts
        {"ДЕЛАЙ", 1, 0},       // an empty name calls the description with none
        {"ДЕЛАЙ ", 1, 0},
    };
    for (const Case& c : cases) {
        StartAt(0, 0, 0);
        host.Clear();
        Exec(QStringList{c.call} << after);
        EXPECT_EQ(m.ExecX, c.x) << c.call.toStdString();
        EXPECT_EQ(m.ExecDir, c.dir) << c.call.toStdString();
    }
}

TEST_F(Interpreter, DescriptionMetInTheFlowIsPassedOverToItsFirstEnd)
{
    const QStringList lines = {"ПРОЦЕДУРА А", "    ШАГ", "    ПРОЦЕДУРА Б", "    ПОВОРОТ",
                               "КОНЕЦ ПРОЦЕДУРЫ", "ШАГ", "КОНЕЦ ПРОЦЕДУРЫ"};
    EXPECT_EQ(Exec(lines), 4);
    EXPECT_EQ(host.All(), "H0 P500");
}

TEST_F(Interpreter, ProcedureBodyLinesHaveStopChecksBeforeAndAfter)
{
    host.stopAtProcessMessages = 2;
    Run({"ДЕЛАЙ А", "КОН", "ПРОЦЕДУРА А", "ШАГ", "КОНЕЦ ПРОЦЕДУРЫ"});
    EXPECT_EQ(m.ExecX, 0) << "the stop before the first body line acts at once";
    EXPECT_EQ(host.All(), "DF DS H0 SF DWM H0 P500 PM H2 P500 PM PM EWM");
}

TEST_F(Interpreter, BumpInsideAProcedureInsideALoopEndsTheWholeRun)
{
    Run(Skeleton({"    ПОКА впереди НЕ стена", "    НЦ", "        ДЕЛАЙ ВПЕРЁД", "    КЦ", "    ПОВОРОТ"},
                 {"ПРОЦЕДУРА ВПЕРЁД", "    ШАГ", "    ШАГ", "    ШАГ", "КОНЕЦ ПРОЦЕДУРЫ"}));
    EXPECT_EQ(m.ExecX, 11);
    EXPECT_EQ(m.ExecDir, 0);
    EXPECT_EQ(host.errors.size(), 1);
    // The step that bumped has its pause; the call and the loop around it end at once.
    EXPECT_EQ(After(host, "ERR"), "PAINT P500 PM PM PM EWM");
    EXPECT_EQ(host.enableWorkMenuCalls, 1);
}

TEST_F(Interpreter, RecursionThatEndsAtTheWall)
{
    Run(Skeleton({"    ДЕЛАЙ ДО_СТЕНЫ", "    ПОВОРОТ"},
                 {"ПРОЦЕДУРА ДО_СТЕНЫ", "    ЕСЛИ впереди НЕ стена", "       ТО", "           ШАГ",
                  "           ДЕЛАЙ ДО_СТЕНЫ", "    ВСЁ", "КОНЕЦ ПРОЦЕДУРЫ"}));
    EXPECT_EQ(m.ExecX, 11);
    EXPECT_EQ(m.ExecDir, 90);
    EXPECT_TRUE(host.errors.isEmpty());
    EXPECT_TRUE(EndsWith(host.All(), "H6 EWM"));
}

// ---------------------------------------------------------------- nesting bound

TEST_F(Interpreter, EndlessRecursionEndsAtTheBoundWithinASmallStack)
{
    m.SetFastPreset();
    char top;
    Run({"ДЕЛАЙ Р", "КОН", "ПРОЦЕДУРА Р", "    ДЕЛАЙ Р", "КОНЕЦ ПРОЦЕДУРЫ"});
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_EQ(host.errors[0], TooDeepCallsMessage());
    EXPECT_EQ(host.errors[0], QString("Слишком глубокая вложенность вызовов процедур!\r"
                                      "Проверьте, не вызывает ли процедура сама себя без конца."));
    EXPECT_EQ(m.StopFlag, 1);
    EXPECT_EQ(host.Count("H2"), LineInterpreter::DefaultMaxNesting);
    // The run unwinds without pausing: only the stop check of every call
    // level and the top level's remain.
    EXPECT_EQ(After(host, "ERR"), Repeat("PM", LineInterpreter::DefaultMaxNesting + 1) + " EWM");
    const long used = long(&top - host.lowestStack);
    RecordProperty("StackBytesAtBound", std::to_string(used));
    // The message box shown at the deepest level and the window's own calls
    // beneath the run need the other half. Instrumented builds spend about
    // three times as much per level, so the bound is judged on this build.
    EXPECT_LT(used, MainStackBytes() / 2) << "stack used at the bound";
}

TEST_F(Interpreter, NestingBoundCountsStructuresAndCallsAlike)
{
    LineInterpreter shallow(m, host, 3);
    host.lines = {"ДЕЛАЙ Р", "КОН", "ПРОЦЕДУРА Р", "    ДЕЛАЙ Р", "КОНЕЦ ПРОЦЕДУРЫ"};
    shallow.RunAlgorithm();
    EXPECT_EQ(host.Count("H2"), 3);
    EXPECT_EQ(host.errors, QStringList{TooDeepCallsMessage()});

    host.Clear();
    QStringList nested;
    for (int k = 0; k < 4; ++k)
        nested << "ЕСЛИ впереди НЕ стена" << "ТО";
    nested << "ПОВОРОТ";
    for (int k = 0; k < 4; ++k)
        nested << "ВСЁ";
    host.lines = nested;
    shallow.RunAlgorithm();
    EXPECT_EQ(host.errors, QStringList{TooDeepStructuresMessage()});
    EXPECT_EQ(host.errors[0], QString("Слишком глубокая вложенность ветвлений и циклов!"));
    EXPECT_EQ(m.ExecDir, 0);
    EXPECT_EQ(host.enableWorkMenuCalls, 1);
}

// ---------------------------------------------------------------- unclosed structures

struct Unclosed {
    QStringList lines;
    int header;           // highlighted when the box shows
    QString message;
    int execX;            // what ran before the end was missed
};

class UnclosedStructure : public Interpreter, public ::testing::WithParamInterface<int> {};

const Unclosed kUnclosed[] = {
    {{"ЕСЛИ впереди НЕ стена"}, 0, UnclosedBranchMessage(), 0},
    {{"ЕСЛИ впереди стена"}, 0, UnclosedBranchMessage(), 0},
    {{"ЕСЛИ впереди стена", "ТО"}, 0, UnclosedBranchMessage(), 0},
    {{"ЕСЛИ впереди НЕ стена", "ТО", "ШАГ"}, 0, UnclosedBranchMessage(), 1},
    {{"ЕСЛИ впереди НЕ стена", "ТО", "ИНАЧЕ", "ШАГ"}, 0, UnclosedBranchMessage(), 0},
    {{"ЕСЛИ впереди стена", "ТО", "ШАГ", "ЕСЛИ впереди стена", "ВСЁ"}, 0, UnclosedBranchMessage(), 0},
    {{"ЕСЛИ впереди стена", "ТО", "ИНАЧЕ", "ШАГ"}, 0, UnclosedBranchMessage(), 1},
    {{"НАЧ", "ПОКА впереди НЕ стена"}, 1, UnclosedLoopMessage(), 0},
    {{"ПОКА впереди стена"}, 0, UnclosedLoopMessage(), 0},
    {{"ПОКА впереди стена", "НЦ"}, 0, UnclosedLoopMessage(), 0},
    {{"ПОКА впереди НЕ стена", "НЦ", "ШАГ"}, 0, UnclosedLoopMessage(), 1},
    {{"ПОКА впереди стена", "НЦ", "ПОКА впереди стена", "НЦ", "КЦ"}, 0, UnclosedLoopMessage(), 0},
    {{"ПРОЦЕДУРА А", "ШАГ"}, 0, UnclosedProcedureMessage(), 0},
    {{"ШАГ", "ПРОЦЕДУРА А"}, 1, UnclosedProcedureMessage(), 1},
    {{"ДЕЛАЙ А", "КОН", "ПРОЦЕДУРА А", "ШАГ"}, 2, UnclosedProcedureMessage(), 1},
    {{"ДЕЛАЙ А", "КОН", "ПРОЦЕДУРА А"}, 2, UnclosedProcedureMessage(), 0},
    {{"ПОКА впереди НЕ стена", "НЦ", "ДЕЛАЙ А", "КЦ", "КОН", "ПРОЦЕДУРА А",
      "ЕСЛИ впереди НЕ стена", "ТО", "ШАГ"}, 6, UnclosedBranchMessage(), 1},
};

TEST_P(UnclosedStructure, EndsTheRunWithAnErrorWithoutReadingPastTheLastLine)
{
    const Unclosed& c = kUnclosed[GetParam()];
    Run(c.lines);
    EXPECT_FALSE(host.readOutsideText);
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_EQ(host.errors[0], c.message);
    EXPECT_EQ(m.StopFlag, 1);
    EXPECT_EQ(m.ExecX, c.execX);
    // The header is shown with the box; then the run only unwinds.
    const std::string all = host.All();
    const std::string box = "H" + std::to_string(c.header) + " ERR";
    EXPECT_NE(all.find(box), std::string::npos) << all;
    for (const char* e : {"H", "P5", "RU", "DE", "SF", "INF"})
        EXPECT_EQ(After(host, "ERR").find(e), std::string::npos) << After(host, "ERR");
    EXPECT_EQ(all.substr(all.size() - 3), "EWM");
    EXPECT_EQ(host.enableWorkMenuCalls, 1);
}

INSTANTIATE_TEST_SUITE_P(Texts, UnclosedStructure,
                         ::testing::Range(0, int(sizeof(kUnclosed) / sizeof(kUnclosed[0]))));

TEST(UnclosedMessages, Wording)
{
    EXPECT_EQ(UnclosedBranchMessage(), QString("Нет конца ветвления:\rне найдена строка \"ВСЁ\""));
    EXPECT_EQ(UnclosedLoopMessage(), QString("Нет конца цикла:\rне найдена строка \"КЦ\""));
    EXPECT_EQ(UnclosedProcedureMessage(),
              QString("Нет конца описания процедуры:\rне найдена строка \"КОНЕЦ ПРОЦЕДУРЫ\""));
}

// ---------------------------------------------------------------- stop

TEST_F(Interpreter, StopBetweenTopLevelLinesEndsTheRunAtOnce)
{
    host.stopAtProcessMessages = 6;
    Run(Skeleton({"    ПОВОРОТ", "    ПОВОРОТ", "    ПОВОРОТ"}));
    EXPECT_EQ(m.ExecDir, 180);
    EXPECT_TRUE(EndsWith(host.All(), "H5 RU0,0 DE90 SF P100 RU0,0 DE135 SF P100 RU0,0 DE180 SF P500 PM EWM"));
    EXPECT_EQ(host.Count("H6"), 0);
    EXPECT_EQ(host.enableWorkMenuCalls, 1);
    EXPECT_TRUE(host.errors.isEmpty());
}

TEST_F(Interpreter, StopInsideStructuresUnwindsWithoutDrawingOrHighlight)
{
    // The window may set the flag while it handles messages (stop button or closing).
    StartAt(5, 5, 0);
    host.onProcessMessages = [this](int n) {
        if (n == 13)
            m.StopFlag = 1;
    };
    Run({"ПОКА впереди НЕ стена", "НЦ", "    ЕСЛИ впереди НЕ стена", "    ТО", "        ПОВОРОТ",
         "    ВСЁ", "КЦ", "КОН"});
    // Thirteenth check: after the turn in the second pass. The turn has its
    // pause; the branch and the loop around it end at once.
    EXPECT_TRUE(EndsWith(host.All(), "RU5,5 DE180 SF P500 PM PM PM EWM")) << host.All();
    EXPECT_EQ(m.ExecDir, 180);

    // A stop two hundred calls deep: not one pause per level on the way out.
    host.Clear();
    host.onProcessMessages = [this](int n) {
        if (n == 400)
            m.StopFlag = 1;
    };
    Run({"ДЕЛАЙ Р", "КОН", "ПРОЦЕДУРА Р", "    ДЕЛАЙ Р", "КОНЕЦ ПРОЦЕДУРЫ"});
    const std::string all = host.All();
    EXPECT_TRUE(EndsWith(all, Repeat("PM", 201) + " EWM")) << all.substr(all.size() - 200);
}

TEST_F(Interpreter, StopDuringADescentThroughNestedStructuresIsAnsweredAtTheNextStructureLine)
{
    // Ten loops with a branch in each, nested in one another, around a call:
    // on the way down every header, "НЦ", "ТО" and the "ДЕЛАЙ" line is checked.
    QStringList lines = {"НАЧ"};
    for (int k = 0; k < 10; ++k)
        lines << "ПОКА впереди НЕ стена" << "НЦ" << "ЕСЛИ впереди НЕ стена" << "ТО";
    lines << "ДЕЛАЙ П";
    for (int k = 0; k < 10; ++k)
        lines << "ВСЁ" << "КЦ";
    lines << "КОН" << "ПРОЦЕДУРА П" << "ПОВОРОТ" << "КОНЕЦ ПРОЦЕДУРЫ";
    StartAt(5, 5, 0);
    for (int check = 1; check <= 41; ++check) {
        host.Clear();
        host.stopAtProcessMessages = check;
        Run(lines);
        // After the check that saw the flag: no pause or picture, and no
        // highlight but the one that hands a lit "НЦ" or "ТО" on to its part.
        std::string after;
        int seen = 0, lit = -1;
        for (const std::string& e : host.events) {
            if (seen >= check && e != "PM")
                after += e + " ";
            else if (e[0] == 'H')
                lit = std::stoi(e.substr(1));
            seen += e == "PM";
        }
        const bool opening = lines.value(lit) == "НЦ" || lines.value(lit) == "ТО";
        EXPECT_EQ(after, opening ? "H" + std::to_string(lit + 1) + " EWM " : "EWM ") << "stop at check " << check;
        EXPECT_EQ(m.ExecDir, 0);
    }
}

TEST_F(Interpreter, AStrayOpeningLineOfALoadedTextStaysCurrentAfterAStop)
{
    // Met as a line of its own, not as a structure's, it is what the run stopped after.
    for (const char* line : {"НЦ", "ТО"}) {
        host.Clear();
        host.stopAtProcessMessages = 1;
        Run({line, "ШАГ", "КОН"});
        EXPECT_TRUE(EndsWith(host.All(), "H0 P500 PM EWM")) << line;
        EXPECT_EQ(host.Count("H1"), 0) << line;
    }
}

TEST_F(Interpreter, EachRunCallsTheFirstDescriptionOfTheTextItRuns)
{
    Run({"ДЕЛАЙ А", "КОН", "ПРОЦЕДУРА А", "ПОВОРОТ", "КОНЕЦ ПРОЦЕДУРЫ"});
    EXPECT_EQ(m.ExecDir, 90);
    const QStringList moved = {"ДЕЛАЙ А", "КОН", "ПРОЦЕДУРА Б", "ПОВОРОТ", "КОНЕЦ ПРОЦЕДУРЫ",
                               "ПРОЦЕДУРА А", "ШАГ", "КОНЕЦ ПРОЦЕДУРЫ", "ПРОЦЕДУРА А", "ПОВОРОТ", "КОНЕЦ ПРОЦЕДУРЫ"};
    Run(moved);
    EXPECT_EQ(m.ExecX, 1);
    EXPECT_EQ(m.ExecDir, 0);
    // A line executed on its own reads the text as it is now.
    host.lines = moved;
    host.lines.swapItemsAt(2, 5); // "ПРОЦЕДУРА А" with its turn now comes first
    int32_t i = 0;
    interp.ExecLine(i);
    EXPECT_EQ(m.ExecX, 1);
    EXPECT_EQ(m.ExecDir, 90);
}

TEST_F(Interpreter, StopPressedBeforeARunDoesNotAffectIt)
{
    m.StopFlag = 1;
    Run(Skeleton({"    ШАГ"}));
    EXPECT_EQ(m.ExecX, 1);
    EXPECT_TRUE(EndsWith(host.All(), "H5 EWM"));
}

// ---------------------------------------------------------------- the top level

TEST_F(Interpreter, RunEndsAtTheFirstKonExactlyAsStored)
{
    Run({"НАЧ", "  КОН", "ПОВОРОТ", "КОН", "ПОВОРОТ", "КОН"});
    EXPECT_EQ(m.ExecDir, 90);
    EXPECT_EQ(host.Only({"H"}), "H0 H0 H1 H2 H3");

    // No "КОН": every line runs, and the final highlight names no line.
    host.Clear();
    Run({"ПОВОРОТ", "КОН "});
    EXPECT_EQ(host.Only({"H", "EWM"}), "H0 H0 H1 H2 EWM");

    host.Clear();
    Run({});
    EXPECT_EQ(host.All(), "DF DS H0 SF DWM H0 EWM");
}

TEST_F(Interpreter, EveryRunStartsFromPointAOnAFreshField)
{
    Run(Skeleton({"    ШАГ"}));
    m.SetFastPreset();
    host.Clear();
    Run(Skeleton({"    ШАГ"}));
    EXPECT_EQ(m.ExecX, 1);
    EXPECT_EQ(host.Only({"DF", "DS"}), "DF DS");
    EXPECT_EQ(host.Count("P0"), 5);
    EXPECT_EQ(m.StepDelay, 0);
}

TEST_F(Interpreter, ASecondStartDuringARunIsIgnored)
{
    host.onProcessMessages = [this](int n) {
        if (n == 1)
            interp.RunAlgorithm();
    };
    Run(Skeleton({"    ПОВОРОТ"}));
    EXPECT_EQ(host.disableWorkMenuCalls, 1);
    EXPECT_EQ(host.enableWorkMenuCalls, 1);
    EXPECT_EQ(m.ExecDir, 90);
}

} // namespace
