#include "AlgorithmText.h"
#include <gtest/gtest.h>

#include <functional>

namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }
QString Blanks(int n) { return QString(n, QLatin1Char(' ')); }

// --- Trimmed form -------------------------------------------------------------

TEST(AlgorithmTextTrim, RemovesLeadingBlanksAndControlCharactersOnly)
{
    EXPECT_EQ(Trimmed(Q("    ШАГ")), Q("ШАГ"));
    EXPECT_EQ(Trimmed(Q("\t \r\n\x01ШАГ")), Q("ШАГ"));
    EXPECT_EQ(Trimmed(Q("  ШАГ  ")), Q("ШАГ  "));  // trailing blanks stay
    EXPECT_EQ(Trimmed(Q("   ")), QString());
    EXPECT_EQ(Trimmed(QString()), QString());
    // Code 33 and above is kept, also the non-breaking blank.
    EXPECT_EQ(Trimmed(Q("!ШАГ")), Q("!ШАГ"));
    EXPECT_EQ(Trimmed(QString(QChar(0xA0)) + Q("ШАГ")), QString(QChar(0xA0)) + Q("ШАГ"));

    EXPECT_EQ(IndentDepth(Q("\t  ШАГ")), 3);  // a tab counts as one
    EXPECT_EQ(IndentDepth(Q("ШАГ")), 0);
    EXPECT_EQ(IndentDepth(Q("    ")), 4);
}

// --- Recognition ----------------------------------------------------------------

using LineTest = std::function<bool(const QString&)>;

struct RecognitionCase {
    const char* name;
    LineTest test;
    std::vector<const char*> match;
    std::vector<const char*> noMatch;
};

