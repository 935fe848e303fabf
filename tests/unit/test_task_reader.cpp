// The task reader on task texts of our own: what each text leaves in the
// model and the task strip, where a reading ends early, which field fails to
// convert; the built-in task; and random texts that must never crash or hang
// the reader, the drawing or a run over the walls they give.

#include "FieldRenderer.h"
#include "FixedTaskTexts.h"
#include "Interpreter.h"
#include "Layout.h"
#include "RecordingRunHost.h"
#include "TaskReader.h"

#include <gtest/gtest.h>
#include <random>

namespace {

std::string Pairs(const std::vector<int16_t>& xs, const std::vector<int16_t>& ys)
{
    std::string out;
    for (size_t i = 0; i < xs.size(); ++i)
        out += (i ? ";" : "") + std::to_string(xs[i]) + "," + (i < ys.size() ? std::to_string(ys[i]) : "?");
    return out;
}

// Everything the reader may set, in one line.
std::string Describe(const RoPupilModel& m, const QStringList& strip)
{
    std::string jumps;
    for (int i = 0; i < m.JumpWallCount(); ++i)
        jumps += (i ? ";" : "") + m.JumpWallKind1.at(i).toStdString() + std::to_string(m.JumpWallX1[i]) + "," +
                 std::to_string(m.JumpWallY1[i]) + "/" + m.JumpWallKind2.at(i).toStdString() +
                 std::to_string(m.JumpWallX2[i]) + "," + std::to_string(m.JumpWallY2[i]);
    return "pattern " + std::to_string(m.ShowPattern) + " goal " + std::to_string(m.GoalIsPointB) + " A " +
           std::to_string(m.PointAX) + "," + std::to_string(m.PointAY) + " dir " + std::to_string(m.PointADir) +
           " B " + std::to_string(m.PointBX) + "," + std::to_string(m.PointBY) + " H " +
           Pairs(m.HorzWallX, m.HorzWallY) + " V " + Pairs(m.VertWallX, m.VertWallY) + " P " + jumps + " strip " +
           strip.join(QLatin1Char('|')).toStdString();
}

// A model as an earlier task might have left it, so that a row shows what the
// reading changed and what it kept.
void Dirty(RoPupilModel& m, QStringList& strip)
{
    m.ShowPattern = false;
    m.GoalIsPointB = false;
    m.PointAX = m.PointAY = 9;
    m.PointADir = 90;
    m.PointBX = m.PointBY = 8;
    m.HorzWallX = {11};
    m.HorzWallY = {11};
    strip = QStringList{"old"};
}

const QString kHead = QStringLiteral("# 175 1 0  300");
const QString kHeadB = QStringLiteral("# 175 1 1  300");
const QString kData = QStringLiteral("1  4  3   0 -1 -1");
const std::string kPlain = "pattern 1 goal 0 A 4,3 dir 0 B -1,-1 H  V  P  strip t";

struct Row {
    const char* name;
    QStringList text;
    TaskReadOutcome outcome;
    std::string model;
    const char* badField = "";
};

const TaskReadOutcome Done = TaskReadOutcome::Complete;
const TaskReadOutcome Ends = TaskReadOutcome::EndOfText;
const TaskReadOutcome Bad = TaskReadOutcome::ConvertError;

const std::vector<Row>& Rows()
{
    static const std::vector<Row> rows = {
        {"empty lines anywhere", {"", "", kHead, "", "t", "", "Z", "", kData, "", "", "E"}, Done, kPlain},
        {"no task lines", {kHead, "Z", kData, "E"}, Done, "pattern 1 goal 0 A 4,3 dir 0 B -1,-1 H  V  P  strip "},
        {"blank line is a task line, a skipped head", {kHead, "   ", "t", "Z", kData, "  ", "E"}, Done,
         "pattern 1 goal 0 A 4,3 dir 0 B -1,-1 H  V  P  strip    |t"},
        {"task lines keep leading blanks, Z ends them by its first character",
         {kHead, "  a", "zb", "Zzz", kData, "E"}, Done, "pattern 1 goal 0 A 4,3 dir 0 B -1,-1 H  V  P  strip   a|zb"},
        {"pattern flag 2 is false", {"# 175 2 0", "t", "Z", kData, "E"}, Done,
         "pattern 0 goal 0 A 4,3 dir 0 B -1,-1 H  V  P  strip t"},
        {"pattern flag blank", {"# 175   0", "t", "Z", kData, "E"}, Bad,
         "pattern 0 goal 0 A 9,9 dir 90 B 8,8 H 11,11 V  P  strip old", " "},
        {"header of 8 characters", {"# 175 1 ", "t", "Z", kData, "E"}, Bad,
         "pattern 1 goal 0 A 9,9 dir 90 B 8,8 H 11,11 V  P  strip old", ""},
        {"right-aligned, negative and signed fields", {kHead, "t", "Z", "1 -1 +2 270", "E"}, Done,
         "pattern 1 goal 0 A -1,2 dir 270 B -1,-1 H  V  P  strip t"},
        {"digit then blank", {kHead, "t", "Z", "1 4  3   0", "E"}, Bad,
         "pattern 1 goal 0 A 9,9 dir 90 B 8,8 H 11,11 V  P  strip t", "4 "},
        {"letter in the direction", {kHead, "t", "Z", "1  4  3  9O", "E"}, Bad,
         "pattern 1 goal 0 A 4,3 dir 90 B 8,8 H 11,11 V  P  strip t", " 9O"},
        {"goal point B", {kHeadB, "t", "Z", "1  4  3   0 10 11", "E"}, Done,
         "pattern 1 goal 1 A 4,3 dir 0 B 10,11 H  V  P  strip t"},
        {"goal point B without its columns", {kHeadB, "t", "Z", "1  4  3   0", "E"}, Bad,
         "pattern 1 goal 1 A 4,3 dir 0 B 8,8 H 11,11 V  P  strip t", ""},
        {"wall lines of 13, 5 and 12 characters, two H in text order",
         {kHead, "t", "Z", kData, "H", "  1  2  3  4x", "Hxx", "  5  6", "V", "  7  8  9 10", "H", "  1 2", "E"}, Done,
         "pattern 1 goal 0 A 4,3 dir 0 B -1,-1 H 1,2;3,4;5,6 V 7,8;9,10 P  strip t"},
        {"a line beginning E after H is its wall line", {kHead, "t", "Z", kData, "H", "E 1  2", "E"}, Done,
         "pattern 1 goal 0 A 4,3 dir 0 B -1,-1 H 1,2 V  P  strip t"},
        {"a blank before H is no head", {kHead, "t", "Z", kData, " H", "  1  2", "E"}, Done, kPlain},
        {"nothing after E is read", {kHead, "t", "Z", kData, "E", "H", "xx", "P"}, Done, kPlain},
        {"a bad wall field stops after the walls before it", {kHead, "t", "Z", kData, "H", "  1  2  3 x4", "E"}, Bad,
         "pattern 1 goal 0 A 4,3 dir 0 B -1,-1 H 1,2 V  P  strip t", "x4"},
        {"jumping walls, kinds stored as read",
         {kHead, "t", "Z", kData, "P", " H  1  2 V  3  4", "P", " x  5  6 H 10 11", "E"}, Done,
         "pattern 1 goal 0 A 4,3 dir 0 B -1,-1 H  V  P H1,2/V3,4;x5,6/H10,11 strip t"},
        {"a bad jumping-wall field leaves the entry half filled", {kHead, "t", "Z", kData, "P", " H  1  2 V  x", "E"},
         Bad, "pattern 1 goal 0 A 4,3 dir 0 B -1,-1 H  V  P H1,2/V0,0 strip t", " x"},
        {"a short jumping-wall line", {kHead, "t", "Z", kData, "P", " V  1", "E"}, Bad,
         "pattern 1 goal 0 A 4,3 dir 0 B -1,-1 H  V  P V1,0/0,0 strip t", ""},
        {"a fourth jumping wall is passed over",
         {kHead, "t", "Z", kData, "P", " H  1  1 V  1  1", "P", " H  2  2 V  2  2", "P", " H  3  3 V  3  3", "P",
          " H  4  4 V  4  4", "H", "  0  0", "P", "garbage", "E"},
         Done, "pattern 1 goal 0 A 4,3 dir 0 B -1,-1 H 0,0 V  P H1,1/V1,1;H2,2/V2,2;H3,3/V3,3 strip t"},
        {"empty text", {}, Ends, "pattern 0 goal 0 A 9,9 dir 90 B 8,8 H 11,11 V  P  strip old"},
        {"only empty lines", {"", ""}, Ends, "pattern 0 goal 0 A 9,9 dir 90 B 8,8 H 11,11 V  P  strip old"},
        {"ends among the task lines", {kHead, "t", "u"}, Ends,
         "pattern 1 goal 0 A 9,9 dir 90 B 8,8 H 11,11 V  P  strip t|u"},
        {"ends before the data line", {kHead, "t", "Z", ""}, Ends,
         "pattern 1 goal 0 A 9,9 dir 90 B 8,8 H 11,11 V  P  strip t"},
        {"ends on a head", {kHead, "t", "Z", kData, "V", "  3  3", "P"}, Ends,
         "pattern 1 goal 0 A 4,3 dir 0 B -1,-1 H  V 3,3 P  strip t"},
        {"no E keeps every wall", {kHead, "t", "Z", kData, "H", "  1  2", "x"}, Ends,
         "pattern 1 goal 0 A 4,3 dir 0 B -1,-1 H 1,2 V  P  strip t"},
    };
    return rows;
}

TEST(TaskReader, EachTextLeavesItsModelAndStrip)
{
    for (const Row& row : Rows()) {
        SCOPED_TRACE(row.name);
        RoPupilModel m;
        QStringList strip;
        Dirty(m, strip);
        const TaskReadResult r = LoadTask(row.text, m, strip);
        EXPECT_EQ(int(r.Outcome), int(row.outcome));
        EXPECT_EQ(Describe(m, strip), row.model);
        EXPECT_EQ(r.BadField.toStdString(), row.badField);
        EXPECT_EQ(m.JumpWallKind2.size(), m.JumpWallX1.size());
    }
}

TEST(TaskReader, BuiltInTaskIsTheSquareFromA)
{
    RoPupilModel m;
    QStringList strip;
    Dirty(m, strip);
    const QStringList text = BuiltInTaskText();
    ASSERT_EQ(text.size(), 6);
    EXPECT_EQ(int(LoadTask(text, m, strip).Outcome), int(Done));
    EXPECT_EQ(Describe(m, strip), "pattern 1 goal 0 A 4,3 dir 0 B -1,-1 H  V  P  strip " +
                                      text.mid(1, 2).join(QLatin1Char('|')).toStdString());
    EXPECT_EQ(TaskTextEndMessage(), QStringLiteral("Ошибка в тексте задачи"));
}

// The random texts are built from the pieces a task text is made of, with
// their columns shaken: blanks, signs, letters, too short, too long.
class TaskTextSoup {
public:
    explicit TaskTextSoup(unsigned seed) : rng_(seed) {}

