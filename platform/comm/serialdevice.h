#pragma once
// A serial device held open for the port component: opened read-write
// without becoming the controlling terminal, non-blocking, with exclusive
// access. Every operation returns 0 or a system error code; queries that a
// terminal without the matching hardware (a pseudo-terminal) cannot answer
// report ENOTTY or EINVAL, which IsUnsupported tells apart.
#include <sys/types.h>

#include <cstdint>
#include <string>

// Counts of line events since the device was opened.
struct TLineCounters {
    uint32_t Frame = 0;
    uint32_t Overrun = 0;
    uint32_t Parity = 0;
    uint32_t Break = 0;
    uint32_t BufferOverrun = 0;
};

class TSerialDevice {
public:
    TSerialDevice() = default;
    TSerialDevice(const TSerialDevice&) = delete;
    TSerialDevice& operator=(const TSerialDevice&) = delete;
    ~TSerialDevice();

    // Opens and takes exclusive access; on failure the device stays closed.
    int Open(const std::string& Path);
    void Close();
    bool IsOpen() const { return FFd >= 0; }
    int Handle() const { return FFd; }

    // Bytes received and not yet read; bytes written and not yet sent.
    int InQueue(int& Count) const;
    int OutQueue(int& Count) const;
    int Counters(TLineCounters& Counters) const;
    // The modem lines (TIOCM_ bits).
    int ModemLines(int& Lines) const;

    // Non-blocking transfers: the byte count, or -1 with errno set (EAGAIN
    // when nothing can move now).
    ssize_t Read(void* Buffer, std::size_t Count) const;
    ssize_t Write(const void* Buffer, std::size_t Count) const;

private:
    int FFd = -1;
};

// An error that only says the terminal lacks the hardware for a request.
bool IsUnsupported(int Error);
// An error that says the device is gone (hung up, unplugged).
bool IsDeviceGone(int Error);
