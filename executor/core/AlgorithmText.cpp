#include "AlgorithmText.h"

namespace {

// Number of leading characters of code 32 or below.
int LeadLength(QStringView line)
{
    int n = 0;
    while (n < line.size() && line.at(n).unicode() <= 32)
        ++n;
    return n;
}

QStringView TrimView(QStringView line)
{
    return line.mid(LeadLength(line));
}

bool Is(const QString& line, const QString& text)
{
    return TrimmedView(line) == text;
}

// startsWith compares case-sensitively and fails on a shorter line.
bool Begins(const QString& line, const QString& prefix)
{
    return TrimmedView(line).startsWith(prefix, Qt::CaseSensitive);
}

// t from its `from`-th character (1-based) to its end; empty when t is shorter.
QString TailFrom(const QString& line, int from)
{
    const QStringView t = TrimmedView(line);
    if (t.size() < from)
        return QString();
    return t.mid(from - 1).toString();
}

int ClampTop(int top)
{
    return top < 0 ? 0 : top;
}

bool HasLine(const QStringList& text, int i)
{
    return i >= 0 && i < text.size();
}

} // namespace

// --- Trimmed form and indentation ---------------------------------------------

QString Trimmed(const QString& line)
{
    return TrimmedView(line).toString();
}

QStringView TrimmedView(const QString& line)
{
    return TrimView(QStringView(line));
}

int IndentDepth(const QString& line)
{
    return LeadLength(QStringView(line));
}

QString IndentFor(const QString& line)
{
    QString prefix(IndentDepth(line), QLatin1Char(' '));
    const QStringView t = TrimmedView(line);
    if (t == kEndIf)
        prefix += QString(7, QLatin1Char(' '));
    else if (t == kLoopEnd || t == kElse || t == kEnd || t == kProcEnd)
        prefix += QString(4, QLatin1Char(' '));
    return prefix;
}

// --- Recognition ----------------------------------------------------------------

bool IsStep(const QString& line) { return Is(line, kStep); }
bool IsJump(const QString& line) { return Is(line, kJump); }
bool IsTurn(const QString& line) { return Is(line, kTurn); }

bool IsCommandLine(const QString& line)
{
    const QStringView t = TrimmedView(line);
    return t == kStep || t == kJump || t == kTurn;
}

bool IsBranchHeader(const QString& line) { return Begins(line, kIfPrefix); }

bool IsBranchHeaderWithCondition(const QString& line)
{
    const QStringView t = TrimmedView(line);
    return t == kIfWall || t == kIfNotWall;
}

bool IsThen(const QString& line) { return Is(line, kThen); }
bool IsElse(const QString& line) { return Is(line, kElse); }
bool IsEndIf(const QString& line) { return Is(line, kEndIf); }

bool IsLoopHeader(const QString& line) { return Begins(line, kWhilePrefix); }

bool IsLoopHeaderWithCondition(const QString& line)
{
    const QStringView t = TrimmedView(line);
    return t == kWhileWall || t == kWhileNotWall;
}

bool IsLoopBegin(const QString& line) { return Is(line, kLoopBegin); }
bool IsEndLoop(const QString& line) { return Is(line, kLoopEnd); }

bool BranchConditionHolds(const QString& line, bool wallAhead)
{
    const QStringView t = TrimmedView(line);
    return (t == kIfWall && wallAhead) || (t == kIfNotWall && !wallAhead);
}

bool LoopConditionHolds(const QString& line, bool wallAhead)
{
    const QStringView t = TrimmedView(line);
    return (t == kWhileWall && wallAhead) || (t == kWhileNotWall && !wallAhead);
}

bool IsProcDescription(const QString& line) { return Begins(line, kProcPrefix); }
QString ProcDescriptionName(const QString& line) { return TailFrom(line, 11); }
bool IsProcEnd(const QString& line) { return Is(line, kProcEnd); }
bool IsProcCall(const QString& line) { return Begins(line, kCallPrefix); }
QString ProcCallName(const QString& line) { return TailFrom(line, 7); }

