#pragma once
// A memory stream that grows in blocks of twice HalfGrowthStep bytes, so a
// buffer written a little at a time is moved rarely.
#include <cstdint>

#include "platform/rtl/streams.h"

class TMemoryStreamLt : public TMemoryStream {
public:
    TMemoryStreamLt() = default;

    // Half the growth block, in bytes; a power of two (EAssertionFailed
    // otherwise). Callers that build large buffers raise it to 65536.
    int32_t HalfGrowthStep() const { return FHalfGrowthStep; }
    void SetHalfGrowthStep(int32_t Value);

protected:
    int64_t Realloc(int64_t NewCapacity) override;

private:
    int32_t FHalfGrowthStep = 4096;
};
