#pragma once
// A lighting controller at the far end of a serial line, as the program meets
// it: it stores the blocks of a programme and acknowledges each with 0x02,
// stores the time table and clock and acknowledges them with 0x04, takes the
// closing packet without an answer, and answers the read request with a 0x03
// frame of its time table and clock. It records every whole frame it
// receives. Its thread serves the master side of a new pseudo-terminal (the
// program opens DevicePath()) or a device that exists already.
//
// Faults are chosen per answer, the answers counted from 0 in the order they
// fall due (a dropped answer counts too).
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

// How the emulator answers.
struct TEmulatorBehaviour {
    std::set<int> CorruptSums;      // answers sent with a sum one too high
    std::set<int> DroppedAnswers;   // answers never sent
    std::map<int, int> LateAnswers;  // answer -> milliseconds waited before it goes
    int AnswerDelayMs = 0;          // every answer waits this long before it goes
    bool SingleBytes = false;       // every byte of an answer written on its own
    std::string Garbage;            // bytes written before every answer
    bool Paced = false;             // bytes take their time on the line both ways, as at 9600 baud
    std::set<int> ShortReadBacks;   // read-back answers whose row count claims one row more than they hold
};

class TControllerEmulator {
public:
    // The time of one byte at 9600 baud: a start bit, 8 data bits, a stop bit.
    static constexpr std::chrono::nanoseconds kByteTime{10'000'000'000LL / 9600};

    explicit TControllerEmulator(TEmulatorBehaviour Behaviour = {});
    TControllerEmulator(const std::string& Device, TEmulatorBehaviour Behaviour);
    TControllerEmulator(const TControllerEmulator&) = delete;
    TControllerEmulator& operator=(const TControllerEmulator&) = delete;
    ~TControllerEmulator();

    const std::string& DevicePath() const { return FDevicePath; }

    // Every whole frame received, in order, those with a wrong sum included.
    std::vector<std::string> Frames() const;
    // Whether Count frames have been received within TimeoutMs.
    bool WaitForFrames(std::size_t Count, int TimeoutMs = 5000) const;
    // The payloads of the stored blocks, in block order.
    std::string Programme() const;
    // The stored time-table payload: the row count, four BCD bytes a row,
    // 0x80 and seven BCD clock bytes (second, minute, hour, day of the week,
    // day, month, year). The clock keeps the time it was given.
    std::string TimeTable() const;
    void SetTimeTable(const std::string& Payload);
    // How many closing packets arrived.
    int Finishes() const;

    // Writes bytes to the program as they are (frames it did not ask for).
    void Send(const std::string& Bytes);
    // Called on the emulator's thread with each whole frame received.
    void SetOnFrame(std::function<void(const std::string& Frame)> OnFrame);

private:
    using TClock = std::chrono::steady_clock;

    void Run();
    void Receive(const std::string& Bytes);
    // What a valid frame changes in the controller (under FLock), and its answer.
    void Store(const std::string& Frame);
    void Reply(const std::string& Frame);
    void Answer(char Command, char Argument, const std::string& Payload);
    void WriteAll(const std::string& Bytes);
    // Waits until Time; false when the emulator is stopping.
    bool WaitUntil(TClock::time_point Time);

    TEmulatorBehaviour FBehaviour;
    int FDevice = -1;
    int FKeepOpen = -1;  // the slave side of our own terminal, held so it never hangs up
    int FWake = -1;      // an eventfd that ends the thread
    std::string FDevicePath;

    mutable std::mutex FLock;
    mutable std::condition_variable FChanged;
    bool FStopping = false;
    std::vector<std::string> FFrames;
    std::map<int, std::string> FBlocks;
    std::string FTimeTable;
    int FFinishes = 0;
    std::function<void(const std::string&)> FOnFrame;

    // The emulator thread's own state.
    std::string FBuffer;
    std::vector<TClock::time_point> FArrivals;  // when each byte of FBuffer finished arriving
    TClock::time_point FLineFree{};
    int FAnswers = 0;
    std::mutex FWriteLock;

    std::thread FThread;
};
