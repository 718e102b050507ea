#include "scene3d/buffer/bufferformat.h"

#include <array>

int ColorBitsFor(T3DColorDepth Depth, TContextOptions Options)
{
    static constexpr std::array<int, 6> bits = {24, 8, 16, 24, 64, 128};
    if (Options.Contains(roNoColorBuffer))
        return 0;
    return bits.at(static_cast<std::size_t>(Depth));
}

int DepthBitsFor(T3DDepthPrecision Precision)
{
    static constexpr std::array<int, 4> bits = {24, 16, 24, 32};
    return bits.at(static_cast<std::size_t>(Precision));
}
