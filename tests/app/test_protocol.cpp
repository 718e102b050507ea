// The controller protocol end to end: the program, on a database of its own,
// writes its programme into the controller emulator over a pseudo-terminal
// and reads the controller's time table back; the faults of the line and of
// the programme end as the operator is told.
#include "tests/app/protocoltesting.h"

#include <termios.h>

#include <ctime>
#include <optional>
#include <ostream>

#include "app/protocolframes.h"
#include "serial/rscomm.h"
#include "tests/support/ptypeer.h"

namespace {

// Cases print as their labels.
template <class T>
    requires requires(const T& c) { c.Label; }
void PrintTo(const T& Case, std::ostream* Out)
{
    *Out << Case.Label;
}

// The local time of one of the seconds from First to Last whose BCD clock
// bytes (second, minute, hour, day of the week, day, month, year) are Clock.
std::optional<std::tm> ClockBetween(std::time_t First, std::time_t Last, const std::string& Clock)
{
    const auto bcd = [](int v) { return static_cast<char>(v / 10 * 16 + v % 10); };
    for (std::time_t t = First; t <= Last; ++t) {
        std::tm local{};
        localtime_r(&t, &local);
        const std::string bytes{bcd(local.tm_sec),  bcd(local.tm_min),     bcd(local.tm_hour),
                                bcd(local.tm_wday + 1), bcd(local.tm_mday), bcd(local.tm_mon + 1),
                                bcd(local.tm_year % 100)};
        if (bytes == Clock)
            return local;
    }
    return std::nullopt;
}

TEST_F(ProtocolTest, ThePortHasTheControllersLineSettings)
{
    TRsComm& port = *frmMain->ComPort;
    EXPECT_EQ(port.Baudrate(), br9600);
    EXPECT_EQ(port.Databits(), db8);
    EXPECT_EQ(port.Parity(), paNone);
    EXPECT_EQ(port.Stopbits(), sb1);
    EXPECT_EQ(port.FlowControl()->ControlDtr(), dtrDisabled);
    EXPECT_EQ(port.FlowControl()->ControlRts(), rtsEnabled);
    EXPECT_FALSE(port.FlowControl()->OutCtsFlow() || port.FlowControl()->OutDsrFlow() ||
                 port.FlowControl()->XonXoffOut() || port.FlowControl()->XonXoffIn());
    EXPECT_TRUE(static_cast<bool>(port.OnRxChar()));

    Connect();
    termios line{};
    ASSERT_EQ(tcgetattr(port.Handle(), &line), 0);
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B9600));
    EXPECT_EQ(cfgetispeed(&line), static_cast<speed_t>(B9600));
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF), 0u);
}

struct TExchangeCase {
    const char* Label;
    int ChannelMode;
    TEmulatorBehaviour Behaviour;
};

class FullExchange : public ProgrammeExchange, public testing::WithParamInterface<TExchangeCase> {};