TEST(AlgorithmTextRecognition, EveryLineKind)
{
    const std::vector<RecognitionCase> cases = {
        {"command", IsCommandLine,
         {"ШАГ", "ПРЫЖОК", "ПОВОРОТ", "        ШАГ", "\tПОВОРОТ"},
         {"ШАГ ", "шаг", "Шаг", "ША", "ШАГИ", "ПРЫЖОК ", "", "//ШАГ"}},
        {"step", IsStep, {"ШАГ", "   ШАГ"}, {"ПРЫЖОК", "ШАГ "}},
        {"jump", IsJump, {"ПРЫЖОК"}, {"ШАГ", "ПРЫЖОК\t"}},
        {"turn", IsTurn, {"ПОВОРОТ"}, {"ПОВОРОТ.", "поворот"}},
        {"branch header", IsBranchHeader,
         {"ЕСЛИ", "ЕСЛИ впереди стена", "    ЕСЛИ впереди НЕ стена", "ЕСЛИБЫ"},
         {"ЕСЛ", "Если впереди стена", "если", ""}},
        {"branch header with condition", IsBranchHeaderWithCondition,
         {"ЕСЛИ впереди стена", "ЕСЛИ впереди НЕ стена", "       ЕСЛИ впереди стена"},
         {"ЕСЛИ впереди не стена", "ЕСЛИ впереди стена ", "ЕСЛИ  впереди стена", "ЕСЛИ"}},
        {"ТО", IsThen, {"ТО", "       ТО"}, {"ТО ", "То", "Т"}},
        {"ИНАЧЕ", IsElse, {"ИНАЧЕ", "   ИНАЧЕ"}, {"ИНАЧЕ ", "иначе", "ИНАЧ"}},
        {"ВСЁ", IsEndIf, {"ВСЁ", "    ВСЁ"}, {"ВСЕ", "ВСЁ ", "всё", "ВС"}},
        {"loop header", IsLoopHeader,
         {"ПОКА", "ПОКА впереди стена", "ПОКАЗ"},
         {"ПОК", "Пока впереди стена", ""}},
        {"loop header with condition", IsLoopHeaderWithCondition,
         {"ПОКА впереди стена", "  ПОКА впереди НЕ стена"},
         {"ПОКА впереди не стена", "ПОКА впереди НЕ стена ", "ПОКА"}},
        {"НЦ", IsLoopBegin, {"НЦ", "    НЦ"}, {"НЦ ", "нц"}},
        {"КЦ", IsEndLoop, {"КЦ", "           КЦ"}, {"КЦ ", "К", "кц"}},
        {"procedure description", IsProcDescription,
         {"ПРОЦЕДУРА", "ПРОЦЕДУРА КРУГ", "ПРОЦЕДУРАКРУГ", "  ПРОЦЕДУРА X"},
         {"ПРОЦЕДУР", "КОНЕЦ ПРОЦЕДУРЫ", "процедура КРУГ", "ПРОЦЕДУРЫ"}},
        {"end of a description", IsProcEnd,
         {"КОНЕЦ ПРОЦЕДУРЫ", "    КОНЕЦ ПРОЦЕДУРЫ"},
         {"КОНЕЦ ПРОЦЕДУРЫ ", "КОНЕЦ  ПРОЦЕДУРЫ", "КОНЕЦ"}},
        {"procedure call", IsProcCall,
         {"ДЕЛАЙ", "ДЕЛАЙ КРУГ", "    ДЕЛАЙКРУГ"},
         {"ДЕЛА", "Делай КРУГ", ""}},
        {"comment", IsComment, {"//", "// ШАГ", "   //x"}, {"/", "/ /", ""}},
        {"empty", IsEmptyLine, {"", "   ", "\t\r\n", "\x1f"}, {".", " ШАГ", "/"}},
        {"НАЧ", IsNach, {"НАЧ", "  НАЧ"}, {"НАЧ ", "НАЧАЛО", "нач"}},
        {"КОН", IsKon, {"КОН", "    КОН"}, {"КОН ", "КОНЕЦ ПРОЦЕДУРЫ", "кон"}},
        {"end of the run", IsRunEnd, {"КОН"}, {" КОН", "\tКОН", "КОН ", "кон", ""}},
        {"header line for the menu", IsHeaderLine,
         {"АЛГОРИТМ ПУТЬ_0", "АЛГОРИТМ", "    Дано: Исполнитель в т.А", "Надо",
          "    Надо: Воспроизвести образец", "Надоело"},
         {"АЛГОРИТ", "Дан", "алгоритм", "НАЧ"}},
        {"header line for the selection rule", IsSelectionHeader,
         {"АЛГОРИТМ ПУТЬ_0", "АЛГОРИТМ П", "    Дано: Исполнитель в т.А",
          "    Надо: Исполнитель в т.Б", "НАЧ"},
         {"    Надо: Воспроизвести образец", "АЛГОРИТМ ", "Дано: Исп", "НАЧ ", "КОН"}},
        {"simple line", IsSimpleLine,
         {"ШАГ", "   ПРЫЖОК", "ПОВОРОТ", "", "    ", "ДЕЛАЙ X", "//", "// ЕСЛИ"},
         {"ИНАЧЕ", "ВСЁ", "КЦ", "ЕСЛИ впереди стена", "ПОКА", "ПРОЦЕДУРА X", "ТО", "НЦ",
          "НАЧ", "ШАГ "}},
    };
    for (const RecognitionCase& c : cases) {
        for (const char* line : c.match)
            EXPECT_TRUE(c.test(Q(line))) << c.name << " should match \"" << line << "\"";
        for (const char* line : c.noMatch)
            EXPECT_FALSE(c.test(Q(line))) << c.name << " should not match \"" << line << "\"";
    }
}

TEST(AlgorithmTextRecognition, ConditionsHoldOnlyForTheirExactHeaders)
{
    EXPECT_TRUE(BranchConditionHolds(Q("    ЕСЛИ впереди стена"), true));
    EXPECT_FALSE(BranchConditionHolds(Q("ЕСЛИ впереди стена"), false));
    EXPECT_TRUE(BranchConditionHolds(Q("ЕСЛИ впереди НЕ стена"), false));
    EXPECT_FALSE(BranchConditionHolds(Q("ЕСЛИ впереди НЕ стена"), true));
    // Any other header never holds.
    EXPECT_FALSE(BranchConditionHolds(Q("ЕСЛИ впереди стена "), true));
    EXPECT_FALSE(BranchConditionHolds(Q("ЕСЛИ впереди не стена"), false));
    EXPECT_FALSE(BranchConditionHolds(Q("ПОКА впереди стена"), true));

    EXPECT_TRUE(LoopConditionHolds(Q("ПОКА впереди стена"), true));
    EXPECT_FALSE(LoopConditionHolds(Q("ПОКА впереди стена"), false));
    EXPECT_TRUE(LoopConditionHolds(Q("       ПОКА впереди НЕ стена"), false));
    EXPECT_FALSE(LoopConditionHolds(Q("ПОКА впереди НЕ стена"), true));
    EXPECT_FALSE(LoopConditionHolds(Q("ПОКАвпереди стена"), true));
    EXPECT_FALSE(LoopConditionHolds(Q("ЕСЛИ впереди НЕ стена"), false));
}

