#pragma once
// Fixtures of the render traversal tests: a rendering context of the engine
// on a pbuffer, current while the test runs; a scene owned by a stand-in
// form, with a camera in its camera root at the origin looking along -Z
// (and set as the scene's current camera); and the pass record filled as a
// buffer fills it before a pass. Objects of the tests draw a unit square
// facing +Z in a colour of their own and note each build of their geometry
// in the fixture's log.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scene3d/context/context.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/scene/basesceneobject.h"
#include "scene3d/scene/camera.h"
#include "scene3d/scene/scene.h"
#include "scene3d/scene/sceneroot.h"
#include "scene3d/state/statecache.h"

class TDrawnObject : public T3DBaseSceneObject {
    LT_CLASS(TDrawnObject)
public:
    explicit TDrawnObject(TComponent* AOwner) : T3DBaseSceneObject(AOwner) {}

    void SetStyle(TSceneObjectStyleFlags Value) { SetObjectStyle(Value); }
    bool IsBlended() const override { return Blended; }
    // Notes the object's name in Log, calls OnBuild, draws the square.
    void CompileList(TRenderContextInfo& Rci) override;

    std::vector<std::string>* Log = nullptr;
    std::function<void(TRenderContextInfo&)> OnBuild;
    TVector Colour = {1, 1, 1, 1};
    bool Blended = false;
};

using TRGBA = std::array<uint8_t, 4>;

// The side of the test frames in pixels.
inline constexpr int FrameSide = 64;

// A frame of FrameSide x FrameSide pixels, bottom row first, as a picture in
// the working folder.
void SaveFrame(const std::vector<TRGBA>& Pixels, const char* FileName);

class RenderTest : public ::testing::Test {
protected:
    static constexpr int Size = FrameSide;

    void SetUp() override;
    // Also checks that the pass left no GL error and balanced the
    // model-view matrix and name stacks.
    void TearDown() override;

    // A new object under Parent at (X, Y, Z), named, logging into FLog;
    // built every time it is drawn unless Listed.
    TDrawnObject* Drawn(T3DBaseSceneObject* Parent, const std::string& Name, TAffineVector Position = {},
                        bool Listed = false);
    // The projection and view through the camera, and the pass record's
    // camera position and frustum from them.
    void LookThroughCamera();
    // Draws the scene's object root for the pass.
    void RenderObjects() { FScene->Objects()->Render(FRci); }
    // The frame, bottom row first.
    static std::vector<TRGBA> Frame();
    static TRGBA Pixel(const std::vector<TRGBA>& Frame, int X, int Y)
    {
        return Frame[static_cast<std::size_t>(Y * Size + X)];
    }
    // The log since the last look, names separated by blanks.
    std::string Drawing();

    std::unique_ptr<T3DContext> FContext;
    std::unique_ptr<TComponent> FOwner = std::make_unique<TComponent>(nullptr);
    T3DScene* FScene = new T3DScene(FOwner.get());
    T3DCamera* FCamera = nullptr;
    T3DStateCache FCache;
    TRenderContextInfo FRci;
    std::vector<std::string> FLog;
};
