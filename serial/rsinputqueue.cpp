#include "serial/rsinputqueue.h"

#include <algorithm>
#include <cstring>

TRsInputQueue::TRsInputQueue(int Capacity)
    : FCapacity(Capacity), FData(std::make_unique<uint8_t[]>(static_cast<std::size_t>(Capacity)))
{
}

void TRsInputQueue::Add(const void* Data, int N)
{
    const auto* const bytes = static_cast<const uint8_t*>(Data);
    const int tail = (FHead + FCount) % FCapacity;
    const int first = std::min(N, FCapacity - tail);
    std::memcpy(FData.get() + tail, bytes, static_cast<std::size_t>(first));
    std::memcpy(FData.get(), bytes + first, static_cast<std::size_t>(N - first));
    FCount += N;
}

int TRsInputQueue::Take(void* Buffer, int N)
{
    auto* const bytes = static_cast<uint8_t*>(Buffer);
    const int taken = std::min(N, FCount);
    const int first = std::min(taken, FCapacity - FHead);
    std::memcpy(bytes, FData.get() + FHead, static_cast<std::size_t>(first));
    std::memcpy(bytes + first, FData.get(), static_cast<std::size_t>(taken - first));
    FHead = (FHead + taken) % FCapacity;
    FCount -= taken;
    return taken;
}
