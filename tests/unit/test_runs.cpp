// Runs over the places of the jumping walls, the wall timers, the pause, the
// interpreter's own speed, and random texts that must never crash, hang or
// read past their last line.

#include "FramePacer.h"
#include "Interpreter.h"
#include "RecordingRunHost.h"

#include <gtest/gtest.h>
#include <chrono>
#include <ctime>
#include <random>

namespace {

// The text after the last occurrence of `mark`.
std::string After(const std::string& all, const std::string& mark)
{
    const size_t at = all.rfind(mark);
    return at == std::string::npos ? std::string() : all.substr(at + mark.size());
}

class Runs : public ::testing::Test {
protected:
    RoPupilModel m;
    RecordingRunHost host{m};
    LineInterpreter interp{m, host};

    void SetUp() override
    {
        UseTwelveCellField(m);
        m.SetFastPreset();
    }

    void Walls(int n)
    {
        for (int w = 0; w < n; ++w)
            AddJumpWall(m, 5 + w, 5, "H", 5 + w, 5, "V");
    }

    void Run(const QStringList& lines)
    {
        host.lines = lines;
        interp.RunAlgorithm();
    }
};

// ---------------------------------------------------------------- jumping walls

TEST_F(Runs, OneJumpingWallMakesTwoPassesEachResetAndClosedByAMessage)
{
    Walls(1);
    Run({"КОН"});
    EXPECT_EQ(host.All(), "DF DS H0 SF DWM DT0 "
                          "DF DS H0 JG0:2 JW0:1 SF INF "
                          "DF DS H0 JG0:1 JW0:2 SF INF "
                          "H0 EWM");
    EXPECT_EQ(host.informations, (QStringList{"Алгоритм исполнен\rпри расположении стенки: 1 ",
                                              "Алгоритм исполнен\rпри расположении стенки: 2 "}));
    EXPECT_EQ(m.JumpWallState[0], 2);
}

TEST_F(Runs, TwoAndThreeWallsRunEveryCombinationWithWallZeroOutermost)
{
    Walls(2);
    Run({"ПОВОРОТ", "КОН"});
    EXPECT_EQ(host.statesAtInformation, (std::vector<std::vector<int>>{{1, 1}, {1, 2}, {2, 1}, {2, 2}}));
    EXPECT_EQ(host.informations, (QStringList{"Алгоритм исполнен\rпри расположении стенок: 1 1 ",
                                              "Алгоритм исполнен\rпри расположении стенок: 1 2 ",
                                              "Алгоритм исполнен\rпри расположении стенок: 2 1 ",
                                              "Алгоритм исполнен\rпри расположении стенок: 2 2 "}));
    EXPECT_EQ(host.Only({"DT"}), "DT0 DT1");
    EXPECT_EQ(m.ExecDir, 90) << "every pass starts from point A";

    m.ClearJumpWalls();
    Walls(3);
    host.Clear();
    Run({"ПОВОРОТ", "КОН"});
    EXPECT_EQ(host.statesAtInformation,
              (std::vector<std::vector<int>>{{1, 1, 1}, {1, 1, 2}, {1, 2, 1}, {1, 2, 2},
                                             {2, 1, 1}, {2, 1, 2}, {2, 2, 1}, {2, 2, 2}}));
    ASSERT_EQ(host.informations.size(), 8);
    EXPECT_EQ(host.informations[7], QString("Алгоритм исполнен\rпри расположении стенок: 2 2 2 "));
    EXPECT_EQ(host.Only({"DT"}), "DT0 DT1 DT2");
    EXPECT_EQ(host.Only({"JG", "JW"}).substr(0, 35), "JG0:2 JW0:1 JG1:2 JW1:1 JG2:2 JW2:1");
    EXPECT_EQ(host.enableWorkMenuCalls, 1);
}

TEST_F(Runs, StopInTheThirdOfFourCombinationsEndsTheRunWithoutItsMessage)
{
    Walls(2);
    host.stopAtProcessMessages = 3; // one check per pass
    Run({"ПОВОРОТ", "КОН"});
    EXPECT_EQ(host.informations.size(), 2);
    EXPECT_EQ(host.Count("DS"), 1 + 3);
    EXPECT_EQ(m.JumpWallState[0], 2);
    EXPECT_EQ(m.JumpWallState[1], 1);
    EXPECT_EQ(host.events.back(), "EWM");
    EXPECT_EQ(host.enableWorkMenuCalls, 1);
}

TEST_F(Runs, WindowClosedBehindAnInformationBoxEndsTheRun)
{
    Walls(2);
    host.onShowInformation = [this] { m.StopFlag = 1; };
    Run({"ПОВОРОТ", "КОН"});
    EXPECT_EQ(host.informations.size(), 1);
    EXPECT_EQ(host.Count("DS"), 2);
    EXPECT_EQ(After(host.All(), "INF"), " EWM");
}

TEST_F(Runs, JumpingWallStandsInItsPlaceDuringThePass)
{
    // Place 1 blocks the first step, place 2 is elsewhere: the first pass bumps
    // and no later combination runs.
    AddJumpWall(m, 0, 0, "V", 7, 7, "H");
    Run({"ШАГ", "КОН"});
    EXPECT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.informations.isEmpty());
    EXPECT_EQ(host.Count("DS"), 2);
    EXPECT_EQ(m.ExecX, 0);