TEST_P(FullExchange, WritesTheDatabasesProgrammeAndReadsTheTableBack)
{
    const int mode = GetParam().ChannelMode;
    AddProgrammeOfTwoBlocks();
    Connect(GetParam().Behaviour);
    const std::time_t before = std::time(nullptr);
    Write(mode);
    ASSERT_TRUE(RunUntilMessage());
    const std::time_t after = std::time(nullptr);
    ASSERT_EQ(Messages(), std::vector<std::string>{kWritten});
    EXPECT_EQ(Asked[0].Caption, kMessageCaption);
    EXPECT_EQ(Asked[0].Flags, MB_OK | MB_ICONINFORMATION);

    const std::size_t frameCount = mode == 16 ? 4 : 3;
    ASSERT_TRUE(Emulator->WaitForFrames(frameCount));
    const std::vector<std::string> frames = Emulator->Frames();
    ASSERT_EQ(frames.size(), frameCount);
    const char size = static_cast<char>(mode == 16 ? 200 : 128);
    for (char block = 0; block < 2; ++block)
        EXPECT_EQ(frames[static_cast<std::size_t>(block)].substr(0, 4), std::string({'\xAA', 2, block, size}));
    EXPECT_EQ(ToHex(Emulator->Programme()), ToHex(ExpectedStream(mode)));
    EXPECT_EQ(ToHex(frames.back()), "AA 05 00 00 00 AF");
    EXPECT_EQ(Emulator->Finishes(), 1);

    std::vector<std::string> lines{kHeading};
    std::string clock = "01/01/2000\r\r0:00:00";
    if (mode == 16) {
        const std::string& table = frames[2];
        ASSERT_EQ(table.size(), 23u);
        EXPECT_EQ(ToHex(table.substr(0, 14)), "AA 04 00 11 02 08 30 12 00 18 45 23 59 80");
        const std::optional<std::tm> sent = ClockBetween(before, after, table.substr(14, 7));
        ASSERT_TRUE(sent.has_value()) << ToHex(table.substr(14, 7));
        lines = {kHeading, "    08:30    12:00", "    18:45    23:59"};
        char text[64];
        std::strftime(text, sizeof text, "%d/%m/20%y\r\r", &*sent);
        clock = text + std::to_string(sent->tm_hour) + (sent->tm_min < 10 ? ":0" : ":") +
                std::to_string(sent->tm_min) + (sent->tm_sec < 10 ? ":0" : ":") + std::to_string(sent->tm_sec);
    }
    EXPECT_EQ(View.Progress.back(), "...");
    EXPECT_EQ(View.Bars.back(), 0);

    // Acknowledgements after the transfer change nothing; the read-back that
    // follows them shows what the controller holds.
    Emulator->Send(Hex("AA 04 00 00 00 AE AA 02 00 00 00 AC"));
    frmMain->SendReadRequest();
    ASSERT_TRUE(WaitFor([this] { return !View.TimeTables.empty(); }));
    EXPECT_EQ(View.TimeTables[0].first, lines);
    EXPECT_EQ(View.TimeTables[0].second, clock);
    EXPECT_EQ(Messages(), std::vector<std::string>{kWritten});
    EXPECT_EQ(Emulator->Frames().size(), frameCount + 1);
}

TEmulatorBehaviour SingleBytes()
{
    TEmulatorBehaviour behaviour;
    behaviour.SingleBytes = true;
    return behaviour;
}

TEmulatorBehaviour Garbage()
{
    TEmulatorBehaviour behaviour;
    behaviour.Garbage = Hex("00 17 55");
    return behaviour;
}

TEmulatorBehaviour LateWithinTheTimeOut()
{
    TEmulatorBehaviour behaviour;
    behaviour.AnswerDelayMs = kTestAnswerTimeout / 4;
    return behaviour;
}

INSTANTIATE_TEST_SUITE_P(Protocol, FullExchange,
                         testing::Values(TExchangeCase{"Channels16", 16, {}}, TExchangeCase{"Channels8", 8, {}},
                                         TExchangeCase{"AnswersInSingleBytes16", 16, SingleBytes()},
                                         TExchangeCase{"GarbageBeforeAnswers16", 16, Garbage()},
                                         TExchangeCase{"GarbageBeforeAnswers8", 8, Garbage()},
                                         TExchangeCase{"LateAnswers8", 8, LateWithinTheTimeOut()}),
                         [](const auto& info) { return std::string(info.param.Label); });

