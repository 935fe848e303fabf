#include "AlgorithmEdits.h"
#include <gtest/gtest.h>

namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

QStringList Lines(std::initializer_list<const char*> lines)
{
    QStringList r;
    for (const char* l : lines)
        r << Q(l);
    return r;
}

// Applies `d` the way the window does and returns the text with its new current line.
struct Result {
    QStringList text;
    int current;
};
Result After(QStringList text, int current, const LineDeletion& d)
{
    const int select = ApplyDeletion(text, d);
    return {text, select >= 0 ? select : current};
}

TEST(AlgorithmEditsDelete, ConstructGoesWithEverythingNestedInIt)
{
    // The nested branch counts; the "ИНАЧЕ" lines and the loop do not.
    const QStringList text = Lines({"НАЧ", "    ЕСЛИ впереди стена", "ТО", "ЕСЛИ впереди НЕ стена", "ТО", "ШАГ",
                                    "ИНАЧЕ", "ВСЁ", "ИНАЧЕ", "ПОВОРОТ", "ВСЁ", "КОН"});
    const LineDeletion d = DeleteConstruct(text, 1);
    EXPECT_EQ(d.At, 1);
    EXPECT_EQ(d.Count, 10);
    EXPECT_TRUE(d.Recount);
    const Result r = After(text, 1, d);
    EXPECT_EQ(r.text, Lines({"НАЧ", "КОН"}));
    EXPECT_EQ(r.current, 1);

    // A loop holding a branch and another loop: only "ПОКА" and "КЦ" count.
    const QStringList loop = Lines({"ПОКА впереди стена", "НЦ", "ЕСЛИ впереди стена", "ТО", "ИНАЧЕ", "ВСЁ",
                                    "ПОКА впереди НЕ стена", "НЦ", "КЦ", "КЦ", "ШАГ"});
    EXPECT_EQ(DeleteConstruct(loop, 0).Count, 10);
    // Prefix tests: "ЕСЛИБЫ" opens a level, "ВСЁ " closes none.
    const QStringList odd = Lines({"ЕСЛИ", "ЕСЛИБЫ", "ВСЁ ", "ВСЁ", "ВСЁ", "КОН"});
    EXPECT_EQ(DeleteConstruct(odd, 0).Count, 5);
}

TEST(AlgorithmEditsDelete, ElsePartKeepsTheMatchingEndOfBranch)
{
    const QStringList text = Lines({"ЕСЛИ впереди стена", "ТО", "ШАГ", "ИНАЧЕ", "ЕСЛИ впереди НЕ стена", "ТО",
                                    "ПРЫЖОК", "ИНАЧЕ", "ВСЁ", "ПОВОРОТ", "ВСЁ", "КОН"});
    const LineDeletion d = DeleteElsePart(text, 3);
    EXPECT_EQ(d.Count, 7);
    EXPECT_TRUE(d.Recount);
    const Result r = After(text, 3, d);
    EXPECT_EQ(r.text, Lines({"ЕСЛИ впереди стена", "ТО", "ШАГ", "ВСЁ", "КОН"}));
    EXPECT_EQ(r.current, 3);
}

TEST(AlgorithmEditsDelete, ProcedureOnlyWhenNoLineCallsItsExactName)
{
    const QStringList text = Lines({"НАЧ", "    ДЕЛАЙ квадрат", "КОН", "ПРОЦЕДУРА Квадрат", "    ДЕЛАЙ Квадрат",
                                    "КОНЕЦ ПРОЦЕДУРЫ", "ПРОЦЕДУРА Круг", "    ШАГ", "КОНЕЦ ПРОЦЕДУРЫ"});
    // Its only call stands in its own body: refused, nothing changes, no recount.
    const LineDeletion refused = DeleteProcedure(text, 3);
    EXPECT_EQ(refused.MessageBox, LineDeletion::Box::Information);
    EXPECT_EQ(refused.Message, Q("Нельзя удалить процедуру \rбез удаления всех её вызовов !!!"));
    EXPECT_FALSE(refused.RemovesLines());
    EXPECT_FALSE(refused.Recount);
    EXPECT_EQ(After(text, 3, refused).text, text);

    // The last description goes; an empty line is left, current. The other
    // call differs in letter case and does not block.
    QStringList calledInLowerCase = text;
    calledInLowerCase[4] = Q("    ШАГ");
    const LineDeletion last = DeleteProcedure(calledInLowerCase, 6);
    EXPECT_TRUE(last.RemovesName);
    EXPECT_EQ(last.Name, Q("Круг"));
    const Result r = After(calledInLowerCase, 6, last);
    EXPECT_EQ(r.text.mid(3), Lines({"ПРОЦЕДУРА Квадрат", "    ШАГ", "КОНЕЦ ПРОЦЕДУРЫ", ""}));
    EXPECT_EQ(r.current, 6);
    const LineDeletion first = DeleteProcedure(calledInLowerCase, 3);
    EXPECT_EQ(first.Count, 3);
    EXPECT_FALSE(first.AppendEmpty);
}

