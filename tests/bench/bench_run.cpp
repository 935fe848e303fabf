// How fast runs of the algorithm go, driven through the executor window's own
// buttons offscreen on a 1024 x 768 screen or on a real X server:
//   walk     the fast preset walking the field back and forth in the window,
//            and the floor: the same walk drawn on the off-screen bitmaps
//            alone, the two interleaved so that the machine's load falls on
//            both alike;
//   sizes    recursion and a loop walk in texts of 300, 3,000 and 30,000
//            lines: the cost of an executed line must not grow with the text;
//   stop     20 loops nested in one another at the slow preset, the stop
//            button clicked 2 s in: how long the run goes on after it;
//   presets  whether the medium and slow presets wait asleep;
//   parts    one frame of the field, the list's painting, the parts of a
//            line in the window and the interpreter alone.
// Every figure is the median of several runs with their minimum and maximum
// and the load average beside it; a figure with a target says PASS or FAIL.
// Lines "RESULT name value" repeat the medians for tools/bench.sh.
//
// Not a test: it prints numbers. Run it on a quiet machine.

#include "AlgorithmFile.h"
#include "AlgorithmText.h"
#include "BenchFigures.h"
#include "FieldRenderer.h"
#include "FileDialogs.h"
#include "MessageBoxes.h"
#include "FreeTaskEdition.h"
#include "Interpreter.h"
#include "Layout.h"
#include "RoPupilUnit.h"
#include "RunHost.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace bench;

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// CPU time of the whole process (every thread, user and system).
double CpuSeconds()
{
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec)
           + double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

// A run host without a window. With a renderer it draws on that renderer's
// bitmaps and makes the pauses, but never presents a frame and never lets an
// event through: the floor of a run in the window. Without one it draws and
// waits for nothing: the interpreter alone. Either way it counts the lines a
// window would show executed (highlights that move the selection) and the
// moves of the executor.
class OffscreenRunHost : public RunHost {
public:
    OffscreenRunHost(RoPupilModel& model, QStringList lines, FieldRenderer* renderer = nullptr)
        : m_(model), lines_(std::move(lines)), r_(renderer)
    {
    }

    int LineCount() const override { return int(lines_.size()); }
    QString Line(int i) const override { return lines_.at(i); }
    void Highlight(int i) override
    {
        if (i != current_)
            ++lineSteps;
        current_ = i;
    }
    void DrawField() override
    {
        if (r_)
            r_->DrawField();
    }
    void DrawScene() override
    {
        if (r_) {
            r_->DrawScene();
            return;
        }
        // A run starts from point A, as the window's scene puts it there.
        m_.ExecX = m_.PointAX;
        m_.ExecY = m_.PointAY;
        m_.ExecDir = m_.PointADir;
    }
    // The renderer has no presenter: the frame stays on the bitmap.
    void ShowField() override
    {
        if (r_)
            r_->ShowField();
    }
    void SaveUnderExecutor(int16_t x, int16_t y) override
    {
        if (r_)
            r_->SaveUnderExecutor(x, y);
    }
    void RestoreUnderExecutor(int16_t x, int16_t y) override
    {
        if (r_)
            r_->RestoreUnderExecutor(x, y);
    }
    void DrawExecutor(int16_t dir) override
    {
        if (r_)
            r_->DrawExecutor(dir);
    }
    void DrawExecutorAlarm() override
    {
        if (r_)
            r_->DrawExecutorAlarm();
    }
    void DrawTrace(int x0, int y0, int x1, int y1) override
    {
        ++moves;
        if (r_)
            r_->DrawTrace(x0, y0, x1, y1);
    }
    void DrawJumpWall(int i, int place) override
    {
        if (r_)
            r_->DrawJumpWall(i, place);
    }
    void DrawJumpWallGhost(int i, int place) override
    {
        if (r_)
            r_->DrawJumpWallGhost(i, place);
    }
    void Pause(int ms) override
    {
        if (r_)
            Delay(0, ms);
    }
    void ProcessMessages() override {}
    void ShowError(const QString&) override { ++errors; }
    void ShowInformation(const QString&) override {}
    void Paint() override {}
    void DisableWorkMenu() override {}
    void EnableWorkMenu() override {}
    void DisableJumpWallTimer(int) override {}

    void Reset()
    {
        current_ = -1;
        lineSteps = moves = errors = 0;
    }

