#include "model/PictureFit.h"

#include <gtest/gtest.h>

using namespace sv;

// Shrunk to fit keeping the aspect ratio, never enlarged, centred, with rotation swapping the
// sides; the limiting side fills the client exactly.
TEST(PictureFit, ShrinksRotatesAndCentres)
{
    EXPECT_EQ(FitPicture(400, 200, 90, 100, 100), (PictureRect{25, 0, 50, 100}));
    EXPECT_EQ(FitPicture(400, 200, 0, 100, 100), (PictureRect{0, 25, 100, 50}));
    EXPECT_EQ(FitPicture(400, 200, 270, 100, 100), FitPicture(400, 200, 90, 100, 100));
    EXPECT_EQ(FitPicture(40, 20, 0, 101, 51), (PictureRect{30, 15, 40, 20}));
    EXPECT_EQ(FitPicture(40, 20, 180, 101, 51), (PictureRect{30, 15, 40, 20}));
    // Thirds: the width is exactly the client's, the height truncated.
    EXPECT_EQ(FitPicture(300, 100, 0, 100, 100), (PictureRect{0, 33, 100, 33}));
    EXPECT_EQ(FitPicture(7, 3000, 0, 500, 1000), (PictureRect{249, 0, 2, 1000}));
    // Nothing to draw into, or nothing to draw.
    EXPECT_EQ(FitPicture(400, 200, 0, 0, 100), PictureRect{});
    EXPECT_EQ(FitPicture(0, 200, 0, 100, 100), PictureRect{});
    // An angle that is no quarter turn is no turn.
    EXPECT_EQ(FitPicture(400, 200, 45, 100, 100), FitPicture(400, 200, 0, 100, 100));
}

TEST(PictureFit, RotationCommandsTurnInQuarters)
{
    bool changed = false;
    int angle = 0;
    for (int turn = 0; turn < 4; ++turn)
        angle = RotateByCommand(angle, 1, changed);
    EXPECT_EQ(angle, 0);
    EXPECT_EQ(RotateByCommand(0, 2, changed), 270);
    EXPECT_TRUE(changed);
    EXPECT_EQ(RotateByCommand(180, 3, changed), 0);
    EXPECT_TRUE(changed);
    // "Originalansicht" at the original angle repaints nothing.
    EXPECT_EQ(RotateByCommand(0, 3, changed), 0);
    EXPECT_FALSE(changed);
}
