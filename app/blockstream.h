#pragma once
// The block stream: the programme serialised for the controller and cut into
// blocks of a fixed size. For each programme row its repeat count, then for
// each step the delay (high byte first) and the channel mask (16 channels:
// channels 9-16, then 1-8; 8 channels: one byte), then 00 00 closing the
// scheme; after the last row one 00 closing the programme, and zeros up to
// the end of the block. When that closing byte fills a block exactly, one
// more block of zeros follows.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/programme.h"

// The channel mode is 16 or 8; any other value counts as 8.
int BlockSize(int ChannelMode);   // 200 or 128 bytes
int BlockLimit(int ChannelMode);  // at most 160 or 55 blocks

// What the builder reports while it works.
struct TBlockProgress {
    // A block was finished while writing programme row Row.
    std::function<void(int Row)> BlockFinished;
    // Step Step of programme row Row was written; Blocks blocks are finished.
    std::function<void(int Row, int Step, int Blocks)> StepWritten;
};

// Collects bytes into blocks.
class TBlockStream {
public:
    explicit TBlockStream(int Size) : FSize(static_cast<std::size_t>(Size)) {}

    // Appends a byte; a full block moves to the list. Whether it did.
    bool Emit(uint8_t Byte);
    // Closes the programme and fills the last block with zeros.
    void Finish();
    const std::vector<std::string>& BlockList() const { return FBlockList; }
    std::vector<std::string> TakeBlocks() { return std::move(FBlockList); }

private:
    bool FlushBlock();

    std::size_t FSize;
    std::vector<std::string> FBlockList;
    std::string FCurrentBlock;
};

std::vector<std::string> BuildBlockStream(const TProgramme& Programme, int ChannelMode,
                                          const TBlockProgress& Progress = {});
