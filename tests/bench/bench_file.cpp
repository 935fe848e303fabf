// How long an algorithm file of 100,000 lines takes to load, recount and save:
// reading and splitting the file, the statistics over every line, and writing
// it back through a temporary file; then the same file through the executor
// window's own file items, on whatever platform it runs (offscreen unless
// told): the load fills the algorithm list, the procedure names and the
// statistics and paints the list, the save writes the list back. A load in
// the window must take at most 2 s, with a screen reader's accessibility
// bridge on too. Every figure is the median of several runs (BenchFigures.h).
//
// Not a test: it prints numbers.

#include "AlgorithmFile.h"
#include "AlgorithmText.h"
#include "BenchFigures.h"
#include "FileDialogs.h"
#include "FreeTaskEdition.h"
#include "RoPupilUnit.h"
#include "Statistics.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace bench;

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A text of about `count` lines: the skeleton, then blocks of a loop, a branch,
// a call and a comment in the body, and procedure descriptions after "КОН".
QStringList LongAlgorithm(int count)
{
    QStringList lines = NewAlgorithmLines(0, false);
    lines.removeLast();  // "КОН" comes after the body
    const QStringList block = {
        QStringLiteral("    ПОКА впереди НЕ стена"), QStringLiteral("    НЦ"),
        QStringLiteral("        ШАГ"),                QStringLiteral("    КЦ"),
        QStringLiteral("    ЕСЛИ впереди стена"),     QStringLiteral("       ТО"),
        QStringLiteral("        ПОВОРОТ"),            QStringLiteral("    ВСЁ"),
        QStringLiteral("    ДЕЛАЙ Квадрат"),          QStringLiteral("    // обойти поле"),
    };
    while (lines.size() + block.size() + 4 <= count)
        lines += block;
    lines += kEnd;
    lines += {QStringLiteral("ПРОЦЕДУРА Квадрат"), QStringLiteral("    ПРЫЖОК"), kProcEnd};
    return lines;
}

QStringList ReadAllLines(const QString& name)
{
    QStringList lines;
    LoadAlgorithmFile(name, lines);
    return lines;
}

} // namespace

int main(int argc, char** argv)
{
    // bench_file [--runs N] [--lines N]
    int runs = 5;
    int count = 100000;
    for (int k = 1; k < argc; ++k) {
        const QByteArray a = argv[k];
        if (a == "--runs" && k + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++k]));
        } else if (a == "--lines" && k + 1 < argc) {
            count = std::max(10, std::atoi(argv[++k]));
        } else {
            std::fprintf(stderr, "usage: bench_file [--runs N] [--lines N]\n");
            return 2;
        }
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TIMPA_FREE"));
    const QStringList text = LongAlgorithm(count);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("long.txt"));
    if (!SaveAlgorithmFile(name, text).isEmpty()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
        return 1;
    }

    Sample load, recount, save;
    QString lastStatist;
    for (int r = 0; r < runs; ++r) {
        auto start = Clock::now();
        QStringList loaded;
        const QString error = LoadAlgorithmFile(name, loaded);
        load.Add(MillisecondsSince(start));

        start = Clock::now();
        const QStringList statist = UpdateStatistLines(loaded);
        recount.Add(MillisecondsSince(start));
        lastStatist = statist.last();

        start = Clock::now();
        const QString saveError = SaveAlgorithmFile(name, loaded);
        save.Add(MillisecondsSince(start));

        if (!error.isEmpty() || !saveError.isEmpty() || loaded != text) {
            std::fprintf(stderr, "the file did not come back as written\n");
            return 1;
        }
    }
    std::printf("Algorithm file of %lld lines (%lld bytes), platform %s, accessibility bridge asked for: %s\n",
                qlonglong(text.size()), qlonglong(FormatAlgorithmText(text).size()),
                qPrintable(QGuiApplication::platformName()),
                qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") ? "yes" : "no");
    PrintSample("load, ms:", load, 1);
    PrintSample("recount, ms:", recount, 1);
    std::printf("    (%s)\n", qPrintable(lastStatist));
    PrintSample("save, ms:", save, 1);

    // The same file through the window's items, in "Разработка", each run in
    // a window of its own. A load far over its target is not repeated: with
    // the accessibility bridge on it may take minutes.
    const double giveUpMs = 30000;
    Sample windowLoad, windowSave;
    for (int r = 0; r < runs; ++r) {
        auto form = std::make_unique<TfrmRoPupil>(std::make_unique<FreeTaskEdition>(), 1024);
        auto& edition = static_cast<FreeTaskEdition&>(form->Edition());
        form->show();
        form->NMainBegin->trigger();
        form->NMainWork->trigger();
        QApplication::processEvents();
        SetFileDialogSink([&](QFileDialog&) { return name; });
        auto start = Clock::now();
        edition.N11Click();
        QApplication::processEvents();   // the list painted, the window answers again
        windowLoad.Add(MillisecondsSince(start));
        start = Clock::now();
        edition.N10Click();
        windowSave.Add(MillisecondsSince(start));
        SetFileDialogSink(nullptr);
        if (form->lstCom->count() != text.size() || ReadAllLines(name) != text) {
            std::fprintf(stderr, "the window did not load and save the file as it stands\n");
            return 1;
        }
        if (windowLoad.values.back() > giveUpMs) {
            std::printf("  (a load took over %.0f s: not repeated)\n", giveUpMs / 1000);
            break;
        }
    }
    std::printf("In the window (list, names, statistics):\n");
    PrintSample("load, ms:", windowLoad, 1);
    PrintSample("save, ms:", windowSave, 1);
    PrintResult("window_load_ms", windowLoad.Median());
    if (count >= 100000)
        PrintTarget("load of 100,000 lines in the window, s", windowLoad.Median() / 1000, "<=", 2, 2);
    return 0;
}
