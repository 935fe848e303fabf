// How long algorithm files take to load, on whatever platform it runs
// (offscreen unless told):
//   long   a text of loops, branches, calls and comments, as long as the
//          bound on a loaded file admits: reading and splitting the file,
//          the statistics over every line and writing it back through a
//          temporary file; then the same file through the executor window's
//          own file items, where the load fills the algorithm list, the
//          procedure names and the statistics and paints the list;
//   bound  the largest files a load admits, of the most lines (line ends
//          alone), of the shortest command lines and of one line, each
//          loaded through the window in a process of its own: how long until
//          the window answers and the process's peak memory, against 1 s and
//          300 MB; then how soon a file one byte larger is refused.
// Every figure is the median of several runs (BenchFigures.h).
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
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

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

// The longest such text whose file a load still admits.
QStringList LongestAdmittedAlgorithm()
{
    int count = 10;
    while (FormatAlgorithmText(LongAlgorithm(count * 2)).size() <= kMaxAlgorithmFileSize)
        count *= 2;
    for (int step = count / 2; step >= 10; step /= 2)
        if (FormatAlgorithmText(LongAlgorithm(count + step)).size() <= kMaxAlgorithmFileSize)
            count += step;
    return LongAlgorithm(count);
}

QStringList ReadAllLines(const QString& name)
{
    QStringList lines;
    LoadAlgorithmFile(name, lines);
    return lines;
}

