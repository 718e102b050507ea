// The controller protocol byte for byte: frames sent, the block stream, the
// programmes refused before sending, the parser of received bytes and the
// read-back display.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/blockstream.h"
#include "app/programme.h"
#include "app/protocolframes.h"
#include "app/readback.h"
#include "tests/support/hexbytes.h"

namespace {

// Cases print as their labels.
template <class T>
    requires requires(const T& c) { c.Label; }
void PrintTo(const T& Case, std::ostream* Out)
{
    *Out << Case.Label;
}

// ---- Frames sent ----------------------------------------------------------

struct TSentFrameCase {
    const char* Label;
    std::string Built;
    const char* Expected;
};

class SentFrames : public testing::TestWithParam<TSentFrameCase> {};

TEST_P(SentFrames, AreByteExact)
{
    EXPECT_EQ(ToHex(GetParam().Built), GetParam().Expected);
}

// 9:05:07 on Sunday 15 March 2026.
const TSystemTime kSunday{2026, 3, 0, 15, 9, 5, 7, 0};

INSTANTIATE_TEST_SUITE_P(
    Protocol, SentFrames,
    testing::Values(
        TSentFrameCase{"ReadRequest", ReadRequestFrame(), "AA 03 00 00 00 AD"},
        TSentFrameCase{"Closing", FinishFrame(), "AA 05 00 00 00 AF"},
        TSentFrameCase{"TimeTableOfTwoRows", TimeTableFrame({{8, 30, 12, 0}, {18, 45, 23, 59}}, kSunday),
                       "AA 04 00 11 02 08 30 12 00 18 45 23 59 80 07 05 09 01 15 03 26 02 B8"},
        TSentFrameCase{"EmptyTimeTable", TimeTableFrame({}, TSystemTime{1999, 12, 6, 31, 23, 59, 58, 0}),
                       "AA 04 00 09 00 80 58 59 23 07 31 12 99 02 EE"},
        TSentFrameCase{"Block", BuildFrame(kCommandBlock, 7, Hex("01 02 03")), "AA 02 07 03 01 02 03 00 BC"}),
    [](const auto& info) { return std::string(info.param.Label); });

// ---- The block stream -----------------------------------------------------

// Channels 1 and 9 on, 1000 ms, played 3 times.
const TProgramme kOneRow = {{1, 1, true, "A", 3, {{1, 1000, 0x0101}}}};

// One row of Steps steps of 1 ms with channel 1 on.
TProgramme RowOfSteps(int Steps)
{
    TProgrammeRow row{1, 1, true, "A", 1, {}};
    for (int step = 1; step <= Steps; ++step)
        row.Steps.push_back({step, 1, 0x0001});
    return {row};
}

struct TStreamCase {
    const char* Label;
    TProgramme Programme;
    int ChannelMode;
    const char* Head;  // the stream's first bytes; zeros follow to the end
    std::size_t Blocks;
};

class BlockStreams : public testing::TestWithParam<TStreamCase> {};

TEST_P(BlockStreams, HoldTheProgrammeThenZeros)
{
    const TStreamCase& c = GetParam();
    const std::vector<std::string> blocks = BuildBlockStream(c.Programme, c.ChannelMode);
    ASSERT_EQ(blocks.size(), c.Blocks);
    std::string stream;
    for (const std::string& block : blocks) {
        EXPECT_EQ(block.size(), static_cast<std::size_t>(c.ChannelMode == 16 ? 200 : 128));
        stream += block;
    }
    const std::string head = Hex(c.Head);
    EXPECT_EQ(ToHex(stream.substr(0, head.size())), ToHex(head));
    EXPECT_EQ(stream.find_first_not_of('\0', head.size()), std::string::npos);
}

// 49 steps of 4 bytes: 1 + 196 + 2 + 1 = 200 bytes, the closing byte last in
// block 0. In 8-channel mode 84 steps of 3 bytes: 1 + 252 + 2 + 1 = 256.
std::string FullBlockHead(int Steps, const char* Step)
{
    std::string head = "01";
    for (int i = 0; i < Steps; ++i)
        head += std::string(" ") + Step;
    return head + " 00 00 00";
}

const std::string kFull16 = FullBlockHead(49, "00 01 00 01");
const std::string kFull8 = FullBlockHead(84, "00 01 01");
const std::string kShort16 = FullBlockHead(48, "00 01 00 01");

INSTANTIATE_TEST_SUITE_P(
    Protocol, BlockStreams,
    testing::Values(TStreamCase{"OneRow16", kOneRow, 16, "03 03 E8 01 01 00 00 00", 1},
                    TStreamCase{"OneRow8", kOneRow, 8, "03 03 E8 01 00 00 00", 1},
                    TStreamCase{"ClosingByteEndsBlock16", RowOfSteps(49), 16, kFull16.c_str(), 2},
                    TStreamCase{"ClosingByteEndsBlock8", RowOfSteps(84), 8, kFull8.c_str(), 3},
                    TStreamCase{"FourBytesShortOfABlock16", RowOfSteps(48), 16, kShort16.c_str(), 1},
                    TStreamCase{"TwoRows16",
                                {{1, 1, true, "A", 2, {{1, 250, 0x8002}, {2, 65535, 0xFFFF}}},
                                 {2, 2, true, "B", 255, {}}},
                                16, "02 00 FA 80 02 FF FF FF FF 00 00 FF 00 00 00", 1},
                    TStreamCase{"TwoRows8",
                                {{1, 1, true, "A", 2, {{1, 250, 0x8002}, {2, 65535, 0xFFFF}}},
                                 {2, 2, true, "B", 255, {}}},
                                8, "02 00 FA 02 FF FF FF 00 00 FF 00 00 00", 1}),
    [](const auto& info) { return std::string(info.param.Label); });

TEST(BlockProgress, ReportsEveryStepAndEveryFinishedBlock)
{
    std::vector<std::string> events;
    TBlockProgress progress;
    progress.BlockFinished = [&](int Row) { events.push_back("block row " + std::to_string(Row)); };
    progress.StepWritten = [&](int Row, int Step, int Blocks) {
        events.push_back(std::to_string(Row) + "." + std::to_string(Step) + " in " + std::to_string(Blocks));
    };
    TProgramme programme = RowOfSteps(49);
    programme.push_back({2, 1, true, "A", 1, {{1, 7, 0}}});
    BuildBlockStream(programme, 16, progress);
    ASSERT_EQ(events.size(), 52u);
    EXPECT_EQ(events[0], "1.1 in 0");
    EXPECT_EQ(events[48], "1.49 in 0");
    // Row 1 ends with byte 199; row 2's count completes block 0.
    EXPECT_EQ(events[49], "block row 2");
    EXPECT_EQ(events[50], "2.1 in 1");
    EXPECT_EQ(events[51], "block row 2");
}

// ---- Programmes refused before anything is sent -----------------------------

struct TFaultCase {
    const char* Label;
    TProgramme Programme;
    const char* Fault;  // "" when the programme passes
};

class ProgrammeFaults : public testing::TestWithParam<TFaultCase> {};

TEST_P(ProgrammeFaults, NameWhatTheControllerCannotTake)
{
    EXPECT_EQ(ProgrammeFault(GetParam().Programme), GetParam().Fault);
}

TProgramme WithStep(int Delay, int Count = 1)
{
    return {{1, 4, true, "Волна", 1, {{1, 100, 1}}}, {2, 5, true, "Бег", Count, {{1, 100, 1}, {2, Delay, 3}}}};
}

const char* const kNothingToPlay = "В программе нет ни одного шага: записывать нечего. Программа не записана !";

INSTANTIATE_TEST_SUITE_P(
    Protocol, ProgrammeFaults,
    testing::Values(
        TFaultCase{"NoRows", {}, kNothingToPlay},
        TFaultCase{"RowsWithoutSteps", {{1, 4, true, "Пусто", 1, {}}, {2, 4, true, "Пусто", 2, {}}}, kNothingToPlay},
        TFaultCase{"MissingScheme",
                   {{1, 4, true, "Волна", 1, {{1, 100, 1}}}, {2, 9, false, "", 1, {}}},
                   "Строка программы № 2: схемы 9 нет. Программа не записана !"},
        TFaultCase{"DelayZero", WithStep(0),
                   "Схема \"Бег\", шаг № 2: задержка 0 мс, а можно от 1 до 65535 мс. Программа не записана !"},
        TFaultCase{"Delay65536", WithStep(65536),
                   "Схема \"Бег\", шаг № 2: задержка 65536 мс, а можно от 1 до 65535 мс. Программа не записана !"},
        TFaultCase{"DelayNegative", WithStep(-1),
                   "Схема \"Бег\", шаг № 2: задержка -1 мс, а можно от 1 до 65535 мс. Программа не записана !"},
        TFaultCase{"CountZero", WithStep(1, 0),
                   "Строка программы № 2, схема \"Бег\": число повторов 0, а можно от 1 до 255. Программа не "
                   "записана !"},
        TFaultCase{"Count256", WithStep(1, 256),
                   "Строка программы № 2, схема \"Бег\": число повторов 256, а можно от 1 до 255. Программа не "
                   "записана !"},
        TFaultCase{"LimitsPass", WithStep(65535, 255), ""},
        TFaultCase{"SmallestPass", WithStep(1, 1), ""},
        TFaultCase{"OneRowWithoutStepsAmongOthersPasses", {{1, 4, true, "Пусто", 1, {}}, {2, 5, true, "Бег", 1, {{1, 5, 0}}}},
                   ""}),
    [](const auto& info) { return std::string(info.param.Label); });

// ---- The parser -------------------------------------------------------------

// Feeds the chunks one after the other, taking every frame that becomes whole;
// the frames taken, as "+hex" for a valid one and "-hex" for a dropped one,
// and what is left in the buffer.
std::vector<std::string> Scan(const std::vector<std::string>& Chunks, std::string& Buffer)
{
    std::vector<std::string> taken;
    for (const std::string& chunk : Chunks) {
        Buffer += chunk;
        for (TScannedFrame frame = TakeFrame(Buffer); frame.Result != TScan::NeedMore; frame = TakeFrame(Buffer))
            taken.push_back((frame.Result == TScan::Valid ? "+" : "-") + ToHex(frame.Frame));
    }
    return taken;
}

std::vector<std::string> SingleBytes(const std::string& Bytes)
{
    std::vector<std::string> chunks;
    for (const char byte : Bytes)
        chunks.emplace_back(1, byte);
    return chunks;
}

// A read-back frame of 255 payload bytes whose sum, 65708, does not fit the
// two sum bytes: they carry 00 AC.
const std::string kOverflowingFrame = Hex("AA 03 FF FF") + std::string(255, '\xFF') + Hex("00 AC");

struct TParseCase {
    const char* Label;
    std::vector<std::string> Chunks;
    std::vector<std::string> Taken;
    const char* Left;
};

class Parser : public testing::TestWithParam<TParseCase> {};

TEST_P(Parser, TakesWholeFramesOnce)
{
    std::string buffer;
    EXPECT_EQ(Scan(GetParam().Chunks, buffer), GetParam().Taken);
    EXPECT_EQ(ToHex(buffer), GetParam().Left);
}

INSTANTIATE_TEST_SUITE_P(
    Protocol, Parser,
    testing::Values(
        TParseCase{"GarbageThenTwoAcknowledgements",
                   {Hex("00 17 AA 02 05 00 00 B1 AA 04 00 00 00 AE")},
                   {"+AA 02 05 00 00 B1", "+AA 04 00 00 00 AE"},
                   ""},
        TParseCase{"FrameInSingleBytes", SingleBytes(Hex("AA 02 05 00 00 B1")), {"+AA 02 05 00 00 B1"}, ""},
        TParseCase{"FrameSplitInsideItsHeader", {Hex("AA 02"), Hex("05 00 00"), Hex("B1 AA")},
                   {"+AA 02 05 00 00 B1"}, "AA"},
        TParseCase{"NoStartByte", {Hex("00 17 55 AB")}, {}, ""},
        TParseCase{"WrongSumDroppedWhole", {Hex("AA 02 00 00 00 AD AA 04 00 00 00 AE")},
                   {"-AA 02 00 00 00 AD", "+AA 04 00 00 00 AE"}, ""},
        TParseCase{"SumAbove65535NeverMatches", {kOverflowingFrame + Hex("AA 04 00 00 00 AE")},
                   {"-" + ToHex(kOverflowingFrame), "+AA 04 00 00 00 AE"}, ""},
        TParseCase{"StartByteInsideAWrongFrameIsNotLookedAt", {Hex("AA 02 00 01 AA 00 00 AA 04 00 00 00 AE")},
                   {"-AA 02 00 01 AA 00 00", "+AA 04 00 00 00 AE"}, ""},
        TParseCase{"IncompleteFrameWaits", {Hex("17 AA 03 00 11 02")}, {}, "AA 03 00 11 02"}),
    [](const auto& info) { return std::string(info.param.Label); });

// ---- The read-back ------------------------------------------------------------

struct TReadBackCase {
    const char* Label;
    const char* Frame;
    std::vector<std::string> Lines;  // empty: the frame is ignored
    const char* Clock;
};

class ReadBacks : public testing::TestWithParam<TReadBackCase> {};

TEST_P(ReadBacks, ShowTheControllersTableAndClock)
{
    const TReadBackCase& c = GetParam();
    const std::optional<TReadBack> readBack = DecodeReadBack(Hex(c.Frame));
    if (c.Lines.empty()) {
        EXPECT_FALSE(readBack.has_value());
        return;
    }
    ASSERT_TRUE(readBack.has_value());
    EXPECT_EQ(readBack->Lines, c.Lines);
    EXPECT_EQ(readBack->Clock, c.Clock);
}

INSTANTIATE_TEST_SUITE_P(
    Protocol, ReadBacks,
    testing::Values(
        TReadBackCase{"HourWithBit7Set",
                      "AA 03 00 11 02 08 30 12 00 18 45 23 59 80 30 15 91 03 24 12 25 03 97",
                      {"     ВКЛ      РАБ", "    08:30    12:00", "    18:45    23:59"},
                      "24/12/2025\r\r11:15:30"},
        TReadBackCase{"HourNotPadded",
                      "AA 03 00 0D 01 08 30 12 00 80 07 05 09 01 15 03 26 01 D9",
                      {"     ВКЛ      РАБ", "    08:30    12:00"},
                      "15/03/2026\r\r9:05:07"},
        TReadBackCase{"NoRows", "AA 03 00 09 00 80 00 00 00 07 01 01 00 01 3F", {"     ВКЛ      РАБ"},
                      "01/01/2000\r\r0:00:00"},
        TReadBackCase{"RowCountClaimsMoreThanTheFrameHolds",
                      "AA 03 00 11 03 08 30 12 00 18 45 23 59 80 30 15 91 03 24 12 25 03 98", {}, ""},
        TReadBackCase{"NoPayload", "AA 03 00 00 00 AD", {}, ""}),
    [](const auto& info) { return std::string(info.param.Label); });

} // namespace
