// Objects named for OpenGL selection while a pass picks.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/selectionnames.h"
#include "scene3d/scene/sceneroot.h"
#include "tests/scene3d/render/rendertesting.h"

namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

class Picking : public RenderTest {
protected:
    // The name stacks of the hits of a selection pass over the objects.
    std::vector<std::vector<GLuint>> SelectionPass()
    {
        std::vector<GLuint> buffer(1024);
        GL.glSelectBuffer(static_cast<GLsizei>(buffer.size()), buffer.data());
        GL.glRenderMode(GL_SELECT);
        GL.glInitNames();
        GL.glPushName(0);
        FNames.Clear();
        FRci.SelectionNames = &FNames;
        FRci.DrawState = rmPicking;
        RenderObjects();
        GL.glPopName();
        const GLint hits = GL.glRenderMode(GL_RENDER);
        std::vector<std::vector<GLuint>> stacks;
        std::size_t at = 0;
        for (GLint i = 0; i < hits; ++i) {
            const GLuint count = buffer[at];
            stacks.emplace_back(buffer.begin() + static_cast<std::ptrdiff_t>(at + 3),
                                buffer.begin() + static_cast<std::ptrdiff_t>(at + 3 + count));
            at += 3 + count;
        }
        return stacks;
    }

    T3DSelectionNames FNames;
};

TEST_F(Picking, EachDrawnObjectIsHitUnderItsOwnName)
{
    T3DSceneRootObject* root = FScene->Objects();
    TDrawnObject* front = Drawn(root, "Front", {0, 0, -10});
    TDrawnObject* back = Drawn(root, "Back", {0, 0, -20}, true);
    Drawn(root, "Hidden", {0, 0, -15})->SetVisible(false);
    Drawn(root, "Aside", {10, 0, -20});
    std::vector<T3DBaseSceneObject*> hit;
    for (const std::vector<GLuint>& stack : SelectionPass()) {
        ASSERT_EQ(stack.size(), 1u) << "each name replaces the one before";
        hit.push_back(FNames.ObjectOf(stack[0]));
    }
    EXPECT_THAT(hit, UnorderedElementsAre(front, back));
}

// While names are pushed, a hit carries the names of the objects it was
// drawn within.
TEST_F(Picking, PushedNamesNestAsTheObjects)
{
    TDrawnObject* group = Drawn(FScene->Objects(), "Group", {0, 0, -40});
    TDrawnObject* part = Drawn(group, "Part", {0, 0, 20});
    FRci.PushNames = true;
    std::vector<std::vector<T3DBaseSceneObject*>> hits;
    for (const std::vector<GLuint>& stack : SelectionPass()) {
        hits.emplace_back();
        for (const GLuint name : stack)
            hits.back().push_back(FNames.ObjectOf(name));
    }
    T3DBaseSceneObject* root = FScene->Objects();
    EXPECT_THAT(hits, ElementsAre(ElementsAre(nullptr, root, group), ElementsAre(nullptr, root, group, part)));
}

TEST_F(Picking, NameZeroAndNamesBeyondTheTableAreNoObject)
{
    T3DSelectionNames names;
    TDrawnObject* first = Drawn(FScene->Objects(), "First");
    TDrawnObject* second = Drawn(FScene->Objects(), "Second");
    EXPECT_EQ(names.NameOf(first), 1u);
    EXPECT_EQ(names.NameOf(second), 2u);
    EXPECT_EQ(names.ObjectOf(1), first);
    EXPECT_EQ(names.ObjectOf(2), second);
    EXPECT_EQ(names.ObjectOf(0), nullptr);
    EXPECT_EQ(names.ObjectOf(3), nullptr);
    names.Clear();
    EXPECT_EQ(names.ObjectOf(1), nullptr);
    EXPECT_EQ(names.NameOf(second), 1u);
}

} // namespace
