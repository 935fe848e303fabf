#include "AlgorithmText.h"
#include "Statistics.h"
#include <gtest/gtest.h>

namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

QStringList Recount(int commands, int procedures, int calls, int branches, int loops, int lines)
{
    StatistCounts c;
    c.Commands = commands;
    c.Procedures = procedures;
    c.Calls = calls;
    c.Branches = branches;
    c.Loops = loops;
    c.Lines = lines;
    return StatistLines(c);
}

void ExpectCounts(const QStringList& algorithm, int commands, int procedures, int calls,
                  int branches, int loops, int lines)
{
    const StatistCounts c = CountStatist(algorithm);
    EXPECT_EQ(c.Commands, commands);
    EXPECT_EQ(c.Procedures, procedures);
    EXPECT_EQ(c.Calls, calls);
    EXPECT_EQ(c.Branches, branches);
    EXPECT_EQ(c.Loops, loops);
    EXPECT_EQ(c.Lines, lines);
    EXPECT_EQ(UpdateStatistLines(algorithm), Recount(commands, procedures, calls, branches, loops, lines));
}

// --- Texts --------------------------------------------------------------------

TEST(StatisticsTexts, ResetLinesCharacterForCharacter)
{
    const QStringList expected = {
        Q(" Всего в алгоритме:"),
        Q("                   "),
        Q("команд      .............0"),
        Q("процедур      ...........0"),
        Q("вызовов процедур 0"),
        Q("ветвлений    ...........0"),
        Q("циклов        ............0"),
        Q("                   "),
        Q("Итого:  строк   .....5"),
    };
    EXPECT_EQ(ResetStatistLines(), expected);
    EXPECT_EQ(ResetStatistLines().at(1).size(), 19);
}

TEST(StatisticsTexts, RecountLinesCharacterForCharacter)
{
    const QStringList expected = {
        Q(" Всего в алгоритме:"),
        Q("                   "),
        Q("команд     ..............1"),
        Q("процедур   ..............23"),
        Q("вызовов процедур 456"),
        Q("ветвлений  .............7890"),
        Q("циклов      ..............0"),
        Q("                   "),
        Q("Итого:  строк   ......2147483647"),
    };
    EXPECT_EQ(Recount(1, 23, 456, 7890, 0, 2147483647), expected);
}

TEST(StatisticsTexts, RecountOfTheSkeletonDiffersFromTheReset)
{
    // Once a line has been inserted and deleted again, the same five lines are
    // shown with the recount texts.
    const QStringList recount = UpdateStatistLines(NewAlgorithmLines(0, false));
    EXPECT_EQ(recount.at(2), Q("команд     ..............0"));
    EXPECT_EQ(recount.at(8), Q("Итого:  строк   ......5"));
    EXPECT_NE(recount, ResetStatistLines());
    EXPECT_EQ(recount.size(), 9);
}

// --- Counting -------------------------------------------------------------------

TEST(StatisticsCount, SkeletonAndOneStep)
{
    QStringList text = NewAlgorithmLines(0, false);
    ExpectCounts(text, 0, 0, 0, 0, 0, 5);
    const LineInsert ins = CommandInsert(text, 4, kStep, 17);
    ApplyInsert(text, ins);
    ExpectCounts(text, 1, 0, 0, 0, 0, 6);
    ExpectCounts({}, 0, 0, 0, 0, 0, 0);
}

TEST(StatisticsCount, EachStructureAddsItsKindAndItsLines)
{
    const QStringList skeleton = NewAlgorithmLines(0, true);

    QStringList branch = skeleton;
    ApplyInsert(branch, BranchInsert(branch, 4, kIfWall, 17));
    ExpectCounts(branch, 0, 0, 0, 1, 0, 9);

    QStringList loop = skeleton;
    ApplyInsert(loop, LoopInsert(loop, 4, kWhileNotWall, 17));
    ExpectCounts(loop, 0, 0, 0, 0, 1, 8);

    QStringList proc = skeleton + ProcDescriptionLines(Q("КРУГ"));
    ExpectCounts(proc, 0, 1, 0, 0, 0, 7);  // "КОНЕЦ ПРОЦЕДУРЫ" is no description
    proc.insert(4, ProcCallLine(proc.at(4), Q("КРУГ")));
    proc.insert(4, ProcCallLine(proc.at(4), Q("КРУГ")));
    ExpectCounts(proc, 0, 1, 2, 0, 0, 9);
}

TEST(StatisticsCount, CommentsEmptyAndBlankLinesCountNowhere)
{
    QStringList text = NewAlgorithmLines(0, false);
    text.insert(4, Q("//ШАГ"));
    text.insert(4, Q("   // ЕСЛИ впереди стена"));
    text.insert(4, Q("//"));
    text.insert(4, QString());
    text.insert(4, Q("      "));
    text.insert(4, Q("\t\r"));
    ExpectCounts(text, 0, 0, 0, 0, 0, 5);
}

TEST(StatisticsCount, OnlyExactCommandsAndPrefixesCount)
{
    const QStringList text = {
        Q("ШАГ "),              // trailing blank: no command, but a line
        Q("шаг"),               // small letters: a line
        Q("\tПРЫЖОК"),          // a tab is trimmed: a command
        Q("ЕСЛИБЫ"),            // only the prefix is tested: a branch
        Q("ПОКАЗ"),             // a loop
        Q("ПРОЦЕДУРАX"),        // a description
        Q("ДЕЛАЙ"),             // a call
        Q("ЕСЛ"),               // too short for any prefix
        Q("Если впереди стена"),
        Q("/ /"),               // no comment
        Q("ВСЁ"), Q("ВСЕ"), Q("КЦ"), Q("ТО"), Q("НЦ"), Q("ИНАЧЕ"),
    };
    ExpectCounts(text, 1, 1, 1, 1, 1, 16);
}

TEST(StatisticsCount, WorkedExampleText)
{
    QStringList text = NewAlgorithmLines(0, false);
    ApplyInsert(text, BranchInsert(text, 4, kIfWall, 17));
    ApplyInsert(text, CommandInsert(text, 6, kStep, 17));
    ApplyInsert(text, LoopInsert(text, 8, kWhileNotWall, 17));
    ApplyInsert(text, CommandInsert(text, 10, kTurn, 17));
    ASSERT_EQ(text.size(), 14);
    ExpectCounts(text, 2, 0, 0, 1, 1, 14);
}

} // namespace
