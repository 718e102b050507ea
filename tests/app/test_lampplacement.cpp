#include "app/lampplacement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/rtl/component.h"
#include "scene3d/objects/dummycube.h"
#include "scene3d/objects/sprite.h"

namespace {

void ExpectPositions(const TLampPositions& Actual, const std::vector<TAffineVector>& Expected)
{
    for (std::size_t i = 0; i < Expected.size(); ++i) {
        SCOPED_TRACE("lamp " + std::to_string(i + 1));
        EXPECT_NEAR(Actual[i].X, Expected[i].X, 1e-5);
        EXPECT_NEAR(Actual[i].Y, Expected[i].Y, 1e-5);
        EXPECT_NEAR(Actual[i].Z, Expected[i].Z, 1e-5);
    }
}

TEST(LinePlacement, TheFirstNLampsSpanTheLineAndTheOthersContinueIt)
{
    // Lamps 1 to 4 at X = 0, -1, -2, -3, then on to -15.
    const TLampPositions four = LinePositions({0, 0, 0}, {3, 0, 0}, 4);
    for (int i = 0; i < kSceneLamps; ++i) {
        EXPECT_FLOAT_EQ(four[i].X, -i) << i;
        EXPECT_EQ(four[i].Y, 0);
        EXPECT_EQ(four[i].Z, 0);
    }
    // One lamp (and none): lamp 1 at the start, lamp 2 at the end.
    for (const int n : {1, 0}) {
        SCOPED_TRACE(n);
        const TLampPositions one = LinePositions({0, 0, 0}, {3, 0, 0}, n);
        ExpectPositions(one, {{0, 0, 0}, {-3, 0, 0}, {-6, 0, 0}});
        EXPECT_FLOAT_EQ(one[15].X, -45);
    }
    // Only X is negated; Y and Z step as entered.
    ExpectPositions(LinePositions({1, 2, 3}, {3, -2, 7}, 3), {{-1, 2, 3}, {-2, 0, 5}, {-3, -2, 7}, {-4, -4, 9}});
}

TEST(CirclePlacement, TheFirstNLampsGoOnceRoundAndTheOthersGoRoundAgain)
{
    const TLampPositions aboutZ = CirclePositions({0, 0, 0}, 2, TSceneAxis::Z, 4);
    ExpectPositions(aboutZ, {{2, 0, 0}, {0, 2, 0}, {-2, 0, 0}, {0, -2, 0}, {2, 0, 0}});
    // The centre's X is negated, the circle's own offset is not.
    struct Case {
        const char* what;
        TSceneAxis axis;
        std::vector<TAffineVector> expected;
    };
    const Case cases[] = {
        {"about X", TSceneAxis::X, {{-1, 2, 5}, {-1, 4, 3}, {-1, 2, 1}, {-1, 0, 3}}},
        {"about Y", TSceneAxis::Y, {{1, 2, 3}, {-1, 2, 5}, {-3, 2, 3}, {-1, 2, 1}}},
        {"about Z", TSceneAxis::Z, {{1, 2, 3}, {-1, 4, 3}, {-3, 2, 3}, {-1, 0, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectPositions(CirclePositions({1, 2, 3}, 2, c.axis, 4), c.expected);
    }
}

TEST(CirclePlacement, ALampCountBelowOneIsTakenAsOne)
{
    for (const int n : {0, -3}) {
        SCOPED_TRACE(n);
        const TLampPositions positions = CirclePositions({0, 0, 0}, 2, TSceneAxis::Z, n);
        for (const TAffineVector& p : positions) {
            EXPECT_NEAR(p.X, 2, 1e-5);
            EXPECT_NEAR(p.Y, 0, 1e-4);
            EXPECT_EQ(p.Z, 0);
        }
    }
}

class GroupPlacement : public ::testing::Test {
protected:
    GroupPlacement() : FGroup(new T3DDummyCube(&FOwner))
    {
        for (int i = 0; i < kSceneLamps; ++i)
            FGroup->CreateChild<T3DSprite>()->SetVisible(i < 4);
    }
    TComponent FOwner{nullptr};
    T3DDummyCube* FGroup;
};

TEST_F(GroupPlacement, EveryLampMovesHiddenOnesIncluded)
{
    PlaceLamps(*FGroup, LinePositions({0, 0, 0}, {3, 6, 9}, 4));
    for (int i = 0; i < kSceneLamps; ++i) {
        const T3DCoordinates* p = FGroup->GetChild(i)->Position();
        EXPECT_FLOAT_EQ(p->X(), -i) << i;
        EXPECT_FLOAT_EQ(p->Y(), 2 * i) << i;
        EXPECT_FLOAT_EQ(p->Z(), 3 * i) << i;
    }
}

TEST_F(GroupPlacement, TheAngleGoesToTheChosenAxisOnly)
{
    FGroup->SetPitchAngle(1);
    FGroup->SetTurnAngle(2);
    FGroup->SetRollAngle(3);
    TurnGroup(*FGroup, TSceneAxis::X, 45);
    EXPECT_EQ(FGroup->PitchAngle(), 45);
    EXPECT_EQ(FGroup->TurnAngle(), 2);
    EXPECT_EQ(FGroup->RollAngle(), 3);
    TurnGroup(*FGroup, TSceneAxis::Y, -30);
    EXPECT_EQ(FGroup->PitchAngle(), 45);
    EXPECT_EQ(FGroup->TurnAngle(), -30);
    EXPECT_EQ(FGroup->RollAngle(), 3);
    TurnGroup(*FGroup, TSceneAxis::Z, 90);
    EXPECT_EQ(FGroup->PitchAngle(), 45);
    EXPECT_EQ(FGroup->TurnAngle(), -30);
    EXPECT_EQ(FGroup->RollAngle(), 90);
}

} // namespace