TEST(AlgorithmEditsDelete, OtherLinesAndNoCurrentLine)
{
    const QStringList text = Lines({"НАЧ", "    ШАГ", "    ИНАЧЕ", "КОН", "ПРОЦЕДУРА А", "КОНЕЦ ПРОЦЕДУРЫ", "//"});
    struct Case {
        const char* what;
        LineDeletion d;
        int at, count;
        bool appendEmpty, recount;
    };
    const std::vector<Case> cases = {
        {"line", DeleteLine(text, 1), 1, 1, false, true},
        {"line of no kind", DeleteLine(text, 0), 0, 1, false, true},
        {"last line", DeleteLine(text, 6), 6, 1, true, true},
        {"Del on a comment", DeleteSimpleLine(text, 6), 6, 1, true, true},
        {"Del on ИНАЧЕ", DeleteSimpleLine(text, 2), -1, 0, false, false},
        {"Del on a description", DeleteSimpleLine(text, 4), -1, 0, false, false},
        {"construct on a command", DeleteConstruct(text, 1), -1, 0, false, true},
        {"else part on a command", DeleteElsePart(text, 1), -1, 0, false, true},
        {"procedure on КОН", DeleteProcedure(text, 3), -1, 0, false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.d.At, c.at) << c.what;
        EXPECT_EQ(c.d.Count, c.count) << c.what;
        EXPECT_EQ(c.d.AppendEmpty, c.appendEmpty) << c.what;
        EXPECT_EQ(c.d.Recount, c.recount) << c.what;
        EXPECT_FALSE(c.d.IsRefusal()) << c.what;
    }
    // Without a current line nothing is done at all.
    for (int current : {-1, 7, 100}) {
        for (const LineDeletion& d : {DeleteLine(text, current), DeleteSimpleLine(text, current),
                                      DeleteConstruct(text, current), DeleteElsePart(text, current),
                                      DeleteProcedure(text, current)}) {
            EXPECT_FALSE(d.RemovesLines() || d.Recount || d.IsRefusal()) << current;
        }
        EXPECT_TRUE(EmptyLineInsert(text, current).IsEmpty());
        EXPECT_TRUE(CommentInsert(text, current, Q("x"), 5).IsEmpty());
    }
}

TEST(AlgorithmEditsDelete, UnclosedStructureIsRefusedBeforeAnythingGoes)
{
    struct Case {
        QStringList text;
        LineDeletion (*del)(const QStringList&, int);
        const char* message;
    };
    const std::vector<Case> cases = {
        {Lines({"ЕСЛИ впереди стена", "ТО", "ЕСЛИ", "ВСЁ"}), DeleteConstruct,
         "Нет конца ветвления:\rне найдена строка \"ВСЁ\"\rНичего не удалено."},
        {Lines({"ПОКА впереди стена", "НЦ", "КЦ "}), DeleteConstruct,
         "Нет конца цикла:\rне найдена строка \"КЦ\"\rНичего не удалено."},
        {Lines({"ИНАЧЕ", "ЕСЛИ", "ВСЁ"}), DeleteElsePart,
         "Нет конца ветвления:\rне найдена строка \"ВСЁ\"\rНичего не удалено."},
        {Lines({"ПРОЦЕДУРА А", "ШАГ"}), DeleteProcedure,
         "Нет конца описания процедуры:\rне найдена строка \"КОНЕЦ ПРОЦЕДУРЫ\"\rНичего не удалено."},
        {Lines({"ИНАЧЕ"}), DeleteElsePart, "Нет конца ветвления:\rне найдена строка \"ВСЁ\"\rНичего не удалено."},
    };
    for (const Case& c : cases) {
        const LineDeletion d = c.del(c.text, 0);
        EXPECT_EQ(d.MessageBox, LineDeletion::Box::Error) << c.message;
        EXPECT_EQ(d.Message, Q(c.message));
        EXPECT_FALSE(d.RemovesLines() || d.RemovesName || d.Recount);
        EXPECT_EQ(After(c.text, 0, d).text, c.text);
    }
}

