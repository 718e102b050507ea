#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "scene3d/geometry/vectorgeometry.h"
#include "tests/scene3d/scene/scenetesting.h"

namespace {

using ScenePlacement = SceneTest;

constexpr float Tolerance = 1e-5f;

void ExpectNear(const TVector& Actual, const TVector& Expected, float Within = Tolerance)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(Actual[i], Expected[i], Within) << "component " << i;
}

void ExpectSquareFrame(const T3DBaseSceneObject& Node)
{
    EXPECT_NEAR(Node.Direction()->Length3(), 1, Tolerance);
    EXPECT_NEAR(Node.Up()->Length3(), 1, Tolerance);
    EXPECT_NEAR(VectorDotProduct(Node.Direction()->XYZ(), Node.Up()->XYZ()), 0, Tolerance);
}

float AngleBetween(const TAffineVector& A, const TAffineVector& B)
{
    return std::acos(std::clamp(VectorDotProduct(VectorNormalize(A), VectorNormalize(B)), -1.0f, 1.0f));
}

} // namespace

TEST_F(ScenePlacement, AnglesAreStoredNormalisedAndTurnTheFrameByTheDifference)
{
    const struct {
        int Axis;
        float Value;
        float Stored;
    } cases[] = {{0, 370, 10}, {1, -190, 170}, {2, 90, 90}, {0, 200, -160}};
    for (const auto& c : cases) {
        SCOPED_TRACE("axis " + std::to_string(c.Axis) + " to " + std::to_string(c.Value));
        T3DTestObject* node = Top("Node" + std::to_string(&c - cases));
        const TAffineVector up = node->Up()->XYZ();
        const TAffineVector direction = node->Direction()->XYZ();
        switch (c.Axis) {
        case 0: node->SetPitchAngle(c.Value); EXPECT_EQ(node->PitchAngle(), c.Stored); break;
        case 1: node->SetTurnAngle(c.Value); EXPECT_EQ(node->TurnAngle(), c.Stored); break;
        default: node->SetRollAngle(c.Value); EXPECT_EQ(node->RollAngle(), c.Stored); break;
        }
        const float turned = std::abs(DegreesToRadians(c.Stored));
        // Pitch and turn move the direction; pitch and roll move up.
        EXPECT_NEAR(AngleBetween(node->Direction()->XYZ(), direction), c.Axis == 2 ? 0 : turned, 1e-4);
        EXPECT_NEAR(AngleBetween(node->Up()->XYZ(), up), c.Axis == 1 ? 0 : turned, 1e-4);
        ExpectSquareFrame(*node);
    }
}

TEST_F(ScenePlacement, AnAngleSetAgainDoesNothing)
{
    T3DTestObject* node = Top("Node");
    node->SetPitchAngle(370);
    Settle(*node);
    const TVector direction = node->Direction()->AsVector();
    const int before = FScene->PassedOn();

    node->SetPitchAngle(10);
    EXPECT_EQ(FScene->PassedOn(), before);
    EXPECT_TRUE(node->Direction()->SameVector(direction));

    node->Direction()->AssignVector(1, 0, 0);
    node->SetPitchAngle(10);
    ExpectNear(node->Direction()->AsVector(), {1, 0, 0, 0});
    EXPECT_EQ(node->PitchAngle(), 10);
}

