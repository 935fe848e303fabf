// How fast runs of the algorithm go: the executor window driven offscreen on a
// 1024 x 768 screen (or on a real X server), the same run with the algorithm
// list hidden, the interpreter on its own without a window, one frame of the
// field, and whether the slower presets wait without keeping a core busy.
//
// Not a test: it prints numbers. Run it on a quiet machine.

#include "AlgorithmList.h"
#include "AlgorithmText.h"
#include "FormKit.h"
#include "FreeTaskEdition.h"
#include "Layout.h"
#include "Interpreter.h"
#include "RoPupilUnit.h"
#include "RunHost.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QScreen>
#include <QListWidget>
#include <QScrollBar>
#include <QToolButton>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

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

// A run host that shows nothing, never waits and handles no events: what is
// left of a run is the interpreter's own work. It counts what a window would
// show: highlights that move the selection (the lines a pupil sees executed)
// and steps of the executor.
class CountingRunHost : public RunHost {
public:
    CountingRunHost(RoPupilModel& model, QStringList lines) : m_(model), lines_(std::move(lines)) {}

    int LineCount() const override { return int(lines_.size()); }
    QString Line(int i) const override { return lines_.at(i); }
    void Highlight(int i) override
    {
        if (i != current_)
            ++lineSteps;
        current_ = i;
    }
    void DrawField() override {}
    void DrawScene() override
    {
        // A run starts from point A, as the window's scene puts it there.
        m_.ExecX = m_.PointAX;
        m_.ExecY = m_.PointAY;
        m_.ExecDir = m_.PointADir;
    }
    void ShowField() override {}
    void SaveUnderExecutor(int16_t, int16_t) override {}
    void RestoreUnderExecutor(int16_t, int16_t) override {}
    void DrawExecutor(int16_t) override {}
    void DrawExecutorAlarm() override {}
    void DrawTrace(int, int, int, int) override { ++moves; }
    void DrawJumpWall(int, int) override {}
    void DrawJumpWallGhost(int, int) override {}
    void Pause(int) override {}
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
    int current_ = -1;
};

// Counts the frames the field actually paints.
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

struct RunCount {
    long lineSteps = 0;
    long moves = 0;
    long errors = 0;
};

// The same text and task through the interpreter alone.
RunCount CountRun(const TfrmRoPupil& f, RoPupilModel model)
{
    CountingRunHost host(model, f.AlgorithmLines());
    LineInterpreter(model, host).RunAlgorithm();
    return {host.lineSteps, host.moves, host.errors};
}

// One or more runs at the fast preset in the window; the fastest counts.
struct WindowRun {
    int runs = 0;
    double seconds = 1e9, cpu = 0;
    long frames = 0, scrolls = 0, rowChanges = 0, highlightsMade = 0, highlightsPainted = 0;
    bool completed = true;
};

WindowRun TimeWindowRun(TfrmRoPupil& f, const long& boxes, int runs)
{
    WindowRun best;
    best.runs = runs;
    for (int r = 0; r < runs; ++r) {
        long rowChanges = 0, scrolls = 0;
        const QMetaObject::Connection rows = QObject::connect(
            f.lstCom, &QListWidget::currentRowChanged, [&rowChanges](int) { ++rowChanges; });
        const QMetaObject::Connection bar = QObject::connect(
            f.lstCom->verticalScrollBar(), &QScrollBar::valueChanged, [&scrolls](int) { ++scrolls; });
        PaintCounter frames;
        f.PaintImage->installEventFilter(&frames);
        const long made0 = f.lstCom->HighlightsMade(), painted0 = f.lstCom->HighlightsPainted();
        const long boxesBefore = boxes;

        const double cpu0 = CpuSeconds();
        const Clock::time_point start = Clock::now();
        f.FixToolButtonResultClick();
        const double seconds = SecondsSince(start);
        const double cpu = CpuSeconds() - cpu0;

        f.PaintImage->removeEventFilter(&frames);
        QObject::disconnect(rows);
        QObject::disconnect(bar);
        // Completed: no box, no stop, and the last highlight on "КОН".
        best.completed = best.completed && boxes == boxesBefore && f.Model().StopFlag == 0
                         && f.NMainWork->isEnabled() && f.lstCom->currentRow() == f.lstCom->count() - 1;
        if (seconds < best.seconds) {
            best.seconds = seconds;
            best.cpu = cpu;
            best.frames = frames.paints;
            best.scrolls = scrolls;
            best.rowChanges = rowChanges;
            best.highlightsMade = f.lstCom->HighlightsMade() - made0;
            best.highlightsPainted = f.lstCom->HighlightsPainted() - painted0;
        }
    }
    return best;
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

} // namespace

