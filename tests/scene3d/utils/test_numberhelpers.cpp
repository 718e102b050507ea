#include "scene3d/utils/numberhelpers.h"

#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"

namespace {

TEST(NextPowerOfTwo, SmallestPowerAtLeastTheNumber)
{
    const std::pair<int, int> cases[] = {
        {-5, 1}, {0, 1}, {1, 1}, {2, 2}, {3, 4}, {64, 64}, {65, 128}, {1 << 30, 1 << 30},
    };
    for (const auto& [n, power] : cases)
        EXPECT_EQ(NextPowerOfTwo(n), power) << n;
    EXPECT_THROW(NextPowerOfTwo((1 << 30) + 1), EAssertionFailed);
}

TEST(SqrtByteTable, RoundedSquareRootCurve)
{
    const uint8_t* table = SqrtByteTable();
    EXPECT_EQ(table[0], 0);
    EXPECT_EQ(table[1], 16);     // 255 * sqrt(1 / 255) = 15.97
    EXPECT_EQ(table[64], 128);   // 127.75
    EXPECT_EQ(table[255], 255);
    for (int i = 1; i < 256; ++i)
        EXPECT_LE(table[i - 1], table[i]) << i;
    EXPECT_EQ(SqrtByteTable(), table);
}

} // namespace
