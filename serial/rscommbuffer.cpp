#include "serial/rscommbuffer.h"

#include <cstring>

TRsCommBuffer::TRsCommBuffer(int Capacity)
    : FCapacity(Capacity), FData(std::make_unique<uint8_t[]>(static_cast<std::size_t>(Capacity)))
{
}

void TRsCommBuffer::Add(const void* Data, int N)
{
    std::memcpy(FData.get() + FCount, Data, static_cast<std::size_t>(N));
    FCount += N;
}

void TRsCommBuffer::Remove(int N)
{
    std::memmove(FData.get(), FData.get() + N, static_cast<std::size_t>(FCount - N));
    FCount -= N;
}