int main(int argc, char** argv)
{
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

    // bench_run [blocks] [--window-run-only]: the second argument stops after
    // the run in the window (for a profiler).
    int blocks = 200;
    if (argc > 1)
        blocks = std::max(1, std::atoi(argv[1]));
    const bool windowRunOnly = argc > 2 && QByteArray(argv[2]) == "--window-run-only";

    const QScreen* screen = QGuiApplication::primaryScreen();
    std::printf("Runs of the algorithm, platform %s, screen %dx%d\n", qPrintable(QGuiApplication::platformName()),
                screen ? screen->geometry().width() : 0, screen ? screen->geometry().height() : 0);

    // ---------------------------------------------------------------- window, fast preset
    auto form = MakeForm();
    TfrmRoPupil& f = *form;
    const Clock::time_point typing = Clock::now();
    TypeBackAndForth(f, blocks);
    const double typeSeconds = SecondsSince(typing);
    if (!EndsWithKon(f)) {
        std::printf("the algorithm was not typed as expected\n");
        return 1;
    }
    f.NMainDebug->trigger();
    if (!f.FixToolButtonResult->isEnabled()) {
        std::printf("the run buttons are off after \"Отладка\"\n");
        return 1;
    }

    const RunCount expected = CountRun(f, f.Model());
    if (expected.errors != 0 || expected.moves == 0) {
        std::printf("the algorithm does not run cleanly (%ld errors, %ld moves)\n", expected.errors,
                    expected.moves);
        return 1;
    }

    // The list shown, as a pupil sees it; then hidden, which leaves the field
    // frames and the interpreter.
    WindowRun shown = TimeWindowRun(f, boxes, windowRunOnly ? 1 : 3);
    const bool completed = shown.completed;
    std::printf("\nBack and forth, %d blocks, %d lines of text (typed in %.2f s), fast preset, best of %d runs\n",
                blocks, int(f.lstCom->count()), typeSeconds, shown.runs);
    std::printf("  run completed:           %s\n", completed ? "yes" : "NO");
    std::printf("  run time:                %.3f s (CPU %.3f s)\n", shown.seconds, shown.cpu);
    std::printf("  executed lines:          %ld (selection changes seen by the list: %ld)\n",
                expected.lineSteps, shown.rowChanges);
    std::printf("  highlights made:         %ld\n", shown.highlightsMade);
    std::printf("  highlights painted:      %ld%s\n", shown.highlightsPainted,
                shown.highlightsPainted == shown.highlightsMade ? "" : "  (SOME NEVER SEEN)");
    std::printf("  moves:                   %ld\n", expected.moves);
    std::printf("  field frames painted:    %ld\n", shown.frames);
    std::printf("  list scrolls:            %ld\n", shown.scrolls);
    std::printf("  lines per second:        %.0f\n", double(expected.lineSteps) / shown.seconds);
    std::printf("  moves per second:        %.0f\n", double(expected.moves) / shown.seconds);
    std::printf("  frames per second:       %.0f\n", double(shown.frames) / shown.seconds);
    std::printf("  microseconds per line:   %.1f\n", shown.seconds * 1e6 / double(expected.lineSteps));

    if (windowRunOnly)
        return completed ? 0 : 1;

    f.lstCom->hide();
    const WindowRun hidden = TimeWindowRun(f, boxes, 3);
    f.lstCom->show();
    std::printf("\nThe same run with the algorithm list hidden (field frames and interpreter):\n");
    std::printf("  run completed:           %s\n", hidden.completed ? "yes" : "NO");
    std::printf("  run time:                %.3f s (%ld field frames painted)\n", hidden.seconds, hidden.frames);
    std::printf("  lines per second:        %.0f\n", double(expected.lineSteps) / hidden.seconds);
    std::printf("  list shown / list hidden: %.1f\n", shown.seconds / hidden.seconds);


    // ---------------------------------------------------------------- one frame
    // ShowField repaints what was drawn since the last frame: for a frame of
    // the executor that is its box; after DrawField, the whole field.
    {
        const int calls = 2000;
        RoPupilModel& m = f.Model();
        FieldRenderer& r = f.Renderer();
        PaintCounter frames;
        f.PaintImage->installEventFilter(&frames);
        Clock::time_point t0 = Clock::now();
        for (int k = 0; k < calls; ++k) {
            r.RestoreUnderExecutor(m.ExecX, m.ExecY);
            r.DrawExecutor(m.ExecDir);
            r.ShowField();
        }
        const double frameMicro = SecondsSince(t0) * 1e6 / calls;
        t0 = Clock::now();
        for (int k = 0; k < calls; ++k) {
            r.RestoreUnderExecutor(m.ExecX, m.ExecY);
            r.DrawExecutor(m.ExecDir);
        }
        const double drawMicro = SecondsSince(t0) * 1e6 / calls;
        t0 = Clock::now();
        for (int k = 0; k < calls; ++k)
            f.PaintImage->repaint();
        const double wholeMicro = SecondsSince(t0) * 1e6 / calls;
        f.PaintImage->removeEventFilter(&frames);
        std::printf("\nShowField after one frame of the executor (%ld paints for %d frames):\n",
                    frames.paints, calls);
        std::printf("  microseconds per ShowField:       %.1f\n", frameMicro - drawMicro);
        std::printf("  ShowField of the whole field %dx%d: %.1f microseconds\n", m.FieldBitmap.width(),
                    m.FieldBitmap.height(), wholeMicro);
    }
    {
        const int calls = 500;
        const int visible = f.lstCom->viewport()->height() / lstComItemHeight;
        const Clock::time_point t0 = Clock::now();
        for (int k = 0; k < calls; ++k)
            f.lstCom->viewport()->repaint();
        const double s = SecondsSince(t0) * 1e6 / calls;
        std::printf("\nAlgorithm list, whole view repainted (%d rows): %.1f microseconds (%.1f a row)\n",
                    visible, s, s / visible);
    }

    // ---------------------------------------------------------------- where a line's time goes
    // Per line the window's run host selects and scrolls the list and lets
    // one pass of the event loop paint it; a move adds two frames of the
    // field, a turn three (ShowField above).
    {
        const int rows = f.lstCom->count();
        const int calls = 4000;
        auto highlight = [&f](int row) {
            f.lstCom->setCurrentRow(row);
            f.lstCom->scrollToItem(f.lstCom->item(row));
        };
        auto perCall = [calls](auto&& body) {
            const Clock::time_point t0 = Clock::now();
            for (int k = 0; k < calls; ++k)
                body(k);
            return SecondsSince(t0) * 1e6 / calls;
        };
        // Round a loop of four lines in the middle of the text: no scrolling.
        const int loop = rows / 2;
        const double inLoop = perCall([&](int k) { highlight(loop + k % 4); });
        const double inLoopPainted = perCall([&](int k) {
            highlight(loop + k % 4);
            QCoreApplication::processEvents();
        });
        // Down the text line by line: the list scrolls by one line each time.
        const double downPainted = perCall([&](int k) {
            highlight(k % rows);
            QCoreApplication::processEvents();
        });
        const double idle = perCall([](int) { QCoreApplication::processEvents(); });
        std::printf("\nParts of a line in the window (microseconds per line):\n");
        std::printf("  select + scroll the list, round a loop:             %.1f\n", inLoop);
        std::printf("  the same + processEvents (the list is painted):     %.1f\n", inLoopPainted);
        std::printf("  down the text, scrolling each line, + processEvents: %.1f\n", downPainted);
        std::printf("  processEvents with nothing pending:                 %.1f\n", idle);
    }

    // ---------------------------------------------------------------- interpreter alone
    {
        RoPupilModel model = f.Model();
        CountingRunHost host(model, f.AlgorithmLines());
        const int repeats = 20;
        double best = 1e9;
        long lines = 0;
        for (int r = 0; r < repeats; ++r) {
            host.Reset();
            const Clock::time_point t0 = Clock::now();
            LineInterpreter(model, host).RunAlgorithm();
            best = std::min(best, SecondsSince(t0));
            lines = host.lineSteps;
        }
        std::printf("\nInterpreter alone (no drawing, no pauses, no events), best of %d runs:\n", repeats);
        std::printf("  %ld lines in %.2f ms\n", lines, best * 1e3);
        std::printf("  microseconds per line:   %.3f (%ld moves each run)\n", best * 1e6 / double(lines),
                    host.moves);
    }

    // ---------------------------------------------------------------- slower presets wait
    {
        auto shortForm = MakeForm();
        TypeBackAndForth(*shortForm, 2);
        shortForm->NMainDebug->trigger();
        const double c0 = CpuSeconds();
        const Clock::time_point t0 = Clock::now();
        shortForm->FixToolButtonQuickClick();
        const double wall = SecondsSince(t0);
        const double cpu = CpuSeconds() - c0;
        std::printf("\nMedium preset, 2 blocks (%ld lines): wall %.3f s, CPU %.3f s, CPU/wall %.3f\n",
                    CountRun(*shortForm, shortForm->Model()).lineSteps, wall, cpu, cpu / wall);
    }
    {
        auto tinyForm = MakeForm();
        tinyForm->PPButtonStepClick();
        tinyForm->NMainDebug->trigger();
        const double c0 = CpuSeconds();
        const Clock::time_point t0 = Clock::now();
        tinyForm->FixToolButtonDoClick();
        const double wall = SecondsSince(t0);
        const double cpu = CpuSeconds() - c0;
        std::printf("Slow preset, one \"ШАГ\" (%ld lines): wall %.3f s, CPU %.3f s, CPU/wall %.3f\n",
                    CountRun(*tinyForm, tinyForm->Model()).lineSteps, wall, cpu, cpu / wall);
    }

    SetMessageSink(nullptr);
    return completed ? 0 : 1;
}
