#pragma once
// The output queue: one block of fixed capacity, allocated once; bytes are
// added behind the queued ones and removed from the front.
#include <cstdint>
#include <memory>

class TRsCommBuffer {
public:
    explicit TRsCommBuffer(int Capacity);

    int Capacity() const { return FCapacity; }
    const uint8_t* Data() const { return FData.get(); }
    int Count() const { return FCount; }
    // The caller makes sure that N bytes fit.
    void Add(const void* Data, int N);
    // Drops N bytes from the front and moves the rest to the start.
    void Remove(int N);

private:
    int FCapacity;
    std::unique_ptr<uint8_t[]> FData;
    int FCount = 0;
};