TEST(AlgorithmEditsInsert, EmptyLineAndCommentGoAboveTheCurrentLineUnindented)
{
    QStringList text = Lines({"НАЧ", "        ШАГ", "КОН"});
    const LineInsert empty = EmptyLineInsert(text, 1);
    EXPECT_EQ(empty.Lines, QStringList{QString()});
    EXPECT_EQ(empty.Select, 2);
    EXPECT_FALSE(empty.Scroll);

    const LineInsert comment = CommentInsert(text, 1, Q("  ШАГ "), 0);
    EXPECT_EQ(comment.Lines, Lines({"//  ШАГ "}));
    EXPECT_EQ(comment.Top, 1);
    EXPECT_TRUE(comment.Scroll);
    EXPECT_EQ(CommentInsert(text, 1, QString(), 17).Lines, Lines({"//"}));
    EXPECT_EQ(CommentInsert(text, 1, QString(), 17).Top, 0);
}

TEST(AlgorithmEditsMenu, DeleteItemsFollowTheKindOfTheCurrentLine)
{
    struct Case {
        const char* line;
        DeleteItemStates s;
    };
    const DeleteItemStates none, line{true}, construct{false, true}, elsePart{false, false, true},
        proc{false, false, false, true}, all{true, true, true, true};
    const std::vector<Case> cases = {
        {"    ШАГ", line}, {"ПРЫЖОК", line}, {"ПОВОРОТ", line}, {"  ", line}, {"ДЕЛАЙ А", line}, {"//x", line},
        {"   ИНАЧЕ", elsePart}, {"ЕСЛИ впереди стена", construct}, {"ПОКАЗ", construct},
        {"НАЧ", none}, {"КОН", none}, {"КЦ", none}, {"ВСЁ", none}, {"КОНЕЦ ПРОЦЕДУРЫ", none},
        {"    Дано: Исполнитель в т.А", none}, {"    Надо: Воспроизвести образец", none},
        {"АЛГОРИТМ ПУТЬ_0", none}, {"ПРОЦЕДУРА А", proc},
        {"   ТО", all}, {"НЦ", all}, {"ШАГ ", all}, {"ВСЕ", all},
    };
    for (const Case& c : cases) {
        const DeleteItemStates s = DeleteItemsFor(Q(c.line));
        EXPECT_EQ(s.Line, c.s.Line) << c.line;
        EXPECT_EQ(s.Construct, c.s.Construct) << c.line;
        EXPECT_EQ(s.ElsePart, c.s.ElsePart) << c.line;
        EXPECT_EQ(s.Procedure, c.s.Procedure) << c.line;
    }
    const DeleteItemStates noCurrent = DeleteItemsFor(Lines({"ШАГ"}), 1);
    EXPECT_FALSE(noCurrent.Line || noCurrent.Construct || noCurrent.ElsePart || noCurrent.Procedure);
}

TEST(AlgorithmEditsSelection, HeadersAndOpeningWordsPassTheSelectionOn)
{
    const QStringList skeleton = NewAlgorithmLines(0, true);
    const QStringList text = skeleton.mid(0, 4)
        + Lines({"ЕСЛИ впереди стена", "   ТО", "   ИНАЧЕ", "ВСЁ", "НЦ", "ТО", "КОН", "НЦ"});
    const std::vector<std::pair<int, int>> cases = {
        {0, 4}, {1, 4}, {2, 4}, {3, 4},  // title, "Дано", goal point B, "НАЧ"
        {5, 6}, {8, 9},                  // "ТО" to "ИНАЧЕ", "НЦ" to the next line, not tested again
        {4, -1}, {6, -1}, {10, -1},
        {11, -1}, {12, -1}, {-1, -1},    // "НЦ" as the last line; no line
    };
    for (auto [selected, target] : cases)
        EXPECT_EQ(SelectionRuleTarget(text, selected), target) << selected;
    // The pattern goal line keeps the selection; a short text has no line 4.
    EXPECT_EQ(SelectionRuleTarget(NewAlgorithmLines(0, false), 2), -1);
    EXPECT_EQ(SelectionRuleTarget(Lines({"НАЧ", "ШАГ"}), 0), -1);
}

} // namespace