    // Swapped places: the first pass walks, the second bumps.
    m.ClearJumpWalls();
    AddJumpWall(m, 7, 7, "H", 0, 0, "V");
    host.Clear();
    Run({"ШАГ", "КОН"});
    EXPECT_EQ(host.informations.size(), 1);
    EXPECT_EQ(host.errors.size(), 1);
}

TEST_F(Runs, StartPutsEveryWallInPlaceOneAndReportsHowManyTimersToEnable)
{
    m.JumpWallState[0] = m.JumpWallState[1] = m.JumpWallState[2] = 2;
    Walls(2);
    EXPECT_EQ(StartJumpWalls(m, host), 2);
    EXPECT_EQ(host.All(), "JG0:2 JW0:1 JG1:2 JW1:1 SF");
    EXPECT_EQ(m.JumpWallState[0], 1);
    EXPECT_EQ(m.JumpWallState[1], 1);
    EXPECT_EQ(m.JumpWallState[2], 0);

    m.ClearJumpWalls();
    host.Clear();
    EXPECT_EQ(StartJumpWalls(m, host), 0);
    EXPECT_EQ(host.All(), "SF");
    EXPECT_EQ(m.JumpWallState[0], 0);
}

TEST_F(Runs, TimerTickSwapsItsWallBetweenBothPlaces)
{
    Walls(2);
    m.JumpWallState[0] = 1;
    m.JumpWallState[1] = 2;
    JumpWallTimerTick(m, host, 0);
    JumpWallTimerTick(m, host, 1);
    EXPECT_EQ(host.All(), "JG0:1 JW0:2 SF JG1:2 JW1:1 SF");
    EXPECT_EQ(m.JumpWallState[0], 2);
    EXPECT_EQ(m.JumpWallState[1], 1);

    // Not started, or no such wall: nothing happens.
    host.Clear();
    m.JumpWallState[0] = 0;
    m.JumpWallState[2] = 1;
    for (int i : {0, 2, 3, -1})
        JumpWallTimerTick(m, host, i);
    EXPECT_EQ(host.All(), "");
    EXPECT_EQ(m.JumpWallState[2], 1);
}

// ---------------------------------------------------------------- the pause

double CpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

TEST(DelayTest, WaitsItsLengthWithoutKeepingACoreBusy)
{
    using Clock = std::chrono::steady_clock;
    auto t0 = Clock::now();
    Delay(0, 0);
    Delay(0, -20);
    EXPECT_LT(Clock::now() - t0, std::chrono::milliseconds(5));

    t0 = Clock::now();
    const double cpu0 = CpuSeconds();
    Delay(0, 120);
    const auto waited = Clock::now() - t0;
    EXPECT_GE(waited, std::chrono::milliseconds(120));
    EXPECT_LT(waited, std::chrono::milliseconds(600));
    EXPECT_LT(CpuSeconds() - cpu0, 0.03);

    t0 = Clock::now();
    Delay(1, -950);
    EXPECT_GE(Clock::now() - t0, std::chrono::milliseconds(50));
}

// ---------------------------------------------------------------- the screen

TEST(FramePacerTest, ShowsBeforeEveryPauseAndOtherwiseOncePerDisplayFrame)
{
    struct Step { bool change; int pauseMs; int64_t nowMs; bool due; };
    const Step steps[] = {
        {true, 0, 0, true},      // the first change at once
        {true, 0, 5, false},     // then no more than once a frame
        {true, 0, 15, false},
        {true, 0, 16, true},
        {false, 500, 17, false}, // nothing waits
        {true, 1, 18, true},     // any pause that can be seen
        {true, 0, 20, false},
        {false, 0, 40, true},    // what still waits, a frame later
    };
    FramePacer pacer(16);
    for (const Step& s : steps) {
        if (s.change)
            pacer.Changed();
        const bool due = pacer.DueBefore(s.pauseMs, s.nowMs);
        EXPECT_EQ(due, s.due) << "at " << s.nowMs << " ms";
        if (due)
            pacer.Shown(s.nowMs);
    }
}

