// The lamp scene of the main window drawn through a scene buffer on a
// pbuffer of the viewer's size (271 x 262), half the lamps lit, each frame
// finished with glFinish: the 16 x 16 lamps with a texture each; 16 groups
// of 1,000 lamps sharing one library material; and a pick at a lamp's
// centre. Every iteration also times the GL calls the traversal makes for
// the same frame without the engine (per group and lamp: push, multiply,
// the billboard quad from the model-view matrix, pop; the same texture
// objects bound, the same emission set). Counters: "engine_ms", "raw_ms",
// "ratio" = engine / raw (goal <= 1.2), "fps" of the engine frame, and
// llvmpipe's thread count as LP_NUM_THREADS gives it (0: the default).
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/lampscenebuild.h"
#include "scene3d/buffer/scenebuffer.h"
#include "scene3d/materials/color.h"
#include "scene3d/materials/faceproperties.h"
#include "scene3d/materials/libmaterial.h"
#include "scene3d/materials/material.h"
#include "scene3d/materials/materiallibrary.h"
#include "scene3d/objects/dummycube.h"
#include "scene3d/objects/sprite.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/scene/camera.h"
#include "scene3d/scene/scene.h"
#include "scene3d/scene/sceneroot.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureimage.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Width = 271;
constexpr int Height = 262;
// A pixel from the frame's top-left corner.
struct TPixel {
    int X;
    int Y;
};

// What the raw frame needs of a lamp: the matrices it multiplies in, the
// texture and emission it draws with and its size.
struct TRawLamp {
    TMatrix Local;
    GLuint Texture = 0;
    TVector Emission;
    float Width = 1;
    float Height = 1;
};

struct TRawGroup {
    TMatrix Local;
    std::vector<TRawLamp> Lamps;
};

// The lamp scene (lampscenebuild.h) through a buffer: black, depth test
// off. With Shared, all lamps draw with one library material.
class TLampScene {
public:
    TLampScene(int Groups, int Lamps, bool Shared)
    {
        FScene = new T3DScene(FOwner.get());
        const TBuiltLamps built = BuildLamps(*FScene, Groups, Lamps, Shared ? &FLibrary : nullptr);
        FLighting = built.Lighting;
        T3DCamera* camera = built.Camera;
        FBuffer = std::make_unique<T3DSceneBuffer>(FOwner.get());
        FBuffer->SetContextOptions({roNoSwapBuffers});
        FBuffer->SetBackgroundColor(0);
        FBuffer->SetDepthTest(false);
        FBuffer->Resize(Width, Height);
        FBuffer->CreateContext(0, true, 1);
        FBuffer->SetCamera(camera);
        // The first frame uploads the textures the raw frame binds.
        FBuffer->RenderFrame();
        FProjection = FBuffer->ProjectionMatrix();
        FView = FBuffer->ViewMatrix();
        Context().Activate();
        for (int j = 0; j < Groups; ++j) {
            auto* group = FLighting->GetChild(j);
            TRawGroup raw{group->LocalMatrix(), {}};
            for (int i = 0; i < Lamps; ++i) {
                auto* lamp = static_cast<T3DSprite*>(group->GetChild(i));
                T3DMaterial* material =
                    Shared ? FLibrary.Materials()->GetLibMaterialByName("Glow")->Material() : lamp->Material();
                raw.Lamps.push_back({lamp->LocalMatrix(), material->Texture()->Handle(),
                                     material->FrontProperties()->Emission()->Color(), lamp->Width(),
                                     lamp->Height()});
            }
            FRaw.push_back(std::move(raw));
        }
        Context().Deactivate();
    }

    ~TLampScene()
    {
        FBuffer.reset();
        FOwner.reset();
        RemoveGlowFile();
    }

    T3DSceneBuffer& Buffer() const { return *FBuffer; }