    long lineSteps = 0;
    long moves = 0;
    long errors = 0;

private:
    RoPupilModel& m_;
    QStringList lines_;
    FieldRenderer* r_;
    int current_ = -1;
};

struct RunCount {
    long lineSteps = 0;
    long moves = 0;
    long errors = 0;
};

// The window's text and task through the interpreter alone.
RunCount CountRun(TfrmRoPupil& f)
{
    RoPupilModel model = f.Model();
    OffscreenRunHost host(model, f.AlgorithmLines());
    LineInterpreter(model, host).RunAlgorithm();
    return {host.lineSteps, host.moves, host.errors};
}

// Counts the frames a widget actually paints.
class PaintCounter : public QObject {
public:
    long paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, e);
    }
};

std::unique_ptr<TfrmRoPupil> MakeForm()
{
    auto form = std::make_unique<TfrmRoPupil>(std::make_unique<FreeTaskEdition>(), 1024);
    form->show();
    QCoreApplication::processEvents();
    form->NMainBegin->trigger();
    form->NMainWork->trigger();
    QCoreApplication::processEvents();
    return form;
}

// `blocks` times, above "КОН":
//   ПОКА впереди НЕ стена / НЦ / ШАГ / КЦ / ПОВОРОТ / ПОВОРОТ
// typed in with the window's own buttons. The executor walks to the wall,
// turns back, walks to the opposite wall, and so on.
void TypeBackAndForth(TfrmRoPupil& f, int blocks)
{
    for (int b = 0; b < blocks; ++b) {
        f.lstCom->setCurrentRow(f.lstCom->count() - 1); // "КОН"
        f.PPButtonWhileClick();
        f.ButtonWhileNotClick();                        // leaves "КЦ" selected
        f.PPButtonStepClick();
        f.lstCom->setCurrentRow(f.lstCom->count() - 1);
        f.PPButtonTurnClick();
        f.PPButtonTurnClick();
    }
}

bool EndsWithKon(const TfrmRoPupil& f)
{
    const QStringList lines = f.AlgorithmLines();
    return !lines.isEmpty() && lines.last() == kEnd;
}

// Loads `lines` through the window's own file item, as a pupil's file.
bool LoadThroughWindow(TfrmRoPupil& f, const QStringList& lines, const QString& fileName)
{
    if (!SaveAlgorithmFile(fileName, lines).isEmpty())
        return false;
    SetFileDialogSink([&fileName](QFileDialog&) { return fileName; });
    static_cast<FreeTaskEdition&>(f.Edition()).N11Click();
    SetFileDialogSink(nullptr);
    QCoreApplication::processEvents();
    return f.AlgorithmLines() == lines;
}

// One run at the fast preset in the window.
struct WindowRun {
    double seconds = 0, cpu = 0;
    long frames = 0, rowChanges = 0, scrolls = 0;
    bool completed = false;
};

WindowRun RunFastInWindow(TfrmRoPupil& f, const long& boxes)
{
    WindowRun run;
    const QMetaObject::Connection rows = QObject::connect(
        f.lstCom, &QListWidget::currentRowChanged, [&run](int) { ++run.rowChanges; });
    const QMetaObject::Connection bar = QObject::connect(
        f.lstCom->verticalScrollBar(), &QScrollBar::valueChanged, [&run](int) { ++run.scrolls; });
    PaintCounter frames;
    f.PaintImage->installEventFilter(&frames);
    const long boxesBefore = boxes;

    const double cpu0 = CpuSeconds();
    const Clock::time_point start = Clock::now();
    f.FixToolButtonResultClick();
    // What the run left pending (its last frames) belongs to it too.
    QCoreApplication::processEvents();
    run.seconds = SecondsSince(start);
    run.cpu = CpuSeconds() - cpu0;

    f.PaintImage->removeEventFilter(&frames);
    QObject::disconnect(rows);
    QObject::disconnect(bar);
    run.frames = frames.paints;
    // Completed: no box, no stop, and the last highlight on "КОН".
    run.completed = boxes == boxesBefore && f.Model().StopFlag == 0 && f.NMainWork->isEnabled()
                    && f.lstCom->currentRow() == f.AlgorithmLines().indexOf(kEnd);
    return run;
}

