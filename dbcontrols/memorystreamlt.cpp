#include "dbcontrols/memorystreamlt.h"

#include "platform/rtl/exceptions.h"

void TMemoryStreamLt::SetHalfGrowthStep(int32_t Value)
{
    Assert(Value > 0 && (Value & (Value - 1)) == 0, "HalfGrowthStep must be a power of two");
    FHalfGrowthStep = Value;
}

int64_t TMemoryStreamLt::Realloc(int64_t NewCapacity)
{
    if (NewCapacity > 0 && NewCapacity != Size()) {
        const int64_t block = 2 * static_cast<int64_t>(FHalfGrowthStep);
        NewCapacity = (NewCapacity + block - 1) & ~(block - 1);
    }
    return NewCapacity;
}
