// The fixed-task window's layout against its worked examples.

#include "FixedTaskLayout.h"

#include <gtest/gtest.h>

TEST(FixedTaskLayout, WorkedExamplesComeOutToThePixel)
{
    struct Row {
        int screen;
        QRect strip, command, list, field, statistics;
        int lstTsk;
        QPoint pattern, solution;
    };
    const Row rows[] = {
        {1024, {10, 31, 1001, 49}, {10, 90, 121, 300}, {141, 90, 300, 560}, {451, 90, 560, 560},
         {10, 521, 121, 129}, 871, {758, 31}, {551, 31}},
        {800, {8, 30, 825, 49}, {8, 87, 121, 300}, {137, 87, 240, 448}, {385, 87, 448, 448},
         {8, 406, 121, 129}, 697, {580, 30}, {485, 30}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.screen);
        const FixedTaskLayout l = ComputeFixedTaskLayout(r.screen);
        EXPECT_EQ(l.pnlTskNew, r.strip);
        EXPECT_EQ(l.Form.PPPanelSystCom, r.command);
        EXPECT_EQ(l.Form.lstCom, r.list);
        EXPECT_EQ(l.Form.pnl1, r.field);
        EXPECT_EQ(l.Form.ListStatist, r.statistics);
        EXPECT_EQ(l.lstTskWidth, r.lstTsk);
        EXPECT_EQ(l.pnlPattern, r.pattern);
        EXPECT_EQ(l.pnlDec, r.solution);
        // Every size of the field is the shared window's on the same screen.
        EXPECT_EQ(l.Form.pnl1.size(), ComputeFormLayout(r.screen).pnl1.size());
        EXPECT_EQ(l.Form.HalfVisibleLines, ComputeFormLayout(r.screen).HalfVisibleLines);
    }
}

TEST(FixedTaskLayout, TheWindowFitsTheScreenAsTheSharedOneDoes)
{
    // available: the height the work area leaves for the client; 0: no limit.
    struct Row { int width, available, margin, client; };
    const Row rows[] = {
        {1024, 0, 10, 685},     // the designed height holds everything
        {1024, 700, 10, 685},
        {800, 0, 8, 685},
        {800, 548, 8, 548},     // the strip costs height, yet the designed unit stays; the status bar covers the lowest pixels
        {1280, 0, 12, 799},     // the field would end below the designed height
        {1366, 712, 10, 685},   // too low for m = 13: the largest m that fits
        {1920, 1024, 15, 974},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.width << " " << r.available);
        const WindowFit fit = FitWindow(r.width, FixedTaskClientHeight, r.available,
                                        [&r](int16_t m) { return ComputeFixedTaskLayoutForMargin(r.width, m).Form; });
        EXPECT_EQ(fit.Margin, r.margin);
        EXPECT_EQ(fit.ClientHeight, r.client);
        const int needed = NeededClientHeight(ComputeFixedTaskLayoutForMargin(r.width, fit.Margin).Form);
        EXPECT_TRUE(needed <= fit.ClientHeight || fit.Margin == SmallestDesignedMargin);
    }
}
