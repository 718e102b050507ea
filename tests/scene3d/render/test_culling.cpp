// Leaving out what lies outside the view: per object or per subtree.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "scene3d/scene/sceneroot.h"
#include "tests/scene3d/render/rendertesting.h"

namespace {

using ::testing::ThrowsMessage;

using Culling = RenderTest;

struct TCullingCase {
    T3DVisibilityCulling Mode;
    const char* Drawn;
};

// The camera at the origin sees along -Z; 20 away its view is about 3.4
// wide. Ahead lies in view, far from the origin (which matters for boxes
// tested in the wrong frame), and so does Back, the child of Holder, which
// itself lies outside. Aside and its child Pinned (never culled) lie
// outside, Behind lies behind the camera.
TEST_F(Culling, ObjectsOutsideTheViewAreLeftOut)
{
    const TCullingCase cases[] = {
        {vcNone, "Ahead Aside Pinned Behind Holder Back"},
        {vcInherited, "Ahead Aside Pinned Behind Holder Back"},
        // Each object on its own: the children of an object outside are
        // still tested one by one.
        {vcObjectBased, "Ahead Pinned Back"},
        // A subtree is in view when the box around it is: Holder's box
        // takes in Back; what lies below an object left out is not drawn.
        {vcHierarchical, "Ahead Holder Back"},
    };
    T3DSceneRootObject* root = FScene->Objects();
    Drawn(root, "Ahead", {0, 0, -20});
    TDrawnObject* aside = Drawn(root, "Aside", {10, 0, -20});
    Drawn(aside, "Pinned")->SetStyle({sfDirectDraw, sfNoVisibilityCulling});
    Drawn(root, "Behind", {0, 0, 20});
    TDrawnObject* holder = Drawn(root, "Holder", {10, 0, -20});
    Drawn(holder, "Back", {-10, 0, 0});
    for (const TCullingCase& c : cases) {
        FRci.VisibilityCulling = c.Mode;
        RenderObjects();
        EXPECT_EQ(Drawing(), c.Drawn) << "mode " << c.Mode;
    }
}

// The box goes into the world with the object's scale and turn.
TEST_F(Culling, ATurnedAndScaledBoxIsTestedWhereItIs)
{
    TDrawnObject* beam = Drawn(FScene->Objects(), "Beam", {12, 0, -20});
    beam->Scale()->AssignVector(1, 1, 30);
    FRci.VisibilityCulling = vcHierarchical;
    RenderObjects();
    EXPECT_EQ(Drawing(), "") << "along Z, 12 aside";
    beam->SetTurnAngle(90);
    RenderObjects();
    EXPECT_EQ(Drawing(), "Beam") << "turned across the view";
}

TEST_F(Culling, ANodeCullsItsChildrenItsOwnWay)
{
    T3DSceneRootObject* root = FScene->Objects();
    TDrawnObject* group = Drawn(root, "Group", {0, 0, -20});
    group->SetVisibilityCulling(vcObjectBased);
    Drawn(group, "Out", {10, 0, 0});
    Drawn(root, "Behind", {0, 0, 20});
    FRci.VisibilityCulling = vcNone;
    RenderObjects();
    EXPECT_EQ(Drawing(), "Group Behind");
    EXPECT_EQ(FRci.VisibilityCulling, vcNone);
}

TEST_F(Culling, AnUnknownModeStops)
{
    Drawn(FScene->Objects(), "Ahead", {0, 0, -20});
    FRci.VisibilityCulling = static_cast<T3DVisibilityCulling>(7);
    EXPECT_THAT([this] { RenderObjects(); },
                ThrowsMessage<EAssertionFailed>("Unknown visibility culling option"));
}

} // namespace