TEST(AlgorithmTextRecognition, ProcedureNamesSkipOneCharacterUnexamined)
{
    EXPECT_EQ(ProcDescriptionName(Q("ПРОЦЕДУРА КРУГ")), Q("КРУГ"));
    EXPECT_EQ(ProcDescriptionName(Q("   ПРОЦЕДУРА КРУГ  ")), Q("КРУГ  "));  // trailing blanks belong
    EXPECT_EQ(ProcDescriptionName(Q("ПРОЦЕДУРАXКРУГ")), Q("КРУГ"));
    EXPECT_EQ(ProcDescriptionName(Q("ПРОЦЕДУРА  КРУГ")), Q(" КРУГ"));
    EXPECT_EQ(ProcDescriptionName(Q("ПРОЦЕДУРА")), QString());
    EXPECT_EQ(ProcDescriptionName(Q("ПРОЦЕДУРА ")), QString());

    EXPECT_EQ(ProcCallName(Q("    ДЕЛАЙ КРУГ")), Q("КРУГ"));
    EXPECT_EQ(ProcCallName(Q("ДЕЛАЙ круг ")), Q("круг "));
    EXPECT_EQ(ProcCallName(Q("ДЕЛАЙ_КРУГ")), Q("КРУГ"));
    EXPECT_EQ(ProcCallName(Q("ДЕЛАЙ")), QString());

    // A description and its call agree on the name, whatever their indentation.
    EXPECT_EQ(ProcDescriptionName(ProcDescriptionLines(Q("Я")).at(0)),
              ProcCallName(ProcCallLine(Q("       ВСЁ"), Q("Я"))));
}

// --- Indentation ----------------------------------------------------------------

TEST(AlgorithmTextIndent, IndentForFollowsTheCurrentLine)
{
    struct Case { const char* line; int blanks; };
    const Case cases[] = {
        {"КОН", 4},
        {"    ВСЁ", 11},
        {"ВСЁ", 7},
        {"    КЦ", 8},
        {"       ИНАЧЕ", 11},
        {"КОНЕЦ ПРОЦЕДУРЫ", 4},
        {"    КОНЕЦ ПРОЦЕДУРЫ", 8},
        // Any other line: its own depth.
        {"        ШАГ", 8},
        {"    ЕСЛИ впереди стена", 4},
        {"       ТО", 7},
        {"    НЦ", 4},
        {"НАЧ", 0},
        {"АЛГОРИТМ ПУТЬ_0", 0},
        {"    Надо: Воспроизвести образец", 4},
        {"", 0},
        {"//     ШАГ", 0},
        {"ПРОЦЕДУРА X", 0},
        // A tab counts as one blank, and the prefix is made of blanks only.
        {"\tШАГ", 1},
        {"\tВСЁ", 8},
        {" \t КЦ", 7},
        // Not closing lines: trailing blank, "Е" for "Ё", small letters.
        {"    ВСЁ ", 4},
        {"    ВСЕ", 4},
        {"    всё", 4},
        {"  кц", 2},
        {"КОН ", 0},
        {"  иначе", 2},
        // Blanks only: the whole line counts as lead.
        {"     ", 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IndentFor(Q(c.line)), Blanks(c.blanks)) << "line \"" << c.line << "\"";
    }
}

// --- New algorithm ----------------------------------------------------------------

TEST(AlgorithmTextSkeleton, FiveLinesAndTheGoalFlag)
{
    const QStringList pattern = {
        Q("АЛГОРИТМ ПУТЬ_0"),
        Q("    Дано: Исполнитель в т.А"),
        Q("    Надо: Воспроизвести образец"),
        Q("НАЧ"),
        Q("КОН"),
    };
    EXPECT_EQ(NewAlgorithmLines(0, false), pattern);

    const QStringList pointB = NewAlgorithmLines(0, true);
    ASSERT_EQ(pointB.size(), 5);
    EXPECT_EQ(pointB.at(2), Q("    Надо: Исполнитель в т.Б"));

    EXPECT_EQ(NewAlgorithmLines(-12, false).at(0), Q("АЛГОРИТМ ПУТЬ_-12"));
    // The last line is the run's end as stored.
    EXPECT_TRUE(IsRunEnd(pattern.at(4)));
}

// --- Inserts --------------------------------------------------------------------