// The offscreen platform's own screen is 800 pixels wide, so a window laid
// out for 1024 would reach past it and a third of the field would never be
// painted: give it a true 1024 x 768 screen.
void UseOffscreen1024()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen")
        return;
    const QString config = QDir::temp().filePath(QStringLiteral("bench_run_screen_%1.json").arg(QCoreApplication::applicationPid()));
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly))
        return;
    f.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1024, "height": 768,
                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    f.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
}

struct Options {
    int runs = 5;
    int blocks = 200;
    bool windowRunOnly = false;
    std::set<std::string> sections;
    bool Wants(const char* s) const { return sections.empty() || sections.count(s) != 0; }
};

// ------------------------------------------------------------------------- walk
// The back-and-forth walk at the fast preset in the window, and the floor:
// the same walk with nothing pushed to the screen.
bool BenchWalk(const Options& o, const long& boxes)
{
    auto form = MakeForm();
    TfrmRoPupil& f = *form;
    const Clock::time_point typing = Clock::now();
    TypeBackAndForth(f, o.blocks);
    const double typeSeconds = SecondsSince(typing);
    if (!EndsWithKon(f)) {
        std::printf("the algorithm was not typed as expected\n");
        return false;
    }
    f.NMainDebug->trigger();
    if (!f.FixToolButtonResult->isEnabled()) {
        std::printf("the run buttons are off after \"Отладка\"\n");
        return false;
    }
    const RunCount expected = CountRun(f);
    if (expected.errors != 0 || expected.moves == 0) {
        std::printf("the algorithm does not run cleanly (%ld errors, %ld moves)\n", expected.errors,
                    expected.moves);
        return false;
    }

    std::printf("\nBack and forth, %d blocks, %d lines of text (typed in %.2f s), fast preset\n", o.blocks,
                int(f.lstCom->count()), typeSeconds);
    std::printf("  executed lines %ld, moves %ld each run\n", expected.lineSteps, expected.moves);

    // The floor draws with a renderer of its own over a copy of the window's
    // model: the same bitmaps and pictures, and no presenter.
    RoPupilModel floorModel = f.Model();
    FieldRenderer floorRenderer(floorModel);
    OffscreenRunHost floorHost(floorModel, f.AlgorithmLines(), &floorRenderer);
    floorModel.SetFastPreset();

    Sample moves, lines, cpuShare, frames, scrolls, floorMoves, ratio;
    bool completed = true;
    const int runs = o.windowRunOnly ? 1 : o.runs;
    for (int r = 0; r < runs; ++r) {
        const WindowRun w = RunFastInWindow(f, boxes);
        completed = completed && w.completed;
        moves.Add(double(expected.moves) / w.seconds);
        lines.Add(double(expected.lineSteps) / w.seconds);
        cpuShare.Add(w.cpu / w.seconds);
        frames.Add(double(w.frames));
        scrolls.Add(double(w.scrolls));
        if (o.windowRunOnly)
            break;

        floorHost.Reset();
        const Clock::time_point t0 = Clock::now();
        LineInterpreter(floorModel, floorHost).RunAlgorithm();
        const double floorSeconds = SecondsSince(t0);
        if (floorHost.moves != expected.moves || floorHost.errors != 0) {
            std::printf("the floor's run differs from the window's (%ld moves, %ld errors)\n", floorHost.moves,
                        floorHost.errors);
            return false;
        }
        floorMoves.Add(double(expected.moves) / floorSeconds);
        ratio.Add(floorSeconds / w.seconds);
    }

    std::printf("In the window (every run completed: %s):\n", completed ? "yes" : "NO");
    PrintSample("moves per second:", moves);
    PrintSample("lines per second:", lines);
    PrintSample("CPU / wall:", cpuShare, 2);
    PrintSample("field frames painted:", frames);
    PrintSample("list scrolls:", scrolls);
    PrintResult("fast_moves_per_second", moves.Median());
    PrintResult("fast_lines_per_second", lines.Median());
    if (o.windowRunOnly)
        return completed;

    std::printf("The floor: the same walk drawn on the off-screen bitmaps, nothing shown, no events:\n");
    PrintSample("moves per second:", floorMoves);
    PrintSample("window / floor (each pair of runs):", ratio, 2);
    PrintResult("floor_moves_per_second", floorMoves.Median());
    PrintResult("fast_to_floor", ratio.Median());
    const bool realScreen = QGuiApplication::platformName() != QLatin1String("offscreen");
    PrintTarget("fast preset, moves per second", moves.Median(), ">=", 5000, 0,
                realScreen ? "" : "; set for an X server");
    PrintTarget("fast preset / floor", ratio.Median(), ">=", 0.5, 2);
    return completed;
}

