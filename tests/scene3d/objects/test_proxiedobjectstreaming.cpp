// Cubes, proxies, painters and render points in stored descriptions.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/forms.h"
#include "scene3d/objects/cube.h"
#include "scene3d/objects/directopengl.h"
#include "scene3d/objects/proxyobject.h"
#include "scene3d/objects/renderpoint.h"
#include "scene3d/scene/scene.h"
#include "scene3d/scene/sceneroot.h"
#include "tests/scene3d/scene/scenetesting.h"

TEST(ProxiedObjectStreaming, AProxyOfACubeReadsBackAsItWasWritten)
{
    EnsureApplication();
    TForm form(nullptr);
    form.SetName("frmScene");
    auto* scene = new T3DScene(&form);
    scene->SetName("Scene");
    // Nodes that a description refers to belong to the form.
    auto* box = new T3DCube(&form);
    box->SetName("Box");
    scene->Objects()->AttachChild(box);
    box->SetCubeWidth(3);
    box->SetNormalDirection(ndInside);
    box->SetParts({cpBottom, cpBack});
    box->SetHint("комната");
    auto* copy = new T3DProxyObject(&form);
    copy->SetName("Copy");
    scene->Objects()->AttachChild(copy);
    copy->SetMasterObject(box);
    copy->SetProxyOptions({pooObjects});
    copy->Position()->AssignPoint(0, 2, 0);
    auto* painter = new T3DDirectOpenGL(&form);
    painter->SetName("Painter");
    box->AttachChild(painter);
    painter->SetUseBuildList(true);
    painter->SetBlend(true);
    auto* hook = new T3DRenderPoint(&form);
    hook->SetName("Hook");
    copy->AttachChild(hook);
    auto* plain = new T3DCube(&form);
    plain->SetName("Plain");
    scene->Objects()->AttachChild(plain);

    const std::string text = WriteComponentToText(form);
    for (const char* expected : {"object Box: T3DCube", "object Copy: T3DProxyObject", "MasterObject = Box",
                                 "ProxyOptions = [pooObjects]", "object Painter: T3DDirectOpenGL",
                                 "object Hook: T3DRenderPoint", "Parts = [cpBottom, cpBack]"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    // The plain cube keeps its defaults out.
    const std::string plainText = text.substr(text.find("object Plain"));
    for (const char* absent : {"CubeSize", "NormalDirection", "Parts"})
        EXPECT_EQ(plainText.find(absent), std::string::npos) << absent << "\n" << plainText;

    auto read = std::make_unique<TForm>(nullptr);
    ReadComponentFromText(*read, text, "frmScene");
    auto* readBox = ComponentByName<T3DCube>(*read, "Box");
    auto* readCopy = ComponentByName<T3DProxyObject>(*read, "Copy");
    auto* readPainter = ComponentByName<T3DDirectOpenGL>(*read, "Painter");
    auto* readHook = ComponentByName<T3DRenderPoint>(*read, "Hook");
    ASSERT_NE(readBox, nullptr);
    ASSERT_NE(readCopy, nullptr);
    ASSERT_NE(readPainter, nullptr);
    ASSERT_NE(readHook, nullptr);
    EXPECT_EQ(readBox->CubeWidth(), 3);
    EXPECT_EQ(readBox->CubeHeight(), 1);
    EXPECT_EQ(readBox->NormalDirection(), ndInside);
    EXPECT_EQ(readBox->Parts(), (TCubeParts{cpBottom, cpBack}));
    EXPECT_EQ(readBox->Hint(), "комната");
    EXPECT_EQ(readCopy->MasterObject(), readBox);
    EXPECT_EQ(readCopy->ProxyOptions(), T3DProxyObjectOptions{pooObjects});
    EXPECT_EQ(readPainter->Parent(), readBox);
    EXPECT_TRUE(readPainter->UseBuildList());
    EXPECT_FALSE(readPainter->ObjectStyle().Contains(sfDirectDraw));
    EXPECT_TRUE(readPainter->Blend());
    EXPECT_EQ(readHook->Parent(), readCopy);
    EXPECT_EQ(WriteComponentToText(*read), text);
}
