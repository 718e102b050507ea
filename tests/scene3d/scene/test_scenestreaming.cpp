#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/writer.h"
#include "platform/ui/forms.h"
#include "scene3d/persistence/binarywriter.h"
#include "tests/scene3d/scene/scenetesting.h"
#include "tests/support/hexbytes.h"

namespace {

class SceneStreaming : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }

    // A new form read from Text.
    static std::unique_ptr<TForm> Read(const std::string& Text)
    {
        auto form = std::make_unique<TForm>(nullptr);
        ReadComponentFromText(*form, Text, "scene");
        return form;
    }
};

template <class T>
T& Find(const TComponent& Form, const std::string& Name)
{
    return *ComponentByName<T>(Form, Name);
}

T3DTestObject* Named(T3DTestObject* Node, const std::string& Name)
{
    Node->SetName(Name);
    return Node;
}

// The hex digits of a description's binary block.
std::string BlockOf(const std::function<void(TVirtualWriter&)>& Write)
{
    TMemoryStream stream;
    TBinaryWriter writer(stream);
    Write(writer);
    std::string hex = ToHex(std::string(static_cast<const char*>(stream.Memory()), stream.Size()));
    std::erase(hex, ' ');
    return hex;
}

// A float as the block of coordinates holds it, for descriptions written by hand.
const std::string One = "0000803F";
const std::string Two = "00000040";
const std::string Zero = "00000000";

} // namespace

