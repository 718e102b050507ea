#include "app/scenerecord.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "platform/rtl/inouterror.h"

static_assert(std::endian::native == std::endian::little, "the record holds the floats as they lie in memory");

namespace {

constexpr std::size_t kVisibleAt = 0;
constexpr std::size_t kLampCountAt = 1;
constexpr std::size_t kAnglesAt = 4;
constexpr std::size_t kPositionsAt = 16;
static_assert(kPositionsAt + kSceneLamps * 3 * sizeof(float) == kSceneRecordSize);

void PutFloat(TSceneRecordBytes& Bytes, std::size_t At, float Value)
{
    std::memcpy(Bytes.data() + At, &Value, sizeof Value);
}

float GetFloat(const TSceneRecordBytes& Bytes, std::size_t At)
{
    float value;
    std::memcpy(&value, Bytes.data() + At, sizeof value);
    return value;
}

} // namespace

TSceneRecordBytes PackSceneRecord(const TSceneRecord& Record)
{
    TSceneRecordBytes bytes{};
    bytes[kVisibleAt] = Record.Visible ? 1 : 0;
    bytes[kLampCountAt] = Record.LampCount;
    PutFloat(bytes, kAnglesAt, Record.PitchAngle);
    PutFloat(bytes, kAnglesAt + 4, Record.TurnAngle);
    PutFloat(bytes, kAnglesAt + 8, Record.RollAngle);
    for (int i = 0; i < kSceneLamps; ++i)
        for (int axis = 0; axis < 3; ++axis)
            PutFloat(bytes, kPositionsAt + 12 * i + 4 * axis, Record.Positions[i][axis]);
    return bytes;
}

TSceneRecord UnpackSceneRecord(const TSceneRecordBytes& Bytes)
{
    for (std::size_t at = kAnglesAt; at < kSceneRecordSize; at += sizeof(float))
        if (!std::isfinite(GetFloat(Bytes, at)))
            RaiseInOutError(ioInvalidData);
    TSceneRecord record;
    record.Visible = Bytes[kVisibleAt] != 0;
    record.LampCount = Bytes[kLampCountAt];
    record.PitchAngle = GetFloat(Bytes, kAnglesAt);
    record.TurnAngle = GetFloat(Bytes, kAnglesAt + 4);
    record.RollAngle = GetFloat(Bytes, kAnglesAt + 8);
    for (int i = 0; i < kSceneLamps; ++i)
        for (int axis = 0; axis < 3; ++axis)
            record.Positions[i][axis] = GetFloat(Bytes, kPositionsAt + 12 * i + 4 * axis);
    return record;
}
