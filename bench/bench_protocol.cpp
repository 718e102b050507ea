// Writing a programme of 160 blocks into the controller emulator, which takes
// the time of every byte on the line as at 9600 baud, against the floor: the
// line time of all the bytes both ways (blocks, acknowledgements, time table,
// closing packet). The two fixed pauses of the transfer (before the first
// block and before the time table) are left out of the measured time.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/fDM.h"
#include "app/fMain.h"
#include "app/programmingview.h"
#include "platform/ui/application.h"
#include "resources/resources.h"
#include "serial/rscomm.h"
#include "tests/support/controlleremulator.h"
#include "tests/support/testsupport.h"

namespace {

using TClock = std::chrono::steady_clock;

constexpr int kSteps = 99;  // 399 bytes a row with its count and end
constexpr int kRows = 80;   // 80 * 399 + 1 = 31921 bytes: 160 blocks
constexpr std::size_t kBlocks = 160;

class TQuietView : public IProgrammingView {
public:
    void ShowBlockCount(const std::string&) override {}
    void ShowProgress(const std::string&) override {}
    void ShowBar(int) override {}
    void ShowTimeTable(const std::vector<std::string>&, const std::string&) override {}
};

// The program on a database of its own holding the programme.
struct TProgram {
    TProgram()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        InitLightingResources();
        if (RunCreateDatabase(SourceFile("resources/lighting.sql"), Dir.File("lighting.gdb")) != 0)
            throw std::runtime_error("cannot create the benchmark database");
        setenv("LIGHTING_DATABASE", Dir.File("lighting.gdb").c_str(), 1);
        App = std::make_unique<TApplication>(nullptr);
        Application->Initialize();
        TApplication::SetMessageBoxHook([this](const std::string& Text, const std::string&, unsigned) {
            Messages.push_back(Text);
            return IDOK;
        });
        Application->CreateForm(DM);
        Application->CreateForm(frmMain);
        Seed();
    }
    ~TProgram() { TApplication::SetMessageBoxHook(nullptr); }

    void Seed()
    {
        DM->cdsSchemes->Append();
        DM->cdsSchemesFSCHEME->SetAsInteger(1);
        DM->cdsSchemesFNAME->SetAsString("Бег");
        for (int step = 1; step <= kSteps; ++step) {
            DM->cdsLighting->Append();
            DM->cdsLightingFID->SetAsInteger(step);
            DM->cdsLightingFDELAY->SetAsInteger(40 * step);
            for (int c = 1; c <= 16; ++c)
                DM->ChannelField(c)->SetAsString((c + step) % 3 ? "0" : "1");
        }
        DM->cdsSchemes->CheckBrowseMode();
        DM->cdsLighting->CheckBrowseMode();
        DM->cdsSchemes->ApplyUpdates(-1);
        for (int row = 1; row <= kRows; ++row) {
            DM->cdsProgramm->Append();
            DM->cdsProgrammFID->SetAsInteger(row);
            DM->cdsProgrammFSCHEME->SetAsInteger(1);
            DM->cdsProgrammFCOUNT->SetAsInteger(row % 255 + 1);
            DM->cdsProgramm->Post();
        }
        DM->cdsProgramm->ApplyUpdates(-1);
        for (int row = 1; row <= 2; ++row) {
            DM->cdsTime->Append();
            DM->cdsTimeFID->SetAsInteger(row);
            DM->cdsTimeFONHOUR->SetAsInteger(6 * row);
            DM->cdsTimeFONMINUTE->SetAsInteger(0);
            DM->cdsTimeFTOHOUR->SetAsInteger(6 * row + 3);
            DM->cdsTimeFTOMINUTE->SetAsInteger(30);
            DM->cdsTime->Post();
        }
        DM->cdsTime->ApplyUpdates(-1);
    }

    TTempDir Dir;
    std::unique_ptr<TApplication> App;
    std::vector<std::string> Messages;
};

void BM_Write160BlocksAt9600(benchmark::State& state)
{
    TProgram program;
    TQuietView view;
    for (auto _ : state) {
        TEmulatorBehaviour paced;
        paced.Paced = true;
        TControllerEmulator emulator(paced);
        std::atomic<int64_t> finished{0};
        emulator.SetOnFrame([&](const std::string& Frame) {
            if (Frame.size() > 1 && Frame[1] == '\x05')
                finished = TClock::now().time_since_epoch().count();
        });
        frmMain->ComPort->SetDeviceName(emulator.DevicePath());
        frmMain->ComPort->Open();
        frmMain->SetProgrammingView(&view);
        program.Messages.clear();

        const TClock::time_point start = TClock::now();
        frmMain->ChannelMode = 16;
        frmMain->RxBuffer.clear();
        frmMain->BuildBlocks();
        // The loop waits for events as the program's own loop does; the
        // timer wakes it to look at the emulator.
        QTimer wake;
        wake.start(5);
        const TClock::time_point deadline = start + std::chrono::minutes(2);
        while (finished == 0 && TClock::now() < deadline)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const TClock::time_point end{TClock::duration(finished.load())};

        frmMain->SetProgrammingView(nullptr);
        frmMain->ComPort->Close();
        if (finished == 0 || program.Messages != std::vector<std::string>{"Программа записана !"} ||
            frmMain->BlockList.size() != kBlocks) {
            state.SkipWithError("the programme was not written as expected");
            return;
        }

        const std::chrono::duration<double> pauses = 2 * std::chrono::milliseconds(TfrmMain::kSendPause);
        const std::chrono::duration<double> transfer = end - start - pauses;
        // Blocks of 206 bytes, their acknowledgements of 6, the time table of
        // 4 * 2 + 15 bytes and its acknowledgement, the closing packet.
        const std::size_t bytes = kBlocks * (206 + 6) + (4 * 2 + 15) + 6 + 6;
        const std::chrono::duration<double> floor = TControllerEmulator::kByteTime * bytes;
        state.SetIterationTime(transfer.count());
        state.counters["floor_s"] = floor.count();
        state.counters["transfer_s"] = transfer.count();
        state.counters["ratio"] = transfer.count() / floor.count();
    }
}

} // namespace

BENCHMARK(BM_Write160BlocksAt9600)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
