#include "pages/utilities/core/MagnifierArea.h"

#include <gtest/gtest.h>

namespace {

using magnifier::Area;
using magnifier::SourceArea;

TEST(MagnifierArea, ZoomOneCopiesTheBoxSizeRoundTheCursor)
{
    EXPECT_EQ(SourceArea(500, 400, 336, 208, 1), (Area{500 - 168, 400 - 104, 336, 208}));
}

TEST(MagnifierArea, ZoomTenOfA336By208BoxTakes34By21Pixels)
{
    // 33.6 and 20.8 rounded; the halves of 34 and 21 truncated.
    EXPECT_EQ(SourceArea(500, 400, 336, 208, 10), (Area{500 - 17, 400 - 10, 34, 21}));
}

TEST(MagnifierArea, SizesRoundHalvesToEven)
{
    EXPECT_EQ(SourceArea(0, 0, 5, 7, 2).width, 2);    // 2.5
    EXPECT_EQ(SourceArea(0, 0, 5, 7, 2).height, 4);   // 3.5
    EXPECT_EQ(SourceArea(0, 0, 336, 208, 4), (Area{-42, -26, 84, 52}));
}

TEST(MagnifierArea, AtTheScreensCornerTheAreaStartsAtNegativeCoordinates)
{
    const Area area = SourceArea(0, 0, 336, 208, 10);
    EXPECT_EQ(area, (Area{-17, -10, 34, 21}));
    EXPECT_EQ(SourceArea(3, 2, 336, 208, 1), (Area{-165, -102, 336, 208}));
}

} // namespace
