#pragma once
// The grid's binary interchange format "VCLDBIF" (little-endian): the
// signature "VCLDBIF", a version byte 1, a 32-bit column count C, per
// column a visible flag byte and a 0-ended name, then C tagged values per
// record and the end tag.
#include <cstdint>

namespace VCLDBIF {
constexpr char kSignature[] = "VCLDBIF";
constexpr int kSignatureSize = 7;
constexpr uint8_t kVersion = 1;
constexpr int kHeaderSize = 12;

enum TTag : uint8_t { tagEnd = 0, tagUnassigned = 1, tagNull = 2, tagInteger = 3, tagFloat = 4, tagString = 5,
                      tagBinary = 6 };
} // namespace VCLDBIF