TEST_F(ProgrammeExchange, GarbageThenTwoAcknowledgementsInOnePieceFinishTheTransfer)
{
    AddScheme(1, "Волна", {{1000, Channels({1, 9})}});
    AddProgramme({{1, 3}});
    TEmulatorBehaviour behaviour;
    behaviour.DroppedAnswers = {0};
    Connect(behaviour);
    Write(16);
    ASSERT_TRUE(Emulator->WaitForFrames(1));
    EXPECT_EQ(ToHex(Emulator->Programme()), ToHex(Hex("03 03 E8 01 01 00 00 00") + std::string(192, '\0')));
    Emulator->Send(Hex("00 17 AA 02 05 00 00 B1 AA 04 00 00 00 AE"));
    ASSERT_TRUE(RunUntilMessage());
    EXPECT_EQ(Messages(), std::vector<std::string>{kWritten});
    ASSERT_TRUE(Emulator->WaitForFrames(3));
    const std::vector<std::string> frames = Emulator->Frames();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[1][1], '\x04');
    EXPECT_EQ(ToHex(frames[2]), "AA 05 00 00 00 AF");
    // The emulator's own acknowledgement of the time table comes after the
    // transfer ended: nothing more is sent or said.
    RunFor(300);
    EXPECT_EQ(Emulator->Frames().size(), 3u);
    EXPECT_EQ(Messages(), std::vector<std::string>{kWritten});
}

// ---- Programmes refused before anything is sent --------------------------------

struct TRefusalCase {
    const char* Label;
    std::vector<std::pair<int, std::string>> Steps;  // of scheme 1, "Бег"
    std::vector<std::pair<int, int>> Rows;           // (scheme, count), applied
    int PendingScheme;                               // > 0: one more row, not applied, playing it
    const char* Message;
};

class Refusals : public ProtocolTest, public testing::WithParamInterface<TRefusalCase> {};

TEST_P(Refusals, SayWhyAndSendNothing)
{
    const TRefusalCase& c = GetParam();
    AddScheme(1, "Бег", c.Steps);
    AddProgramme(c.Rows);
    if (c.PendingScheme > 0) {
        DM->cdsProgramm->Append();
        DM->cdsProgrammFID->SetAsInteger(NextProgrammeRow);
        DM->cdsProgrammFSCHEME->SetAsInteger(c.PendingScheme);
        DM->cdsProgrammFCOUNT->SetAsInteger(1);
        DM->cdsProgramm->Post();
    }
    Connect();
    Write(16);
    ASSERT_EQ(Messages(), std::vector<std::string>{c.Message});
    EXPECT_EQ(Asked[0].Flags, MB_OK | MB_ICONERROR);
    RunFor(200);
    EXPECT_TRUE(Emulator->Frames().empty());
    EXPECT_EQ(frmMain->TransferStage(), TfrmMain::TTransferStage::Idle);
    EXPECT_EQ(Messages().size(), 1u);
}

const std::string kOn = Channels({1});

INSTANTIATE_TEST_SUITE_P(
    Protocol, Refusals,
    testing::Values(
        TRefusalCase{"NoRows", {{100, kOn}}, {}, 0,
                     "В программе нет ни одного шага: записывать нечего. Программа не записана !"},
        TRefusalCase{"OnlyASchemeWithoutSteps", {}, {{1, 1}, {1, 2}}, 0,
                     "В программе нет ни одного шага: записывать нечего. Программа не записана !"},
        TRefusalCase{"DelayZero", {{100, kOn}, {0, kOn}}, {{1, 1}}, 0,
                     "Схема \"Бег\", шаг № 2: задержка 0 мс, а можно от 1 до 65535 мс. Программа не записана !"},
        TRefusalCase{"Delay65536", {{65536, kOn}}, {{1, 1}}, 0,
                     "Схема \"Бег\", шаг № 1: задержка 65536 мс, а можно от 1 до 65535 мс. Программа не записана !"},
        TRefusalCase{"CountZero", {{100, kOn}}, {{1, 0}}, 0,
                     "Строка программы № 1, схема \"Бег\": число повторов 0, а можно от 1 до 255. Программа не "
                     "записана !"},
        TRefusalCase{"Count256", {{100, kOn}}, {{1, 1}, {1, 256}}, 0,
                     "Строка программы № 2, схема \"Бег\": число повторов 256, а можно от 1 до 255. Программа не "
                     "записана !"},
        TRefusalCase{"MissingScheme", {{100, kOn}}, {{1, 1}}, 99,
                     "Строка программы № 2: схемы 99 нет. Программа не записана !"}),
    [](const auto& info) { return std::string(info.param.Label); });

