#include "AlgorithmEdits.h"

#include "Interpreter.h"

#include <algorithm>

namespace {

bool HasLine(const QStringList& text, int i)
{
    return i >= 0 && i < text.size();
}

// Remove `count` rows from `at`, then the common ending: an empty line when
// nothing is left below, the line that followed selected, a recount.
LineDeletion Removal(const QStringList& text, int at, int count)
{
    LineDeletion d;
    d.At = at;
    d.Count = count;
    d.AppendEmpty = at >= text.size() - count;
    d.Select = at;
    d.Recount = true;
    return d;
}

LineDeletion RecountOnly()
{
    LineDeletion d;
    d.Recount = true;
    return d;
}

LineDeletion Refusal(LineDeletion::Box box, const QString& message)
{
    LineDeletion d;
    d.MessageBox = box;
    d.Message = message;
    return d;
}

// Row of the line that closes the structure opened on row `from`, counting
// depth from 1 with the given opening and closing tests; -1 when the text ends
// first.
template <typename Opens, typename Closes>
int MatchingClose(const QStringList& text, int from, Opens opens, Closes closes)
{
    int depth = 1;
    for (int j = from + 1; j < text.size(); ++j) {
        const QString& line = text.at(j);
        if (opens(line))
            ++depth;
        else if (closes(line))
            --depth;
        if (depth == 0)
            return j;
    }
    return -1;
}

QString WithNothingRemoved(const QString& message)
{
    return message + QStringLiteral("\rНичего не удалено.");
}

} // namespace

QString ProcedureCalledMessage()
{
    return QStringLiteral("Нельзя удалить процедуру \rбез удаления всех её вызовов !!!");
}

QString UnclosedBranchDeletionMessage() { return WithNothingRemoved(UnclosedBranchMessage()); }
QString UnclosedLoopDeletionMessage() { return WithNothingRemoved(UnclosedLoopMessage()); }
QString UnclosedProcedureDeletionMessage() { return WithNothingRemoved(UnclosedProcedureMessage()); }

LineDeletion DeleteLine(const QStringList& text, int current)
{
    if (!HasLine(text, current))
        return LineDeletion();
    return Removal(text, current, 1);
}

LineDeletion DeleteSimpleLine(const QStringList& text, int current)
{
    if (!HasLine(text, current) || !IsSimpleLine(text.at(current)))
        return LineDeletion();
    return Removal(text, current, 1);
}

LineDeletion DeleteConstruct(const QStringList& text, int current)
{
    if (!HasLine(text, current))
        return LineDeletion();
    const QString& header = text.at(current);
    int close = -1;
    if (IsBranchHeader(header)) {
        close = MatchingClose(text, current, IsBranchHeader, IsEndIf);
        if (close < 0)
            return Refusal(LineDeletion::Box::Error, UnclosedBranchDeletionMessage());
    } else if (IsLoopHeader(header)) {
        close = MatchingClose(text, current, IsLoopHeader, IsEndLoop);
        if (close < 0)
            return Refusal(LineDeletion::Box::Error, UnclosedLoopDeletionMessage());
    } else {
        return RecountOnly();
    }
    return Removal(text, current, close - current + 1);
}

LineDeletion DeleteElsePart(const QStringList& text, int current)
{
    if (!HasLine(text, current))
        return LineDeletion();
    if (!IsElse(text.at(current)))
        return RecountOnly();
    const int close = MatchingClose(text, current, IsBranchHeader, IsEndIf);
    if (close < 0)
        return Refusal(LineDeletion::Box::Error, UnclosedBranchDeletionMessage());
    // The matching "ВСЁ" stays and closes the first part alone.
    return Removal(text, current, close - current);
}

LineDeletion DeleteProcedure(const QStringList& text, int current)
{
    if (!HasLine(text, current))
        return LineDeletion();
    if (!IsProcDescription(text.at(current)))
        return RecountOnly();
    const QString name = ProcDescriptionName(text.at(current));
    // A call anywhere, the procedure's own body included, keeps it.
    for (const QString& line : text) {
        if (IsProcCall(line) && ProcCallName(line) == name)
            return Refusal(LineDeletion::Box::Information, ProcedureCalledMessage());
    }
    // Descriptions do not nest: the first end line closes this one.
    int end = -1;
    for (int j = current + 1; j < text.size() && end < 0; ++j) {
        if (IsProcEnd(text.at(j)))
            end = j;
    }
    if (end < 0)
        return Refusal(LineDeletion::Box::Error, UnclosedProcedureDeletionMessage());
    LineDeletion d = Removal(text, current, end - current + 1);
    d.RemovesName = true;
    d.Name = name;
    return d;
}

int ApplyDeletion(QStringList& text, const LineDeletion& deletion)
{
    if (!deletion.RemovesLines() || deletion.At + deletion.Count > text.size())
        return -1;
    text.remove(deletion.At, deletion.Count);
    if (deletion.AppendEmpty)
        text.append(QString());
    return deletion.Select;
}

LineInsert EmptyLineInsert(const QStringList& text, int current)
{
    LineInsert r;
    if (!HasLine(text, current))
        return r;
    r.At = current;
    r.Lines = QStringList{QString()};
    r.Select = current + 1;
    r.Scroll = false;
    return r;
}

LineInsert CommentInsert(const QStringList& text, int current, const QString& typed, int halfVisibleLines)
{
    LineInsert r;
    if (!HasLine(text, current))
        return r;
    r.At = current;
    r.Lines = QStringList{CommentLine(typed)};
    r.Select = current + 1;
    r.Top = std::max(0, current - halfVisibleLines);
    return r;
}

DeleteItemStates DeleteItemsFor(const QString& line)
{
    DeleteItemStates s;
    if (IsSimpleLine(line)) {
        s.Line = true;
    } else if (IsElse(line)) {
        s.ElsePart = true;
    } else if (IsBranchHeader(line) || IsLoopHeader(line)) {
        s.Construct = true;
    } else if (IsNach(line) || IsKon(line) || IsEndLoop(line) || IsEndIf(line) || IsProcEnd(line)
               || IsHeaderLine(line)) {
        // Lines of the skeleton and closing lines go only with their structure.
    } else if (IsProcDescription(line)) {
        s.Procedure = true;
    } else {
        // A line of no known kind (only in a loaded text): every deletion is offered.
        s = DeleteItemStates{true, true, true, true};
    }
    return s;
}

DeleteItemStates DeleteItemsFor(const QStringList& text, int current)
{
    if (!HasLine(text, current))
        return DeleteItemStates();
    return DeleteItemsFor(text.at(current));
}

int SelectionRuleTarget(const QStringList& text, int selected)
{
    if (!HasLine(text, selected))
        return -1;
    const QString& line = text.at(selected);
    int target = -1;
    if (IsThen(line) || IsLoopBegin(line))
        target = selected + 1;
    else if (IsSelectionHeader(line))
        target = 4;  // in the skeleton, the first line after "НАЧ"
    if (!HasLine(text, target) || target == selected)
        return -1;
    return target;
}
