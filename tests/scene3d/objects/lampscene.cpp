#include "tests/scene3d/objects/lampscene.h"

#include <QImage>

#include <cmath>
#include <cstdio>

#include "scene3d/context/contextmanager.h"
#include "scene3d/materials/color.h"
#include "scene3d/materials/faceproperties.h"
#include "scene3d/materials/material.h"
#include "scene3d/opengl/multitexgl.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/selectionnames.h"
#include "scene3d/scene/sceneroot.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureimage.h"
#include "tests/support/lampglow.h"

namespace {

constexpr float CameraDistance = 15;
constexpr float FocalLength = 50;
constexpr int DPI = 96;
const TVector Grey = {0.4f, 0.4f, 0.4f, 1};
const TVector Red = {1, 0, 0, 1};

} // namespace

void LampScene::SetUp()
{
    FContext = ContextManager()->CreateContext();
    FContext->SetDepthBits(24);
    FContext->CreateMemoryContext(0, Width, Height, 1);
    FContext->Activate();
    FLighting = FScene->Objects()->CreateChild<T3DDummyCube>();
    FLighting->SetName("Lighting");
    FCamera = FScene->Cameras()->CreateChild<T3DCamera>();
    FCamera->SetName("Camera1");
    FCamera->SetDepthOfView(100);
    FCamera->SetFocalLength(FocalLength);
    FCamera->SetTargetObject(FLighting);
    FCamera->Position()->AssignPoint(0, 0, -CameraDistance);
    FScene->SetCurrentCamera(FCamera);
    FRci.Scene = FScene;
    FRci.StateCache = &FCache;
    FRci.ObjectsSorting = FScene->ObjectsSorting();
    FRci.VisibilityCulling = FScene->VisibilityCulling();
    FGlowFile = std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-glow.bmp";
}

void LampScene::TearDown()
{
    EXPECT_EQ(GL.glGetError(), GLenum(GL_NO_ERROR));
    GLint depth = 0;
    GL.glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
    SetTexCoordNull();   // as the process started
    FOwner.reset();
    FContext->Deactivate();
    FContext.reset();
    std::remove(FGlowFile.c_str());
}

void LampScene::BuildLamps()
{
    WriteLampGlow(FGlowFile);
    for (int j = 0; j < 16; ++j) {
        auto* channel = FLighting->CreateChild<T3DDummyCube>();
        for (int i = 0; i < 16; ++i) {
            auto* lamp = channel->CreateChild<T3DSprite>();
            lamp->SetHeight(1);
            lamp->SetWidth(1);
            T3DMaterial* material = lamp->Material();
            material->FrontProperties()->Emission()->SetColor(Grey);
            material->FrontProperties()->Specular()->SetColor(Red);
            Glow(*material);
            lamp->Scale()->AssignVector(0.3f, 0.3f, 0.3f);
            lamp->Position()->AssignPoint(3.75f - j / 2.0f, 3.75f - i / 2.0f, 0);
        }
    }
}

void LampScene::Glow(T3DMaterial& Material) const
{
    SetLampGlow(Material, FGlowFile);
}

void LampScene::ShowRow(const std::array<bool, 16>& On)
{
    for (int c = 1; c <= 16; ++c)
        for (int i = 1; i <= 16; ++i) {
            T3DSprite* lamp = Lamp(c, i);
            T3DFaceProperties* front = lamp->Material()->FrontProperties();
            const bool on = On[static_cast<std::size_t>(c - 1)];
            front->Emission()->SetColor(on ? front->Specular()->Color() : Grey);
            const float scale = on ? 0.8f : 0.2f;
            lamp->Scale()->AssignVector(scale, scale, scale);
        }
}

T3DDummyCube* LampScene::Channel(int C) const
{
    return static_cast<T3DDummyCube*>(FLighting->GetChild(C - 1));
}

T3DSprite* LampScene::Lamp(int C, int I) const
{
    return static_cast<T3DSprite*>(Channel(C)->GetChild(I - 1));
}