// ------------------------------------------------------------------------- sizes
// A text of `size` lines: `body` above "КОН", then descriptions of small
// procedures nobody calls, then `tail` (the procedure the body calls, if
// any), so that a call passes over the whole text to find it.
QStringList PaddedText(const QStringList& body, const QStringList& tail, int size)
{
    QStringList lines = NewAlgorithmLines(0, false);
    lines.removeLast(); // "КОН" comes after the body
    lines += body;
    lines += kEnd;
    for (int n = 1; lines.size() + 3 + tail.size() <= size; ++n)
        lines += {kProcPrefix + QStringLiteral(" Запас_%1").arg(n), QStringLiteral("    ПОВОРОТ"), kProcEnd};
    while (lines.size() + tail.size() < size)
        lines += QStringLiteral("// поле пройдено");
    lines += tail;
    return lines;
}

// The executor walks to the wall by recursion and back, `calls` times.
QStringList RecursionText(int size, int calls)
{
    QStringList body;
    for (int c = 0; c < calls; ++c)
        body += {QStringLiteral("    ДЕЛАЙ Ход"), QStringLiteral("    ПОВОРОТ"), QStringLiteral("    ПОВОРОТ")};
    const QStringList proc = {
        QStringLiteral("ПРОЦЕДУРА Ход"),   QStringLiteral("    ЕСЛИ впереди НЕ стена"),
        QStringLiteral("       ТО"),       QStringLiteral("        ШАГ"),
        QStringLiteral("        ДЕЛАЙ Ход"), QStringLiteral("    ВСЁ"),
        kProcEnd,
    };
    return PaddedText(body, proc, size);
}

// The back-and-forth walk, `blocks` times.
QStringList LoopText(int size, int blocks)
{
    QStringList body;
    for (int b = 0; b < blocks; ++b)
        body += {QStringLiteral("    ПОКА впереди НЕ стена"), QStringLiteral("    НЦ"), QStringLiteral("        ШАГ"),
                 QStringLiteral("    КЦ"), QStringLiteral("    ПОВОРОТ"), QStringLiteral("    ПОВОРОТ")};
    return PaddedText(body, {}, size);
}

bool BenchSizes(const Options& o, const long& boxes)
{
    const int sizes[] = {300, 3000, 30000};
    QTemporaryDir dir;
    struct Kind {
        const char* name;
        const char* key;
        QStringList (*text)(int, int);
        int repeats;
    };
    const Kind kinds[] = {{"recursion", "recursion", RecursionText, 20}, {"loop walk", "loop", LoopText, 30}};

    std::printf("\nRecursion and a loop walk in texts of 300, 3,000 and 30,000 lines, fast preset\n");
    bool ok = true;
    for (const Kind& kind : kinds) {
        std::vector<std::unique_ptr<TfrmRoPupil>> forms;
        std::vector<RunCount> counts;
        for (int size : sizes) {
            forms.push_back(MakeForm());
            TfrmRoPupil& f = *forms.back();
            const QStringList text = kind.text(size, kind.repeats);
            const Clock::time_point t0 = Clock::now();
            if (!LoadThroughWindow(f, text, dir.filePath(QStringLiteral("%1_%2.txt").arg(kind.key).arg(size)))) {
                std::printf("the %s text of %d lines did not load\n", kind.name, size);
                return false;
            }
            const double loadSeconds = SecondsSince(t0);
            f.NMainDebug->trigger();
            counts.push_back(CountRun(f));
            std::printf("  %s, %d lines: %ld executed lines, %ld moves (loaded in %.2f s)\n", kind.name, size,
                        counts.back().lineSteps, counts.back().moves, loadSeconds);
            if (counts.back().errors != 0 || counts.back().moves == 0) {
                std::printf("the %s text does not run cleanly\n", kind.name);
                return false;
            }
        }
        // Interleaved: each round runs every size once.
        std::vector<Sample> micro(forms.size()), alone(forms.size());
        for (int r = 0; r < o.runs; ++r) {
            for (size_t k = 0; k < forms.size(); ++k) {
                TfrmRoPupil& f = *forms[k];
                // On a real screen the window run is the one on top.
                if (QGuiApplication::platformName() != QLatin1String("offscreen"))
                    f.raise();
                QCoreApplication::processEvents();
                const WindowRun w = RunFastInWindow(f, boxes);
                ok = ok && w.completed;
                micro[k].Add(w.seconds * 1e6 / double(counts[k].lineSteps));

                RoPupilModel model = f.Model();
                OffscreenRunHost host(model, f.AlgorithmLines());
                const Clock::time_point t0 = Clock::now();
                LineInterpreter(model, host).RunAlgorithm();
                alone[k].Add(SecondsSince(t0) * 1e6 / double(host.lineSteps));
            }
        }
        for (size_t k = 0; k < forms.size(); ++k) {
            const QByteArray label = QByteArray(kind.name) + ", " + QByteArray::number(sizes[k])
                                     + " lines, us a line:";
            PrintSample(label.constData(), micro[k], 1);
            const QByteArray aloneLabel = "  interpreter alone:";
            PrintSample(aloneLabel.constData(), alone[k], 2);
            PrintResult((QByteArray(kind.key) + "_us_per_line_" + QByteArray::number(sizes[k])).constData(),
                        micro[k].Median());
        }
        const double growth = micro.back().Median() / micro.front().Median();
        PrintResult((QByteArray(kind.key) + "_growth").constData(), growth);
        PrintTarget((QByteArray(kind.name) + ", 30,000 / 300 lines").constData(), growth, "<=", 1.5, 2);
    }
    if (!ok)
        std::printf("  SOME RUNS DID NOT COMPLETE\n");
    return ok;
}

