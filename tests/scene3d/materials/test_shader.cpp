// Shaders: balanced application, passes, their context resources, and the
// library materials that use them.
#include "scene3d/materials/shader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "scene3d/materials/libmaterial.h"
#include "scene3d/materials/material.h"
#include "scene3d/materials/materiallibrary.h"
#include "tests/scene3d/materials/materialtesting.h"
#include "tests/scene3d/materials/shadertesting.h"
#include "tests/scene3d/textures/texturetesting.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::ThrowsMessage;

using Shader = TextureInContext;

TEST_F(Shader, ApplicationMustBeBalanced)
{
    std::vector<std::string> log;
    TLoggingShader shader(nullptr, shsAfterMaterial, log);
    const std::string unbalanced = "Unbalanced shader application.";
    EXPECT_THAT([&] { shader.UnApply(FRci); }, ThrowsMessage<EAssertionFailed>(unbalanced));
    shader.Apply(FRci, nullptr);
    EXPECT_TRUE(shader.ShaderActive());
    EXPECT_THAT([&] { shader.Apply(FRci, nullptr); }, ThrowsMessage<EAssertionFailed>(unbalanced));
    EXPECT_THAT([&] { shader.SetEnabled(false); }, ThrowsMessage<EAssertionFailed>("Shader is active."));
    EXPECT_TRUE(shader.Enabled());
    EXPECT_FALSE(shader.UnApply(FRci));
    EXPECT_FALSE(shader.ShaderActive());
    EXPECT_THAT(log, ElementsAre("initialise", "apply", "unapply"));

    log.clear();
    shader.SetEnabled(false);
    shader.Apply(FRci, nullptr);
    EXPECT_TRUE(shader.ShaderActive());
    EXPECT_FALSE(shader.UnApply(FRci));
    EXPECT_THAT(log, ElementsAre("finalise"));
}

// Resources are made once, with the first application, and freed when the
// shader changes; the library materials using it hear of the change.
TEST_F(Shader, ResourcesLiveUntilTheShaderChanges)
{
    std::vector<std::string> log;
    TLoggingShader shader(nullptr, shsAfterMaterial, log, 3);
    for (int round = 0; round < 2; ++round) {
        shader.Apply(FRci, nullptr);
        EXPECT_TRUE(shader.UnApply(FRci));
        EXPECT_TRUE(shader.UnApply(FRci));
        EXPECT_FALSE(shader.UnApply(FRci));
    }
    EXPECT_THAT(log, ElementsAre("initialise", "apply", "unapply", "unapply", "unapply", "apply", "unapply",
                                 "unapply", "unapply"));

    T3DMaterialLibrary library(nullptr);
    T3DLibMaterial& glass = *library.Materials()->Add();
    glass.SetShader(&shader);
    TSceneObjectSpy spy(nullptr);
    spy.Material()->SetMaterialLibrary(&library);
    spy.Material()->SetLibMaterialName(glass.Name());
    spy.Heard();
    log.clear();
    shader.BeginUpdate();
    shader.SetEnabled(false);
    EXPECT_THAT(spy.Heard(), IsEmpty());
    shader.EndUpdate();
    shader.SetEnabled(true);
    EXPECT_THAT(spy.Heard(), ElementsAre("changed"));
    EXPECT_THAT(log, ElementsAre("finalise"));
    shader.Apply(FRci, nullptr);
    shader.UnApply(FRci);
    EXPECT_EQ(log[1], "initialise");
}

TEST_F(Shader, AFreedShaderLeavesItsLibraryMaterials)
{
    std::vector<std::string> log;
    auto shader = std::make_unique<TLoggingShader>(nullptr, shsAfterMaterial, log);
    T3DMaterialLibrary library(nullptr);
    T3DLibMaterial& first = *library.Materials()->Add();
    T3DLibMaterial& second = *library.Materials()->Add();
    first.SetShader(shader.get());
    second.SetShader(shader.get());
    EXPECT_THAT(shader->Users(), ElementsAre(&first, &second));
    shader->Apply(FRci, nullptr);
    shader->UnApply(FRci);
    shader.reset();
    EXPECT_EQ(first.Shader(), nullptr);
    EXPECT_EQ(second.Shader(), nullptr);
    EXPECT_THAT(log, ElementsAre("initialise", "apply", "unapply", "finalise"));

    std::vector<std::string> otherLog;
    TLoggingShader other(nullptr, shsAfterMaterial, otherLog);
    first.SetShader(&other);
    library.Materials()->Delete(0);
    EXPECT_THAT(other.Users(), IsEmpty());
}

} // namespace