// ---- The block limits ---------------------------------------------------------

struct TLimitCase {
    const char* Label;
    int ChannelMode;
    int BigRows;     // rows playing the scheme of 99 steps
    int ExtraSteps;  // 0, or the steps of one more row's scheme
    std::size_t Blocks;
    bool Sent;
};

class BlockLimits : public ProtocolTest, public testing::WithParamInterface<TLimitCase> {};

TEST_P(BlockLimits, AreSentUpToTheLimitAndRefusedAbove)
{
    const TLimitCase& c = GetParam();
    AddScheme(1, "Большая", std::vector<std::pair<int, std::string>>(99, {40, Channels({3, 11})}));
    std::vector<std::pair<int, int>> rows(static_cast<std::size_t>(c.BigRows), {1, 1});
    if (c.ExtraSteps > 0) {
        AddScheme(2, "Добавка", std::vector<std::pair<int, std::string>>(static_cast<std::size_t>(c.ExtraSteps),
                                                                           {40, Channels({4})}));
        rows.push_back({2, 1});
    }
    AddProgramme(rows);
    Connect();
    Write(c.ChannelMode);
    ASSERT_TRUE(RunUntilMessage());
    EXPECT_EQ(frmMain->BlockList.size(), c.Blocks);
    const std::string limit = std::to_string(c.ChannelMode == 16 ? 160 : 55);
    if (!c.Sent) {
        EXPECT_EQ(Messages(), std::vector<std::string>{"Коичество блоков превысило " + limit + " !"});
        EXPECT_EQ(Asked[0].Flags, MB_OK | MB_ICONINFORMATION);
        RunFor(200);
        EXPECT_TRUE(Emulator->Frames().empty());
        return;
    }
    EXPECT_EQ(Messages(), std::vector<std::string>{kWritten});
    const std::size_t frameCount = c.Blocks + (c.ChannelMode == 16 ? 2 : 1);
    ASSERT_TRUE(Emulator->WaitForFrames(frameCount));
    const std::vector<std::string> frames = Emulator->Frames();
    ASSERT_EQ(frames.size(), frameCount);
    EXPECT_EQ(static_cast<uint8_t>(frames[c.Blocks - 1][2]), c.Blocks - 1);
    EXPECT_EQ(Emulator->Programme().size(), c.Blocks * (c.ChannelMode == 16 ? 200 : 128));
}

// 80 rows of 99 steps are 80 * 399 + 1 = 31921 bytes (160 blocks); a row of
// 20 steps more makes 32004 (161). In 8-channel mode 23 rows are 6901 bytes,
// with 20 steps more 6964 (55 blocks), with 60 steps more 7084 (56).
INSTANTIATE_TEST_SUITE_P(Protocol, BlockLimits,
                         testing::Values(TLimitCase{"Exactly160", 16, 80, 0, 160, true},
                                         TLimitCase{"Over160", 16, 80, 20, 161, false},
                                         TLimitCase{"Exactly55", 8, 23, 20, 55, true},
                                         TLimitCase{"Over55", 8, 23, 60, 56, false}),
                         [](const auto& info) { return std::string(info.param.Label); });

// ---- A controller that does not answer as it should -------------------------------

struct TNoAnswerCase {
    const char* Label;
    int ChannelMode;
    TEmulatorBehaviour Behaviour;
    std::size_t FramesSent;
};

class NoAnswer : public ProgrammeExchange, public testing::WithParamInterface<TNoAnswerCase> {};

