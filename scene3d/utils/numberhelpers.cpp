#include "scene3d/utils/numberhelpers.h"

#include <array>
#include <cmath>

#include "scene3d/base/engineassert.h"

int NextPowerOfTwo(int N)
{
    EngineAssert(N <= 1 << 30);   // no larger power of two is an int
    int power = 1;
    while (power < N)
        power <<= 1;
    return power;
}

const uint8_t* SqrtByteTable()
{
    static const std::array<uint8_t, 256> table = [] {
        std::array<uint8_t, 256> bytes{};
        for (int i = 0; i < 256; ++i)
            bytes[i] = static_cast<uint8_t>(std::lround(255.0 * std::sqrt(i / 255.0)));
        return bytes;
    }();
    return table.data();
}
