// The data module on a database of 1,000 schemes of 100 steps, each figure
// against its floor on the Firebird client's C API in the same run, the two
// taking turns so that a busy machine weighs on both alike (the best of
// five of each):
// - opening the module (connect, the schemes and, nested in them, the steps
//   of each scheme) against the same statements fetched into the client's
//   own buffers (attach, "select * from schemes", then "select * from
//   lighting where fscheme=?" for each scheme);
// - applying 10,000 pending inserts, updates and deletes of steps against
//   the same statements run with raw parameters in one transaction.
// The statements are prepared outside the timed part on both sides (the
// connection keeps the statements of an apply prepared). Each time is also
// taken on the running thread's CPU, which waits for the disk and a busy
// machine do not lengthen.
// Memory: the bytes the open tables' rows take (as the tables count them)
// and how much the process's resident memory grows while the module opens,
// also beyond what the raw fetch alone leaves resident (the database
// engine's own caches).
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <string>

#include "app/fDM.h"
#include "bench/rawstatement.h"
#include "platform/sql/fbclient.h"
#include "resources/resources.h"
#include "tests/support/testsupport.h"

namespace {

constexpr int kSchemes = 1000;
constexpr int kStepsPerScheme = 100;
constexpr int kChanges = 10000;

TTempDir gDir;
std::string gDatabase;
int gNextScheme = kSchemes + 1;

// A figure's time on the clock and on the CPU of the thread that runs it
// (the embedded database engine works in that thread; waits for the disk
// and for other processes count on the clock only).
struct TTime {
    double Wall = 0;
    double Cpu = 0;
};
// The best times of each figure, by name.
std::map<std::string, TTime> gBest;
// Bytes: what the open tables' rows take, and the growth of the process's
// resident memory while the module opens and while the raw fetch runs.
double gStoreBytes = 0;
double gResidentGrowth = 0;
double gFloorResidentGrowth = 0;

// Keeps the best times of a figure; returns the time on the clock.
double Keep(const std::string& name, TTime time)
{
    TTime& best = gBest[name];
    best.Wall = best.Wall == 0 ? time.Wall : std::min(best.Wall, time.Wall);
    best.Cpu = best.Cpu == 0 ? time.Cpu : std::min(best.Cpu, time.Cpu);
    return time.Wall;
}

// The process's resident memory.
long ResidentBytes()
{
    long size = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &size, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

template <class F>
TTime Seconds(F&& work)
{
    const auto start = std::chrono::steady_clock::now();
    const double cpu = ThreadCpuSeconds();
    work();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), ThreadCpuSeconds() - cpu};
}

// The statements the provider writes steps with: every value a parameter,
// rows found by their key.
const char* const kInsertStep =
    "insert into LIGHTING (FID, FSCHEME, FDELAY, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12, F13, F14, F15, "
    "F16) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
const char* const kUpdateStep =
    "update LIGHTING set FID = ?, FSCHEME = ?, FDELAY = ?, F1 = ?, F2 = ?, F3 = ?, F4 = ?, F5 = ?, F6 = ?, F7 = ?, "
    "F8 = ?, F9 = ?, F10 = ?, F11 = ?, F12 = ?, F13 = ?, F14 = ?, F15 = ?, F16 = ? where FID = ? and FSCHEME = ?";
const char* const kDeleteStep = "delete from LIGHTING where FID = ? and FSCHEME = ?";

const std::string kOn = "1";
const std::string kOff = "0";

const std::string& Channel(int c)
{
    return c % 2 ? kOn : kOff;
}

// A step's values as the insert and the SET of the update take them.
void SetStep(TRawStatement& st, int fid, int scheme, int delay)
{
    st.SetInteger(0, fid);
    st.SetInteger(1, scheme);
    st.SetInteger(2, delay);
    for (int c = 1; c <= 16; ++c)
        st.SetText(2 + c, Channel(c));
}