TEST_P(NoAnswer, EndsTheTransferWithoutWritingIt)
{
    const TNoAnswerCase& c = GetParam();
    AddProgrammeOfTwoBlocks();
    Connect(c.Behaviour);
    Write(c.ChannelMode);
    ASSERT_TRUE(RunUntilMessage());
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoAnswer});
    EXPECT_EQ(Asked[0].Flags, MB_OK | MB_ICONERROR);
    EXPECT_EQ(frmMain->TransferStage(), TfrmMain::TTransferStage::Idle);
    // Whatever still comes (a late acknowledgement) starts nothing.
    RunFor(1000);
    EXPECT_EQ(Emulator->Frames().size(), c.FramesSent);
    EXPECT_EQ(Emulator->Finishes(), 0);
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoAnswer});
}

TEmulatorBehaviour Corrupt(int Answer)
{
    TEmulatorBehaviour behaviour;
    behaviour.CorruptSums = {Answer};
    return behaviour;
}

TEmulatorBehaviour Drop(int Answer)
{
    TEmulatorBehaviour behaviour;
    behaviour.DroppedAnswers = {Answer};
    return behaviour;
}

TEmulatorBehaviour TooLate(int Answer)
{
    TEmulatorBehaviour behaviour;
    behaviour.LateAnswers = {{Answer, kTestAnswerTimeout + 500}};
    return behaviour;
}

// The answers: 0 and 1 acknowledge the blocks, 2 the time table.
INSTANTIATE_TEST_SUITE_P(Protocol, NoAnswer,
                         testing::Values(TNoAnswerCase{"CorruptBlockAcknowledgement", 16, Corrupt(0), 1},
                                         TNoAnswerCase{"CorruptTimeTableAcknowledgement", 16, Corrupt(2), 3},
                                         TNoAnswerCase{"DroppedBlockAcknowledgement", 8, Drop(1), 2},
                                         TNoAnswerCase{"DroppedTimeTableAcknowledgement", 16, Drop(2), 3},
                                         TNoAnswerCase{"LastAcknowledgementTooLate", 8, TooLate(1), 2}),
                         [](const auto& info) { return std::string(info.param.Label); });

TEST_F(ProgrammeExchange, ClosingTheWindowEndsTheTransferSilently)
{
    AddProgrammeOfTwoBlocks();
    TEmulatorBehaviour behaviour;
    behaviour.AnswerDelayMs = 300;
    Connect(behaviour);
    Write(16);
    frmMain->SetProgrammingView(nullptr);
    RunFor(kTestAnswerTimeout + 500);
    EXPECT_EQ(Emulator->Frames().size(), 1u);
    EXPECT_TRUE(Asked.empty());
    EXPECT_EQ(frmMain->TransferStage(), TfrmMain::TTransferStage::Idle);
}

TEST_F(ProgrammeExchange, ClosingThePortLeavesTheProgrammeUnwritten)
{
    AddProgrammeOfTwoBlocks();
    TEmulatorBehaviour behaviour;
    behaviour.AnswerDelayMs = 300;
    Connect(behaviour);
    Write(16);
    ASSERT_TRUE(Emulator->WaitForFrames(1));
    frmMain->ComPort->Close();
    ASSERT_TRUE(RunUntilMessage());
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoAnswer});
    EXPECT_EQ(Emulator->Frames().size(), 1u);
}

// ---- The answer time-out and a line that goes away ----------------------------------

TEST_F(ProgrammeExchange, TheAnswerTimeOutStartsWhenTheFrameHasLeftThePort)
{
    AddProgrammeOfTwoBlocks();
    Connect();
    // The line takes nothing, as after an XOFF from the far end: the first
    // block waits in the port for longer than the time-out.
    ASSERT_EQ(tcflow(frmMain->ComPort->Handle(), TCOOFF), 0);
    Write(16);
    RunFor(2 * kTestAnswerTimeout);
    EXPECT_TRUE(Asked.empty());
    EXPECT_TRUE(Emulator->Frames().empty());
    EXPECT_EQ(frmMain->TransferStage(), TfrmMain::TTransferStage::Blocks);

    ASSERT_EQ(tcflow(frmMain->ComPort->Handle(), TCOON), 0);
    ASSERT_TRUE(RunUntilMessage());
    EXPECT_EQ(Messages(), std::vector<std::string>{kWritten});
    EXPECT_EQ(Emulator->Programme(), ExpectedStream(16));
}