// ---------------------------------------------------------------- speed

TEST_F(Runs, ARunReadsEachExecutedLineAFewTimesWhateverTheLengthOfTheText)
{
    // A loop that never meets a wall, with commands, a branch, a recursive
    // call and indented lines, in texts padded to 300, 3,000 and 30,000
    // lines. A call must not search the text again: what a run reads grows
    // with the lines it executes, plus one look over the whole text.
    m.PointAX = m.PointAY = 5;
    const QStringList body = {"АЛГОРИТМ ПУТЬ_0", "    Дано: Исполнитель в т.А", "НАЧ",
                              "    ПОКА впереди НЕ стена", "    НЦ",
                              "        ЕСЛИ впереди НЕ стена", "           ТО", "               ПОВОРОТ",
                              "           ИНАЧЕ", "               ШАГ", "        ВСЁ",
                              "        // комментарий", "        ДЕЛАЙ КРУГ", "        ПРЫЖОК", "        ПОВОРОТ",
                              "        ПОВОРОТ", "        ПРЫЖОК", "        ПОВОРОТ", "        ПОВОРОТ",
                              "    КЦ", "КОН"};
    for (const int size : {300, 3000, 30000}) {
        QStringList lines = body;
        for (int k = 0; lines.size() < size - 8; ++k)
            lines << "ПРОЦЕДУРА П" + QString::number(k) << "    ШАГ" << "КОНЕЦ ПРОЦЕДУРЫ";
        lines << "ПРОЦЕДУРА КРУГ" << "    ПОВОРОТ" << "    ПОВОРОТ" << "    ЕСЛИ впереди стена"
              << "    ТО" << "        ДЕЛАЙ КРУГ" << "    ВСЁ" << "КОНЕЦ ПРОЦЕДУРЫ";
        host.Clear();
        host.record = false;
        host.lineReads = 0;
        host.stopAtProcessMessages = 20000;
        host.lines = lines;
        const auto t0 = std::chrono::steady_clock::now();
        interp.RunAlgorithm();
        const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count();
        EXPECT_TRUE(host.errors.isEmpty());
        const long executed = host.processMessagesCalls;
        RecordProperty("MicrosecondsPerLineIn" + std::to_string(size), std::to_string(us / executed));
        EXPECT_LE(host.lineReads, 3 * executed + lines.size()) << size << " lines";
    }
}

// ---------------------------------------------------------------- random texts

QString RandomLine(std::mt19937& rng)
{
    static const char* const words[] = {
        "ШАГ", "ПРЫЖОК", "ПОВОРОТ", "ЕСЛИ впереди стена", "ЕСЛИ впереди НЕ стена", "ЕСЛИ что-то",
        "ТО", "ИНАЧЕ", "ВСЁ", "ПОКА впереди стена", "ПОКА впереди НЕ стена", "ПОКА", "НЦ", "КЦ",
        "ПРОЦЕДУРА А", "ПРОЦЕДУРА Б", "ПРОЦЕДУРА", "КОНЕЦ ПРОЦЕДУРЫ", "ДЕЛАЙ А", "ДЕЛАЙ Б",
        "ДЕЛАЙ В", "ДЕЛАЙ", "КОН", "НАЧ", "// ШАГ", "", "шаг", "ВСЁ ", "ЕСЛИ", "ДЕЛАЙ А ",
    };
    static const char* const indents[] = {"", "", "    ", "       ", "\t", " \x01"};
    const int n = int(sizeof(words) / sizeof(words[0]));
    QString line = QString::fromUtf8(indents[rng() % 6]) + QString::fromUtf8(words[rng() % n]);
    // "КОН" exactly as stored ends a pass: keep it rare and unindented.
    if (line.endsWith(QStringLiteral("КОН")) && rng() % 3 != 0)
        line = QStringLiteral("ШАГ");
    return line;
}