TFramePoint LampScene::Projected(float X, float Y)
{
    // The near plane lies FocalLength millimetres (at DPI) from the eye,
    // in units of the frame's larger side, so that a unit at the eye's
    // distance spans this many pixels. The camera looks along +Z with +Y
    // up, so world +X is to the left on the screen.
    const double pixelsPerUnit = 2.0 * FocalLength * DPI / 25.4 / CameraDistance;
    return {Width / 2.0 - X * pixelsPerUnit, Height / 2.0 - Y * pixelsPerUnit};
}

TFramePoint LampScene::LampCentre(int C, int I)
{
    return Projected(3.75f - (C - 1) / 2.0f, 3.75f - (I - 1) / 2.0f);
}

void LampScene::LookThroughCamera(const TPixelPos* Pick)
{
    GL.glViewport(0, 0, Width, Height);
    GL.glMatrixMode(GL_PROJECTION);
    GL.glLoadIdentity();
    if (Pick) {
        GLint viewport[4] = {0, 0, Width, Height};
        GL.gluPickMatrix(Pick->X + 0.5, Height - Pick->Y - 0.5, 1, 1, viewport);
    }
    FCamera->ApplyPerspective({0, 0, Width, Height}, Width, Height, DPI);
    GL.glMatrixMode(GL_MODELVIEW);
    GL.glLoadIdentity();
    FCamera->ApplyView();
    GL.glGetFloatv(GL_MODELVIEW_MATRIX, &FRci.ViewMatrix[0].X);
    FRci.CameraPosition = FCamera->AbsolutePosition();
}

void LampScene::Render()
{
    GL.glClearColor(0, 0, 0, 1);
    GL.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (FDepthTest)
        FCache.Enable(ccDepthTest);
    else
        FCache.Disable(ccDepthTest);
    FCache.Enable(ccLighting);
    LookThroughCamera();
    FScene->Objects()->Render(FRci);
    FFrame = Frame();
}

std::vector<T3DBaseSceneObject*> LampScene::HitsAt(TPixelPos P)
{
    LookThroughCamera(&P);
    std::vector<GLuint> buffer(4096);
    GL.glSelectBuffer(static_cast<GLsizei>(buffer.size()), buffer.data());
    GL.glRenderMode(GL_SELECT);
    GL.glInitNames();
    GL.glPushName(0);
    T3DSelectionNames names;
    FRci.SelectionNames = &names;
    FRci.DrawState = rmPicking;
    FRci.IgnoreMaterials = true;
    FScene->Objects()->Render(FRci);
    GL.glPopName();
    const GLint hits = GL.glRenderMode(GL_RENDER);
    FRci.SelectionNames = nullptr;
    FRci.DrawState = rmRendering;
    FRci.IgnoreMaterials = false;
    std::vector<T3DBaseSceneObject*> objects;
    std::size_t at = 0;
    for (GLint i = 0; i < hits; ++i) {
        const GLuint count = buffer[at];
        objects.push_back(names.ObjectOf(buffer[at + 2 + count]));
        at += 3 + count;
    }
    return objects;
}

std::vector<TLampPixel> LampScene::Frame() const
{
    std::vector<TLampPixel> bottomUp(Width * Height);
    GL.glReadPixels(0, 0, Width, Height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<TLampPixel> topDown;
    topDown.reserve(bottomUp.size());
    for (int y = Height - 1; y >= 0; --y)
        topDown.insert(topDown.end(), bottomUp.begin() + y * Width, bottomUp.begin() + (y + 1) * Width);
    return topDown;
}

void LampScene::Save(const char* FileName) const
{
    QImage image(reinterpret_cast<const uchar*>(FFrame.data()), Width, Height, Width * 4, QImage::Format_RGBA8888);
    image.save(FileName);
}

TFramePoint LampScene::MeasuredCentre(TPixelPos Near, int Radius) const
{
    double sx = 0;
    double sy = 0;
    double sw = 0;
    for (int y = Near.Y - Radius; y <= Near.Y + Radius; ++y)
        for (int x = Near.X - Radius; x <= Near.X + Radius; ++x) {
            if (x < 0 || y < 0 || x >= Width || y >= Height)
                continue;
            const TLampPixel p = Pixel({x, y});
            const double w = p[0] + p[1] + p[2];
            sx += w * (x + 0.5);
            sy += w * (y + 0.5);
            sw += w;
        }
    if (sw == 0)
        return {-1, -1};
    return {sx / sw, sy / sw};
}
