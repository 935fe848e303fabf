#include "Layout.h"
#include <gtest/gtest.h>

namespace {

TEST(Layout, Screen1024MatchesTheWorkedExample)
{
    const FormLayout l = ComputeFormLayout(1024);
    EXPECT_EQ(l.Margin, 10);
    EXPECT_EQ(l.PPPanelSystCom.topLeft(), QPoint(10, 36));
    EXPECT_EQ(l.lstCom, QRect(141, 36, 300, 560));
    EXPECT_EQ(l.pnl1, QRect(451, 36, 560, 560));
    EXPECT_EQ(l.pnlMain, QRect(10, 10, 540, 540));
    EXPECT_EQ(l.HalfVisibleLines, 17);
    EXPECT_EQ(l.ListStatist, QRect(10, 467, 121, 129));

    const FieldGeometry g = ComputeFieldGeometry(l.pnl1.width(), l.Margin, 12);
    EXPECT_EQ(g.CellSize, 43);
    EXPECT_EQ(g.ImageSide, 536);
    EXPECT_EQ(g.HalfCell, 21);
    EXPECT_EQ(g.CellCentreX0, 31);
    EXPECT_EQ(g.CellCentreY0, 31);
    EXPECT_EQ(g.SpriteSize, 31);
    EXPECT_EQ(g.HalfSprite, 15);
    EXPECT_EQ(g.PanelX, QRect(2, 2, 536, 8));
    EXPECT_EQ(g.AxisLabelPos(0), 41);
    EXPECT_EQ(g.AxisLabelPos(11), 41 + 43 * 11);
}

TEST(Layout, FieldSizesFrom12To15On1024)
{
    struct Row { int n, c, side, half, centre, sprite, halfSprite; };
    const Row rows[] = {
        {12, 43, 536, 21, 31, 31, 15},
        {13, 40, 540, 20, 30, 28, 14},
        {14, 37, 538, 18, 28, 25, 12},
        {15, 34, 530, 17, 27, 22, 11},
    };
    for (const Row& r : rows) {
        const FieldGeometry g = ComputeFieldGeometry(560, 10, int16_t(r.n));
        EXPECT_EQ(g.CellSize, r.c) << r.n;
        EXPECT_EQ(g.ImageSide, r.side) << r.n;
        EXPECT_EQ(g.HalfCell, r.half) << r.n;
        EXPECT_EQ(g.CellCentreX0, r.centre) << r.n;
        EXPECT_EQ(g.SpriteSize, r.sprite) << r.n;
        EXPECT_EQ(g.HalfSprite, r.halfSprite) << r.n;
        // Labels from N on lie beyond the strip, whose length is the image's.
        EXPECT_GE(g.AxisLabelPos(r.n), g.PanelX.width()) << r.n;
        EXPECT_LT(g.AxisLabelPos(r.n - 1), g.PanelX.width()) << r.n;
    }
}

TEST(Layout, Screens800And1280)
{
    const FormLayout l800 = ComputeFormLayout(800);
    EXPECT_EQ(l800.Margin, 8);
    EXPECT_EQ(l800.pnl1, QRect(385, 34, 448, 448));
    const FieldGeometry g800 = ComputeFieldGeometry(l800.pnl1.width(), l800.Margin, 12);
    EXPECT_EQ(g800.CellSize, 34);
    EXPECT_EQ(g800.ImageSide, 424);

    const FormLayout l1280 = ComputeFormLayout(1280);
    EXPECT_EQ(l1280.Margin, 12);
    EXPECT_EQ(l1280.pnl1, QRect(517, 38, 672, 672));
    EXPECT_EQ(l1280.pnl1.bottom() + 1, 710);
    const FieldGeometry g1280 = ComputeFieldGeometry(l1280.pnl1.width(), l1280.Margin, 12);
    EXPECT_EQ(g1280.CellSize, 52);
    EXPECT_EQ(g1280.ImageSide, 648);
}

} // namespace

namespace {

TEST(Layout, TheWindowFitsTheScreen)
{
    auto shared = [](int width) {
        return [width](int16_t m) { return ComputeFormLayoutForMargin(width, m); };
    };
    // available: the height the work area leaves for the client; 0: no limit.
    struct Row { int width, available, margin, client; };
    const Row rows[] = {
        {1024, 0, 10, 684},     // the designed height holds everything
        {1024, 700, 10, 684},
        {800, 0, 8, 684},
        {800, 548, 8, 548},     // a low screen: shorter, still holding the status bar
        {1280, 0, 12, 744},     // the field would end below the designed height
        {1280, 960, 12, 744},
        {1366, 712, 11, 686},   // too low for m = 13: the largest m that fits
        {1920, 1024, 16, 976},
        {3840, 2100, 35, 2078},
        {1024, 100, 8, 100},    // nothing fits: the smallest designed unit, as high as the work area allows
        {700, 400, 6, 400},     // below the designed screens the unit may shrink further
    };
    for (const Row& r : rows) {
        const WindowFit fit = FitWindow(r.width, FormClientHeight, r.available, shared(r.width));
        EXPECT_EQ(fit.Margin, r.margin) << r.width << " " << r.available;
        EXPECT_EQ(fit.ClientHeight, r.client) << r.width << " " << r.available;
        const int needed = NeededClientHeight(ComputeFormLayoutForMargin(r.width, fit.Margin));
        EXPECT_TRUE(needed <= fit.ClientHeight || fit.Margin == SmallestDesignedMargin) << r.width;
    }
    // The unit of the screen width is the shared layout's.
    const FormLayout l = ComputeFormLayout(1280);
    EXPECT_EQ(l.pnl1, ComputeFormLayoutForMargin(1280, 12).pnl1);
    EXPECT_EQ(NeededClientHeight(l), 710 + 12 + StatusBarHeight);
}

TEST(Layout, StatisticsNeverCoverTheCommandPanel)
{
    for (int16_t m = 3; m <= 25; ++m) {
        const FormLayout l = ComputeFormLayoutForMargin(100 * m, m);
        EXPECT_FALSE(l.ListStatist.intersects(l.PPPanelSystCom)) << "m = " << m;
        if (m >= 8) {
            // Where there is room, they end level with the algorithm list at their designed height.
            EXPECT_EQ(l.ListStatist.bottom(), l.lstCom.bottom()) << "m = " << m;
            EXPECT_EQ(l.ListStatist.height(), ListStatistHeight) << "m = " << m;
        }
    }
}

} // namespace
