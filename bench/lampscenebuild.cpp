#include "bench/lampscenebuild.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "scene3d/materials/color.h"
#include "scene3d/materials/faceproperties.h"
#include "scene3d/materials/libmaterial.h"
#include "scene3d/materials/material.h"
#include "scene3d/materials/materiallibrary.h"
#include "scene3d/objects/dummycube.h"
#include "scene3d/objects/sprite.h"
#include "scene3d/scene/camera.h"
#include "scene3d/scene/scene.h"
#include "scene3d/scene/sceneroot.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureimage.h"

const char* const GlowFile = "bench-lamp-glow.bmp";

namespace {

const TVector Grey = {0.4f, 0.4f, 0.4f, 1};
const TVector Red = {1, 0, 0, 1};

// White, its brightness falling from 1 in the middle to 0 at the rim.
void WriteGlow()
{
    constexpr int size = 32;
    QImage glow(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double r = std::hypot(x + 0.5 - size / 2.0, y + 0.5 - size / 2.0) / (size / 2.0);
            const int level = static_cast<int>(255 * std::max(0.0, 1 - r * r));
            glow.setPixel(x, y, qRgb(level, level, level));
        }
    glow.save(GlowFile, "BMP");
}

// The glow as the lamps' materials show it: alpha from luminance,
// modulating the lit colour, added to the frame.
void SetGlow(T3DMaterial& Material, const TVector& Emission)
{
    Material.FrontProperties()->Emission()->SetColor(Emission);
    Material.FrontProperties()->Specular()->SetColor(Red);
    Material.Texture()->Image()->LoadFromFile(GlowFile);
    Material.Texture()->SetDisabled(false);
    Material.Texture()->SetImageAlpha(tiaLuminance);
    Material.Texture()->SetTextureMode(tmModulate);
    Material.SetBlendingMode(bmAdditive);
}

} // namespace

TBuiltLamps BuildLamps(T3DScene& Scene, int Groups, int Lamps, T3DMaterialLibrary* Shared)
{
    WriteGlow();
    auto* lighting = Scene.Objects()->CreateChild<T3DDummyCube>();
    lighting->SetName("Lighting");
    auto* camera = Scene.Cameras()->CreateChild<T3DCamera>();
    camera->SetDepthOfView(100);
    camera->SetFocalLength(50);
    camera->SetTargetObject(lighting);
    camera->Position()->AssignPoint(0, 0, -15);
    Scene.SetCurrentCamera(camera);
    if (Shared) {
        T3DLibMaterial* glow = Shared->Materials()->Add();
        glow->SetName("Glow");
        SetGlow(*glow->Material(), Red);
    }
    for (int j = 0; j < Groups; ++j) {
        auto* group = lighting->CreateChild<T3DDummyCube>();
        const bool lit = j % 2 == 0;
        const float scale = lit ? 0.8f : 0.2f;
        for (int i = 0; i < Lamps; ++i) {
            auto* lamp = group->CreateChild<T3DSprite>();
            lamp->SetWidth(1);
            lamp->SetHeight(1);
            if (Shared) {
                lamp->Material()->SetMaterialLibrary(Shared);
                lamp->Material()->SetLibMaterialName("Glow");
            } else {
                SetGlow(*lamp->Material(), lit ? Red : Grey);
            }
            lamp->Scale()->AssignVector(scale, scale, scale);
            lamp->Position()->AssignPoint(3.75f - j / 2.0f, 3.75f - (i % 16) / 2.0f, 0);
        }
    }
    return {lighting, camera};
}

void RemoveGlowFile()
{
    std::remove(GlowFile);
}