    QStringList Next()
    {
        QStringList text;
        const int parts = Pick(12);
        if (Pick(10))
            text << Shaken(QStringLiteral("# 175 1 0  300"));
        for (int i = 0; i < Pick(3); ++i)
            text << Shaken(QStringLiteral("задача"));
        if (Pick(10))
            text << QStringLiteral("Z");
        if (Pick(10))
            text << Shaken(QStringLiteral("1  4  3   0  6  7"));
        static const QStringList heads = {"H", "V", "P", "E", "", " ", "Hx", "P", "P"};
        for (int i = 0; i < parts; ++i) {
            text << heads.at(Pick(heads.size()));
            text << Shaken(Pick(2) ? QStringLiteral("  1  2  3  4 11 11") : QStringLiteral(" H  5  5 V  5  6"));
        }
        if (Pick(4))
            text << QStringLiteral("E");
        return text;
    }

private:
    int Pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    QString Shaken(QString s)
    {
        static const QString noise = QStringLiteral(" -+0123456789xZ\tЁ");
        const int changes = Pick(4) == 0 ? 1 + Pick(3) : 0;
        for (int i = 0; i < changes && !s.isEmpty(); ++i)
            s[Pick(s.size())] = noise.at(Pick(noise.size()));
        if (Pick(10) == 0)
            s.truncate(Pick(s.size() + 1));
        if (Pick(8) == 0)
            s += QString(Pick(20), QLatin1Char('9'));
        return s;
    }

