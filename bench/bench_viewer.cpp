// The lamp scene of the main window in a scene viewer of the main window's
// size (271 x 262) on the X server, turned by a cadencer in ASAP mode as
// the preview's rotation does: every tick turns the lamps, every turn
// repaints. Each iteration runs the event loop for 2 s. Counters: "fps"
// (frames shown per second), "ticks_per_s" of the cadencer, "cpu_percent"
// (this process's CPU time, llvmpipe's threads included, over the wall
// time; 100 = one core; the X server's own work is not in it), and
// llvmpipe's thread count as LP_NUM_THREADS gives it (0: the default).
// Needs an X server: tests/support/with-own-x-server bench/bench_viewer.
// With LIGHTING_VIEWER_SHOT set to a file name, the X server's picture of
// the viewer's window is saved there after the run.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "bench/lampscenebuild.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"
#include "scene3d/buffer/scenebuffer.h"
#include "scene3d/cadencer/cadencer.h"
#include "scene3d/objects/dummycube.h"
#include "scene3d/scene/scene.h"
#include "scene3d/viewer/sceneviewer.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Width = 271;
constexpr int Height = 262;
constexpr double DegreesPerSecond = 90;

double ProcessCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double LlvmpipeThreads()
{
    const char* threads = std::getenv("LP_NUM_THREADS");
    return threads ? std::atof(threads) : 0;
}

void SaveShot(T3DSceneViewer& Viewer)
{
    const char* file = std::getenv("LIGHTING_VIEWER_SHOT");
    if (file)
        QGuiApplication::primaryScreen()->grabWindow(static_cast<WId>(Viewer.Handle())).save(file);
}

void LampSceneViewerASAP(benchmark::State& state)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, Width, Height);
    auto* viewer = new T3DSceneViewer(&form);
    viewer->SetParent(&form);
    viewer->SetAlign(alClient);
    auto* scene = new T3DScene(&form);
    const TBuiltLamps lamps = BuildLamps(*scene, 16, 16, nullptr);
    viewer->Buffer()->SetBackgroundColor(0);
    viewer->Buffer()->SetDepthTest(false);
    viewer->SetCamera(lamps.Camera);
    auto* cadencer = new T3DCadencer(&form);
    cadencer->SetEnabled(false);
    cadencer->SetScene(scene);
    int tickCount = 0;
    cadencer->SetOnProgress([&](TObject*, double DeltaTime, double) {
        ++tickCount;
        lamps.Lighting->SetTurnAngle(lamps.Lighting->TurnAngle() + static_cast<float>(DeltaTime * DegreesPerSecond));
    });
    form.Show();
    cadencer->SetEnabled(true);
    double frames = 0, ticks = 0, wall = 0, cpu = 0;
    for (auto _ : state) {
        const int firstFrame = viewer->Buffer()->FrameCount();
        tickCount = 0;
        const double firstCpu = ProcessCpuSeconds();
        const auto start = Clock::now();
        while (Clock::now() - start < std::chrono::seconds(2))
            QCoreApplication::processEvents();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        cpu += ProcessCpuSeconds() - firstCpu;
        wall += seconds;
        frames += viewer->Buffer()->FrameCount() - firstFrame;
        ticks += tickCount;
        state.SetIterationTime(seconds);
    }
    cadencer->SetEnabled(false);
    SaveShot(*viewer);
    RemoveGlowFile();
    state.counters["fps"] = frames / wall;
    state.counters["ticks_per_s"] = ticks / wall;
    state.counters["cpu_percent"] = 100 * cpu / wall;
    state.counters["lp_threads"] = LlvmpipeThreads();
}

} // namespace

BENCHMARK(LampSceneViewerASAP)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    TApplication application(nullptr);
    application.Initialize();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
