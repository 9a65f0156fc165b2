#include <gtest/gtest.h>

#include "platform/portable/Types.h"

TEST(Geometry, EmptyRectHasNoPositiveExtent) {
    EXPECT_TRUE(Rect(5, 5, 5, 10).IsEmpty());
    EXPECT_TRUE(Rect(5, 5, 10, 4).IsEmpty());
    EXPECT_FALSE(Rect(0, 0, 1, 1).IsEmpty());
    EXPECT_EQ(Bounds(2, 3, 10, 20), Rect(2, 3, 12, 23));
}
