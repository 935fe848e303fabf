// How long an algorithm file of 100,000 lines takes to load, recount and save:
// reading and splitting the file, the statistics over every line, and writing
// it back through a temporary file; then the same through the executor
// window's own file items (the list filled, the names and the statistics
// recounted), offscreen. Each should stay under a second in all.
//
// Not a test: it prints numbers.

#include "AlgorithmFile.h"
#include "AlgorithmText.h"
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
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TIMPA_FREE"));
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const QStringList text = LongAlgorithm(count);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("long.txt"));
    if (!SaveAlgorithmFile(name, text).isEmpty()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
        return 1;
    }

    auto start = Clock::now();
    QStringList loaded;
    const QString error = LoadAlgorithmFile(name, loaded);
    const double loadMs = MillisecondsSince(start);

    start = Clock::now();
    const QStringList statist = UpdateStatistLines(loaded);
    const double recountMs = MillisecondsSince(start);

    start = Clock::now();
    const QString saveError = SaveAlgorithmFile(name, loaded);
    const double saveMs = MillisecondsSince(start);

    if (!error.isEmpty() || !saveError.isEmpty() || loaded != text) {
        std::fprintf(stderr, "the file did not come back as written\n");
        return 1;
    }
    std::printf("Algorithm file of %lld lines (%lld bytes)\n", qlonglong(loaded.size()),
                qlonglong(FormatAlgorithmText(loaded).size()));
    std::printf("  load:     %8.1f ms\n", loadMs);
    std::printf("  recount:  %8.1f ms   (%s)\n", recountMs, qPrintable(statist.last()));
    std::printf("  save:     %8.1f ms\n", saveMs);
    std::printf("  in all:   %8.1f ms\n", loadMs + recountMs + saveMs);

    // The same file through the window's items, in "Разработка".
    TfrmRoPupil form(std::make_unique<FreeTaskEdition>(), 1024);
    auto& edition = static_cast<FreeTaskEdition&>(form.Edition());
    form.show();
    form.NMainBegin->trigger();
    form.NMainWork->trigger();
    QApplication::processEvents();
    SetFileDialogSink([&](QFileDialog&) { return name; });
    start = Clock::now();
    edition.N11Click();
    QApplication::processEvents();   // the list painted
    const double windowLoadMs = MillisecondsSince(start);
    start = Clock::now();
    edition.N10Click();
    const double windowSaveMs = MillisecondsSince(start);
    SetFileDialogSink(nullptr);
    if (form.lstCom->count() != text.size() || ReadAllLines(name) != text) {
        std::fprintf(stderr, "the window did not load and save the file as it stands\n");
        return 1;
    }
    std::printf("In the window (list, names, statistics):\n");
    std::printf("  load:     %8.1f ms\n", windowLoadMs);
    std::printf("  save:     %8.1f ms\n", windowSaveMs);
    std::printf("  in all:   %8.1f ms\n", windowLoadMs + windowSaveMs);
    return 0;
}
