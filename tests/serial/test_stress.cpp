// A megabyte through the port, nothing lost, duplicated or reordered: each
// way at once in random chunk sizes, and read in small pieces by a handler
// that is slow now and then.
#include <gtest/gtest.h>

#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
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

// Writes Data to the master side in random chunk sizes as the port makes
// room by reading, which needs the main thread's event loop; gives up when
// told to.
void FeedFarEnd(const TPtyPeer& Peer, const std::string& Data, const std::atomic<bool>& Stop)
{
    std::mt19937 sizes(7);
    for (std::size_t at = 0; at < Data.size() && !Stop;) {
        const std::size_t chunk = std::min<std::size_t>(1 + sizes() % 4096, Data.size() - at);
        const ssize_t n = write(Peer.Master(), Data.data() + at, chunk);
        if (n > 0) {
            at += static_cast<std::size_t>(n);
        } else {
            pollfd room{Peer.Master(), POLLOUT, 0};
            poll(&room, 1, 10);
        }
    }
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
    std::atomic<bool> stop{false};
    std::thread writer([&] { FeedFarEnd(Peer, incoming, stop); });

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

// A handler that takes the bytes in small pieces and now and then keeps the
// main thread busy, so that the input queue fills up and is read across the
// end of its block.
TEST_F(PortTest, AMegabyteReadInSmallPiecesArrivesWhole)
{
    constexpr std::size_t kSize = 1 << 20;
    std::mt19937 random(20261211);
    const std::string incoming = RandomBytes(kSize, random);
    std::uniform_int_distribution<int> pieceSize(1, 700);
    int calls = 0;
    Port->SetOnRxChar([&](TObject*, int Count) {
        if (++calls % 4 == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        char piece[700];
        for (int taken = 0, n; taken < Count && (n = Port->ReadBuf(piece, pieceSize(random))) > 0; taken += n)
            Received.append(piece, static_cast<std::size_t>(n));
    });
    Port->Open();

    std::atomic<bool> stop{false};
    std::thread writer([&] { FeedFarEnd(Peer, incoming, stop); });
    EXPECT_TRUE(ProcessEventsUntil([&] { return Received.size() >= kSize; }, 20000));
    stop = true;
    writer.join();
    EXPECT_TRUE(Received == incoming) << "sent " << kSize << ", received " << Received.size();
}
