#include "PointsInput.h"

#include <gtest/gtest.h>

namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

struct Points {
    int ax, ay, dir, bx, by;
    bool operator==(const Points& o) const
    {
        return ax == o.ax && ay == o.ay && dir == o.dir && bx == o.bx && by == o.by;
    }
};

Points Of(const RoPupilModel& m) { return {m.PointAX, m.PointAY, m.PointADir, m.PointBX, m.PointBY}; }

std::ostream& operator<<(std::ostream& os, const Points& p)
{
    return os << '(' << p.ax << ',' << p.ay << ' ' << p.dir << "; " << p.bx << ',' << p.by << ')';
}

PointsEntries Entries(bool a, const char* ax, const char* ay, int dir, bool b, const char* bx,
                      const char* by)
{
    PointsEntries e;
    e.AChecked = a;
    e.AX = Q(ax);
    e.AY = Q(ay);
    e.DirEntry = dir;
    e.BChecked = b;
    e.BX = Q(bx);
    e.BY = Q(by);
    return e;
}

TEST(PointsInput, ReadsEveryFieldBeforeChangingAnything)
{
    struct Case {
        PointsEntries entries;
        const char* error;  // nullptr: the points are applied
        Points expected;
    };
    const Points old = {7, 8, 90, 9, 10};
    const Case cases[] = {
        {PointsEntries(), nullptr, {0, 0, 0, -1, -1}},  // the panel as it starts
        {Entries(true, "3", "5", 3, true, "11", "11"), nullptr, {3, 5, 270, 11, 11}},
        {Entries(true, " 4", "+2", 1, false, "x", "y"), nullptr, {4, 2, 90, -1, -1}},
        {Entries(false, "x", "", 2, true, "-3", "14"), nullptr, {-1, -1, -1, -3, 14}},
        {Entries(true, "70000", "-70000", 2, false, "", ""), nullptr, {32767, -32768, 180, -1, -1}},
        // Not a whole number: nothing changes, the first bad field is named.
        {Entries(true, "3", "ab", 3, true, "1", "1"), "'ab' is not a valid integer value", old},
        {Entries(true, "", "q", 0, true, "1", "1"), "'' is not a valid integer value", old},
        {Entries(true, "1", "1", 0, true, "5 ", "z"), "'5 ' is not a valid integer value", old},
        {Entries(false, "1", "1", 0, true, "1", "1.0"), "'1.0' is not a valid integer value", old},
    };
    for (const Case& c : cases) {
        RoPupilModel m;
        m.PointAX = 7, m.PointAY = 8, m.PointADir = 90, m.PointBX = 9, m.PointBY = 10;
        EXPECT_EQ(ReadPoints(c.entries, m), c.error ? Q(c.error) : QString()) << c.expected;
        EXPECT_EQ(Of(m), c.expected);
    }
}

TEST(PointsInput, DirectionEntries)
{
    EXPECT_EQ(DirectionEntries(), (QStringList{Q("вправо"), Q("вверх"), Q("влево"), Q("вниз")}));
    const int expected[] = {0, 0, 90, 180, 270, 0};
    for (int entry = -1; entry <= 4; ++entry)
        EXPECT_EQ(DirectionOfEntry(entry), expected[entry + 1]) << entry;
}

TEST(PointsInput, ARunNeedsPointAOnTheFieldFacingAWay)
{
    const QString none = Q("Точка А не задана!\rОтметьте \"т.А\" на панели \"Точки\" этапа \"Разработка\".");
    const auto outside = [](int last) {
        return Q("Точка А лежит вне поля!\rЗадайте на панели \"Точки\" координаты X и Y от 0 до ")
               + QString::number(last) + QLatin1Char('.');
    };
    struct Case {
        int size, ax, ay, dir;
        QString problem;
    };
    const Case cases[] = {
        {12, 0, 0, 0, QString()},   {12, 11, 11, 270, QString()}, {15, 14, 0, 180, QString()},
        {12, 3, 5, 90, QString()},  {12, -1, -1, -1, none},        {12, 3, 5, -1, none},
        {12, 3, 5, 45, none},       {12, 12, 0, 0, outside(11)},   {12, 0, 14, 90, outside(11)},
        {15, -1, 3, 0, outside(14)}, {13, 2, -5, 0, outside(12)},  {12, -1, -1, 0, outside(11)},
    };
    for (const Case& c : cases) {
        RoPupilModel m;
        m.FieldSize = int16_t(c.size);
        m.PointAX = int16_t(c.ax), m.PointAY = int16_t(c.ay), m.PointADir = int16_t(c.dir);
        EXPECT_EQ(StartPointProblem(m), c.problem) << c.size << ' ' << c.ax << ',' << c.ay;
    }
}

} // namespace
