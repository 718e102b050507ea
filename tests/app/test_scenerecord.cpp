#include "app/scenerecord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "platform/rtl/inouterror.h"

namespace {

float FloatAt(const TSceneRecordBytes& Bytes, std::size_t At)
{
    // Little-endian, whatever the machine.
    const uint32_t bits = Bytes[At] | Bytes[At + 1] << 8 | Bytes[At + 2] << 16 | uint32_t{Bytes[At + 3]} << 24;
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TSceneRecord SampleRecord()
{
    TSceneRecord record;
    record.Visible = true;
    record.LampCount = 5;
    record.PitchAngle = 10.5f;
    record.TurnAngle = -20.25f;
    record.RollAngle = 370;
    for (int i = 0; i < kSceneLamps; ++i)
        record.Positions[i] = {0.5f * i, -1.0f - i, 100.0f + i};
    return record;
}

TEST(SceneRecord, PacksEveryFieldAtItsOffsetWithZeroPadding)
{
    const TSceneRecordBytes bytes = PackSceneRecord(SampleRecord());
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1], 5);
    EXPECT_EQ(bytes[2], 0);
    EXPECT_EQ(bytes[3], 0);
    EXPECT_EQ(FloatAt(bytes, 4), 10.5f);
    EXPECT_EQ(FloatAt(bytes, 8), -20.25f);
    EXPECT_EQ(FloatAt(bytes, 12), 370.0f);
    for (int i = 0; i < kSceneLamps; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(FloatAt(bytes, 16 + 12 * i), 0.5f * i);
        EXPECT_EQ(FloatAt(bytes, 20 + 12 * i), -1.0f - i);
        EXPECT_EQ(FloatAt(bytes, 24 + 12 * i), 100.0f + i);
    }
    TSceneRecord hidden = SampleRecord();
    hidden.Visible = false;
    EXPECT_EQ(PackSceneRecord(hidden)[0], 0);
}

TEST(SceneRecord, UnpacksWhatWasPackedAndReadsAnyNonZeroVisibleByteAsShown)
{
    TSceneRecordBytes bytes = PackSceneRecord(SampleRecord());
    bytes[2] = 0xAB;  // padding is ignored
    bytes[3] = 0xCD;
    const TSceneRecord record = UnpackSceneRecord(bytes);
    const TSceneRecord sample = SampleRecord();
    EXPECT_TRUE(record.Visible);
    EXPECT_EQ(record.LampCount, 5);
    EXPECT_EQ(record.PitchAngle, sample.PitchAngle);
    EXPECT_EQ(record.TurnAngle, sample.TurnAngle);
    EXPECT_EQ(record.RollAngle, sample.RollAngle);
    for (int i = 0; i < kSceneLamps; ++i)
        for (int axis = 0; axis < 3; ++axis)
            EXPECT_EQ(record.Positions[i][axis], sample.Positions[i][axis]) << i << " " << axis;

    for (const uint8_t visible : {0, 1, 2, 255}) {
        bytes[0] = visible;
        EXPECT_EQ(UnpackSceneRecord(bytes).Visible, visible != 0) << int{visible};
    }
}

TEST(SceneRecord, RefusesAnAngleOrPositionThatIsNotANumber)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* what;
        std::size_t at;
        float value;
    };
    const Case cases[] = {
        {"NaN pitch", 4, nan},
        {"infinite roll", 12, -inf},
        {"NaN X of lamp 1", 16, nan},
        {"infinite Z of lamp 16", 204, inf},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TSceneRecordBytes bytes = PackSceneRecord(SampleRecord());
        std::memcpy(bytes.data() + c.at, &c.value, sizeof c.value);
        try {
            UnpackSceneRecord(bytes);
            ADD_FAILURE() << "no exception";
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.ErrorCode(), ioInvalidData);
            EXPECT_EQ(e.Message(), "Invalid data in file");
        }
    }
}

} // namespace
