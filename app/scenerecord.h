#pragma once
// One channel group in a scene file: 208 bytes, little-endian. The visible
// byte (0 hidden, anything else shown), the number of shown lamps, two
// padding bytes (written as zeros, ignored on reading), the group's pitch,
// turn and roll angles in degrees, then X, Y, Z of its 16 lamps, all as
// 32-bit floats. A file holds 16 of them, channel 1 first.
#include <array>
#include <cstddef>
#include <cstdint>

#include "scene3d/geometry/vectortypes.h"

inline constexpr int kSceneGroups = 16;
inline constexpr int kSceneLamps = 16;
inline constexpr std::size_t kSceneRecordSize = 208;

struct TSceneRecord {
    bool Visible = true;
    uint8_t LampCount = 0;
    float PitchAngle = 0;
    float TurnAngle = 0;
    float RollAngle = 0;
    std::array<TAffineVector, kSceneLamps> Positions{};
};

using TSceneRecordBytes = std::array<uint8_t, kSceneRecordSize>;

TSceneRecordBytes PackSceneRecord(const TSceneRecord& Record);
// Raises EInOutError ioInvalidData when an angle or a position is not a
// finite number: set on a group, it would spoil its orientation for good.
TSceneRecord UnpackSceneRecord(const TSceneRecordBytes& Bytes);