// A well-formed block of the grammar, up to `depth` structures deep.
void RandomBlock(std::mt19937& rng, QStringList& out, const QString& indent, int depth)
{
    const int lines = int(rng() % 4);
    for (int k = 0; k < lines; ++k) {
        const int kind = int(rng() % (depth > 0 ? 9 : 5));
        switch (kind) {
        case 0: out << indent + "ШАГ"; break;
        case 1: out << indent + "ПРЫЖОК"; break;
        case 2: out << indent + "ПОВОРОТ"; break;
        case 3: out << indent + (rng() % 2 ? "ДЕЛАЙ А" : "ДЕЛАЙ Б"); break;
        case 4: out << "// комментарий"; break;
        case 5:
        case 6:
            out << indent + (rng() % 2 ? "ЕСЛИ впереди стена" : "ЕСЛИ впереди НЕ стена") << indent + "   ТО";
            RandomBlock(rng, out, indent + "       ", depth - 1);
            if (rng() % 3) {
                out << indent + "   ИНАЧЕ";
                RandomBlock(rng, out, indent + "       ", depth - 1);
            }
            out << indent + "ВСЁ";
            break;
        default:
            out << indent + (rng() % 2 ? "ПОКА впереди стена" : "ПОКА впереди НЕ стена") << indent + "НЦ";
            RandomBlock(rng, out, indent + "    ", depth - 1);
            out << indent + "КЦ";
            break;
        }
    }
}

// A whole algorithm with two descriptions, sometimes damaged by a lost or a stray line.
QStringList RandomAlgorithm(std::mt19937& rng)
{
    QStringList out = {"АЛГОРИТМ ПУТЬ_0", "    Дано: Исполнитель в т.А", "    Надо: Воспроизвести образец", "НАЧ"};
    RandomBlock(rng, out, "    ", 3);
    out << "КОН";
    for (const char* name : {"ПРОЦЕДУРА А", "ПРОЦЕДУРА Б"}) {
        out << name;
        RandomBlock(rng, out, "    ", 3);
        out << "КОНЕЦ ПРОЦЕДУРЫ";
    }
    const int damage = int(rng() % 4);
    for (int k = 0; k < damage && !out.isEmpty(); ++k) {
        const int at = int(rng() % out.size());
        if (rng() % 2)
            out.removeAt(at);
        else
            out.insert(at, RandomLine(rng));
    }
    return out;
}

TEST(RandomTexts, NeverCrashHangOrReadPastTheEnd)
{
    std::mt19937 rng(20240611u);
    const auto t0 = std::chrono::steady_clock::now();
    for (int text = 0; text < 4000; ++text) {
        RoPupilModel m;
        m.FieldSize = int16_t(12 + rng() % 4);
        m.CellSize = 34;
        m.CellCentreX0 = m.CellCentreY0 = 27;
        m.SetFastPreset();
        m.PointAX = int16_t(rng() % m.FieldSize);
        m.PointAY = int16_t(rng() % m.FieldSize);
        m.PointADir = int16_t(90 * (rng() % 4));
        const int walls = rng() % 5 == 0 ? int(rng() % 4) : 0;
        for (int w = 0; w < walls; ++w)
            AddJumpWall(m, rng() % 12, rng() % 12, rng() % 2 ? "H" : "V", rng() % 12, rng() % 12,
                        rng() % 2 ? "H" : "V");
        for (int k = 0; k < 6; ++k) {
            m.VertWallX.push_back(int16_t(rng() % 12));
            m.VertWallY.push_back(int16_t(rng() % 12));
        }

        RecordingRunHost host(m);
        host.record = false;
        host.stopAtProcessMessages = 400;
        if (text % 3 == 0) {
            const int count = int(rng() % 40);
            for (int k = 0; k < count; ++k)
                host.lines << RandomLine(rng);
        } else {
            host.lines = RandomAlgorithm(rng);
        }

        LineInterpreter interp(m, host, text % 2 ? 24 : LineInterpreter::DefaultMaxNesting);
        interp.RunAlgorithm();

        const std::string where = "text " + std::to_string(text) + ": " + host.lines.join(" | ").toStdString();
        ASSERT_FALSE(host.readOutsideText) << where;
        ASSERT_FALSE(host.highlightOutsideText) << where;
        ASSERT_EQ(host.disableWorkMenuCalls, 1) << where;
        ASSERT_EQ(host.enableWorkMenuCalls, 1) << where;
        ASSERT_TRUE(host.lastEventWasEnableWorkMenu) << where;
        ASSERT_LE(host.errors.size(), 1) << where;
        if (!host.errors.isEmpty()) {
            ASSERT_EQ(m.StopFlag, 1) << where;
        }
        // Once the budget is spent every level only unwinds, with one stop check at most.
        ASSERT_LE(host.processMessagesCalls, 400 + interp.MaxNesting() + 1) << where;
        ASSERT_LE(host.informations.size(), 1 << walls) << where;
        ASSERT_TRUE(m.ExecDir == 0 || m.ExecDir == 90 || m.ExecDir == 180 || m.ExecDir == 270) << where;
        ASSERT_TRUE(m.ExecX >= 0 && m.ExecX < m.FieldSize && m.ExecY >= 0 && m.ExecY < m.FieldSize) << where;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(20));
}

} // namespace
