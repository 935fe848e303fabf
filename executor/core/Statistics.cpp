#include "Statistics.h"

#include "AlgorithmText.h"

namespace {

QString Blanks(int n) { return QString(n, QLatin1Char(' ')); }
QString Dots(int n) { return QString(n, QLatin1Char('.')); }

const QString kStatTitle = QStringLiteral(" Всего в алгоритме:");
const int kStatSpacerWidth = 19;  // as wide as the title

const QString kWordCommands = QStringLiteral("команд");
const QString kWordProcedures = QStringLiteral("процедур");
const QString kWordCalls = QStringLiteral("вызовов процедур");
const QString kWordBranches = QStringLiteral("ветвлений");
const QString kWordLoops = QStringLiteral("циклов");
const QString kWordTotal = QStringLiteral("Итого:");
const QString kWordLines = QStringLiteral("строк");

} // namespace

StatistCounts CountStatist(const QStringList& algorithm)
{
    StatistCounts c;
    for (const QString& line : algorithm) {
        if (IsCommandLine(line))
            ++c.Commands;
        if (IsBranchHeader(line))
            ++c.Branches;
        if (IsLoopHeader(line))
            ++c.Loops;
        if (IsProcDescription(line))
            ++c.Procedures;
        if (IsProcCall(line))
            ++c.Calls;
        if (!IsEmptyLine(line) && !IsComment(line))
            ++c.Lines;
    }
    return c;
}

QStringList ResetStatistLines()
{
    // The skeleton's counts (0 of every kind, 5 lines) are written into the texts.
    return {
        kStatTitle,
        Blanks(kStatSpacerWidth),
        kWordCommands + Blanks(6) + Dots(13) + QStringLiteral("0"),
        kWordProcedures + Blanks(6) + Dots(11) + QStringLiteral("0"),
        kWordCalls + Blanks(1) + QStringLiteral("0"),
        kWordBranches + Blanks(4) + Dots(11) + QStringLiteral("0"),
        kWordLoops + Blanks(8) + Dots(12) + QStringLiteral("0"),
        Blanks(kStatSpacerWidth),
        kWordTotal + Blanks(2) + kWordLines + Blanks(3) + Dots(5) + QStringLiteral("5"),
    };
}

QStringList StatistLines(const StatistCounts& c)
{
    return {
        kStatTitle,
        Blanks(kStatSpacerWidth),
        kWordCommands + Blanks(5) + Dots(14) + QString::number(c.Commands),
        kWordProcedures + Blanks(3) + Dots(14) + QString::number(c.Procedures),
        kWordCalls + Blanks(1) + QString::number(c.Calls),
        kWordBranches + Blanks(2) + Dots(13) + QString::number(c.Branches),
        kWordLoops + Blanks(6) + Dots(14) + QString::number(c.Loops),
        Blanks(kStatSpacerWidth),
        kWordTotal + Blanks(2) + kWordLines + Blanks(3) + Dots(6) + QString::number(c.Lines),
    };
}

QStringList UpdateStatistLines(const QStringList& algorithm)
{
    return StatistLines(CountStatist(algorithm));
}
