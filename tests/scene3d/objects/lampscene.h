#pragma once
// The lamp scene of the main window on a pbuffer of the viewer's size: a
// "Lighting" dummy cube holding 16 channel groups of 16 glowing sprites, a
// camera 15 units in front of it looking along +Z, black background, depth
// test off. The glow picture is drawn by the fixture: white, its alpha
// falling from 1 in the middle to 0 at the rim.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "scene3d/context/context.h"
#include "scene3d/objects/dummycube.h"
#include "scene3d/objects/sprite.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/scene/camera.h"
#include "scene3d/scene/scene.h"
#include "scene3d/state/statecache.h"

class T3DMaterial;

using TLampPixel = std::array<uint8_t, 4>;

// A pixel from the top-left corner of the frame.
struct TPixelPos {
    int X;
    int Y;
};

// A point of the frame in pixels from its top-left corner (pixel (x, y)
// spans x .. x + 1, y .. y + 1).
struct TFramePoint {
    double X;
    double Y;
    TPixelPos PixelPos() const { return {static_cast<int>(X), static_cast<int>(Y)}; }
};

class LampScene : public ::testing::Test {
protected:
    static constexpr int Width = 271;
    static constexpr int Height = 262;

    void SetUp() override;
    // Also checks that drawing left no GL error and balanced the
    // model-view matrix stack.
    void TearDown() override;

    // The scene as the main window builds it at start.
    void BuildLamps();
    // The glow as the lamps show it: the picture's luminance as alpha,
    // modulating the lit colour, added to the frame.
    void Glow(T3DMaterial& Material) const;
    // A preview row: lit channels red and large, the others grey and small.
    void ShowRow(const std::array<bool, 16>& On);
    // Channel and lamp from 1.
    T3DDummyCube* Channel(int C) const;
    T3DSprite* Lamp(int C, int I) const;
    // Where the camera puts the centre of an object at (X, Y, 0).
    static TFramePoint Projected(float X, float Y);
    // The centre of lamp I of channel C as built.
    static TFramePoint LampCentre(int C, int I);
    static TPixelPos LampPixel(int C, int I) { return LampCentre(C, I).PixelPos(); }

    // Clears the frame and draws the object root through the camera, with
    // the depth test as FDepthTest says.
    void Render();
    // The projection, view and pass record of the camera; after Pick the
    // projection is narrowed to that pixel.
    void LookThroughCamera(const TPixelPos* Pick = nullptr);
    // The objects drawn over pixel P in a picking pass (selection through
    // a pick matrix of one pixel, materials ignored), in the order drawn.
    std::vector<T3DBaseSceneObject*> HitsAt(TPixelPos P);
    // The frame read back, top row first.
    std::vector<TLampPixel> Frame() const;
    TLampPixel Pixel(TPixelPos P) const { return FFrame[static_cast<std::size_t>(P.Y * Width + P.X)]; }
    void Save(const char* FileName) const;
    // The mean position of the lit pixels inside the box of Radius around
    // Near, weighted by brightness; (-1, -1) when all are black.
    TFramePoint MeasuredCentre(TPixelPos Near, int Radius) const;

    std::unique_ptr<T3DContext> FContext;
    std::unique_ptr<TComponent> FOwner = std::make_unique<TComponent>(nullptr);
    T3DScene* FScene = new T3DScene(FOwner.get());
    T3DCamera* FCamera = nullptr;
    T3DDummyCube* FLighting = nullptr;
    T3DStateCache FCache;
    TRenderContextInfo FRci;
    std::vector<TLampPixel> FFrame;
    bool FDepthTest = false;
    std::string FGlowFile;
};