bool IsComment(const QString& line) { return Begins(line, kCommentPrefix); }
bool IsEmptyLine(const QString& line) { return TrimmedView(line).isEmpty(); }

bool IsNach(const QString& line) { return Is(line, kBegin); }
bool IsKon(const QString& line) { return Is(line, kEnd); }
bool IsRunEnd(const QString& line) { return line == kEnd; }

bool IsHeaderLine(const QString& line)
{
    return Begins(line, kTitleMenuPrefix) || Begins(line, kGivenMenuPrefix)
        || Begins(line, kGoalMenuPrefix);
}

bool IsSelectionHeader(const QString& line)
{
    return Begins(line, kTitleSelectPrefix) || Begins(line, kGivenSelectPrefix)
        || Begins(line, kGoalSelectPrefix) || IsNach(line);
}

bool IsSimpleLine(const QString& line)
{
    return IsCommandLine(line) || IsEmptyLine(line) || IsProcCall(line) || IsComment(line);
}

// --- Line forms ---------------------------------------------------------------

QStringList NewAlgorithmLines(int algorithmNumber, bool goalIsPointB)
{
    return {
        kTitlePrefix + QString::number(algorithmNumber),
        kGivenLine,
        goalIsPointB ? kGoalPointBLine : kGoalPatternLine,
        kBegin,
        kEnd,
    };
}

QString CommandLine(const QString& current, const QString& word)
{
    return IndentFor(current) + word;
}

QStringList BranchLines(const QString& current, const QString& header)
{
    const QString p = IndentFor(current);
    return {p + header, p + kThenInserted, p + kElseInserted, p + kEndIf};
}

QStringList LoopLines(const QString& current, const QString& header)
{
    const QString p = IndentFor(current);
    return {p + header, p + kLoopBegin, p + kLoopEnd};
}

QStringList ProcDescriptionLines(const QString& name)
{
    return {kProcPrefix + QLatin1Char(' ') + name, kProcEnd};
}

QString ProcCallLine(const QString& current, const QString& name)
{
    return IndentFor(current) + kCallPrefix + QLatin1Char(' ') + name;
}

QString CommentLine(const QString& text)
{
    return kCommentPrefix + text;
}

// --- Inserts above the current line -------------------------------------------

namespace {
// Lines put in above line `current`; the list then selects current + select
// and scrolls so that the edit point (current + edit) stands about mid-list.
LineInsert InsertAbove(const QStringList& text, int current, const QStringList& lines, int select, int edit,
                       int halfVisibleLines)
{
    LineInsert r;
    if (!HasLine(text, current))
        return r;
    r.At = current;
    r.Lines = lines;
    r.Select = current + select;
    r.Top = ClampTop(current + edit - halfVisibleLines);
    return r;
}
} // namespace

LineInsert CommandInsert(const QStringList& text, int current, const QString& word, int halfVisibleLines)
{
    if (!HasLine(text, current))
        return LineInsert();
    return InsertAbove(text, current, {CommandLine(text.at(current), word)}, 1, 0, halfVisibleLines);
}

LineInsert BranchInsert(const QStringList& text, int current, const QString& header, int halfVisibleLines)
{
    if (!HasLine(text, current))
        return LineInsert();
    // Selects "ИНАЧЕ": the next insert lands in the "ТО" part.
    return InsertAbove(text, current, BranchLines(text.at(current), header), 2, 3, halfVisibleLines);
}

LineInsert LoopInsert(const QStringList& text, int current, const QString& header, int halfVisibleLines)
{
    if (!HasLine(text, current))
        return LineInsert();
    // Selects "КЦ": the next insert lands in the body.
    return InsertAbove(text, current, LoopLines(text.at(current), header), 2, 2, halfVisibleLines);
}

void ApplyInsert(QStringList& text, const LineInsert& insert)
{
    if (insert.IsEmpty() || insert.At > text.size())
        return;
    for (int k = 0; k < insert.Lines.size(); ++k)
        text.insert(insert.At + k, insert.Lines.at(k));
}