    std::mt19937 rng_;
};

// A run host that draws on the real bitmaps, so that walls and points far off
// the field go through the drawing of every frame.
class DrawingRunHost : public RecordingRunHost {
public:
    DrawingRunHost(RoPupilModel& m, FieldRenderer& r) : RecordingRunHost(m), r_(r) { record = false; }
    void DrawField() override { r_.DrawField(); }
    void DrawScene() override { r_.DrawScene(); }
    void ShowField() override { r_.ShowField(); }
    void SaveUnderExecutor(int16_t x, int16_t y) override { r_.SaveUnderExecutor(x, y); }
    void RestoreUnderExecutor(int16_t x, int16_t y) override { r_.RestoreUnderExecutor(x, y); }
    void DrawExecutor(int16_t dir) override { r_.DrawExecutor(dir); }
    void DrawExecutorAlarm() override { r_.DrawExecutorAlarm(); }
    void DrawTrace(int x0, int y0, int x1, int y1) override { r_.DrawTrace(x0, y0, x1, y1); }
    void DrawJumpWall(int i, int place) override { r_.DrawJumpWall(i, place); }
    void DrawJumpWallGhost(int i, int place) override { r_.DrawJumpWallGhost(i, place); }

private:
    FieldRenderer& r_;
};

TEST(TaskReader, RandomTextsNeverBreakTheReaderTheDrawingOrARun)
{
    TaskTextSoup soup(20261209u);
    const FieldGeometry g = ComputeFieldGeometry(560, 10, 12);
    int complete = 0, ended = 0, failed = 0;
    for (int round = 0; round < 600; ++round) {
        RoPupilModel m;
        m.Margin = 10;
        m.FieldSize = g.FieldSize;
        m.CellSize = g.CellSize;
        m.HalfCell = g.HalfCell;
        m.CellCentreX0 = m.CellCentreY0 = g.CellCentreX0;
        m.SpriteSize = g.SpriteSize;
        m.HalfSprite = g.HalfSprite;
        m.FieldBitmap = QImage(g.ImageSide, g.ImageSide, QImage::Format_RGB32);
        m.SpriteBack = QImage(g.SpriteSize, g.SpriteSize, QImage::Format_RGB32);
        m.SetFastPreset();
        m.BumpDelay = 0;
        QStringList strip;
        const QStringList text = soup.Next();
        const TaskReadResult r = LoadTask(text, m, strip);
        complete += r.Outcome == TaskReadOutcome::Complete;
        ended += r.Outcome == TaskReadOutcome::EndOfText;
        failed += r.Outcome == TaskReadOutcome::ConvertError;
        ASSERT_LE(m.JumpWallCount(), 3) << text.join("\n").toStdString();
        ASSERT_EQ(m.HorzWallX.size(), m.HorzWallY.size());
        ASSERT_EQ(m.VertWallX.size(), m.VertWallY.size());
        ASSERT_EQ(m.JumpWallKind1.size(), m.JumpWallCount());
        ASSERT_EQ(m.JumpWallKind2.size(), m.JumpWallCount());
        ASSERT_EQ(m.JumpWallY2.size(), size_t(m.JumpWallCount()));

        FieldRenderer renderer(m, 2);
        DrawingRunHost host(m, renderer);
        LineInterpreter interp(m, host);
        renderer.DrawField();
        renderer.DrawScene();
        StartJumpWalls(m, host);
        host.stopAtProcessMessages = 300;
        host.lines = QStringList{"НАЧ", "ПОКА впереди НЕ стена", "НЦ", "ШАГ", "КЦ", "ПОВОРОТ", "ПРЫЖОК", "ПОВОРОТ",
                                 "ПОВОРОТ", "ШАГ", "КОН"};
        interp.RunAlgorithm();
        ASSERT_FALSE(host.readOutsideText);
    }
    // The soup reaches every way a reading can end.
    EXPECT_GT(complete, 100);
    EXPECT_GT(ended, 40);
    EXPECT_GT(failed, 100);
}

} // namespace