// The text together with its selection, changed as the window changes its list.
struct Editor {
    QStringList text = NewAlgorithmLines(0, false);
    int current = 4;
    int top = -100;

    bool Apply(const LineInsert& ins)
    {
        if (ins.IsEmpty())
            return false;
        ApplyInsert(text, ins);
        current = ins.Select;
        top = ins.Top;
        return true;
    }
    bool Command(const QString& word, int half = 17) { return Apply(CommandInsert(text, current, word, half)); }
    bool Branch(const QString& header, int half = 17) { return Apply(BranchInsert(text, current, header, half)); }
    bool Loop(const QString& header, int half = 17) { return Apply(LoopInsert(text, current, header, half)); }

    // The depth and trimmed text of line i, for comparing with a listing.
    std::pair<int, QString> At(int i) const { return {IndentDepth(text.at(i)), Trimmed(text.at(i))}; }
};

TEST(AlgorithmTextInsert, CommandsGoAboveTheCurrentLineWhichStaysSelected)
{
    Editor e;
    ASSERT_TRUE(e.Command(Q("ШАГ")));
    EXPECT_EQ(e.text.at(4), Q("    ШАГ"));
    EXPECT_EQ(e.current, 5);
    EXPECT_EQ(e.text.at(e.current), Q("КОН"));

    ASSERT_TRUE(e.Command(Q("ПРЫЖОК")));
    ASSERT_TRUE(e.Command(Q("ПОВОРОТ")));
    EXPECT_EQ(e.text.mid(4), QStringList({Q("    ШАГ"), Q("    ПРЫЖОК"), Q("    ПОВОРОТ"), Q("КОН")}));
    EXPECT_EQ(e.current, 7);
}

TEST(AlgorithmTextInsert, BranchSelectsItsElseLineAndTakesOnePrefix)
{
    Editor e;
    ASSERT_TRUE(e.Branch(kIfNotWall));
    EXPECT_EQ(e.text.mid(4), QStringList({Q("    ЕСЛИ впереди НЕ стена"), Q("       ТО"),
                                          Q("       ИНАЧЕ"), Q("    ВСЁ"), Q("КОН")}));
    EXPECT_EQ(e.current, 6);

    ASSERT_TRUE(e.Command(Q("ШАГ")));  // into the "ТО" part
    EXPECT_EQ(e.text.at(6), Blanks(11) + Q("ШАГ"));

    e.current = 8;  // the "ВСЁ" line: into the "ИНАЧЕ" part
    ASSERT_TRUE(e.Command(Q("ШАГ")));
    EXPECT_EQ(e.text.at(8), Blanks(11) + Q("ШАГ"));
    EXPECT_EQ(e.text.at(7), Q("       ИНАЧЕ"));
    EXPECT_EQ(e.text.at(9), Q("    ВСЁ"));
}

TEST(AlgorithmTextInsert, LoopSelectsItsClosingLine)
{
    Editor e;
    ASSERT_TRUE(e.Loop(kWhileWall));
    EXPECT_EQ(e.text.mid(4), QStringList({Q("    ПОКА впереди стена"), Q("    НЦ"), Q("    КЦ"), Q("КОН")}));
    EXPECT_EQ(e.current, 6);
    ASSERT_TRUE(e.Command(Q("ШАГ")));
    EXPECT_EQ(e.text.at(6), Blanks(8) + Q("ШАГ"));
}

TEST(AlgorithmTextInsert, NoIndentationAboveEmptyOrCommentLinesEvenInABody)
{
    Editor e;
    ASSERT_TRUE(e.Loop(kWhileWall));
    e.text.insert(6, QString());  // an empty line inside the body, made current
    e.current = 6;
    ASSERT_TRUE(e.Command(Q("ШАГ")));
    EXPECT_EQ(e.text.at(6), Q("ШАГ"));

    e.text.insert(7, CommentLine(Q("ход")));
    e.current = 7;
    ASSERT_TRUE(e.Command(Q("ПОВОРОТ")));
    EXPECT_EQ(e.text.at(7), Q("ПОВОРОТ"));
    EXPECT_EQ(e.text.at(8), Q("//ход"));
}

