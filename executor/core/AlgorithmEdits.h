#pragma once
// Edits of the algorithm text that the context menu and the Del key make, and
// the selection rule of the algorithm list. Like the inserts, each routine only
// looks at the text and returns what to do as a value; the window applies it.
//
// A loaded text may lack the closing line of a structure, or have no current
// line at all. No routine here reads a line that does not exist: a structure
// without its closing line is refused before anything is removed, so no line
// of the pupil's is lost, and without a current line nothing is done.

#include "AlgorithmText.h"

#include <QString>
#include <QStringList>

// What a deletion does to the algorithm list, in this order: remove Count rows
// from row At; when AppendEmpty, add one empty line at the end (the removed rows
// were the last ones, and a current line must remain); select row Select;
// recount the statistics when Recount. A refusal removes nothing and shows
// Message in a box of kind Box. A procedure deletion also names the entry that
// leaves the list of procedure names (RemovesName).
struct LineDeletion {
    enum class Box { None, Information, Error };

    int At = -1;
    int Count = 0;
    bool AppendEmpty = false;
    int Select = -1;
    bool Recount = false;
    Box MessageBox = Box::None;
    QString Message;
    bool RemovesName = false;
    QString Name;

    bool RemovesLines() const { return At >= 0 && Count > 0; }
    bool IsRefusal() const { return MessageBox != Box::None; }
};

// "Удалить строку": line `current`, whatever its kind.
LineDeletion DeleteLine(const QStringList& text, int current);
// The Del key: line `current` when it is a simple line; otherwise nothing, not
// even a recount.
LineDeletion DeleteSimpleLine(const QStringList& text, int current);
// "Удалить конструкцию": the branch or loop whose header is line `current`,
// down to its matching "ВСЁ" or "КЦ". Only the construct's own pair of words
// is counted for nesting. On any other line nothing goes, but the statistics
// are recounted.
LineDeletion DeleteConstruct(const QStringList& text, int current);
// "Удалить ветвь ИНАЧЕ": the "ИНАЧЕ" line `current` and everything after it up
// to the matching "ВСЁ", which stays and becomes current. On any other line
// nothing goes, but the statistics are recounted.
LineDeletion DeleteElsePart(const QStringList& text, int current);
// "Удалить процедуру": the description that begins on line `current`, through
// its first "КОНЕЦ ПРОЦЕДУРЫ", unless some line of the text calls it by exactly
// its name. On any other line nothing goes, but the statistics are recounted.
LineDeletion DeleteProcedure(const QStringList& text, int current);

// The refusal of "Удалить процедуру" while the procedure is called.
QString ProcedureCalledMessage();
// Refusals of a structure without its closing line.
QString UnclosedBranchDeletionMessage();
QString UnclosedLoopDeletionMessage();
QString UnclosedProcedureDeletionMessage();

// Applies a deletion to a text held as a list of strings and returns the row to
// select, or -1 when the deletion leaves the selection alone.
int ApplyDeletion(QStringList& text, const LineDeletion& deletion);

// "Вставить пустую строку": an empty line above line `current`, which stays
// selected; the list does not scroll.
LineInsert EmptyLineInsert(const QStringList& text, int current);
// The comment panel's Enter: "//" + the typed text above line `current`,
// scrolled like the other inserts.
LineInsert CommentInsert(const QStringList& text, int current, const QString& typed,
                         int halfVisibleLines);

// Which delete items of the context menu a current line enables.
struct DeleteItemStates {
    bool Line = false;
    bool Construct = false;
    bool ElsePart = false;
    bool Procedure = false;
};
DeleteItemStates DeleteItemsFor(const QString& line);
// Without a current line there is nothing to delete: all four are disabled.
DeleteItemStates DeleteItemsFor(const QStringList& text, int current);

// The selection rule of the algorithm list after the pupil moved the selection
// to row `selected`: the row to select instead, or -1 to leave it. "ТО" and
// "НЦ" pass it to the next line, the skeleton's header lines and "НАЧ" to line
// 4; a target that does not exist (a short loaded text) leaves it.
int SelectionRuleTarget(const QStringList& text, int selected);
