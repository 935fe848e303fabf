// Windows centred on the work area with their frames, and kept on it.

#include "Placement.h"

#include <gtest/gtest.h>

namespace {

TEST(Placement, FramesStandCentredAndNeverAboveOrLeftOfTheWorkArea)
{
    struct Case {
        QRect work;
        QSize outer;
        QPoint topLeft;
    };
    const Case cases[] = {
        {{0, 0, 1024, 768}, {952, 715}, {36, 26}},
        {{0, 0, 1920, 1080}, {952, 715}, {484, 182}},
        {{0, 0, 800, 600}, {952, 715}, {0, 0}},        // larger than the screen: title bar on it
        {{0, 0, 800, 600}, {405, 311}, {197, 144}},
        {{0, 28, 800, 572}, {952, 715}, {0, 28}},      // a panel along the top
        {{64, 0, 1216, 1024}, {952, 715}, {196, 154}}, // a panel along the left
        {{1920, 0, 1280, 1024}, {405, 311}, {2357, 356}},
    };
    for (const Case& c : cases) {
        const QRect frame = CentredFrame(c.work, c.outer);
        EXPECT_EQ(frame.topLeft(), c.topLeft) << c.work.x() << "," << c.work.y() << " " << c.work.width();
        EXPECT_EQ(frame.size(), c.outer);
    }
}

} // namespace