// ------------------------------------------------------------------------- stop
// 20 loops nested in one another, typed with the window's buttons; the
// innermost one is empty and never ends. At the slow preset the stop button
// is clicked 2 s into the run and a little later each run, spread over one
// line's pause: a click just after a line has been shown waits longest.
// (The lines above the loops take exactly 2 s, so a click at 2.00 s would
// always land on a line's end.)
bool BenchStop(const Options& o)
{
    const int depth = 20;
    const int firstStopMs = 2050;
    const int linePauseMs = 500; // the slow preset's pause of a line
    auto form = MakeForm();
    TfrmRoPupil& f = *form;
    // The loop must run: its condition holds where the executor starts.
    const RoPupilModel& m = f.Model();
    RoPupilModel probe = m;
    probe.ExecX = probe.PointAX;
    probe.ExecY = probe.PointAY;
    probe.ExecDir = probe.PointADir;
    const bool wallAhead = probe.WallAhead();
    f.lstCom->setCurrentRow(f.lstCom->count() - 1); // "КОН"
    for (int d = 0; d < depth; ++d) {
        f.PPButtonWhileClick();
        if (wallAhead)
            f.ButtonWhileClick();
        else
            f.ButtonWhileNotClick();                // leaves "КЦ" selected: the next one goes inside
    }
    f.NMainDebug->trigger();
    const QStringList text = f.AlgorithmLines();
    if (std::count_if(text.begin(), text.end(), [](const QString& l) { return IsEndLoop(l); }) != depth) {
        std::printf("the nested loops were not typed as expected\n");
        return false;
    }
    std::printf("\n%d loops nested in one another (%d lines), slow preset, stop clicked %.2f to %.2f s in\n",
                depth, int(text.size()), firstStopMs / 1000.0,
                (firstStopMs + linePauseMs * (o.runs - 1) / o.runs) / 1000.0);

    Sample afterStop, clickLate;
    bool stopped = true;
    for (int r = 0; r < o.runs; ++r) {
        const int stopAfterMs = firstStopMs + linePauseMs * r / o.runs;
        Clock::time_point clicked;
        bool wasClicked = false;
        QTimer click;
        click.setSingleShot(true);
        QObject::connect(&click, &QTimer::timeout, &f, [&] {
            clicked = Clock::now();
            wasClicked = true;
            f.FixToolButtonStop->click();
        });
        // Should the click be lost, the run would never end.
        QTimer rescue;
        rescue.setSingleShot(true);
        QObject::connect(&rescue, &QTimer::timeout, &f, [&f] { f.FixToolButtonStopClick(); });
        const Clock::time_point start = Clock::now();
        click.start(stopAfterMs);
        rescue.start(stopAfterMs + 120000);
        f.FixToolButtonDoClick();
        const double wall = SecondsSince(start);
        click.stop();
        rescue.stop();
        QCoreApplication::processEvents();
        stopped = stopped && wasClicked;
        afterStop.Add(wall - stopAfterMs / 1000.0);
        clickLate.Add(wasClicked ? std::chrono::duration<double>(clicked - start).count() - stopAfterMs / 1000.0
                                 : wall);
    }
    std::printf("  (every run ended by the click: %s)\n", stopped ? "yes" : "NO");
    PrintSample("run ended after the stop, s:", afterStop, 2);
    PrintSample("click handled after it was due, s:", clickLate, 2);
    PrintResult("stop_seconds", afterStop.Median());
    PrintTarget("run ends after the stop, seconds", afterStop.Max(), "<=", 0.6, 2, "; the slowest run");
    return stopped;
}

