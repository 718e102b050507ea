// The preview of the main window on a programme of 1,000 steps (one scheme
// of 1,000 steps, played 255 times) and on a programme of 1,000 rows:
// - one cadencer tick that shows a row: 256 lamps set, their changes passed
//   up to the scene and the viewer's repaint request, painting excluded
//   (no event is processed between ticks);
// - reading the playlist of a programme of 1,000 rows (each of a 10-step
//   scheme) when the preview is switched on.
// The program is made as its entry makes it, on a database of its own.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "app/fDM.h"
#include "app/fMain.h"
#include "app/fSplash.h"
#include "platform/ui/application.h"
#include "resources/resources.h"
#include "tests/support/testsupport.h"

namespace {

TTempDir gDir;

// The program on a fresh database with Schemes schemes of Steps steps and a
// programme playing each scheme once (or the first one 255 times).
class TProgram {
public:
    TProgram(int Schemes, int Steps)
    {
        InitLightingResources();
        const std::string database = gDir.File("bench" + std::to_string(Schemes) + ".gdb");
        if (RunCreateDatabase(SourceFile("resources/lighting.sql"), database) != 0)
            std::abort();
        setenv("LIGHTING_DATABASE", database.c_str(), 1);
        FApp = std::make_unique<TApplication>(nullptr);
        Application->Initialize();
        new TfrmSplash(Application);
        Application->CreateForm(DM);
        Application->CreateForm(frmMain);
        for (int s = 1; s <= Schemes; ++s) {
            DM->cdsSchemes->Append();
            DM->cdsSchemesFSCHEME->SetAsInteger(s);
            DM->cdsSchemesFNAME->SetAsString("Схема " + std::to_string(s));
            for (int k = 1; k <= Steps; ++k) {
                DM->cdsLighting->Append();
                DM->cdsLightingFID->SetAsInteger(k);
                DM->cdsLightingFDELAY->SetAsInteger(10);
                for (int c = 1; c <= 16; ++c)
                    DM->ChannelField(c)->SetAsString((k + c) % 3 == 0 ? "1" : "0");
            }
            DM->cdsProgramm->Append();
            DM->cdsProgrammFID->SetAsInteger(s);
            DM->cdsProgrammFSCHEME->SetAsInteger(s);
            DM->cdsProgrammFCOUNT->SetAsInteger(Schemes == 1 ? 255 : 1);
        }
        DM->cdsSchemes->CheckBrowseMode();
        DM->cdsLighting->CheckBrowseMode();
        DM->cdsProgramm->CheckBrowseMode();
        DM->ApplyAllUpdates();
    }
    ~TProgram() { unsetenv("LIGHTING_DATABASE"); }

private:
    std::unique_ptr<TApplication> FApp;
};

void BM_TickShowingARow(benchmark::State& State)
{
    TProgram program(1, 1000);
    frmMain->acView->Execute();
    double time = 1;
    int shown = 0;
    for (auto _ : State) {
        const double due = frmMain->NextTime;
        time = due + 0.001;
        frmMain->CadencerProgress(nullptr, 0.001, time);
        shown += frmMain->NextTime != due;
    }
    State.counters["rows_shown"] = benchmark::Counter(shown, benchmark::Counter::kAvgIterations);
    frmMain->acView->Execute();
}
BENCHMARK(BM_TickShowingARow)->Unit(benchmark::kMicrosecond);

void BM_PlaylistOf1000Rows(benchmark::State& State)
{
    TProgram program(1000, 10);
    for (auto _ : State) {
        frmMain->acView->Execute();
        State.PauseTiming();
        if (frmMain->Playlist.size() != 1000)
            State.SkipWithError("the playlist lacks rows");
        frmMain->acView->Execute();
        State.ResumeTiming();
    }
}
BENCHMARK(BM_PlaylistOf1000Rows)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
