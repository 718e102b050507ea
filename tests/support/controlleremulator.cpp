#include "tests/support/controlleremulator.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace {

constexpr char kStart = static_cast<char>(0xAA);
// The time table a controller holds before it is first written: no rows, and
// its clock at 00:00:00 on Saturday 1 January 2000.
const std::string kFactoryTimeTable("\x00\x80\x00\x00\x00\x07\x01\x01\x00", 9);
// The gap between the bytes of an answer split into single bytes, so that
// each arrives on its own.
constexpr std::chrono::milliseconds kSplitGap{2};

[[noreturn]] void Fail(const std::string& What)
{
    throw std::runtime_error(What + ": " + std::strerror(errno));
}

// A raw line at 9600 baud, 8 data bits, no parity, 1 stop bit.
void SetRawLine(int Fd)
{
    termios line{};
    if (tcgetattr(Fd, &line) != 0)
        Fail("tcgetattr");
    cfmakeraw(&line);
    cfsetispeed(&line, B9600);
    cfsetospeed(&line, B9600);
    line.c_cflag |= CLOCAL | CREAD;
    if (tcsetattr(Fd, TCSANOW, &line) != 0)
        Fail("tcsetattr");
}

void SetNonBlocking(int Fd)
{
    const int flags = fcntl(Fd, F_GETFL);
    if (flags < 0 || fcntl(Fd, F_SETFL, flags | O_NONBLOCK) != 0)
        Fail("fcntl");
}

uint8_t Byte(const std::string& Bytes, std::size_t Index)
{
    return static_cast<uint8_t>(Bytes[Index]);
}

uint32_t Sum(const std::string& Bytes, std::size_t Count)
{
    uint32_t sum = 0;
    for (std::size_t i = 0; i < Count; ++i)
        sum += Byte(Bytes, i);
    return sum;
}

} // namespace

TControllerEmulator::TControllerEmulator(TEmulatorBehaviour Behaviour) : FBehaviour(std::move(Behaviour))
{
    char name[256] = {};
    if (openpty(&FDevice, &FKeepOpen, name, nullptr, nullptr) != 0)
        Fail("openpty");
    FDevicePath = name;
    SetRawLine(FKeepOpen);
    SetNonBlocking(FDevice);
    FWake = eventfd(0, EFD_CLOEXEC);
    if (FWake < 0)
        Fail("eventfd");
    FTimeTable = kFactoryTimeTable;
    FThread = std::thread([this] { Run(); });
}

TControllerEmulator::TControllerEmulator(const std::string& Device, TEmulatorBehaviour Behaviour)
    : FBehaviour(std::move(Behaviour)), FDevicePath(Device)
{
    FDevice = open(Device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (FDevice < 0)
        Fail("open " + Device);
    SetRawLine(FDevice);
    SetNonBlocking(FDevice);
    FWake = eventfd(0, EFD_CLOEXEC);
    if (FWake < 0)
        Fail("eventfd");
    FTimeTable = kFactoryTimeTable;
    FThread = std::thread([this] { Run(); });
}

TControllerEmulator::~TControllerEmulator()
{
    {
        const std::lock_guard lock(FLock);
        FStopping = true;
    }
    FChanged.notify_all();
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(FWake, &one, sizeof one);
    FThread.join();
    for (const int fd : {FDevice, FKeepOpen, FWake})
        if (fd >= 0)
            close(fd);
}

std::vector<std::string> TControllerEmulator::Frames() const
{
    const std::lock_guard lock(FLock);
    return FFrames;
}

bool TControllerEmulator::WaitForFrames(std::size_t Count, int TimeoutMs) const
{
    std::unique_lock lock(FLock);
    return FChanged.wait_for(lock, std::chrono::milliseconds(TimeoutMs), [&] { return FFrames.size() >= Count; });
}

std::string TControllerEmulator::Programme() const
{
    const std::lock_guard lock(FLock);
    std::string programme;
    for (const auto& [index, block] : FBlocks)
        programme += block;
    return programme;
}

std::string TControllerEmulator::TimeTable() const
{
    const std::lock_guard lock(FLock);
    return FTimeTable;
}

void TControllerEmulator::SetTimeTable(const std::string& Payload)
{
    const std::lock_guard lock(FLock);
    FTimeTable = Payload;
}

int TControllerEmulator::Finishes() const
{
    const std::lock_guard lock(FLock);
    return FFinishes;
}

void TControllerEmulator::SetOnFrame(std::function<void(const std::string&)> OnFrame)
{
    const std::lock_guard lock(FLock);
    FOnFrame = std::move(OnFrame);
}

void TControllerEmulator::Send(const std::string& Bytes)
{
    WriteAll(Bytes);
}

void TControllerEmulator::Run()
{
    pollfd fds[2] = {{FDevice, POLLIN, 0}, {FWake, POLLIN, 0}};
    char chunk[4096];
    for (;;) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents)
            return;
        if (fds[0].revents & POLLIN) {
            const ssize_t count = read(FDevice, chunk, sizeof chunk);
            if (count > 0) {
                Receive(std::string(chunk, static_cast<std::size_t>(count)));
                continue;
            }
            if (count < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
        }
        // A line that hung up (an external device whose other end closed):
        // look again a little later instead of spinning.
        if (!WaitUntil(TClock::now() + std::chrono::milliseconds(20)))
            return;
    }
}

