#pragma once
// The algorithm is nothing but its lines. These routines recognise line kinds,
// compute the indentation of a line to be inserted, and build the inserts; the
// window applies them to its list.
//
// Every recognition works on the trimmed form t of a line (leading characters
// of code 32 or below removed, trailing ones kept) and compares t, or its first
// n characters, with one of the texts below: exactly, so letter case, "Ё"
// against "Е" and trailing blanks all count, and a line shorter than n never
// matches an n-character test. The Is... functions accept a line as stored or
// already trimmed (trimming twice changes nothing). The one exception is
// IsRunEnd, which looks at the line as stored.

#include <QString>
#include <QStringList>
#include <QStringView>

// --- Texts of the lines -------------------------------------------------------

// Skeleton of a new algorithm; the title ends with the algorithm number.
inline const QString kTitlePrefix = QStringLiteral("АЛГОРИТМ ПУТЬ_");
inline const QString kGivenLine = QStringLiteral("    Дано: Исполнитель в т.А");
inline const QString kGoalPointBLine = QStringLiteral("    Надо: Исполнитель в т.Б");
inline const QString kGoalPatternLine = QStringLiteral("    Надо: Воспроизвести образец");
inline const QString kBegin = QStringLiteral("НАЧ");
inline const QString kEnd = QStringLiteral("КОН");

// Commands.
inline const QString kStep = QStringLiteral("ШАГ");
inline const QString kJump = QStringLiteral("ПРЫЖОК");
inline const QString kTurn = QStringLiteral("ПОВОРОТ");

// Branch. "ТО" and "ИНАЧЕ" are inserted with three blanks of their own.
inline const QString kIfWall = QStringLiteral("ЕСЛИ впереди стена");
inline const QString kIfNotWall = QStringLiteral("ЕСЛИ впереди НЕ стена");
inline const QString kThen = QStringLiteral("ТО");
inline const QString kElse = QStringLiteral("ИНАЧЕ");
inline const QString kEndIf = QStringLiteral("ВСЁ");
inline const QString kThenInserted = QStringLiteral("   ТО");
inline const QString kElseInserted = QStringLiteral("   ИНАЧЕ");

// Loop.
inline const QString kWhileWall = QStringLiteral("ПОКА впереди стена");
inline const QString kWhileNotWall = QStringLiteral("ПОКА впереди НЕ стена");
inline const QString kLoopBegin = QStringLiteral("НЦ");
inline const QString kLoopEnd = QStringLiteral("КЦ");

// Procedures: "ПРОЦЕДУРА <name>" ... "КОНЕЦ ПРОЦЕДУРЫ", called by "ДЕЛАЙ <name>".
inline const QString kProcPrefix = QStringLiteral("ПРОЦЕДУРА");
inline const QString kProcEnd = QStringLiteral("КОНЕЦ ПРОЦЕДУРЫ");
inline const QString kCallPrefix = QStringLiteral("ДЕЛАЙ");

// Comments begin with "//".
inline const QString kCommentPrefix = QStringLiteral("//");

// Prefixes that tell a line kind by its first characters.
inline const QString kIfPrefix = QStringLiteral("ЕСЛИ");
inline const QString kWhilePrefix = QStringLiteral("ПОКА");
// Skeleton header lines as the context menu knows them.
inline const QString kTitleMenuPrefix = QStringLiteral("АЛГОРИТМ");
inline const QString kGivenMenuPrefix = QStringLiteral("Дано");
inline const QString kGoalMenuPrefix = QStringLiteral("Надо");
// Skeleton header lines as the selection rule knows them (first ten characters).
inline const QString kTitleSelectPrefix = QStringLiteral("АЛГОРИТМ П");
inline const QString kGivenSelectPrefix = QStringLiteral("Дано: Испо");
inline const QString kGoalSelectPrefix = QStringLiteral("Надо: Испо");

// --- Trimmed form and indentation ---------------------------------------------

// The line with its leading characters of code 32 or below removed.
QString Trimmed(const QString& line);
// The same without a copy; valid as long as `line` is.
QStringView TrimmedView(const QString& line);
// Number of leading characters that trimming removes (a tab counts as one).
int IndentDepth(const QString& line);
// Prefix of blanks for a line inserted above `line`: the line's own depth, plus
// 7 above "ВСЁ", plus 4 above "КЦ", "ИНАЧЕ", "КОН" and "КОНЕЦ ПРОЦЕДУРЫ".
QString IndentFor(const QString& line);

// --- Recognition ----------------------------------------------------------------

bool IsStep(const QString& line);            // t is "ШАГ"
bool IsJump(const QString& line);            // t is "ПРЫЖОК"
bool IsTurn(const QString& line);            // t is "ПОВОРОТ"
bool IsCommandLine(const QString& line);     // t is "ШАГ", "ПРЫЖОК" or "ПОВОРОТ"