TEST_F(ScenePlacement, DirectionAndUpStaySquareEvenWhenParallel)
{
    const struct {
        const char* Name;
        bool SetsUp;
        TAffineVector Value;
        TVector Direction;
        TVector Up;
    } cases[] = {
        {"direction along up", false, {0, 2, 0}, {0, 1, 0, 0}, {0, 0, -1, 0}},
        {"direction against up", false, {0, -1, 0}, {0, -1, 0, 0}, {0, 0, 1, 0}},
        {"null direction", false, {0, 0, 0}, {0, 0, 1, 0}, {0, 1, 0, 0}},
        {"up along the direction and +Z", true, {0, 0, 3}, {1, 0, 0, 0}, {0, 0, 1, 0}},
        {"null up", true, {0, 0, 0}, {0, 0, 1, 0}, {0, 1, 0, 0}},
        {"tilted up", true, {0, 1, -1}, {0, std::sqrt(0.5f), std::sqrt(0.5f), 0}, {0, std::sqrt(0.5f), -std::sqrt(0.5f), 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        T3DTestObject node(nullptr);
        T3DCoordinates* changed = c.SetsUp ? node.Up() : node.Direction();
        changed->AssignVector(c.Value.X, c.Value.Y, c.Value.Z);
        ExpectNear(node.Direction()->AsVector(), c.Direction);
        ExpectNear(node.Up()->AsVector(), c.Up);
        ExpectSquareFrame(node);
    }
}

TEST_F(ScenePlacement, NullVectorsAreIgnoredBySetDirectionAndSetUp)
{
    T3DTestObject node(nullptr);
    const T3DCoordinates null(nullptr, {0, 0, 0, 0}, csVector);
    const T3DCoordinates slanted(nullptr, {3, 0, 0, 0}, csVector);
    node.SetDirection(&null);
    node.SetUp(&null);
    ExpectNear(node.Direction()->AsVector(), {0, 0, 1, 0});
    ExpectNear(node.Up()->AsVector(), {0, 1, 0, 0});
    node.SetDirection(&slanted);
    ExpectNear(node.Direction()->AsVector(), {1, 0, 0, 0});
    node.SetPosition(&slanted);
    ExpectNear(node.Position()->AsVector(), {3, 0, 0, 1});
}

TEST_F(ScenePlacement, TheInverseUndoesTheAbsoluteMatrixUnderATurnedParent)
{
    const struct {
        const char* Name;
        TAffineVector ParentScale;
        TAffineVector ChildScale;
    } cases[] = {
        {"unit scales", {1, 1, 1}, {1, 1, 1}},
        {"scaled child", {1, 1, 1}, {2, 0.5f, 3}},
        {"scaled parent", {1.5f, 1.5f, 1.5f}, {1, 1, 1}},
        {"both scaled", {3, 1, 2}, {0.25f, 4, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        T3DTestObject* parent = Top("Parent");
        parent->Position()->AssignPoint(1, -2, 3);
        parent->SetTurnAngle(30);
        parent->SetRollAngle(-15);
        parent->Scale()->AssignVector(c.ParentScale.X, c.ParentScale.Y, c.ParentScale.Z);
        T3DTestObject* child = Under(parent, "Child");
        child->Position()->AssignPoint(4, 5, -6);
        child->SetPitchAngle(20);
        child->Scale()->AssignVector(c.ChildScale.X, c.ChildScale.Y, c.ChildScale.Z);

        const TMatrix product = MatrixMultiply(child->AbsoluteMatrix(), child->InvAbsoluteMatrix());
        for (int row = 0; row < 4; ++row)
            ExpectNear(product[static_cast<std::size_t>(row)], IdentityHmgMatrix[static_cast<std::size_t>(row)], 1e-4f);

        const TVector point{0.5f, -7, 2, 1};
        ExpectNear(child->ToLocalSpace(child->ToAbsoluteSpace(point)), point, 1e-4f);
        ExpectNear(child->AbsolutePosition(), child->ToAbsoluteSpace(NullHmgPoint), 1e-4f);
        ExpectNear(child->AbsolutePosition(), parent->ToAbsoluteSpace(child->Position()->AsVector()), 1e-4f);
        delete parent;
    }
}

TEST_F(ScenePlacement, ChildrenOfARootStandInTheWorld)
{
    FScene->Objects()->Position()->AssignPoint(100, 0, 0);
    FScene->Objects()->SetTurnAngle(45);
    T3DTestObject* node = Top("Node");
    node->Position()->AssignPoint(1, 2, 3);
    ExpectNear(node->AbsolutePosition(), {1, 2, 3, 1});
    ExpectNear(node->ToLocalSpace({1, 2, 4, 1}), {0, 0, 1, 1});
    for (std::size_t row = 0; row < 4; ++row)
        ExpectNear(node->AbsoluteMatrix()[row], node->LocalMatrix()[row], 0);
}

TEST_F(ScenePlacement, SetMatrixTakesTheFrameScaleAndPositionFromTheRows)
{
    T3DTestObject* node = Top("Node");
    const TMatrix m{{{0, 0, -2, 0}, {0, 3, 0, 0}, {4, 0, 0, 0}, {7, 8, 9, 1}}};
    node->SetMatrix(m);
    ExpectNear(node->Direction()->AsVector(), {1, 0, 0, 0});
    ExpectNear(node->Up()->AsVector(), {0, 1, 0, 0});
    ExpectNear(node->Scale()->AsVector(), {2, 3, 4, 0});
    ExpectNear(node->Position()->AsVector(), {7, 8, 9, 1});
    for (std::size_t row = 0; row < 4; ++row)
        ExpectNear(node->LocalMatrix()[row], m[row]);
    ExpectNear(node->RightVector(), {0, 0, 1, 0});
    ExpectNear(node->LeftVector(), {0, 0, -1, 0});
}

TEST_F(ScenePlacement, OrbitingKeepsTheDistanceAndStopsShortOfThePoles)
{
    constexpr float pi = std::numbers::pi_v<float>;
    const struct {
        const char* Name;
        float Pitch;
        float Turn;
        float AngleFromUp;
    } cases[] = {
        {"past the lower pole", 120, 0, pi - 0.025f},
        {"past the upper pole", -120, 0, 0.025f},
        {"a little up", -30, 0, pi / 2 - pi / 6},
        {"round about up", 0, 90, pi / 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        T3DTestObject* target = Top("Target");
        target->Position()->AssignPoint(1, 1, 1);
        T3DTestObject* node = Top("Node");
        node->Position()->AssignPoint(1, 1, 11);
        node->OrbitAboutPoint(target, c.Pitch, c.Turn);
        const TAffineVector offset = VectorSubtract(node->Position()->XYZ(), target->Position()->XYZ());
        EXPECT_NEAR(VectorLength(offset), 10, 1e-4);
        EXPECT_NEAR(AngleBetween(offset, {0, 1, 0}), c.AngleFromUp, 1e-4);
        EXPECT_EQ(node->Position()->W(), 1);
        ExpectNear(node->Direction()->AsVector(), {0, 0, 1, 0});
        delete target;
        delete node;
    }
}

TEST_F(ScenePlacement, OrbitingLeavesANodeOnItsTargetOrWithoutOneAlone)
{
    T3DTestObject* target = Top("Target");
    target->Position()->AssignPoint(2, 3, 4);
    T3DTestObject* node = Top("Node");
    node->Position()->AssignPoint(2, 3, 4);
    node->OrbitAboutPoint(target, 10, 10);
    ExpectNear(node->Position()->AsVector(), {2, 3, 4, 1}, 0);
    node->OrbitAboutPoint(nullptr, 10, 10);
    ExpectNear(node->Position()->AsVector(), {2, 3, 4, 1}, 0);
}

TEST_F(ScenePlacement, OrbitingStraightAboveTheTargetStaysANumber)
{
    // Up along an awkward unit vector: its dot product with itself, after
    // rounding, comes out a hair above 1.
    T3DTestObject* target = Top("Target");
    T3DTestObject* node = Top("Node");
    node->Up()->AssignVector(-0.495646328f, -0.866231024f, 0.0630758256f);
    const TAffineVector up = AffineVectorMake(node->AbsoluteUp());
    const TAffineVector position = VectorScale(up, 7);
    ASSERT_GT(VectorDotProduct(up, VectorScale(position, 1 / VectorLength(position))), 1.0f);
    node->Position()->AssignPoint(position.X, position.Y, position.Z);
    node->OrbitAboutPoint(target, 5, 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(std::isfinite(node->Position()->AsVector()[i]));
    EXPECT_NEAR(node->Position()->Length3(), 7, 1e-4);
}

TEST_F(ScenePlacement, OrbitingUnderAMovedParentStaysInTheParentsFrame)
{
    T3DTestObject* parent = Top("Parent");
    parent->Position()->AssignPoint(5, 0, 0);
    parent->SetTurnAngle(90);
    T3DTestObject* node = Under(parent, "Node");
    node->Position()->AssignPoint(0, 0, 4);
    T3DTestObject* target = Top("Target");
    target->Position()->AssignPoint(5, 0, 0);
    node->OrbitAboutPoint(target, 0, 45);
    EXPECT_NEAR(VectorLength(node->Position()->XYZ()), 4, 1e-4) << "the target is the parent's origin";
    EXPECT_NEAR(VectorDistance(AffineVectorMake(node->AbsolutePosition()), {5, 0, 0}), 4, 1e-4);
}

TEST_F(ScenePlacement, TheBoundingBoxTakesInTheDescendantsScaledOnce)
{
    T3DTestObject* parent = Top("Parent");
    T3DTestObject* child = Under(parent, "Child");
    child->Position()->AssignPoint(2, 0, 0);
    child->Scale()->AssignVector(2, 2, 2);
    parent->Scale()->AssignVector(2, 1, 1);

    const TAABB box = parent->BoundingBox();
    EXPECT_FLOAT_EQ(box.Min.X, -1);
    EXPECT_FLOAT_EQ(box.Max.X, 6);
    EXPECT_FLOAT_EQ(box.Min.Y, -1);
    EXPECT_FLOAT_EQ(box.Max.Y, 1);
    EXPECT_FLOAT_EQ(box.Max.Z, 1);
    EXPECT_FLOAT_EQ(child->BoundingRadius(), std::sqrt(3.0f));
    EXPECT_FLOAT_EQ(child->UnscaledBoundingRadius(), std::sqrt(0.75f));
    ExpectNear(child->HalfExtentsScaled(), {1, 1, 1, 0});
}

TEST_F(ScenePlacement, RaysAndPointsMeetTheBoundingSphere)
{
    T3DTestObject* node = Top("Node");
    node->Position()->AssignPoint(0, 0, -10);
    const float radius = node->BoundingRadius();
    TVector point;
    TVector normal;
    ASSERT_TRUE(node->IntersectRay(NullHmgPoint, {0, 0, -5, 0}, &point, &normal));
    ExpectNear(point, {0, 0, -10 + radius, 1});
    ExpectNear(normal, {0, 0, 1, 0});
    EXPECT_TRUE(node->IntersectRay(NullHmgPoint, {0, 0, -1, 0}, nullptr, nullptr));
    EXPECT_FALSE(node->IntersectRay(NullHmgPoint, {0, 0, 1, 0}, &point, &normal));
    EXPECT_FALSE(node->IntersectRay(NullHmgPoint, {0, 0, 0, 0}, &point, &normal));
    EXPECT_TRUE(node->ContainsPoint({0, radius * 0.99f, -10, 1}));
    EXPECT_FALSE(node->ContainsPoint({0, radius * 1.01f, -10, 1}));
    EXPECT_FLOAT_EQ(node->SqrDistanceTo({0, 0, -7, 1}), 9);
}

TEST_F(ScenePlacement, TheSilhouetteIsTheRimOfTheBoundingSphere)
{
    T3DTestObject node(nullptr);
    const float radius = node.UnscaledBoundingRadius();
    const struct {
        const char* Name;
        TSilhouetteParameters Parameters;
        float RimZ;
    } cases[] = {
        {"from a point", {svFromPoint, {0, 0, 10}, {}, false}, radius * radius / 10},
        {"along a direction", {svAlongDirection, {}, {0, 0, -1}, true}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto silhouette = node.BuildSilhouette(c.Parameters);
        const int rim = 21;
        ASSERT_EQ(silhouette->Vertices().Count(), c.Parameters.Capped ? rim + 1 : rim);
        for (int i = 0; i < rim; ++i) {
            const TVector v = silhouette->Vertices().Items(i);
            EXPECT_NEAR(VectorLength(v), radius, 1e-5) << "on the sphere";
            EXPECT_NEAR(v.Z, c.RimZ, 1e-5) << "square to the line of sight";
        }
        EXPECT_EQ(silhouette->Indices().Count(), 2 * rim);
        EXPECT_EQ(silhouette->CapIndices().Count(), c.Parameters.Capped ? 3 * rim : 0);
    }
}
