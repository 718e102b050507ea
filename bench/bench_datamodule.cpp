// The data module on a database of 1,000 schemes of 100 steps: opening it,
// moving through the schemes (each move brings up 100 steps), and applying
// 10,000 pending inserts, against the floor of the same inserts run as one
// prepared statement straight on the client API in one transaction.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>

#include "app/fDM.h"
#include "platform/sql/fbclient.h"
#include "resources/resources.h"
#include "tests/support/testsupport.h"

namespace {

constexpr int kSchemes = 1000;
constexpr int kStepsPerScheme = 100;
constexpr int kInserts = 10000;

TTempDir gDir;
std::string gDatabase;
double gFloorSeconds = 0;
double gApplySeconds = 0;
int gNextScheme = kSchemes + 1;

// Every value a parameter, as the provider sends them.
const char* const kInsertStep =
    "insert into lighting (FID, FSCHEME, FDELAY, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12, F13, F14, F15, "
    "F16) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

void SetStepParams(TFbStatement& st, int fid, int scheme, int delay)
{
    st.SetParam(0, Variant(fid));
    st.SetParam(1, Variant(scheme));
    st.SetParam(2, Variant(delay));
    for (int c = 1; c <= 16; ++c)
        st.SetParam(2 + c, Variant(c % 2 ? "1" : "0"));
}

void Seed()
{
    InitLightingResources();
    gDatabase = gDir.File("bench.gdb");
    if (RunCreateDatabase(SourceFile("resources/lighting.sql"), gDatabase) != 0)
        throw std::runtime_error("cannot create the benchmark database");
    TFbDatabase db;
    db.Attach(gDatabase, "SYSDBA", "", "", "UTF8");
    TFbTransaction tr(db);
    tr.Start();
    TFbStatement scheme(db, tr);
    scheme.Prepare("insert into schemes (FSCHEME, FNAME) values (?, ?)", 1);
    TFbStatement step(db, tr);
    step.Prepare(kInsertStep, 1);
    for (int s = 1; s <= kSchemes + 100; ++s) {
        scheme.SetParam(0, Variant(s));
        scheme.SetParam(1, Variant("Схема " + std::to_string(s)));
        scheme.Execute();
        if (s > kSchemes)
            continue;
        for (int f = 1; f <= kStepsPerScheme; ++f) {
            SetStepParams(step, f, s, f * 10);
            step.Execute();
        }
    }
    tr.Commit();
}

std::unique_ptr<TDM> OpenModule()
{
    auto dm = std::make_unique<TDM>(nullptr);
    dm->SetDatabase(gDatabase);
    dm->conLighting->Open();
    dm->cdsSchemes->Open();
    dm->cdsLighting->First();
    return dm;
}

void BM_OpenDataModule(benchmark::State& state)
{
    for (auto _ : state) {
        auto dm = OpenModule();
        benchmark::DoNotOptimize(dm->cdsSchemes->RecordCount());
    }
    state.counters["schemes"] = kSchemes;
}

void BM_SwitchScheme(benchmark::State& state)
{
    auto dm = OpenModule();
    TClientDataSet& schemes = *dm->cdsSchemes;
    schemes.First();
    int steps = 0;
    for (auto _ : state) {
        schemes.Next();
        if (schemes.Eof())
            schemes.First();
        steps += dm->cdsLighting->RecordCount();
        benchmark::DoNotOptimize(dm->cdsLightingFDELAY->AsInteger());
    }
    state.counters["steps_shown"] = benchmark::Counter(steps, benchmark::Counter::kAvgIterations);
}

void BM_ApplyFloor(benchmark::State& state)
{
    TFbDatabase db;
    db.Attach(gDatabase, "SYSDBA", "", "", "UTF8");
    for (auto _ : state) {
        const int scheme = gNextScheme++;
        const auto start = std::chrono::steady_clock::now();
        TFbTransaction tr(db);
        tr.Start();
        TFbStatement st(db, tr);
        st.Prepare(kInsertStep, 1);
        for (int f = 1; f <= kInserts; ++f) {
            SetStepParams(st, f, scheme, f);
            st.Execute();
        }
        tr.Commit();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        gFloorSeconds = gFloorSeconds == 0 ? seconds : std::min(gFloorSeconds, seconds);
    }
    state.counters["inserts"] = kInserts;
}

void BM_ApplyPendingInserts(benchmark::State& state)
{
    auto dm = OpenModule();
    for (auto _ : state) {
        const int scheme = gNextScheme++;
        if (!dm->cdsSchemes->Locate("FSCHEME", Variant(scheme), {}))
            state.SkipWithError("scheme missing");
        TClientDataSet& steps = *dm->cdsLighting;
        for (int f = 1; f <= kInserts; ++f) {
            steps.Append();
            dm->cdsLightingFID->SetAsInteger(f);
            dm->cdsLightingFDELAY->SetAsInteger(f);
            for (int c = 1; c <= 16; ++c)
                dm->ChannelField(c)->SetAsString(c % 2 ? "1" : "0");
            steps.Post();
        }
        const auto start = std::chrono::steady_clock::now();
        steps.ApplyUpdates(-1);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        gApplySeconds = gApplySeconds == 0 ? seconds : std::min(gApplySeconds, seconds);
    }
    state.counters["inserts"] = kInserts;
}

BENCHMARK(BM_OpenDataModule)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SwitchScheme)->Unit(benchmark::kMillisecond)->Iterations(2000);
BENCHMARK(BM_ApplyFloor)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_ApplyPendingInserts)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

} // namespace

int main(int argc, char** argv)
{
    Seed();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (gFloorSeconds > 0 && gApplySeconds > 0)
        std::printf("apply of %d pending inserts: %.1f ms, floor %.1f ms, ratio %.2f (goal: at most 1.5)\n", kInserts,
                    gApplySeconds * 1000, gFloorSeconds * 1000, gApplySeconds / gFloorSeconds);
    return 0;
}
