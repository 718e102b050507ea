#include "app/blockstream.h"

int BlockSize(int ChannelMode)
{
    return ChannelMode == 16 ? 200 : 128;
}

int BlockLimit(int ChannelMode)
{
    return ChannelMode == 16 ? 160 : 55;
}

bool TBlockStream::Emit(uint8_t Byte)
{
    FCurrentBlock.push_back(static_cast<char>(Byte));
    return FlushBlock();
}

bool TBlockStream::FlushBlock()
{
    if (FCurrentBlock.size() < FSize)
        return false;
    FBlockList.push_back(std::move(FCurrentBlock));
    FCurrentBlock.clear();
    return true;
}

void TBlockStream::Finish()
{
    Emit(0);
    FCurrentBlock.resize(FSize, '\0');
    FlushBlock();
}

std::vector<std::string> BuildBlockStream(const TProgramme& Programme, int ChannelMode, const TBlockProgress& Progress)
{
    TBlockStream stream(BlockSize(ChannelMode));
    for (const TProgrammeRow& row : Programme) {
        const auto emit = [&](int Byte) {
            if (stream.Emit(static_cast<uint8_t>(Byte)) && Progress.BlockFinished)
                Progress.BlockFinished(row.Number);
        };
        emit(row.Count);
        for (const TProgrammeStep& step : row.Steps) {
            emit(step.Delay >> 8);
            emit(step.Delay);
            if (ChannelMode == 16)
                emit(step.Mask >> 8);
            emit(step.Mask);
            if (Progress.StepWritten)
                Progress.StepWritten(row.Number, step.Number, static_cast<int>(stream.BlockList().size()));
        }
        emit(0);
        emit(0);
    }
    const std::size_t before = stream.BlockList().size();
    stream.Finish();
    if (Progress.BlockFinished && !Programme.empty())
        for (std::size_t block = before; block < stream.BlockList().size(); ++block)
            Progress.BlockFinished(Programme.back().Number);
    return stream.TakeBlocks();
}