    // Seconds for one frame through the buffer, finished.
    double EngineFrame()
    {
        const auto start = Clock::now();
        FBuffer->RenderFrame();
        Context().Activate();
        GL.glFinish();
        Context().Deactivate();
        return Seconds(start);
    }

    // Seconds for the same frame in plain GL calls, finished.
    double RawFrame()
    {
        const auto start = Clock::now();
        Context().Activate();
        GL.glViewport(0, 0, Width, Height);
        GL.glClearColor(0, 0, 0, 1);
        GL.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        LoadCamera();
        GL.glDisable(GL_DEPTH_TEST);
        GL.glEnable(GL_LIGHTING);
        GL.glEnable(GL_TEXTURE_2D);
        GL.glEnable(GL_BLEND);
        GL.glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        GL.glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        GLuint bound = 0;
        TVector emission = {-1, -1, -1, -1};
        DrawRaw([&](const TRawLamp& Lamp) {
            if (Lamp.Texture != bound) {
                bound = Lamp.Texture;
                GL.glBindTexture(GL_TEXTURE_2D, bound);
            }
            if (!SameVector(Lamp.Emission, emission)) {
                emission = Lamp.Emission;
                GL.glMaterialfv(GL_FRONT, GL_EMISSION, &emission.X);
            }
        });
        GL.glFinish();
        Context().Deactivate();
        return Seconds(start);
    }

    // Seconds for a pick at P through the buffer; Picked is what it found.
    double EnginePick(TPixel P, T3DBaseSceneObject*& Picked)
    {
        const auto start = Clock::now();
        Picked = FBuffer->PickObjectAtPixel(P.X, P.Y);
        return Seconds(start);
    }

    // Seconds for the same selection pass in plain GL calls; Hits is the
    // number of hit records.
    double RawPick(TPixel P, int& Hits)
    {
        const auto start = Clock::now();
        Context().Activate();
        std::vector<GLuint> buffer(1024);
        GL.glSelectBuffer(static_cast<GLsizei>(buffer.size()), buffer.data());
        GL.glRenderMode(GL_SELECT);
        GL.glInitNames();
        GL.glPushName(0);
        GLint viewport[4] = {0, 0, Width, Height};
        GL.glMatrixMode(GL_PROJECTION);
        GL.glLoadIdentity();
        GL.gluPickMatrix(P.X, Height - P.Y, 2, 2, viewport);
        GL.glMultMatrixf(&FProjection[0].X);
        GL.glMatrixMode(GL_MODELVIEW);
        GL.glLoadMatrixf(&FView[0].X);
        GLuint name = 0;
        DrawRaw([&](const TRawLamp&) { GL.glLoadName(++name); });
        GL.glPopName();
        Hits = GL.glRenderMode(GL_RENDER);
        Context().Deactivate();
        return Seconds(start);
    }

private:
    T3DContext& Context() const { return *FBuffer->RenderingContext(); }

    static double Seconds(Clock::time_point Start)
    {
        return std::chrono::duration<double>(Clock::now() - Start).count();
    }

    static bool SameVector(const TVector& A, const TVector& B)
    {
        return A.X == B.X && A.Y == B.Y && A.Z == B.Z && A.W == B.W;
    }

    void LoadCamera() const
    {
        GL.glMatrixMode(GL_PROJECTION);
        GL.glLoadMatrixf(&FProjection[0].X);
        GL.glMatrixMode(GL_MODELVIEW);
        GL.glLoadMatrixf(&FView[0].X);
    }

    // The traversal's matrices and billboards, Before each lamp's quad.
    void DrawRaw(const std::function<void(const TRawLamp&)>& Before) const
    {
        GL.glPushMatrix();
        GL.glMultMatrixf(&FLighting->LocalMatrix()[0].X);
        for (const TRawGroup& group : FRaw) {
            GL.glPushMatrix();
            GL.glMultMatrixf(&group.Local[0].X);
            for (const TRawLamp& lamp : group.Lamps) {
                GL.glPushMatrix();
                GL.glMultMatrixf(&lamp.Local[0].X);
                Before(lamp);
                DrawBillboard(lamp.Width, lamp.Height);
                GL.glPopMatrix();
            }
            GL.glPopMatrix();
        }
        GL.glPopMatrix();
    }

