// A megabyte each way at once, in random chunk sizes: nothing lost,
// duplicated or reordered.
#include <gtest/gtest.h>

#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <random>
#include <string>
#include <thread>

#include <QCoreApplication>

#include "tests/serial/serialtesting.h"

namespace {

std::string RandomBytes(std::size_t Size, std::mt19937& Random)
{
    std::string data(Size, '\0');
    for (char& c : data)
        c = static_cast<char>(Random() & 0xFF);
    return data;
}

} // namespace

TEST_F(PortTest, AMegabyteEachWayArrivesWhole)
{
    constexpr std::size_t kSize = 1 << 20;
    std::mt19937 random(20240611);
    const std::string outgoing = RandomBytes(kSize, random);
    const std::string incoming = RandomBytes(kSize, random);

    CollectReceived();
    Port->SetBaudrate(br115200);
    Port->Open();

    std::string arrived;
    std::thread reader([&] { arrived = Peer.Read(kSize, 10000); });
    // The far end writes as the port makes room by reading, which needs the
    // main thread's event loop; it gives up when told to.
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        std::mt19937 sizes(7);
        for (std::size_t at = 0; at < kSize && !stop;) {
            const std::size_t chunk = std::min<std::size_t>(1 + sizes() % 4096, kSize - at);
            const ssize_t n = write(Peer.Master(), incoming.data() + at, chunk);
            if (n > 0) {
                at += static_cast<std::size_t>(n);
            } else {
                pollfd room{Peer.Master(), POLLOUT, 0};
                poll(&room, 1, 10);
            }
        }
    });

    std::uniform_int_distribution<int> chunkSize(1, 2048);
    try {
        for (std::size_t at = 0; at < kSize;) {
            const std::size_t chunk = std::min<std::size_t>(static_cast<std::size_t>(chunkSize(random)), kSize - at);
            if (!Port->WriteText(outgoing.substr(at, chunk))) {
                ADD_FAILURE() << "a chunk was not taken at " << at;
                break;
            }
            at += chunk;
            QCoreApplication::processEvents();
        }
    } catch (const ERsCommError& e) {
        ADD_FAILURE() << e.Message();
    }
    EXPECT_TRUE(ProcessEventsUntil([&] { return Received.size() >= kSize; }, 20000));
    stop = true;
    writer.join();
    reader.join();
    EXPECT_TRUE(arrived == outgoing) << "sent " << kSize << ", arrived " << arrived.size();
    EXPECT_TRUE(Received == incoming) << "sent " << kSize << ", received " << Received.size();
}
