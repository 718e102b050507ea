// The growable memory stream: capacity in blocks of twice HalfGrowthStep.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "dbcontrols/memorystreamlt.h"
#include "platform/rtl/exceptions.h"

namespace {

struct GrowthCase {
    int32_t Step;
    int64_t BytesWritten;
    int64_t Capacity;
};

class MemoryStreamGrowth : public ::testing::TestWithParam<GrowthCase> {};

TEST_P(MemoryStreamGrowth, WritingByteByByteGrowsInWholeBlocks)
{
    const GrowthCase c = GetParam();
    TMemoryStreamLt stream;
    stream.SetHalfGrowthStep(c.Step);
    const uint8_t byte = 0x5A;
    for (int64_t i = 0; i < c.BytesWritten; ++i)
        stream.WriteBuffer(&byte, 1);
    EXPECT_EQ(stream.Size(), c.BytesWritten);
    EXPECT_EQ(stream.Capacity(), c.Capacity);
}

INSTANTIATE_TEST_SUITE_P(Table, MemoryStreamGrowth,
                         ::testing::Values(GrowthCase{4096, 1, 8192}, GrowthCase{4096, 8192, 8192},
                                           GrowthCase{4096, 8193, 16384}, GrowthCase{65536, 1, 131072},
                                           GrowthCase{65536, 131073, 262144}));

TEST(MemoryStreamLt, ContentsSurviveGrowth)
{
    TMemoryStreamLt stream;
    std::vector<uint8_t> data(20000);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i * 7);
    for (std::size_t i = 0; i < data.size(); i += 1000)
        stream.WriteBuffer(data.data() + i, 1000);
    ASSERT_EQ(stream.Size(), 20000);
    EXPECT_EQ(stream.Capacity(), 24576);
    std::vector<uint8_t> back(data.size());
    stream.SetPosition(0);
    stream.ReadBuffer(back.data(), static_cast<int64_t>(back.size()));
    EXPECT_EQ(back, data);
}

TEST(MemoryStreamLt, SizeZeroFreesAndSizeAtCapacityKeepsTheBlock)
{
    TMemoryStreamLt stream;
    const uint8_t byte = 1;
    stream.WriteBuffer(&byte, 1);
    ASSERT_EQ(stream.Capacity(), 8192);
    const void* block = stream.Memory();
    stream.SetSize(8192);
    EXPECT_EQ(stream.Capacity(), 8192);
    EXPECT_EQ(stream.Memory(), block);
    stream.SetSize(0);
    EXPECT_EQ(stream.Capacity(), 0);
    EXPECT_EQ(stream.Size(), 0);
}

TEST(MemoryStreamLt, ExhaustedMemoryKeepsTheOldContents)
{
    TMemoryStreamLt stream;
    const uint8_t bytes[3] = {1, 2, 3};
    stream.WriteBuffer(bytes, 3);
    try {
        stream.SetSize(int64_t{1} << 62);
        FAIL() << "no error";
    } catch (const EStreamError& e) {
        EXPECT_STREQ(e.what(), "Out of memory while expanding memory stream");
    }
    EXPECT_EQ(stream.Size(), 3);
    EXPECT_EQ(stream.Capacity(), 8192);
    EXPECT_EQ(static_cast<const uint8_t*>(stream.Memory())[2], 3);
}

TEST(MemoryStreamLt, HalfGrowthStepMustBeAPowerOfTwo)
{
    TMemoryStreamLt stream;
    for (const int32_t bad : {0, -4096, 3, 5000, 65535})
        EXPECT_THROW(stream.SetHalfGrowthStep(bad), EAssertionFailed) << bad;
    EXPECT_EQ(stream.HalfGrowthStep(), 4096);
    stream.SetHalfGrowthStep(65536);
    EXPECT_EQ(stream.HalfGrowthStep(), 65536);
}

TEST(MemoryStream, PlainStreamGrowsGeometricallyAndKeepsContents)
{
    TMemoryStream stream;
    const uint8_t byte = 9;
    for (int i = 0; i < 1000; ++i)
        stream.WriteBuffer(&byte, 1);
    EXPECT_EQ(stream.Size(), 1000);
    EXPECT_GE(stream.Capacity(), 1000);
    stream.SetSize(10);
    EXPECT_EQ(stream.Capacity(), 10);
    EXPECT_EQ(static_cast<const uint8_t*>(stream.Memory())[9], 9);
}

} // namespace
