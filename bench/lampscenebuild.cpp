#include "bench/lampscenebuild.h"

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
#include "tests/support/lampglow.h"

const char* const GlowFile = "bench-lamp-glow.bmp";

namespace {

const TVector Grey = {0.4f, 0.4f, 0.4f, 1};
const TVector Red = {1, 0, 0, 1};

void SetGlow(T3DMaterial& Material, const TVector& Emission)
{
    Material.FrontProperties()->Emission()->SetColor(Emission);
    Material.FrontProperties()->Specular()->SetColor(Red);
    SetLampGlow(Material, GlowFile);
}

} // namespace

TBuiltLamps BuildLamps(T3DScene& Scene, int Groups, int Lamps, T3DMaterialLibrary* Shared)
{
    WriteLampGlow(GlowFile);
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
