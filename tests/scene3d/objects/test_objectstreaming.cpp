// Dummy cubes and sprites in stored descriptions.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/forms.h"
#include "scene3d/materials/color.h"
#include "scene3d/materials/faceproperties.h"
#include "scene3d/materials/material.h"
#include "scene3d/objects/dummycube.h"
#include "scene3d/objects/sprite.h"
#include "scene3d/scene/scene.h"
#include "scene3d/scene/sceneroot.h"
#include "tests/scene3d/scene/scenetesting.h"

TEST(ObjectStreaming, ALampSceneReadsBackAsItWasWritten)
{
    EnsureApplication();
    TForm form(nullptr);
    form.SetName("frmMain");
    auto* scene = new T3DScene(&form);
    scene->SetName("Scene");
    auto* lighting = scene->Objects()->CreateChild<T3DDummyCube>();
    lighting->SetName("Lighting");
    lighting->SetCubeSize(2);
    lighting->SetVisibleAtRunTime(true);
    lighting->EdgeColor()->SetColor({1, 0, 0, 1});
    lighting->SetCamInvarianceMode(cimOrientation);
    lighting->SetHint("лампы");
    auto* lamp = lighting->CreateChild<T3DSprite>();
    lamp->SetName("Lamp");
    lamp->SetWidth(2);
    lamp->SetRotation(45);
    lamp->SetMirrorV(true);
    lamp->Material()->FrontProperties()->Emission()->SetColor({0.4f, 0.4f, 0.4f, 1});
    lamp->Material()->SetBlendingMode(bmAdditive);
    auto* plain = lighting->CreateChild<T3DSprite>();
    plain->SetName("Plain");

    const std::string text = WriteComponentToText(form);
    EXPECT_NE(text.find("object Lighting: T3DDummyCube"), std::string::npos) << text;
    EXPECT_NE(text.find("object Lamp: T3DSprite"), std::string::npos) << text;
    // Defaults stay out: AlphaChannel only when it is not 1.
    EXPECT_EQ(text.find("AlphaChannel"), std::string::npos) << text;

    auto read = std::make_unique<TForm>(nullptr);
    ReadComponentFromText(*read, text, "frmMain");
    auto* readLighting = ComponentByName<T3DDummyCube>(*read, "Lighting");
    auto* readLamp = ComponentByName<T3DSprite>(*read, "Lamp");
    ASSERT_NE(readLighting, nullptr);
    ASSERT_NE(readLamp, nullptr);
    EXPECT_EQ(readLamp->Parent(), readLighting);
    EXPECT_EQ(readLighting->CubeSize(), 2);
    EXPECT_TRUE(readLighting->VisibleAtRunTime());
    EXPECT_EQ(readLighting->EdgeColor()->Color().Y, 0);
    EXPECT_EQ(readLighting->CamInvarianceMode(), cimOrientation);
    EXPECT_EQ(readLighting->Hint(), "лампы");
    EXPECT_EQ(readLamp->Width(), 2);
    EXPECT_EQ(readLamp->Rotation(), 45);
    EXPECT_TRUE(readLamp->MirrorV());
    EXPECT_EQ(readLamp->AlphaChannel(), 1);
    EXPECT_EQ(readLamp->Material()->BlendingMode(), bmAdditive);
    EXPECT_FLOAT_EQ(readLamp->Material()->FrontProperties()->Emission()->Color().X, 0.4f);
    EXPECT_EQ(WriteComponentToText(*read), text);
}
