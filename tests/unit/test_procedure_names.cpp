#include "ProcedureNames.h"
#include <gtest/gtest.h>

namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(ProcedureNames, TypedNamesBeginWithOneOfTheLettersAndAreNew)
{
    for (const char* ok : {"A", "z", "Квадрат", "Ёж", "ёлка", "я1", "Ж_ 2"})
        EXPECT_TRUE(TypedNameRefusal(Q(ok), {}).isEmpty()) << ok;
    // Letters of other alphabets, digits and signs do not begin a name.
    for (const char* bad : {"1A", " A", "_A", "Ä", "é", "Ω", "Ї", "Ђ", "ß", "Ǆ"})
        EXPECT_EQ(TypedNameRefusal(Q(bad), {}), Q("Имя процедуры должно начинаться с буквы")) << bad;
    EXPECT_EQ(TypedNameRefusal(QString(), {}), Q("Введите имя новой процедуры"));

    const QStringList names = {Q("Квадрат"), Q("Круг ")};
    EXPECT_EQ(TypedNameRefusal(Q("Квадрат"), names), Q("Процедура с именем Квадрат уже описана"));
    EXPECT_EQ(TypedNameRefusal(Q("Круг "), names), Q("Процедура с именем Круг  уже описана"));
    // Case and trailing blanks make another name.
    for (const char* other : {"квадрат", "Квадрат ", "Круг"})
        EXPECT_TRUE(TypedNameRefusal(Q(other), names).isEmpty()) << other;
}

TEST(ProcedureNames, OnlyTextsWithWindows1251CodesAreAccepted)
{
    for (const char* ok : {"", "Квадрат ёЁ", "A-z 0–9 «»", "№ §"})
        EXPECT_TRUE(IsWindows1251Text(Q(ok))) << ok;
    for (const char* bad : {"Ω", "中", "ä", "x😀", "ǅ"})
        EXPECT_FALSE(IsWindows1251Text(Q(bad))) << bad;
    EXPECT_FALSE(IsWindows1251Text(QString(QChar(0xD800))));  // a lone surrogate
}

TEST(ProcedureNames, ScansOfTheText)
{
    const QStringList text = {Q("НАЧ"), Q("    ДЕЛАЙ Квадрат "), Q("КОН"), Q("ПРОЦЕДУРА Квадрат"),
                              Q("КОНЕЦ ПРОЦЕДУРЫ"), Q("  ПРОЦЕДУРА_Квадрат"), Q("ПРОЦЕДУРА"), Q("ПРОЦЕДУРА X")};
    EXPECT_EQ(FindDescription(text, Q("Квадрат")), 3);
    EXPECT_EQ(FindDescription(text, Q("квадрат")), -1);
    EXPECT_EQ(FindDescription(text, QString()), 6);
    EXPECT_TRUE(IsProcedureCalled(text, Q("Квадрат ")));
    EXPECT_FALSE(IsProcedureCalled(text, Q("Квадрат")));
    EXPECT_EQ(ProcNamesFromText(text), QStringList({Q("Квадрат"), Q("Квадрат"), QString(), Q("X")}));
    EXPECT_EQ(FirstNameIndex({Q("A"), Q("B"), Q("B")}, Q("B")), 1);
    EXPECT_EQ(FirstNameIndex({Q("A")}, Q("a")), -1);
}

TEST(ProcedureNames, DescribeAppendsAndRefusesADescribedName)
{
    const QStringList skeleton = NewAlgorithmLines(0, false);
    const ProcChoice c = DescribeChoice(skeleton, Q("Квадрат"), 2);
    ASSERT_FALSE(c.IsRefusal());
    ASSERT_EQ(c.Inserts.size(), 1);
    EXPECT_EQ(c.Inserts[0].At, 5);
    EXPECT_EQ(c.Inserts[0].Lines, QStringList({Q("ПРОЦЕДУРА Квадрат"), Q("КОНЕЦ ПРОЦЕДУРЫ")}));
    EXPECT_EQ(c.Inserts[0].Select, 6);
    EXPECT_EQ(c.Inserts[0].Top, 4);

    const QStringList described = skeleton + c.Inserts[0].Lines;
    const ProcChoice again = DescribeChoice(described, Q("Квадрат"), 2);
    EXPECT_EQ(again.Refusal, Q("Процедура с именем Квадрат уже описана"));
    EXPECT_TRUE(again.Inserts.isEmpty());
}

TEST(ProcedureNames, CallGoesAboveTheCurrentLineAndDescribesANewName)
{
    QStringList text = NewAlgorithmLines(0, false);
    text += ProcDescriptionLines(Q("Квадрат"));
    struct Case {
        int current;
        const char* name;
        QStringList expected;
        int select;
    };
    const QStringList head = text.mid(0, 4);
    const std::vector<Case> cases = {
        {4, "Квадрат", head + QStringList({Q("    ДЕЛАЙ Квадрат"), Q("КОН"), Q("ПРОЦЕДУРА Квадрат"),
                                           Q("КОНЕЦ ПРОЦЕДУРЫ")}), 5},
        {4, "Круг", head + QStringList({Q("    ДЕЛАЙ Круг"), Q("КОН"), Q("ПРОЦЕДУРА Квадрат"),
                                        Q("КОНЕЦ ПРОЦЕДУРЫ"), Q("ПРОЦЕДУРА Круг"), Q("КОНЕЦ ПРОЦЕДУРЫ")}), 5},
        // Inside its own body; the description exists.
        {6, "Квадрат", head + QStringList({Q("КОН"), Q("ПРОЦЕДУРА Квадрат"), Q("    ДЕЛАЙ Квадрат"),
                                           Q("КОНЕЦ ПРОЦЕДУРЫ")}), 7},
        // No current line: no call, but a new name gets its description.
        {-1, "Круг", text + QStringList({Q("ПРОЦЕДУРА Круг"), Q("КОНЕЦ ПРОЦЕДУРЫ")}), -1},
        {7, "Квадрат", text, -1},
    };
    for (const Case& c : cases) {
        QStringList t = text;
        int select = -1;
        for (const LineInsert& ins : CallChoice(text, c.current, Q(c.name), 17).Inserts) {
            ApplyInsert(t, ins);
            select = ins.Select;
        }
        EXPECT_EQ(t, c.expected) << c.current << " " << c.name;
        EXPECT_EQ(select, c.select) << c.current << " " << c.name;
    }
}

TEST(ProcedureNames, UpAndDownWrapAround)
{
    struct Case {
        int count, selected;
        bool down;
        int next;
    };
    const std::vector<Case> cases = {
        {3, 2, true, 0}, {3, 0, false, 2}, {3, 0, true, 1}, {3, 2, false, 1},
        {1, 0, true, 0}, {1, 0, false, 0},
        {3, -1, true, 0}, {3, -1, false, 2},  // nothing selected
        {0, -1, true, -1}, {0, -1, false, -1},  // empty list
    };
    for (const Case& c : cases)
        EXPECT_EQ(NameListMove(c.count, c.selected, c.down), c.next) << c.count << c.selected << c.down;
}

} // namespace