    static void DrawBillboard(float W, float H)
    {
        GLfloat m[16];
        GL.glGetFloatv(GL_MODELVIEW_MATRIX, m);
        const auto axis = [&m](int Row, float Length) {
            const float x = m[Row], y = m[Row + 4], z = m[Row + 8];
            const float scale = Length / std::sqrt(x * x + y * y + z * z);
            return std::array<float, 3>{x * scale, y * scale, z * scale};
        };
        const std::array<float, 3> r = axis(0, W / 2);
        const std::array<float, 3> u = axis(1, H / 2);
        GL.glBegin(GL_QUADS);
        GL.glTexCoord2f(1, 1);
        GL.glVertex3f(r[0] + u[0], r[1] + u[1], r[2] + u[2]);
        GL.glTexCoord2f(0, 1);
        GL.glVertex3f(u[0] - r[0], u[1] - r[1], u[2] - r[2]);
        GL.glTexCoord2f(0, 0);
        GL.glVertex3f(-r[0] - u[0], -r[1] - u[1], -r[2] - u[2]);
        GL.glTexCoord2f(1, 0);
        GL.glVertex3f(r[0] - u[0], r[1] - u[1], r[2] - u[2]);
        GL.glEnd();
    }

    std::unique_ptr<TComponent> FOwner = std::make_unique<TComponent>(nullptr);
    T3DMaterialLibrary FLibrary{nullptr};
    T3DScene* FScene = nullptr;
    T3DDummyCube* FLighting = nullptr;
    std::unique_ptr<T3DSceneBuffer> FBuffer;
    TMatrix FProjection;
    TMatrix FView;
    std::vector<TRawGroup> FRaw;
};

double LlvmpipeThreads()
{
    const char* threads = std::getenv("LP_NUM_THREADS");
    return threads ? std::atof(threads) : 0;
}

// Times Engine and Raw once each per iteration (after one of each to warm
// up) and reports their means and ratio.
void Compare(benchmark::State& state, const std::function<double()>& Engine, const std::function<double()>& Raw)
{
    Engine();
    Raw();
    double engineTotal = 0, rawTotal = 0;
    for (auto _ : state) {
        const double engine = Engine(), raw = Raw();
        engineTotal += engine;
        rawTotal += raw;
        state.SetIterationTime(engine + raw);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["engine_ms"] = engineTotal / n * 1000;
    state.counters["raw_ms"] = rawTotal / n * 1000;
    state.counters["ratio"] = engineTotal / rawTotal;
    state.counters["fps"] = n / engineTotal;
    state.counters["lp_threads"] = LlvmpipeThreads();
}

void LampSceneFrame(benchmark::State& state)
{
    TLampScene scene(16, 16, false);
    Compare(state, [&] { return scene.EngineFrame(); }, [&] { return scene.RawFrame(); });
}

void SharedMaterialFrame(benchmark::State& state)
{
    TLampScene scene(16, 1000, true);
    Compare(state, [&] { return scene.EngineFrame(); }, [&] { return scene.RawFrame(); });
}

// A pick at the centre of the first lit lamp, which must find that lamp.
void LampScenePick(benchmark::State& state)
{
    TLampScene scene(16, 16, false);
    const TPixel centre = {41, 36};
    T3DBaseSceneObject* picked = nullptr;
    int hits = 0;
    Compare(state, [&] { return scene.EnginePick(centre, picked); }, [&] { return scene.RawPick(centre, hits); });
    if (!dynamic_cast<T3DSprite*>(picked) || hits == 0)
        state.SkipWithError("the pick found no lamp");
}

} // namespace

BENCHMARK(LampSceneFrame)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(SharedMaterialFrame)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(LampScenePick)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