TEST_F(ProgrammeExchange, AControllerThatTakesNearlyTwoSecondsToStoreABlockIsWaitedFor)
{
    frmMain->SetAnswerTimeout(TfrmMain::kAnswerTimeout);
    AddScheme(1, "Волна", {{1000, Channels({1, 9})}});
    AddProgramme({{1, 3}});
    TEmulatorBehaviour behaviour;
    behaviour.Paced = true;
    behaviour.AnswerDelayMs = 1900;
    Connect(behaviour);
    Write(8);
    ASSERT_TRUE(RunUntilMessage());
    EXPECT_EQ(Messages(), std::vector<std::string>{kWritten});
    EXPECT_TRUE(WaitFor([this] { return Emulator->Finishes() == 1; }));
}

TEST_F(ProgrammeExchange, ADeviceThatVanishesBeforeTheClosingPacketLeavesTheProgrammeUnwritten)
{
    AddScheme(1, "Волна", {{1000, Channels({1, 9})}});
    AddProgramme({{1, 3}});
    // The test answers as the controller.
    TPtyPeer controller;
    TRsComm& port = *frmMain->ComPort;
    port.SetDeviceName(controller.SlavePath());
    port.Open();
    frmMain->SetProgrammingView(&View);
    // The adapter is unplugged as the block's acknowledgement arrives.
    const TRsCommRxCharEvent parse = port.OnRxChar();
    port.SetOnRxChar([&](TObject* Sender, int Count) {
        controller.CloseMaster();
        parse(Sender, Count);
    });
    Write(8);
    ASSERT_EQ(controller.Read(134).size(), 134u);
    controller.Write(Hex("AA 02 00 00 00 AC"));
    ASSERT_TRUE(RunUntilMessage());
    EXPECT_EQ(Messages(), std::vector<std::string>{"Связь с портом " + controller.SlavePath() +
                                                   " потеряна ! Порт закрыт.\rПрограмма не записана !"});
    EXPECT_EQ(Asked[0].Flags, MB_OK | MB_ICONERROR);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(frmMain->TransferStage(), TfrmMain::TTransferStage::Idle);
    RunFor(kTestAnswerTimeout + 500);
    EXPECT_EQ(Asked.size(), 1u);
}

// ---- What arrives outside a transfer -------------------------------------------------

TEST_F(ProtocolTest, AcknowledgementsWithoutATransferAreIgnored)
{
    Connect();
    Emulator->Send(Hex("AA 02 00 00 00 AC AA 04 00 00 00 AE"));
    // The read-back answers after the acknowledgements were taken.
    frmMain->SendReadRequest();
    ASSERT_TRUE(WaitFor([this] { return !View.TimeTables.empty(); }));
    const std::vector<std::string> frames = Emulator->Frames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(ToHex(frames[0]), "AA 03 00 00 00 AD");
    EXPECT_TRUE(Asked.empty());
}

TEST_F(ProtocolTest, AReadBackShorterThanItsRowCountIsIgnored)
{
    TEmulatorBehaviour behaviour;
    behaviour.ShortReadBacks = {0};
    Connect(behaviour);
    Emulator->SetTimeTable(Hex("01 08 30 12 00 80 30 15 91 03 24 12 25"));
    frmMain->SendReadRequest();
    frmMain->SendReadRequest();
    ASSERT_TRUE(WaitFor([this] { return !View.TimeTables.empty(); }));
    RunFor(100);
    ASSERT_EQ(View.TimeTables.size(), 1u);
    EXPECT_EQ(View.TimeTables[0].first, (std::vector<std::string>{kHeading, "    08:30    12:00"}));
    EXPECT_EQ(View.TimeTables[0].second, "24/12/2025\r\r11:15:30");
}

} // namespace
