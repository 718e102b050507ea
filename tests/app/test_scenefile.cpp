#include "app/scenefile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "platform/rtl/component.h"
#include "platform/rtl/inouterror.h"
#include "scene3d/objects/dummycube.h"
#include "scene3d/objects/sprite.h"
#include "tests/support/testsupport.h"

namespace {

// 16 groups of 16 lamps under a root, each lamp at its own place.
class SceneFileTest : public ::testing::Test {
protected:
    SceneFileTest() : FRoot(new T3DDummyCube(&FOwner))
    {
        for (int j = 0; j < kSceneGroups; ++j) {
            auto* group = FRoot->CreateChild<T3DDummyCube>();
            for (int i = 0; i < kSceneLamps; ++i)
                group->CreateChild<T3DSprite>()->Position()->AssignPoint(j, i, 0.25f * (i + j));
        }
    }

    T3DBaseSceneObject* Group(int J) const { return FRoot->GetChild(J); }
    T3DBaseSceneObject* Lamp(int J, int I) const { return Group(J)->GetChild(I); }

    std::string Contents() const
    {
        std::ifstream in(FileName, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void SetContents(const std::string& Bytes) const { std::ofstream(FileName, std::ios::binary) << Bytes; }

    // Opens FileName, noting what Show and Reset heard; the error raised, if any.
    std::string Open()
    {
        try {
            OpenSceneFile(
                FileName, *FRoot, [this](int channel, bool visible) { Shown.push_back({channel, visible}); },
                [this](T3DBaseSceneObject&) { ++Resets; });
        } catch (const EInOutError& e) {
            return e.Message();
        }
        return "";
    }

    TComponent FOwner{nullptr};
    T3DDummyCube* FRoot;
    TTempDir Dir;
    const std::string FileName = Dir.File("scene.vkt");
    std::vector<std::pair<int, bool>> Shown;
    int Resets = 0;
};

float FloatAt(const std::string& Bytes, std::size_t At)
{
    float value;
    std::memcpy(&value, Bytes.data() + At, sizeof value);
    return value;
}

TEST_F(SceneFileTest, SavesEachGroupAsARecordOfItsOwn)
{
    Group(2)->SetVisible(false);
    Group(3)->SetTurnAngle(30);
    for (int i = 5; i < kSceneLamps; ++i)
        Lamp(3, i)->SetVisible(false);
    SaveSceneFile(FileName, *FRoot);

    const std::string bytes = Contents();
    ASSERT_EQ(bytes.size(), 3328u);
    for (int j = 0; j < kSceneGroups; ++j) {
        SCOPED_TRACE("group " + std::to_string(j));
        const std::size_t at = j * kSceneRecordSize;
        EXPECT_EQ(bytes[at], j == 2 ? 0 : 1);
        EXPECT_EQ(bytes[at + 1], j == 3 ? 5 : 16);
        EXPECT_EQ(FloatAt(bytes, at + 8), j == 3 ? 30 : 0);
        // Hidden lamps keep their place in the file.
        EXPECT_EQ(FloatAt(bytes, at + 16 + 12 * 15), j);
        EXPECT_EQ(FloatAt(bytes, at + 20 + 12 * 15), 15);
        EXPECT_EQ(FloatAt(bytes, at + 24 + 12 * 15), 0.25f * (15 + j));
    }
}

TEST_F(SceneFileTest, OpeningSetsAnglesPositionsAndShownLampsGroupByGroup)
{
    Group(4)->SetVisible(false);
    Group(6)->SetPitchAngle(10);
    Group(6)->SetTurnAngle(20);
    Group(6)->SetRollAngle(-30);
    Lamp(7, 0)->Position()->AssignPoint(-1, -2, -3);
    for (int i = 4; i < kSceneLamps; ++i)
        Lamp(8, i)->SetVisible(false);
    for (int i = 0; i < kSceneLamps; ++i)
        Lamp(9, i)->SetVisible(false);
    SaveSceneFile(FileName, *FRoot);

    // Scramble the scene, then open the file over it.
    for (int j = 0; j < kSceneGroups; ++j) {
        Group(j)->SetVisible(true);
        Group(j)->SetRollAngle(45);
        for (int i = 0; i < kSceneLamps; ++i) {
            Lamp(j, i)->Position()->AssignPoint(100, 100, 100);
            Lamp(j, i)->SetVisible(true);
        }
    }
    EXPECT_EQ(Open(), "");

    EXPECT_EQ(Shown.size(), 16u);
    EXPECT_EQ(Shown[4], std::make_pair(4, false));
    EXPECT_EQ(Shown[5], std::make_pair(5, true));
    EXPECT_FALSE(Group(4)->Visible());
    EXPECT_EQ(Resets, 256);
    EXPECT_EQ(Group(6)->PitchAngle(), 10);
    EXPECT_EQ(Group(6)->TurnAngle(), 20);
    EXPECT_EQ(Group(6)->RollAngle(), -30);
    EXPECT_EQ(Group(5)->RollAngle(), 0);
    EXPECT_EQ(Lamp(7, 0)->Position()->XYZ().X, -1);
    EXPECT_EQ(Lamp(7, 0)->Position()->XYZ().Z, -3);
    EXPECT_EQ(Lamp(12, 15)->Position()->Y(), 15);
    for (int i = 0; i < kSceneLamps; ++i) {
        EXPECT_EQ(Lamp(8, i)->Visible(), i < 4) << i;
        EXPECT_FALSE(Lamp(9, i)->Visible()) << i;
        EXPECT_TRUE(Lamp(10, i)->Visible()) << i;
    }
}

TEST_F(SceneFileTest, AFileThatEndsEarlyStopsAfterItsLastWholeRecord)
{
    Group(14)->SetVisible(false);
    Group(15)->SetVisible(false);
    SaveSceneFile(FileName, *FRoot);
    SetContents(Contents().substr(0, 3327));
    Group(14)->SetVisible(true);
    Group(15)->SetVisible(true);
    Group(15)->SetTurnAngle(50);

    EXPECT_EQ(Open(), "Read beyond end of file");
    EXPECT_EQ(Shown.size(), 15u);
    EXPECT_FALSE(Group(14)->Visible()) << "what was read stays set";
    EXPECT_TRUE(Group(15)->Visible());
    EXPECT_EQ(Group(15)->TurnAngle(), 0) << "the angles of the group being read go to 0 first";
    EXPECT_EQ(Resets, 15 * 16);
}

TEST_F(SceneFileTest, ARecordWithANonFiniteNumberIsRefusedBeforeAnythingOfItIsSet)
{
    SaveSceneFile(FileName, *FRoot);
    std::string bytes = Contents();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    bytes[3 * kSceneRecordSize] = 0;  // group 4 hidden, and its first angle NaN
    std::memcpy(bytes.data() + 3 * kSceneRecordSize + 4, &nan, sizeof nan);
    SetContents(bytes);
    Lamp(3, 0)->Position()->AssignPoint(7, 7, 7);

    EXPECT_EQ(Open(), "Invalid data in file");
    EXPECT_EQ(Shown.size(), 3u);
    EXPECT_TRUE(Group(3)->Visible());
    EXPECT_EQ(Group(3)->PitchAngle(), 0);
    EXPECT_EQ(Lamp(3, 0)->Position()->X(), 7);
    // The group turns as before: its orientation was not spoilt.
    Group(3)->SetTurnAngle(90);
    EXPECT_FALSE(std::isnan(Group(3)->AbsoluteMatrix()[0].X));
}

TEST_F(SceneFileTest, AFileThatCannotBeOpenedOrCreatedSetsNothing)
{
    Group(0)->SetTurnAngle(25);
    EXPECT_EQ(Open(), std::strerror(ENOENT));
    EXPECT_TRUE(Shown.empty());
    EXPECT_EQ(Group(0)->TurnAngle(), 25);
    EXPECT_THROW(SaveSceneFile(Dir.File("no-such-folder/scene.vkt"), *FRoot), EInOutError);
}

} // namespace