TEST(AlgorithmTextInsert, InsideAProcedureBody)
{
    Editor e;
    e.text += ProcDescriptionLines(Q("КРУГ"));
    EXPECT_EQ(e.text.mid(5), QStringList({Q("ПРОЦЕДУРА КРУГ"), Q("КОНЕЦ ПРОЦЕДУРЫ")}));
    e.current = 6;
    ASSERT_TRUE(e.Command(Q("ШАГ")));
    EXPECT_EQ(e.text.at(6), Q("    ШАГ"));
    ASSERT_TRUE(e.Apply(LineInsert{6, {ProcCallLine(e.text.at(6), Q("КРУГ"))}, 7, 0}));
    EXPECT_EQ(e.text.at(6), Q("    ДЕЛАЙ КРУГ"));
}

TEST(AlgorithmTextInsert, ScrollKeepsTheEditPointInTheMiddle)
{
    QStringList text = NewAlgorithmLines(0, false);
    for (int k = 0; k < 40; ++k)
        text.insert(4, Q("    ШАГ"));
    // Current line 30, half the list 10.
    EXPECT_EQ(CommandInsert(text, 30, kStep, 10).Top, 20);
    EXPECT_EQ(BranchInsert(text, 30, kIfWall, 10).Top, 23);
    EXPECT_EQ(LoopInsert(text, 30, kWhileWall, 10).Top, 22);
    // Above the first line there is nothing to show: the first line is shown.
    EXPECT_EQ(CommandInsert(text, 4, kStep, 17).Top, 0);
    EXPECT_EQ(BranchInsert(text, 4, kIfWall, 7).Top, 0);
    EXPECT_EQ(BranchInsert(text, 4, kIfWall, 6).Top, 1);
    EXPECT_EQ(LoopInsert(text, 4, kWhileWall, 6).Top, 0);
}

TEST(AlgorithmTextInsert, WithoutACurrentLineNothingIsInserted)
{
    const QStringList text = {Q("НАЧ"), Q("    ШАГ")};  // a loaded text without "КОН"
    for (int current : {-1, 2, 5}) {
        EXPECT_TRUE(CommandInsert(text, current, kStep, 17).IsEmpty()) << current;
        EXPECT_TRUE(BranchInsert(text, current, kIfWall, 17).IsEmpty()) << current;
        EXPECT_TRUE(LoopInsert(text, current, kWhileWall, 17).IsEmpty()) << current;
    }
    QStringList copy = text;
    ApplyInsert(copy, CommandInsert(text, 2, kStep, 17));
    ApplyInsert(copy, LineInsert{7, {Q("ШАГ")}, 8, 0});  // past the end
    EXPECT_EQ(copy, text);

    // The last line is a valid current line.
    const LineInsert last = CommandInsert(text, 1, kStep, 17);
    ASSERT_FALSE(last.IsEmpty());
    EXPECT_EQ(last.At, 1);
    EXPECT_EQ(last.Select, 2);
}

TEST(AlgorithmTextInsert, WorkedExample)
{
    Editor e;
    ASSERT_TRUE(e.Branch(kIfWall));         // PPButtonIf, ButtonIf
    ASSERT_TRUE(e.Command(kStep));          // F2
    e.current = 8;                          // the "ВСЁ" line
    ASSERT_EQ(Trimmed(e.text.at(e.current)), Q("ВСЁ"));
    ASSERT_TRUE(e.Loop(kWhileNotWall));     // PPButtonWhile, ButtonWhileNot
    ASSERT_TRUE(e.Command(kTurn));          // F4

    const std::vector<std::pair<int, const char*>> listing = {
        {0, "АЛГОРИТМ ПУТЬ_0"},
        {4, "Дано: Исполнитель в т.А"},
        {4, "Надо: Воспроизвести образец"},
        {0, "НАЧ"},
        {4, "ЕСЛИ впереди стена"},
        {7, "ТО"},
        {11, "ШАГ"},
        {7, "ИНАЧЕ"},
        {11, "ПОКА впереди НЕ стена"},
        {11, "НЦ"},
        {15, "ПОВОРОТ"},
        {11, "КЦ"},
        {4, "ВСЁ"},
        {0, "КОН"},
    };
    ASSERT_EQ(e.text.size(), int(listing.size()));
    for (int i = 0; i < e.text.size(); ++i) {
        EXPECT_EQ(e.At(i), std::make_pair(listing[i].first, Q(listing[i].second))) << "line " << i;
        // Indentation is blanks only.
        EXPECT_EQ(e.text.at(i).left(IndentDepth(e.text.at(i))), Blanks(IndentDepth(e.text.at(i))));
    }
    EXPECT_EQ(e.current, 11);
    EXPECT_EQ(e.top, 0);  // 10 - 17 is above the first line
}

} // namespace