// An attachment and a transaction on the client's API.
struct TRawSession {
    TFbDatabase Db;
    std::unique_ptr<TFbTransaction> Tr;
    TRawSession()
    {
        Db.Attach(gDatabase, "SYSDBA", "", "", "UTF8");
        Tr = std::make_unique<TFbTransaction>(Db);
        Tr->Start();
    }
    TRawStatement Prepare(const char* sql) { return TRawStatement(Db.Handle(), Tr->Handle(), sql); }
};

void Seed()
{
    InitLightingResources();
    gDatabase = gDir.File("bench.gdb");
    if (RunCreateDatabase(SourceFile("resources/lighting.sql"), gDatabase) != 0)
        throw std::runtime_error("cannot create the benchmark database");
    TRawSession session;
    TRawStatement scheme = session.Prepare("insert into SCHEMES (FSCHEME, FNAME) values (?, ?)");
    TRawStatement step = session.Prepare(kInsertStep);
    for (int s = 1; s <= kSchemes + 100; ++s) {
        const std::string name = "Схема " + std::to_string(s);
        scheme.SetInteger(0, s);
        scheme.SetText(1, name);
        scheme.Execute();
        for (int f = 1; s <= kSchemes && f <= kStepsPerScheme; ++f) {
            SetStep(step, f, s, f * 10);
            step.Execute();
        }
    }
    session.Tr->Commit();
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

// Attaches and fetches the schemes and the steps of each; returns the steps.
int RawOpen(std::optional<TRawSession>& session)
{
    int rows = 0;
    session.emplace();
    TRawStatement schemes = session->Prepare("select * from schemes");
    TRawStatement steps = session->Prepare("select * from lighting\nwhere fscheme=?");
    std::vector<int> ids;
    schemes.Execute();
    while (schemes.Fetch())
        ids.push_back(schemes.Integer(0));
    for (const int id : ids) {
        steps.SetInteger(0, id);
        steps.Execute();
        while (steps.Fetch())
            ++rows;
    }
    session->Tr->Commit();
    return rows;
}

// The raw fetch and the module's open take turns.
void BM_OpenDataModule(benchmark::State& state)
{
    int rows = 0;
    for (auto _ : state) {
        // Detaching is not part of opening, on either side.
        {
            std::optional<TRawSession> session;
            Keep("open floor", Seconds([&] { RawOpen(session); }));
        }
        std::unique_ptr<TDM> dm;
        state.SetIterationTime(Keep("open", Seconds([&] { dm = OpenModule(); })));
    }
    // The memory an attachment and its fetches leave resident, rows kept or not.
    malloc_trim(0);
    long residentBefore = ResidentBytes();
    {
        std::optional<TRawSession> session;
        RawOpen(session);
        gFloorResidentGrowth = static_cast<double>(ResidentBytes() - residentBefore);
    }
    malloc_trim(0);
    residentBefore = ResidentBytes();
    const std::size_t heapBefore = mallinfo2().uordblks;
    auto dm = OpenModule();
    state.counters["heap_MB"] = static_cast<double>(mallinfo2().uordblks - heapBefore) / 1e6;
    gResidentGrowth = static_cast<double>(ResidentBytes() - residentBefore);
    gStoreBytes = static_cast<double>(dm->cdsSchemes->RowBytes());
    for (dm->cdsSchemes->First(); !dm->cdsSchemes->Eof(); dm->cdsSchemes->Next())
        rows += dm->cdsLighting->RecordCount();
    state.counters["steps"] = rows;
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

// The raw side: kChanges steps inserted into a new scheme, then updated,
// then deleted, each kind timed in one transaction of its own.
void ApplyFloor()
{
    // One kind of statement, timed from the first execution to the commit.
    const auto timed = [](const char* name, const char* sql, const std::function<void(TRawStatement&, int)>& set) {
        TRawSession session;
        TRawStatement statement = session.Prepare(sql);
        Keep(name, Seconds([&] {
                 for (int f = 1; f <= kChanges; ++f) {
                     set(statement, f);
                     statement.Execute();
                 }
                 session.Tr->Commit();
             }));
    };
    const int scheme = gNextScheme++;
    timed("insert floor", kInsertStep, [&](TRawStatement& st, int f) { SetStep(st, f, scheme, f); });
    timed("update floor", kUpdateStep, [&](TRawStatement& st, int f) {
        SetStep(st, f, scheme, f + 1);
        st.SetInteger(19, f);
        st.SetInteger(20, scheme);
    });
    timed("delete floor", kDeleteStep, [&](TRawStatement& st, int f) {
        st.SetInteger(0, f);
        st.SetInteger(1, scheme);
    });
}

// The module's side: the same changes made in the steps table and applied,
// taking turns with the raw side.
void BM_ApplyPendingChanges(benchmark::State& state)
{
    auto dm = OpenModule();
    TClientDataSet& steps = *dm->cdsLighting;
    for (auto _ : state) {
        ApplyFloor();
        const int scheme = gNextScheme++;
        if (!dm->cdsSchemes->Locate("FSCHEME", Variant(scheme), {}))
            state.SkipWithError("scheme missing");
        // One step more than the figures need: its update and delete prepare
        // the statements before the timed applies.
        for (int f = 1; f <= kChanges + 1; ++f) {
            steps.Append();
            dm->cdsLightingFID->SetAsInteger(f);
            dm->cdsLightingFDELAY->SetAsInteger(f);
            for (int c = 1; c <= 16; ++c)
                dm->ChannelField(c)->SetAsString(Channel(c));
            steps.Post();
        }
        double seconds = Keep("insert", Seconds([&] { steps.ApplyUpdates(-1); }));

        steps.Last();
        steps.Edit();
        dm->cdsLightingFDELAY->SetAsInteger(1);
        steps.Post();
        steps.ApplyUpdates(-1);
        for (steps.First(); steps.RecNo() <= kChanges; steps.Next()) {
            steps.Edit();
            dm->cdsLightingFDELAY->SetAsInteger(dm->cdsLightingFID->AsInteger() + 1);
            steps.Post();
        }
        seconds += Keep("update", Seconds([&] { steps.ApplyUpdates(-1); }));

        steps.Last();
        steps.Delete();
        steps.ApplyUpdates(-1);
        while (!steps.IsEmpty()) {
            steps.Last();
            steps.Delete();
        }
        seconds += Keep("delete", Seconds([&] { steps.ApplyUpdates(-1); }));
        state.SetIterationTime(seconds);
    }
    state.counters["changes"] = kChanges;
}

BENCHMARK(BM_OpenDataModule)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(BM_SwitchScheme)->Unit(benchmark::kMillisecond)->Iterations(2000);
BENCHMARK(BM_ApplyPendingChanges)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

} // namespace

int main(int argc, char** argv)
{
    Seed();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const struct {
        const char* Figure;
        const char* Name;
        double Goal;
    } figures[] = {{"opening (1,000 schemes, 100,000 steps)", "open", 1.3},
                   {"apply of 10,000 pending inserts", "insert", 1.5},
                   {"apply of 10,000 pending updates", "update", 1.5},
                   {"apply of 10,000 pending deletes", "delete", 1.5}};
    for (const auto& f : figures) {
        const TTime measured = gBest[f.Name];
        const TTime floor = gBest[std::string(f.Name) + " floor"];
        if (measured.Wall > 0 && floor.Wall > 0)
            std::printf("%s: %.1f ms, floor %.1f ms, ratio %.2f (goal: at most %.1f); on the thread's CPU %.1f ms, "
                        "floor %.1f ms, ratio %.2f\n",
                        f.Figure, measured.Wall * 1000, floor.Wall * 1000, measured.Wall / floor.Wall, f.Goal,
                        measured.Cpu * 1000, floor.Cpu * 1000, measured.Cpu / floor.Cpu);
    }
    constexpr double steps = kSchemes * kStepsPerScheme;
    if (gStoreBytes > 0)
        std::printf("memory of the open tables: rows %.0f bytes per step (%.1f MB), resident growth %.0f bytes per "
                    "step, %.0f beyond the raw fetch's (goal: at most 200)\n",
                    gStoreBytes / steps, gStoreBytes / 1e6, gResidentGrowth / steps,
                    (gResidentGrowth - gFloorResidentGrowth) / steps);
    return 0;
}
