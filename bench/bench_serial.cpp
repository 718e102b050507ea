// The port component on a pseudo-terminal pair: throughput each way against
// a raw write/read loop on the same kind of pair (the floor; "vs_raw" is the
// ratio, goal >= 0.8), sending with the default output queue (2048 bytes)
// and a large one, and the latency from a byte written at the far end to the
// OnRxChar handler on the main thread (goal: median < 1 ms). Both sides move
// 1 KB at a time.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "serial/rscomm.h"
#include "tests/support/ptypeer.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kTotal = 1 << 20;
constexpr std::size_t kChunk = 1024;

const std::string& Payload()
{
    static const std::string data = [] {
        std::string bytes(kTotal, '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(i * 7 + 3);
        return bytes;
    }();
    return data;
}

// Reads Count bytes from Fd, waiting for them.
void ReadAll(int Fd, std::size_t Count)
{
    char buffer[65536];
    while (Count > 0) {
        pollfd wait{Fd, POLLIN, 0};
        poll(&wait, 1, 1000);
        const ssize_t n = read(Fd, buffer, std::min(sizeof buffer, Count));
        if (n > 0)
            Count -= static_cast<std::size_t>(n);
    }
}

// Writes all of Data to Fd in chunks, waiting for room.
void WriteAll(int Fd, const std::string& Data)
{
    for (std::size_t at = 0; at < Data.size();) {
        const ssize_t n = write(Fd, Data.data() + at, std::min(kChunk, Data.size() - at));
        if (n > 0) {
            at += static_cast<std::size_t>(n);
        } else {
            pollfd room{Fd, POLLOUT, 0};
            poll(&room, 1, 1000);
        }
    }
}

// The slave side of Peer, opened as a raw descriptor.
int OpenRaw(const TPtyPeer& Peer)
{
    const int fd = open(Peer.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios line{};
    tcgetattr(fd, &line);
    cfmakeraw(&line);
    tcsetattr(fd, TCSANOW, &line);
    return fd;
}

double Seconds(Clock::duration D)
{
    return std::chrono::duration<double>(D).count();
}

// One megabyte from the slave side to the master, raw.
double RawTransmitSeconds()
{
    TPtyPeer peer;
    const int fd = OpenRaw(peer);
    const Clock::time_point start = Clock::now();
    std::thread reader([&] { ReadAll(peer.Master(), kTotal); });
    WriteAll(fd, Payload());
    reader.join();
    const double seconds = Seconds(Clock::now() - start);
    close(fd);
    return seconds;
}

// One megabyte from the master to the slave side, raw.
double RawReceiveSeconds()
{
    TPtyPeer peer;
    const int fd = OpenRaw(peer);
    const Clock::time_point start = Clock::now();
    std::thread writer([&] { WriteAll(peer.Master(), Payload()); });
    ReadAll(fd, kTotal);
    writer.join();
    const double seconds = Seconds(Clock::now() - start);
    close(fd);
    return seconds;
}

void RawTransmit(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(RawTransmitSeconds());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kTotal));
}

void RawReceive(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(RawReceiveSeconds());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kTotal));
}

// The argument is the output queue's size (WriteSize).
void PortTransmit(benchmark::State& state)
{
    TPtyPeer peer;
    TRsComm port(nullptr);
    port.SetDeviceName(peer.SlavePath());
    port.Buffers()->SetWriteSize(static_cast<int>(state.range(0)));
    port.Open();
    double portSeconds = 0, rawSeconds = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        std::thread reader([&] { ReadAll(peer.Master(), kTotal); });
        const std::string& data = Payload();
        for (std::size_t at = 0; at < kTotal; at += kChunk)
            port.WriteBuf(data.data() + at, static_cast<int>(kChunk));
        reader.join();
        const double seconds = Seconds(Clock::now() - start);
        QCoreApplication::processEvents();
        state.SetIterationTime(seconds);
        portSeconds += seconds;
        rawSeconds += RawTransmitSeconds();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kTotal));
    state.counters["vs_raw"] = rawSeconds / portSeconds;
}

void PortReceive(benchmark::State& state)
{
    TPtyPeer peer;
    TRsComm port(nullptr);
    port.SetDeviceName(peer.SlavePath());
    QEventLoop loop;
    std::size_t received = 0;
    std::string text;
    port.SetOnRxChar([&](TObject*, int) {
        port.ReadText(text);
        received += text.size();
        if (received >= kTotal)
            loop.quit();
    });
    port.Open();
    double portSeconds = 0, rawSeconds = 0;
    for (auto _ : state) {
        received = 0;
        const Clock::time_point start = Clock::now();
        std::thread writer([&] { WriteAll(peer.Master(), Payload()); });
        loop.exec();
        writer.join();
        const double seconds = Seconds(Clock::now() - start);
        state.SetIterationTime(seconds);
        portSeconds += seconds;
        rawSeconds += RawReceiveSeconds();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kTotal));
    state.counters["vs_raw"] = rawSeconds / portSeconds;
}

// From one byte written at the far end to the OnRxChar handler.
void RxCharLatency(benchmark::State& state)
{
    TPtyPeer peer;
    TRsComm port(nullptr);
    port.SetDeviceName(peer.SlavePath());
    QEventLoop loop;
    Clock::time_point handled;
    std::string text;
    port.SetOnRxChar([&](TObject*, int) {
        handled = Clock::now();
        port.ReadText(text);
        loop.quit();
    });
    port.Open();
    std::vector<double> latencies;
    for (auto _ : state) {
        const Clock::time_point sent = Clock::now();
        peer.Write("x");
        loop.exec();
        const double seconds = Seconds(handled - sent);
        state.SetIterationTime(seconds);
        latencies.push_back(seconds);
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["median_us"] = latencies[latencies.size() / 2] * 1e6;
    state.counters["p99_us"] = latencies[latencies.size() * 99 / 100] * 1e6;
}

} // namespace

BENCHMARK(RawTransmit)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PortTransmit)->UseManualTime()->Unit(benchmark::kMillisecond)->Arg(2048)->Arg(65536);
BENCHMARK(RawReceive)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PortReceive)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(RxCharLatency)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(2000);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