bool IsBranchHeader(const QString& line);               // t begins "ЕСЛИ"
bool IsBranchHeaderWithCondition(const QString& line);  // t is one of the two branch headers
bool IsThen(const QString& line);                       // t is "ТО"
bool IsElse(const QString& line);                       // t is "ИНАЧЕ"
bool IsEndIf(const QString& line);                      // t is "ВСЁ"

bool IsLoopHeader(const QString& line);                 // t begins "ПОКА"
bool IsLoopHeaderWithCondition(const QString& line);    // t is one of the two loop headers
bool IsLoopBegin(const QString& line);                  // t is "НЦ"
bool IsEndLoop(const QString& line);                    // t is "КЦ"

// Whether the condition of a branch or loop header holds with the given wall
// state: "... стена" holds with a wall ahead, "... НЕ стена" without one. Any
// other header never holds.
bool BranchConditionHolds(const QString& line, bool wallAhead);
bool LoopConditionHolds(const QString& line, bool wallAhead);

bool IsProcDescription(const QString& line);  // t begins "ПРОЦЕДУРА"
// Name of a description: t from its 11th character on (the 10th, a blank when
// inserted, is skipped unexamined); trailing blanks belong to the name.
QString ProcDescriptionName(const QString& line);
bool IsProcEnd(const QString& line);          // t is "КОНЕЦ ПРОЦЕДУРЫ"
bool IsProcCall(const QString& line);         // t begins "ДЕЛАЙ"
// Name of a call: t from its 7th character on (the 6th is skipped unexamined).
QString ProcCallName(const QString& line);

bool IsComment(const QString& line);          // t begins "//"
bool IsEmptyLine(const QString& line);        // t is empty (only blanks and control characters)

bool IsNach(const QString& line);             // t is "НАЧ"
bool IsKon(const QString& line);              // t is "КОН"
// The end of the main body for a run: the line as stored, untrimmed, is "КОН".
bool IsRunEnd(const QString& line);

// Skeleton header lines for the context menu: t begins "АЛГОРИТМ", "Дано" or "Надо".
bool IsHeaderLine(const QString& line);
// Lines the selection rule passes on to line 4: t begins "АЛГОРИТМ П",
// "Дано: Испо" or "Надо: Испо", or t is "НАЧ".
bool IsSelectionHeader(const QString& line);

// A line that may be deleted on its own: a command, an empty line, a call or a comment.
bool IsSimpleLine(const QString& line);

// --- Line forms ---------------------------------------------------------------

// The five lines of a new algorithm.
QStringList NewAlgorithmLines(int algorithmNumber, bool goalIsPointB);

// A command above `current`: IndentFor(current) + word.
QString CommandLine(const QString& current, const QString& word);
// Lines of a branch / loop inserted above `current` (the header decides the
// condition); one prefix, computed from `current`, for all of them.
QStringList BranchLines(const QString& current, const QString& header); // 4 lines
QStringList LoopLines(const QString& current, const QString& header);   // 3 lines
// A procedure description, appended after the last line without indentation.
QStringList ProcDescriptionLines(const QString& name);
// A call above `current`: IndentFor(current) + "ДЕЛАЙ " + name.
QString ProcCallLine(const QString& current, const QString& name);
// A comment line: "//" + the text as typed, never indented.
QString CommentLine(const QString& text);

// --- Inserts above the current line -------------------------------------------

// What an insert does to the algorithm list: put Lines in at row At (the first
// of them at At, the rest below it), then select row Select and scroll so that
// row Top is the first visible one (unless Scroll is false: then the list keeps
// its scroll position). An insert with At == -1 changes nothing.
struct LineInsert {
    int At = -1;
    QStringList Lines;
    int Select = -1;
    int Top = 0;
    bool Scroll = true;

    bool IsEmpty() const { return At < 0; }
};

// The inserts of the command buttons, of a branch and of a loop, made above
// line `current` of `text`. The current line stays selected below a command
// (current + 1); a branch selects its "ИНАЧЕ" line (current + 2), a loop its
// "КЦ" line (current + 2). The edit point is scrolled to about the middle of
// the list (`halfVisibleLines` rows above it); when that would be above the
// first line, the first line is shown. With no current line (current outside
// the text) there is nothing to insert above, and the insert is empty.
LineInsert CommandInsert(const QStringList& text, int current, const QString& word,
                         int halfVisibleLines);
LineInsert BranchInsert(const QStringList& text, int current, const QString& header,
                        int halfVisibleLines);
LineInsert LoopInsert(const QStringList& text, int current, const QString& header,
                      int halfVisibleLines);

// Puts the lines of `insert` into `text` (for callers that hold the text as a
// list of strings). An empty insert, or one whose row is past the end, leaves
// `text` as it is.
void ApplyInsert(QStringList& text, const LineInsert& insert);