// ------------------------------------------------------------------------- presets
// The medium and slow presets wait asleep: little CPU for their wall time.
void BenchPresets(const Options& o)
{
    auto shortForm = MakeForm();
    TypeBackAndForth(*shortForm, 2);
    shortForm->NMainDebug->trigger();
    auto tinyForm = MakeForm();
    tinyForm->PPButtonStepClick();
    tinyForm->NMainDebug->trigger();
    Sample mediumShare, slowShare, slowWall;
    for (int r = 0; r < o.runs; ++r) {
        double c0 = CpuSeconds();
        Clock::time_point t0 = Clock::now();
        shortForm->FixToolButtonQuickClick();
        mediumShare.Add((CpuSeconds() - c0) / SecondsSince(t0));
        c0 = CpuSeconds();
        t0 = Clock::now();
        tinyForm->FixToolButtonDoClick();
        slowWall.Add(SecondsSince(t0));
        slowShare.Add((CpuSeconds() - c0) / SecondsSince(t0));
    }
    std::printf("\nSlower presets wait asleep (CPU / wall)\n");
    PrintSample("medium, 2 blocks of the walk:", mediumShare, 3);
    PrintSample("slow, one \"ШАГ\":", slowShare, 3);
    PrintSample("slow, one \"ШАГ\", wall s:", slowWall, 2);
}

// ------------------------------------------------------------------------- parts
// Where a line's time goes in the window, and the interpreter alone.
void BenchParts(const Options& o)
{
    auto form = MakeForm();
    TfrmRoPupil& f = *form;
    TypeBackAndForth(f, o.blocks);
    f.NMainDebug->trigger();
    std::printf("\nParts of a run (microseconds)\n");

    // ShowField repaints what was drawn since the last frame: for a frame of
    // the executor that is its box; a repaint of the image, the whole field.
    {
        const int calls = 2000;
        RoPupilModel& m = f.Model();
        FieldRenderer& r = f.Renderer();
        Sample frame, whole;
        for (int run = 0; run < o.runs; ++run) {
            Clock::time_point t0 = Clock::now();
            for (int k = 0; k < calls; ++k) {
                r.RestoreUnderExecutor(m.ExecX, m.ExecY);
                r.DrawExecutor(m.ExecDir);
                r.ShowField();
            }
            const double withShow = SecondsSince(t0) * 1e6 / calls;
            t0 = Clock::now();
            for (int k = 0; k < calls; ++k) {
                r.RestoreUnderExecutor(m.ExecX, m.ExecY);
                r.DrawExecutor(m.ExecDir);
            }
            frame.Add(withShow - SecondsSince(t0) * 1e6 / calls);
            t0 = Clock::now();
            for (int k = 0; k < calls / 4; ++k)
                f.PaintImage->repaint();
            whole.Add(SecondsSince(t0) * 1e6 / (calls / 4));
        }
        PrintSample("ShowField after one executor frame:", frame, 1);
        PrintSample("whole field repainted:", whole, 1);
    }
    {
        const int calls = 500;
        Sample list;
        for (int run = 0; run < o.runs; ++run) {
            const Clock::time_point t0 = Clock::now();
            for (int k = 0; k < calls; ++k)
                f.lstCom->viewport()->repaint();
            list.Add(SecondsSince(t0) * 1e6 / calls);
        }
        const QByteArray label = "algorithm list repainted (" + QByteArray::number(
                                     f.lstCom->viewport()->height() / lstComItemHeight) + " rows):";
        PrintSample(label.constData(), list, 1);
    }
    // Per line the window selects and scrolls the list and lets the event
    // loop paint it; a move adds two frames of the field, a turn three.
    {
        const int rows = f.lstCom->count();
        const int calls = 4000;
        auto highlight = [&f](int row) {
            f.lstCom->setCurrentRow(row);
            f.lstCom->scrollToItem(f.lstCom->item(row));
        };
        auto perCall = [calls, &o](auto&& body) {
            Sample s;
            for (int run = 0; run < o.runs; ++run) {
                const Clock::time_point t0 = Clock::now();
                for (int k = 0; k < calls; ++k)
                    body(k);
                s.Add(SecondsSince(t0) * 1e6 / calls);
            }
            return s;
        };
        const int loop = rows / 2;
        PrintSample("select + scroll, round a loop:", perCall([&](int k) { highlight(loop + k % 4); }), 1);
        PrintSample("the same + processEvents:", perCall([&](int k) {
                        highlight(loop + k % 4);
                        QCoreApplication::processEvents();
                    }), 1);
        PrintSample("down the text + processEvents:", perCall([&](int k) {
                        highlight(k % rows);
                        QCoreApplication::processEvents();
                    }), 1);
        PrintSample("processEvents, nothing pending:", perCall([](int) { QCoreApplication::processEvents(); }), 1);
    }
    {
        RoPupilModel model = f.Model();
        OffscreenRunHost host(model, f.AlgorithmLines());
        Sample alone;
        for (int r = 0; r < std::max(o.runs, 20); ++r) {
            host.Reset();
            const Clock::time_point t0 = Clock::now();
            LineInterpreter(model, host).RunAlgorithm();
            alone.Add(SecondsSince(t0) * 1e6 / double(host.lineSteps));
        }
        PrintSample("interpreter alone, a line:", alone, 3);
    }
}

