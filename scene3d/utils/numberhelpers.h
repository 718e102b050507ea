#pragma once
// Small integer helpers of the texture code.
#include <cstdint>

// The smallest power of two at least N (1 for N <= 1); N above 2^30 is an
// assertion failure.
int NextPowerOfTwo(int N);
// 256 bytes, entry i = round(255 * sqrt(i / 255)): a gamma curve for bytes.
// Built on first use.
const uint8_t* SqrtByteTable();
