// The order in which an object's children are drawn under each sorting mode.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "scene3d/scene/sceneroot.h"
#include "tests/scene3d/render/rendertesting.h"

namespace {

using ::testing::ThrowsMessage;
using ::testing::HasSubstr;

using Sorting = RenderTest;

struct TSortingCase {
    T3DObjectsSorting Mode;
    const char* Order;
};

// Seen from the camera at the origin: Near 2 away, Blend 8, Middle 4,
// Glass 6; Blend and Glass are blended; Hidden is not visible.
TEST_F(Sorting, ChildrenAreDrawnInTheOrderOfTheMode)
{
    const TSortingCase cases[] = {
        {osNone, "Near Blend Middle Glass"},
        {osRenderFarthestFirst, "Blend Glass Middle Near"},
        // The opaque ones at once in list order (Middle before Blend,
        // though it comes after it), then the blended farthest first.
        {osRenderBlendedLast, "Near Middle Blend Glass"},
        {osRenderNearestFirst, "Near Middle Glass Blend"},
    };
    T3DSceneRootObject* root = FScene->Objects();
    Drawn(root, "Near", {0, 0, -2});
    Drawn(root, "Blend", {0, 0, -8})->Blended = true;
    Drawn(root, "Hidden", {0, 0, -3})->SetVisible(false);
    Drawn(root, "Middle", {0, 4, 0});
    Drawn(root, "Glass", {6, 0, 0})->Blended = true;
    for (const TSortingCase& c : cases) {
        FRci.ObjectsSorting = c.Mode;
        RenderObjects();
        EXPECT_EQ(Drawing(), c.Order) << "mode " << c.Mode;
        EXPECT_EQ(FRci.ObjectsSorting, c.Mode);
    }
}

// The node's own mode holds for its children; the pass's comes back for
// the node's siblings.
TEST_F(Sorting, ANodeSortsItsChildrenItsOwnWay)
{
    T3DSceneRootObject* root = FScene->Objects();
    TDrawnObject* group = Drawn(root, "Group", {0, 0, -1});
    group->SetObjectsSorting(osNone);
    Drawn(group, "Near", {0, 0, -1});
    Drawn(group, "Far", {0, 0, -5});
    Drawn(root, "Close", {0, 0, -3});
    Drawn(root, "Away", {0, 0, -9});
    FRci.ObjectsSorting = osRenderFarthestFirst;
    RenderObjects();
    EXPECT_EQ(Drawing(), "Away Close Group Near Far");
}

// A single child is drawn without asking the sorting mode, which two
// children must have.
TEST_F(Sorting, OneChildSkipsSorting)
{
    T3DSceneRootObject* root = FScene->Objects();
    Drawn(root, "Only");
    FRci.ObjectsSorting = static_cast<T3DObjectsSorting>(9);
    RenderObjects();
    EXPECT_EQ(Drawing(), "Only");

    Drawn(root, "Second");
    EXPECT_THAT([this] { RenderObjects(); }, ThrowsMessage<EAssertionFailed>(HasSubstr("Assertion failure")));
    FRci.ObjectsSorting = osInherited;
    EXPECT_THROW(RenderObjects(), EAssertionFailed) << "inherited is no mode of a pass";
}

} // namespace