TEST_F(SceneStreaming, AFormWithASceneWritesBackTheSameText)
{
    TForm form(nullptr);
    form.SetName("frmScene");
    auto* scene = new T3DScene(&form);
    scene->SetName("Scene");
    scene->SetObjectsSorting(osRenderFarthestFirst);
    T3DTestObject* group = Named(scene->Objects()->CreateChild<T3DTestObject>(), "Group");
    group->Position()->AssignPoint(1, 2, 3);
    group->SetTurnAngle(30);
    group->Scale()->AssignVector(2, 2, 2);
    group->SetVisibilityCulling(vcObjectBased);
    group->SetTag(4);
    T3DTestObject* lamp = Named(group->CreateChild<T3DTestObject>(), "Lamp");
    lamp->SetPitchAngle(-45);
    lamp->SetShowAxes(true);
    lamp->SetTagFloat(0.5f);
    auto* behaviour = new TTestBehaviour(lamp->Behaviours());
    behaviour->Strength = 7;
    behaviour->SetName("Pulse");
    new TTestBehaviour(lamp->Behaviours());
    auto* effect = new TTestEffect(lamp->Effects());
    effect->Colour = "красный";
    Named(lamp->CreateChild<T3DTestObject>(), "Bulb")->SetVisible(false);
    Named(scene->Objects()->CreateChild<T3DTestObject>(), "Empty")->Behaviours();
    Named(scene->Cameras()->CreateChild<T3DTestObject>(), "Eye")->Position()->AssignPoint(0, 0, 10);
    auto* loose = new T3DTestObject(&form);
    loose->SetName("Loose");

    const std::string text = WriteComponentToText(form);
    for (const char* expected : {"object Group: T3DTestObject", "object Lamp: T3DTestObject", "BehavioursData = {",
                                 "EffectsData = {", "TurnAngle = 30", "ObjectsSorting = osRenderFarthestFirst",
                                 "object Eye: T3DTestObject", "object Loose: T3DTestObject"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    EXPECT_EQ(text.find("ObjectRoot"), std::string::npos) << "the roots are not written";
    EXPECT_EQ(text.find("BehavioursData", text.find("object Empty")), std::string::npos)
        << "an empty collection is not written";

    const std::unique_ptr<TForm> again = Read(text);
    EXPECT_EQ(WriteComponentToText(*again), text);

    auto& sceneRead = Find<T3DScene>(*again, "Scene");
    auto& lampRead = Find<T3DTestObject>(*again, "Lamp");
    EXPECT_EQ(lampRead.Parent(), &Find<T3DTestObject>(*again, "Group"));
    EXPECT_EQ(lampRead.Scene(), &sceneRead);
    EXPECT_EQ(Find<T3DTestObject>(*again, "Group").Parent(), sceneRead.Objects());
    EXPECT_EQ(Find<T3DTestObject>(*again, "Eye").Parent(), sceneRead.Objects())
        << "only cameras go under the camera root";
    EXPECT_EQ(Find<T3DTestObject>(*again, "Loose").Parent(), nullptr);
    EXPECT_EQ(Find<T3DTestObject>(*again, "Loose").Scene(), nullptr);
    ASSERT_EQ(lampRead.Behaviours()->Count(), 2);
    EXPECT_EQ(lampRead.Behaviours()->Items(0)->Name(), "Pulse");
    EXPECT_EQ(static_cast<TTestBehaviour*>(lampRead.Behaviours()->Items(0))->Strength, 7);
    ASSERT_EQ(lampRead.Effects()->Count(), 1);
    EXPECT_EQ(static_cast<TTestEffect*>(lampRead.Effects()->Items(0))->Colour, "красный");
    EXPECT_FLOAT_EQ(lampRead.PitchAngle(), -45);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(lampRead.Direction()->AsVector()[i], lamp->Direction()->AsVector()[i], 1e-6)
            << "the stored angle does not turn the stored direction again";
}

TEST_F(SceneStreaming, ReadingStoresAnglesAsTheyArePointsPositionsAndTellsNoOne)
{
    const std::string text = "object frmScene: TForm\n"
                             "  object Scene: TCountingScene\n"
                             "    object Node: T3DTestObject\n"
                             "      Position.Coordinates = {" + Two + Zero + Zero + Zero + "}\n"
                             "      Direction.Coordinates = {" + One + Zero + Zero + Zero + "}\n"
                             "      TurnAngle = 400\n"
                             "      PitchAngle = 10\n"
                             "    end\n"
                             "  end\n"
                             "end\n";
    const std::unique_ptr<TForm> form = Read(text);
    auto& node = Find<T3DTestObject>(*form, "Node");
    EXPECT_EQ(node.Position()->W(), 1);
    EXPECT_EQ(node.Position()->X(), 2);
    EXPECT_EQ(node.Direction()->X(), 1);
    EXPECT_EQ(node.Direction()->Z(), 0);
    EXPECT_EQ(node.TurnAngle(), 40);
    EXPECT_EQ(node.PitchAngle(), 10);
    EXPECT_EQ(Find<TCountingScene>(*form, "Scene").PassedOn(), 0);
}

TEST_F(SceneStreaming, ADescriptionThatNestsANodeInItselfIsRefused)
{
    const std::string text = "object frmScene: TForm\n"
                             "  object Scene: T3DScene\n"
                             "    object Node: T3DTestObject\n"
                             "      object Node: T3DTestObject\n"
                             "      end\n"
                             "    end\n"
                             "  end\n"
                             "end\n";
    try {
        Read(text);
        FAIL() << "read";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "scene(4): Node: Assertion failure");
    }
}

TEST_F(SceneStreaming, BehaviourBlocksMustHoldVersionZero)
{
    const auto item = [](int Version) {
        return BlockOf([Version](TVirtualWriter& W) {
            W.WriteInteger(1);
            W.WriteString("TTestBehaviour");
            W.WriteInteger(0);
            W.WriteString("Pulse");
            W.WriteInteger(Version);
            W.WriteInteger(3);
        });
    };
    const auto text = [](const std::string& Property, const std::string& Block) {
        return "object frmScene: TForm\n"
               "  object Scene: T3DScene\n"
               "    object Node: T3DTestObject\n"
               "      " + Property + " = {" + Block + "}\n"
               "    end\n"
               "  end\n"
               "end\n";
    };
    const std::unique_ptr<TForm> form = Read(text("BehavioursData", item(0)));
    auto& node = Find<T3DTestObject>(*form, "Node");
    ASSERT_EQ(node.Behaviours()->Count(), 1);
    EXPECT_EQ(static_cast<TTestBehaviour*>(node.Behaviours()->Items(0))->Strength, 3);

    const struct {
        const char* Name;
        std::string Text;
        const char* Message;
    } faults[] = {
        {"version 1", text("BehavioursData", item(1)), "Assertion failure"},
        {"a behaviour among effects", text("EffectsData", item(0)), "Class TTestBehaviour unknown"},
    };
    for (const auto& f : faults) {
        SCOPED_TRACE(f.Name);
        try {
            Read(f.Text);
            ADD_FAILURE() << "read";
        } catch (const EReadError& e) {
            EXPECT_NE(e.Message().find(f.Message), std::string::npos) << e.Message();
        }
    }
}

TEST_F(SceneStreaming, FreeingANodeOfAReadFormThenTheForm)
{
    const std::string text = "object frmScene: TForm\n"
                             "  object Scene: T3DScene\n"
                             "    object Group: T3DTestObject\n"
                             "      object Lamp: T3DTestObject\n"
                             "        object Bulb: T3DTestObject\n"
                             "        end\n"
                             "      end\n"
                             "      object Other: T3DTestObject\n"
                             "      end\n"
                             "    end\n"
                             "  end\n"
                             "end\n";
    std::unique_ptr<TForm> form = Read(text);
    auto& group = Find<T3DTestObject>(*form, "Group");
    delete &Find<T3DTestObject>(*form, "Lamp");
    EXPECT_EQ(ChildNames(group), "Other");
    EXPECT_EQ(form->FindComponent("Bulb"), nullptr);
    form.reset();

    form = Read(text);
    form.reset();
}