bool ParseOptions(int argc, char** argv, Options& o)
{
    for (int k = 1; k < argc; ++k) {
        const QByteArray a = argv[k];
        if (a == "--runs" && k + 1 < argc) {
            o.runs = std::max(1, std::atoi(argv[++k]));
        } else if (a == "--blocks" && k + 1 < argc) {
            o.blocks = std::max(1, std::atoi(argv[++k]));
        } else if (a == "--window-run-only") {
            o.windowRunOnly = true;
        } else if (a == "walk" || a == "sizes" || a == "stop" || a == "presets" || a == "parts") {
            o.sections.insert(a.toStdString());
        } else {
            std::fprintf(stderr,
                         "usage: bench_run [--runs N] [--blocks N] [--window-run-only] "
                         "[walk] [sizes] [stop] [presets] [parts]\n");
            return false;
        }
    }
    return true;
}

// The offscreen platform says at every window it shows that it cannot do what
// a real screen does with a window's size hints; between the figures that is
// only noise.
void DropPlatformNotices(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(DropPlatformNotices);
    Options o;
    if (!ParseOptions(argc, argv, o))
        return 2;
    UseOffscreen1024();
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        // Read once the platform has read it.
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        const int at = platform.indexOf("configfile=");
        if (at >= 0)
            QFile::remove(QFile::decodeName(platform.mid(at + 11)));
    }
    QApplication::setApplicationName("TIMPA_FREE");

    // A box would wait for a click nobody makes; count the boxes instead.
    long boxes = 0;
    SetMessageSink([&boxes](MessageKind, const QString& text) {
        ++boxes;
        std::printf("  box: %s\n", qPrintable(QString(text).replace(QLatin1Char('\r'), QLatin1Char(' '))));
    });

    const QScreen* screen = QGuiApplication::primaryScreen();
    std::printf("Runs of the algorithm, platform %s, screen %dx%d, accessibility bridge asked for: %s, "
                "%d runs a figure\n",
                qPrintable(QGuiApplication::platformName()), screen ? screen->geometry().width() : 0,
                screen ? screen->geometry().height() : 0,
                qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") ? "yes" : "no", o.runs);
    if (o.runs < 5)
        std::printf("(fewer than 5 runs: the medians are rough)\n");

    bool ok = true;
    if (o.Wants("walk") || o.windowRunOnly)
        ok = BenchWalk(o, boxes) && ok;
    if (!o.windowRunOnly) {
        if (o.Wants("sizes"))
            ok = BenchSizes(o, boxes) && ok;
        if (o.Wants("stop"))
            ok = BenchStop(o) && ok;
        if (o.Wants("presets"))
            BenchPresets(o);
        if (o.Wants("parts"))
            BenchParts(o);
    }
    SetMessageSink(nullptr);
    std::printf("\nTargets missed: %d\n", failures);
    return ok ? 0 : 1;
}
