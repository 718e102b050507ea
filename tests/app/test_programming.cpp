// The programming command and the programming window on the real database:
// saving pending changes, the time-table checks, the ports the window finds
// and opens, and a programme written into the controller emulator and read
// back through the window's buttons.
#include "tests/app/programmingtesting.h"

#include <unistd.h>

#include <fstream>
#include <memory>
#include <ostream>

#include "serial/rscomm.h"
#include "tests/app/dependentedits.h"
#include "tests/support/ptypeer.h"

namespace {

template <class T>
    requires requires(const T& c) { c.Label; }
void PrintTo(const T& Case, std::ostream* Out)
{
    *Out << Case.Label;
}

const std::string kSave = "Сохранить все изменения ?";
const std::string kTooManyRows = "В таблице времени больше 50 записей !";
const std::string kOpenFailed = "Ошибка открытия порта !";
const std::string kNoPort = "Порт не открыт !";

// ---- The command ---------------------------------------------------------------

struct TCommandCase {
    const char* Label;
    int TimeRows;
    bool Pending;  // a time row added and not applied
    int Answer;
    bool Asks;
    bool Opens;
    std::vector<std::string> Messages;  // after the question, if any
    int PendingAfter;
};

class ProgrammingCommand : public ProgrammingTest, public testing::WithParamInterface<TCommandCase> {};

TEST_P(ProgrammingCommand, SavesChecksAndOpensAsAnswered)
{
    const TCommandCase& c = GetParam();
    SetPorts({Dir.File("no-such-port")});
    std::vector<std::vector<int>> rows = ValidTimes(c.TimeRows);
    if (c.Pending)
        rows.pop_back();
    AddTimes(rows);
    if (c.Pending) {
        const std::vector<int> last = ValidTimes(c.TimeRows).back();
        DM->cdsTime->Append();
        DM->cdsTimeFID->SetAsInteger(c.TimeRows);
        DM->cdsTimeFONHOUR->SetAsInteger(last[0]);
        DM->cdsTimeFONMINUTE->SetAsInteger(last[1]);
        DM->cdsTimeFTOHOUR->SetAsInteger(last[2]);
        DM->cdsTimeFTOMINUTE->SetAsInteger(last[3]);
    }
    Answer = c.Answer;

    EXPECT_EQ(RunCommand(), c.Opens);

    std::vector<std::string> expected;
    if (c.Asks)
        expected.push_back(kSave);
    expected.insert(expected.end(), c.Messages.begin(), c.Messages.end());
    EXPECT_EQ(Messages(), expected);
    if (c.Asks) {
        EXPECT_EQ(Asked[0].Flags, MB_YESNO | MB_ICONQUESTION);
    }
    if (!c.Messages.empty()) {
        EXPECT_EQ(Asked.back().Flags, MB_OK | MB_ICONERROR);
    }
    EXPECT_EQ(DM->cdsTime->ChangeCount(), c.PendingAfter);
    EXPECT_EQ(frmProgramm, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Programming, ProgrammingCommand,
    testing::Values(TCommandCase{"NothingPendingAsksNothing", 2, false, IDNO, false, true, {}, 0},
                    TCommandCase{"FiftyRowsPass", 50, false, IDNO, false, true, {}, 0},
                    TCommandCase{"FiftyOneRowsAreRefused", 51, false, IDNO, false, false, {kTooManyRows}, 0},
                    TCommandCase{"NoLeavesChangesPendingAndEnds", 3, true, IDNO, true, false, {}, 1},
                    TCommandCase{"YesAppliesAndOpens", 3, true, IDYES, true, true, {}, 0},
                    TCommandCase{"TheLimitHoldsAfterSaving", 51, true, IDYES, true, false, {kTooManyRows}, 0}),
    [](const auto& info) { return std::string(info.param.Label); });

struct TRejectCase {
    const char* Label;
    std::vector<std::vector<int>> Rows;
    int Row;
    std::string Result;
};

class RejectedTimeTable : public ProgrammingTest, public testing::WithParamInterface<TRejectCase> {};

TEST_P(RejectedTimeTable, ShowsTheFaultAndMovesToItsRow)
{
    const TRejectCase& c = GetParam();
    AddTimes(c.Rows);
    DM->cdsTime->First();
    EXPECT_FALSE(RunCommand());
    ASSERT_EQ(Messages(), std::vector<std::string>{c.Result + "\rCтрока № " + std::to_string(c.Row) +
                                                   " в таблице времени. Исправьте ошибку !"});
    EXPECT_EQ(Asked[0].Flags, MB_OK | MB_ICONERROR);
    EXPECT_EQ(DM->cdsTime->RecNo(), c.Row);
}

INSTANTIATE_TEST_SUITE_P(
    Programming, RejectedTimeTable,
    testing::Values(
        TRejectCase{"OnNotBeforeTo",
                    {{8, 0, 9, 0}, {10, 0, 11, 0}, {12, 30, 12, 30}},
                    3,
                    "Время \"включения\" не раньше времени \"работать по ...\" этой же строки !"},
        TRejectCase{"OnBeforeThePreviousRowEnds",
                    {{8, 0, 9, 0}, {8, 30, 11, 0}},
                    2,
                    "Время \"включения\" раньше времени \"работать по ...\" предыдущей строки !"}),
    [](const auto& info) { return std::string(info.param.Label); });

TEST_F(ProgrammingTest, AFailedSaveEndsTheCommandWithItsError)
{
    AddTimes(ValidTimes(1));
    AddRefusedProgrammeRow();
    Answer = IDYES;
    EXPECT_FALSE(RunCommand());
    ASSERT_EQ(Asked.size(), 2u);
    EXPECT_EQ(Asked[0].Text, kSave);
    EXPECT_EQ(Asked[1].Flags & 0xF0u, MB_ICONERROR);
    EXPECT_NE(Asked[1].Text.find("PROGRAMM"), std::string::npos) << Asked[1].Text;
    EXPECT_EQ(DM->cdsProgramm->ChangeCount(), 1);
    EXPECT_EQ(frmProgramm, nullptr);
}

TEST_F(ProgrammingTest, YesSavesASchemeDeletedAfterItsProgrammeRowAndOpens)
{
    SetPorts({Dir.File("no-such-port")});
    AddTimes(ValidTimes(1));
    StoreTwoPlayedSchemes(*DM);
    DeleteBAfterItsProgrammeRow(*DM);
    Answer = IDYES;
    EXPECT_TRUE(RunCommand());
    EXPECT_EQ(Messages(), std::vector<std::string>{kSave});
    const TStoredTables stored = ReadStoredTables(*DM);
    EXPECT_EQ(stored.Schemes, std::vector<std::string>{"1:A:10,777"});
    EXPECT_EQ(stored.Programme, std::vector<std::string>{"1:1"});
}

TEST(PortDevice, TheTrailingNumberIsThePortNumber)
{
    struct TCase {
        const char* Path;
        const char* DeviceName;
        int PortNum;
    };
    const TCase cases[] = {
        {"/dev/ttyS0", "/dev/ttyS%d", 0},
        {"/dev/ttyS256", "/dev/ttyS%d", 256},
        {"/dev/ttyUSB12", "/dev/ttyUSB%d", 12},
        {"/dev/pts/7", "/dev/pts/%d", 7},
        {"/tmp/port", "/tmp/port", 0},
        {"/tmp/port%d1", "/tmp/port%d1", 0},
        {"/dev/tty99999999999", "/dev/tty99999999999", 0},
    };
    for (const TCase& c : cases) {
        const TPortDevice device = PortDevice(c.Path);
        EXPECT_EQ(device.DeviceName, c.DeviceName) << c.Path;
        EXPECT_EQ(device.PortNum, c.PortNum) << c.Path;
    }
}

// ---- The window and its ports ---------------------------------------------------

TEST_F(ProgrammingTest, TheWindowListsThePortsThatOpenAndOpensTheFirst)
{
    TPtyPeer first, second;
    SetPorts({first.SlavePath(), Dir.File("missing"), second.SlavePath()});
    std::vector<std::string> states;
    const bool shown = RunCommand([&](TfrmProgramm& window) {
        EXPECT_EQ(window.Caption(), " Программирование");
        EXPECT_EQ(Items(window), (std::vector<std::string>{first.SlavePath(), second.SlavePath()}));
        EXPECT_EQ(window.cmbPorts->ItemIndex(), 0);
        EXPECT_TRUE(frmMain->ComPort->IsOpen());
        EXPECT_EQ(frmMain->ComPort->FormatDeviceName(), first.SlavePath());
        EXPECT_EQ(window.lblPortState->Caption(), "порт " + first.SlavePath() + " открыт !");

        // The label follows the port: closed under the new name, then open.
        frmMain->ComPort->SetOnClose([&](TObject* Sender) {
            frmMain->ComPortClose(Sender);
            states.push_back(window.lblPortState->Caption());
        });
        frmMain->ComPort->SetOnOpen([&](TObject* Sender) {
            frmMain->ComPortOpen(Sender);
            states.push_back(window.lblPortState->Caption());
        });
        window.cmbPorts->SetItemIndex(1);
        EXPECT_EQ(frmMain->ComPort->FormatDeviceName(), second.SlavePath());
        EXPECT_TRUE(frmMain->ComPort->IsOpen());
        EXPECT_EQ(frmMain->ProgrammingView(), &window);
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(states, (std::vector<std::string>{"порт " + second.SlavePath() + " закрыт !",
                                                "порт " + second.SlavePath() + " открыт !",
                                                "порт " + second.SlavePath() + " закрыт !"}));
    EXPECT_FALSE(frmMain->ComPort->IsOpen());
    EXPECT_EQ(frmMain->ProgrammingView(), nullptr);
    EXPECT_TRUE(Asked.empty());
}

TEST_F(ProgrammingTest, AClosedWindowIsFreedAndTheNextCommandProbesAfresh)
{
    TPtyPeer first, second;
    SetPorts({first.SlavePath()});
    std::vector<std::string> items;
    EXPECT_TRUE(RunCommand([&](TfrmProgramm& window) { items = Items(window); }));
    EXPECT_EQ(items, std::vector<std::string>{first.SlavePath()});
    EXPECT_EQ(frmProgramm, nullptr);
    RunUntil([] { return Application->FindComponent("frmProgramm") == nullptr; });
    EXPECT_EQ(Application->FindComponent("frmProgramm"), nullptr);

    SetPorts({second.SlavePath(), first.SlavePath()});
    EXPECT_TRUE(RunCommand([&](TfrmProgramm& window) { items = Items(window); }));
    EXPECT_EQ(items, (std::vector<std::string>{second.SlavePath(), first.SlavePath()}));
}

TEST_F(ProgrammingTest, APortThatCannotBeOpenedSaysSoAndStaysClosed)
{
    // A plain file opens when the ports are probed but is no terminal.
    const std::string notATerminal = Dir.File("plain");
    std::ofstream(notATerminal) << "x";
    SetPorts({notATerminal});
    RunCommand([&](TfrmProgramm& window) {
        EXPECT_EQ(Items(window), std::vector<std::string>{notATerminal});
        EXPECT_FALSE(frmMain->ComPort->IsOpen());
        EXPECT_EQ(window.lblPortState->Caption(), "...");
    });
    ASSERT_EQ(Messages(), std::vector<std::string>{kOpenFailed});
    EXPECT_EQ(Asked[0].Flags, MB_OK | MB_ICONERROR);
}

TEST_F(ProgrammingTest, WithoutAnOpenPortTheButtonsSaySoAndSendNothing)
{
    SetPorts({Dir.File("missing")});
    RunCommand([&](TfrmProgramm& window) {
        EXPECT_TRUE(Items(window).empty());
        EXPECT_EQ(window.cmbPorts->ItemIndex(), -1);
        Click(window.btnWrite);
        Click(window.btnRead);
        EXPECT_EQ(frmMain->TransferStage(), TfrmMain::TTransferStage::Idle);
    });
    EXPECT_EQ(Messages(), (std::vector<std::string>{kNoPort, kNoPort}));
}

TEST_F(ProgrammingTest, AVanishedDeviceClosesThePortAndChoosingItAgainReopensIt)
{
    // The port's path leads to an adapter that is unplugged and plugged in
    // again.
    auto adapter = std::make_unique<TPtyPeer>();
    const std::string path = Dir.File("ttyLIGHT");
    ASSERT_EQ(symlink(adapter->SlavePath().c_str(), path.c_str()), 0);
    SetPorts({path});
    RunCommand([&](TfrmProgramm& window) {
        ASSERT_TRUE(frmMain->ComPort->IsOpen());
        adapter->CloseMaster();
        ASSERT_TRUE(RunUntilMessage());
        EXPECT_EQ(Messages(), std::vector<std::string>{"Связь с портом " + path + " потеряна ! Порт закрыт."});
        EXPECT_EQ(Asked[0].Flags, MB_OK | MB_ICONERROR);
        EXPECT_FALSE(frmMain->ComPort->IsOpen());
        EXPECT_EQ(window.lblPortState->Caption(), "порт " + path + " закрыт !");
        EXPECT_EQ(window.cmbPorts->ItemIndex(), -1);

        adapter = std::make_unique<TPtyPeer>();
        ASSERT_EQ(unlink(path.c_str()), 0);
        ASSERT_EQ(symlink(adapter->SlavePath().c_str(), path.c_str()), 0);
        window.cmbPorts->SetItemIndex(0);
        EXPECT_TRUE(frmMain->ComPort->IsOpen());
        EXPECT_EQ(window.lblPortState->Caption(), "порт " + path + " открыт !");
        Click(window.btnRead);
        EXPECT_EQ(ToHex(adapter->Read(6)), "AA 03 00 00 00 AD");
    });
    EXPECT_EQ(Asked.size(), 1u);
}

// ---- End to end ----------------------------------------------------------------------

class WriteThroughTheWindow : public ProgrammingTest, public testing::WithParamInterface<int> {};

TEST_P(WriteThroughTheWindow, WritesTheProgrammeAndReadsTheControllersTable)
{
    const int mode = GetParam();
    AddProgrammeOfTwoBlocks();
    Emulator = std::make_unique<TControllerEmulator>();
    TPtyPeer other;
    SetPorts({Emulator->DevicePath(), other.SlavePath()});
    std::vector<std::string> table;
    std::string clock;
    const bool shown = RunCommand([&](TfrmProgramm& window) {
        EXPECT_TRUE(window.chk16->Checked());
        if (mode == 8)
            Click(window.chk8);
        Click(window.btnWrite);
        ASSERT_TRUE(RunUntilMessage());
        EXPECT_EQ(frmMain->ChannelMode, mode);
        EXPECT_EQ(ToHex(Emulator->Programme()), ToHex(ExpectedStream(mode)));

        Emulator->SetTimeTable(Hex("01 07 15 22 45 80 05 04 03 02 10 12 26"));
        Click(window.btnRead);
        ASSERT_TRUE(WaitFor([&] { return window.lstTime->Items()->Count() > 0; }));
        for (int i = 0; i < window.lstTime->Items()->Count(); ++i)
            table.push_back(window.lstTime->Items()->Strings(i));
        clock = window.lblTime->Caption();
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(Messages(), std::vector<std::string>{kWritten});
    EXPECT_EQ(Emulator->Finishes(), 1);
    EXPECT_EQ(table, (std::vector<std::string>{kHeading, "    07:15    22:45"}));
    EXPECT_EQ(clock, "10/12/2026\r\r3:04:05");
}

INSTANTIATE_TEST_SUITE_P(Programming, WriteThroughTheWindow, testing::Values(16, 8),
                         [](const auto& info) { return "Channels" + std::to_string(info.param); });

} // namespace