bool WriteBytes(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A window of its own in "Разработка", shown, as the pupil has it.
std::unique_ptr<TfrmRoPupil> DevelopmentWindow()
{
    auto form = std::make_unique<TfrmRoPupil>(std::make_unique<FreeTaskEdition>(), 1024);
    form->show();
    form->NMainBegin->trigger();
    form->NMainWork->trigger();
    QApplication::processEvents();
    return form;
}

// Loads `name` through the window's item, with the dialog answered, and
// returns once the window answers again.
void LoadInWindow(TfrmRoPupil& form, const QString& name)
{
    SetFileDialogSink([&](QFileDialog&) { return name; });
    static_cast<FreeTaskEdition&>(form.Edition()).N11Click();
    // The window answers once its event loop comes round: what the load left
    // posted or due (the list's layout and painting) is handled by then.
    QEventLoop answered;
    QTimer::singleShot(0, &answered, &QEventLoop::quit);
    answered.exec();
    SetFileDialogSink(nullptr);
}

// ------------------------------------------------------------------------- long

int BenchLong(int runs, int count)
{
    const QStringList text = count > 0 ? LongAlgorithm(count) : LongestAdmittedAlgorithm();
    // The window would refuse a larger file with a box that waits for a click.
    if (FormatAlgorithmText(text).size() > kMaxAlgorithmFileSize) {
        std::fprintf(stderr, "%d lines make a file over the %lld bytes a load admits\n", count,
                     qlonglong(kMaxAlgorithmFileSize));
        return 2;
    }
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

    // The same file through the window's items, each run in a window of its own.
    Sample windowLoad, windowSave;
    for (int r = 0; r < runs; ++r) {
        auto form = DevelopmentWindow();
        auto start = Clock::now();
        LoadInWindow(*form, name);
        windowLoad.Add(MillisecondsSince(start));
        SetFileDialogSink([&](QFileDialog&) { return name; });
        start = Clock::now();
        static_cast<FreeTaskEdition&>(form->Edition()).N10Click();
        windowSave.Add(MillisecondsSince(start));
        SetFileDialogSink(nullptr);
        if (form->lstCom->count() != text.size() || ReadAllLines(name) != text) {
            std::fprintf(stderr, "the window did not load and save the file as it stands\n");
            return 1;
        }
    }
    std::printf("In the window (list, names, statistics):\n");
    PrintSample("load, ms:", windowLoad, 1);
    PrintSample("save, ms:", windowSave, 1);
    PrintResult("window_load_ms", windowLoad.Median());
    return 0;
}

// ------------------------------------------------------------------------ bound

// Run in a process of its own, so that the peak memory is this load's: loads
// `name` into a fresh window and prints "LOADED <ms> <peak kB> <lines>".
int OneBoundLoad(const QString& name)
{
    auto form = DevelopmentWindow();
    const auto start = Clock::now();
    LoadInWindow(*form, name);
    const double ms = MillisecondsSince(start);
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf("LOADED %.1f %ld %d\n", ms, long(ru.ru_maxrss), form->lstCom->count());
    return 0;
}

int BenchBound(int runs)
{
    struct Kind {
        const char* name;
        QByteArray line;  // repeated to the bound, whole lines only
    };
    const Kind kinds[] = {
        {"line ends alone", "\n"},
        {"\"    ШАГ\" lines", QStringEncoder("windows-1251")(QStringLiteral("    ШАГ\r\n"))},
        {"one line", "\xd8"},  // "Ш"
    };
    QTemporaryDir dir;
    std::printf("\nThe largest files a load admits (%lld bytes), each loaded into a window in a process of its own\n",
                qlonglong(kMaxAlgorithmFileSize));
    for (const Kind& kind : kinds) {
        const QString name = dir.filePath(QStringLiteral("bound.txt"));
        const qint64 copies = kMaxAlgorithmFileSize / kind.line.size();
        if (!WriteBytes(name, kind.line.repeated(qsizetype(copies)))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
        Sample ms, mb;
        long lines = 0;
        for (int r = 0; r < runs; ++r) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--one-load"), name});
            const bool done = child.waitForFinished(120000);
            const QList<QByteArray> out = child.readAllStandardOutput().trimmed().split(' ');
            if (!done || out.size() != 4 || out[0] != "LOADED") {
                std::fprintf(stderr, "the load of %s did not finish\n", kind.name);
                return 1;
            }
            ms.Add(out[1].toDouble());
            mb.Add(out[2].toDouble() / 1024);
            lines = out[3].toLong();
        }
        std::printf("%s: %ld lines\n", kind.name, lines);
        PrintSample("until the window answers, ms:", ms, 1);
        PrintSample("peak memory of the program, MB:", mb, 1);
        PrintTarget("load of the largest file, s", ms.Median() / 1000, "<=", 1, 2);
        PrintTarget("peak memory, MB", mb.Median(), "<=", 300, 0);
    }

    // One byte over: refused without reading it.
    const QString over = dir.filePath(QStringLiteral("over.txt"));
    if (!WriteBytes(over, QByteArray(qsizetype(kMaxAlgorithmFileSize + 1), '\n'))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(over));
        return 1;
    }
    Sample refused;
    for (int r = 0; r < runs; ++r) {
        QStringList lines;
        const auto start = Clock::now();
        const QString error = LoadAlgorithmFile(over, lines);
        refused.Add(MillisecondsSince(start));
        if (error.isEmpty()) {
            std::fprintf(stderr, "a file over the bound was loaded\n");
            return 1;
        }
    }
    std::printf("one byte over the bound:\n");
    PrintSample("refused after, ms:", refused, 3);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // bench_file [--runs N] [--lines N] [long] [bound]
    int runs = 5;
    int count = 0;  // as many as the bound admits
    bool all = true, runLong = false, runBound = false;
    QString oneLoad;
    for (int k = 1; k < argc; ++k) {
        const QByteArray a = argv[k];
        if (a == "--runs" && k + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++k]));
        } else if (a == "--lines" && k + 1 < argc) {
            count = std::max(10, std::atoi(argv[++k]));
        } else if (a == "--one-load" && k + 1 < argc) {
            oneLoad = QString::fromLocal8Bit(argv[++k]);
        } else if (a == "long" || a == "bound") {
            all = false;
            (a == "long" ? runLong : runBound) = true;
        } else {
            std::fprintf(stderr, "usage: bench_file [--runs N] [--lines N] [long] [bound]\n");
            return 2;
        }
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TIMPA_FREE"));
    if (!oneLoad.isEmpty())
        return OneBoundLoad(oneLoad);
    if ((all || runLong) && BenchLong(runs, count) != 0)
        return 1;
    if ((all || runBound) && BenchBound(runs) != 0)
        return 1;
    return 0;
}