void TControllerEmulator::Receive(const std::string& Bytes)
{
    const TClock::time_point now = TClock::now();
    for (const char byte : Bytes) {
        FBuffer.push_back(byte);
        if (FBehaviour.Paced) {
            FLineFree = std::max(now, FLineFree) + kByteTime;
            FArrivals.push_back(FLineFree);
        } else {
            FArrivals.push_back(now);
        }
    }
    for (;;) {
        const std::size_t start = FBuffer.find(kStart);
        const std::size_t skip = start == std::string::npos ? FBuffer.size() : start;
        FBuffer.erase(0, skip);
        FArrivals.erase(FArrivals.begin(), FArrivals.begin() + static_cast<std::ptrdiff_t>(skip));
        if (FBuffer.size() < 4 || FBuffer.size() < Byte(FBuffer, 3) + 6u)
            return;
        const std::size_t size = Byte(FBuffer, 3) + 6u;
        const std::string frame = FBuffer.substr(0, size);
        const TClock::time_point complete = FArrivals[size - 1];
        FBuffer.erase(0, size);
        FArrivals.erase(FArrivals.begin(), FArrivals.begin() + static_cast<std::ptrdiff_t>(size));
        if (!WaitUntil(complete))
            return;
        const bool valid = Sum(frame, size - 2) == Byte(frame, size - 2) * 256u + Byte(frame, size - 1);
        std::function<void(const std::string&)> onFrame;
        {
            // A frame is seen recorded only together with what it stored.
            const std::lock_guard lock(FLock);
            FFrames.push_back(frame);
            if (valid)
                Store(frame);
            onFrame = FOnFrame;
        }
        FChanged.notify_all();
        if (onFrame)
            onFrame(frame);
        if (valid)
            Reply(frame);
    }
}

void TControllerEmulator::Store(const std::string& Frame)
{
    const std::string payload = Frame.substr(4, Frame.size() - 6);
    switch (Byte(Frame, 1)) {
    case 0x02:
        FBlocks[Byte(Frame, 2)] = payload;
        break;
    case 0x04:
        FTimeTable = payload;
        break;
    case 0x05:
        ++FFinishes;
        break;
    default:
        break;
    }
}

void TControllerEmulator::Reply(const std::string& Frame)
{
    switch (Byte(Frame, 1)) {
    case 0x02:
        Answer(0x02, Frame[2], {});
        break;
    case 0x03: {
        std::string table = TimeTable();
        if (FBehaviour.ShortReadBacks.contains(FAnswers) && !table.empty())
            table[0] = static_cast<char>(Byte(table, 0) + 1);
        Answer(0x03, 0, table);
        break;
    }
    case 0x04:
        Answer(0x04, 0, {});
        break;
    default:
        break;
    }
}

void TControllerEmulator::Answer(char Command, char Argument, const std::string& Payload)
{
    const int index = FAnswers++;
    if (FBehaviour.DroppedAnswers.contains(index))
        return;
    const auto late = FBehaviour.LateAnswers.find(index);
    const int delay = FBehaviour.AnswerDelayMs + (late == FBehaviour.LateAnswers.end() ? 0 : late->second);
    if (delay > 0 && !WaitUntil(TClock::now() + std::chrono::milliseconds(delay)))
        return;
    std::string frame{kStart, Command, Argument, static_cast<char>(Payload.size())};
    frame += Payload;
    const uint32_t sum = Sum(frame, frame.size()) + (FBehaviour.CorruptSums.contains(index) ? 1 : 0);
    frame.push_back(static_cast<char>(sum >> 8));
    frame.push_back(static_cast<char>(sum));
    const std::string bytes = FBehaviour.Garbage + frame;
    if (FBehaviour.Paced) {
        const TClock::time_point start = TClock::now();
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (!WaitUntil(start + kByteTime * static_cast<int64_t>(i + 1)))
                return;
            WriteAll(bytes.substr(i, 1));
        }
    } else if (FBehaviour.SingleBytes) {
        for (const char byte : bytes) {
            WriteAll(std::string(1, byte));
            if (!WaitUntil(TClock::now() + kSplitGap))
                return;
        }
    } else {
        WriteAll(bytes);
    }
}

void TControllerEmulator::WriteAll(const std::string& Bytes)
{
    const std::lock_guard lock(FWriteLock);
    std::size_t done = 0;
    while (done < Bytes.size()) {
        const ssize_t count = write(FDevice, Bytes.data() + done, Bytes.size() - done);
        if (count > 0) {
            done += static_cast<std::size_t>(count);
        } else if (errno == EAGAIN) {
            // The program reads nothing for now: wait for room, or for the end.
            pollfd fds[2] = {{FDevice, POLLOUT, 0}, {FWake, POLLIN, 0}};
            if (poll(fds, 2, -1) < 0 && errno != EINTR)
                return;
            if (fds[1].revents)
                return;
        } else if (errno != EINTR) {
            return;
        }
    }
}

bool TControllerEmulator::WaitUntil(TClock::time_point Time)
{
    std::unique_lock lock(FLock);
    return !FChanged.wait_until(lock, Time, [this] { return FStopping; });
}
