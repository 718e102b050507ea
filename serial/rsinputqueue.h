#pragma once
// The input queue: bytes read ahead from the device, waiting for the main
// thread. A ring of fixed capacity, allocated once: taking a few bytes from
// the front moves none of the rest.
#include <cstdint>
#include <memory>

class TRsInputQueue {
public:
    explicit TRsInputQueue(int Capacity);

    int Capacity() const { return FCapacity; }
    int Count() const { return FCount; }
    bool Full() const { return FCount == FCapacity; }
    // The caller makes sure that N bytes fit.
    void Add(const void* Data, int N);
    // Copies up to N bytes from the front into Buffer and drops them; the
    // number taken.
    int Take(void* Buffer, int N);

private:
    int FCapacity;
    std::unique_ptr<uint8_t[]> FData;
    int FHead = 0;   // where the oldest byte is
    int FCount = 0;
};
