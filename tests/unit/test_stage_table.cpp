#include "StageTable.h"
#include <gtest/gtest.h>

namespace {

TEST(StageTable, RowsApplyInOrderAndKeepLeavesAControl)
{
    std::vector<QString> log;
    auto row = [&](const char* name, std::array<StageValue, kStageCount> v) {
        return StageRow{QString::fromLatin1(name), v,
                        [&log, name](bool on) { log.push_back(QString::fromLatin1(name) + (on ? "+" : "-")); }};
    };
    StageTable t;
    t.Append(row("a", {On, Off, Keep, Off}));
    t.Append(row("c", {Keep, On, On, Off}));
    t.InsertAfter("a", row("b", {Off, Keep, On, On}));
    t.InsertAfter("missing", row("d", {On, On, On, On}));

    const struct { Stage stage; std::vector<QString> expected; } cases[] = {
        {Stage::Initial, {"a+", "b-", "d+"}},
        {Stage::Begun, {"a-", "c+", "d+"}},
        {Stage::Development, {"b+", "c+", "d+"}},
        {Stage::Debugging, {"a-", "b+", "c-", "d+"}},
    };
    for (const auto& c : cases) {
        log.clear();
        t.Enter(c.stage);
        EXPECT_EQ(log, c.expected) << int(c.stage);
    }
    ASSERT_NE(t.Find("b"), nullptr);
    EXPECT_EQ(t.Find("b")->ValueIn(Stage::Begun), Keep);
}

} // namespace
