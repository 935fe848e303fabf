// Long random sequences of edits on the window-free units, made the way the
// window makes them: every value is checked against the text it applies to,
// and the current line never leaves the text.

#include "AlgorithmEdits.h"
#include "ProcedureNames.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

struct Session {
    QStringList text;
    int current = -1;
    QStringList names;
    std::mt19937 rng;
    bool built = true;  // made by the editor alone, from the skeleton

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool HasCurrent() const { return current >= 0 && current < text.size(); }

    void Insert(const LineInsert& ins)
    {
        if (ins.IsEmpty())
            return;
        ASSERT_LE(ins.At, text.size());
        ApplyInsert(text, ins);
        ASSERT_LT(ins.Select, text.size());
        if (ins.Select >= 0)
            current = ins.Select;
    }

    void Delete(const LineDeletion& d)
    {
        const QStringList before = text;
        if (d.RemovesLines()) {
            ASSERT_LE(d.At + d.Count, text.size());
        }
        const int select = ApplyDeletion(text, d);
        if (d.IsRefusal()) {
            ASSERT_EQ(text, before);
            return;
        }
        if (d.RemovesName) {
            const int k = FirstNameIndex(names, d.Name);
            if (k >= 0)
                names.removeAt(k);
        }
        if (select >= 0) {
            ASSERT_LT(select, text.size());
            current = select;
        }
    }

    void Choose(const ProcChoice& c)
    {
        for (const LineInsert& ins : c.Inserts)
            Insert(ins);
    }

    QString RandomName()
    {
        static const char* pool[] = {"Квадрат", "квадрат", "Круг", "Круг ", "Ёж", "A", "1"};
        return Q(pool[Pick(7)]);
    }

    // One step of what the pupil can do. In a text the editor built, the
    // deletions are those the menu offers for the current line.
    void Step()
    {
        const bool wasCurrent = HasCurrent();
        const DeleteItemStates menu = built ? DeleteItemsFor(text, current) : DeleteItemStates{true, true, true, true};
        switch (Pick(15)) {
        case 0: Insert(CommandInsert(text, current, kStep, 7)); break;
        case 1: Insert(BranchInsert(text, current, Pick(2) ? kIfWall : kIfNotWall, 7)); break;
        case 2: Insert(LoopInsert(text, current, Pick(2) ? kWhileWall : kWhileNotWall, 7)); break;
        case 3: Insert(EmptyLineInsert(text, current)); break;
        case 4: Insert(CommentInsert(text, current, RandomName(), 7)); break;
        case 5: if (menu.Line) Delete(DeleteLine(text, current)); break;
        case 6: if (menu.Construct) Delete(DeleteConstruct(text, current)); break;
        case 7: if (menu.ElsePart) Delete(DeleteElsePart(text, current)); break;
        case 8: if (menu.Procedure) Delete(DeleteProcedure(text, current)); break;
        case 9: Delete(DeleteSimpleLine(text, current)); break;
        case 10: {  // a click on a line, then the selection rule
            if (text.isEmpty())
                break;
            current = Pick(text.size());
            const int target = SelectionRuleTarget(text, current);
            if (target >= 0)
                current = target;
            break;
        }
        case 11: {  // a typed name in either mode
            const QString name = RandomName();
            if (!TypedNameRefusal(name, names).isEmpty())
                break;
            names << name;
            Choose(Pick(2) ? DescribeChoice(text, name, 7) : CallChoice(text, current, name, 7));
            break;
        }
        case 12:  // a listed name in either mode
            if (!names.isEmpty()) {
                const QString name = names.at(Pick(names.size()));
                Choose(Pick(2) ? DescribeChoice(text, name, 7) : CallChoice(text, current, name, 7));
            }
            break;
        case 13:
            if (Pick(20) == 0) {  // "Удалить тело алгоритма "
                text = NewAlgorithmLines(0, false);
                current = 4;
                names.clear();
            }
            break;
        default: {  // Up or Down in the list of names
            const int next = NameListMove(names.size(), Pick(names.size() + 1) - 1, Pick(2));
            ASSERT_LT(next, int(names.size()));
            break;
        }
        }
        if (wasCurrent) {
            ASSERT_TRUE(HasCurrent()) << "current " << current << " of " << text.size();
        }
    }

    // What holds for a text that only the editor changed.
    void CheckConsistent() const
    {
        ASSERT_EQ(std::count_if(text.begin(), text.end(), IsRunEnd), 1);
        for (int i = 0; i < text.size(); ++i) {
            const QString& line = text.at(i);
            if (IsBranchHeader(line) || IsLoopHeader(line)) {
                ASSERT_FALSE(DeleteConstruct(text, i).IsRefusal()) << i;
            }
            if (IsElse(line)) {
                ASSERT_FALSE(DeleteElsePart(text, i).IsRefusal()) << i;
            }
        }
        QStringList described = ProcNamesFromText(text), listed = names;
        described.sort();
        listed.sort();
        ASSERT_EQ(described, listed);
    }
};

// A loaded text: any lines, closing lines missing at will, maybe no current line.
QStringList LoadedText(std::mt19937& rng)
{
    static const char* pool[] = {"НАЧ", "КОН", "    ШАГ", "ЕСЛИ впереди стена", "   ТО", "   ИНАЧЕ", "ВСЁ",
                                 "ПОКА впереди стена", "НЦ", "КЦ", "ПРОЦЕДУРА Круг", "ПРОЦЕДУРА",
                                 "КОНЕЦ ПРОЦЕДУРЫ", "ДЕЛАЙ Круг", "//", "", "АЛГОРИТМ ПУТЬ_0", "x"};
    QStringList text;
    const int n = std::uniform_int_distribution<int>(0, 12)(rng);
    for (int k = 0; k < n; ++k)
        text << Q(pool[std::uniform_int_distribution<int>(0, 17)(rng)]);
    return text;
}

TEST(EditSequences, TextsBuiltByTheEditorStayConsistent)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Session s;
        s.rng.seed(seed);
        s.text = NewAlgorithmLines(0, false);
        s.current = 4;
        for (int step = 0; step < 250; ++step) {
            ASSERT_NO_FATAL_FAILURE(s.Step()) << "seed " << seed << " step " << step;
            ASSERT_NO_FATAL_FAILURE(s.CheckConsistent()) << "seed " << seed << " step " << step;
        }
    }
}

TEST(EditSequences, LoadedTextsNeverLeadPastTheirEnd)
{
    for (unsigned seed = 1; seed <= 200; ++seed) {
        Session s;
        s.rng.seed(seed);
        s.built = false;
        s.text = LoadedText(s.rng);
        s.names = ProcNamesFromText(s.text);
        s.current = s.Pick(s.text.size() + 2) - 1;  // -1 or past the end: no current line
        for (int step = 0; step < 60; ++step)
            ASSERT_NO_FATAL_FAILURE(s.Step()) << "seed " << seed << " step " << step;
    }
}

} // namespace
