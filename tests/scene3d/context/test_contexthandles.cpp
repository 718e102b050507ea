#include "scene3d/context/contexthandles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "scene3d/opengl/glerrors.h"
#include "scene3d/opengl/openglapi.h"
#include "tests/scene3d/context/contexttesting.h"

namespace {

using ::testing::ElementsAre;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

using ContextHandles = ContextTest;

TEST_F(ContextHandles, AListAndATextureLiveAsLongAsTheirSharingGroup)
{
    // Two formats: sharing does not depend on them.
    T3DContext& first = NewMemoryContext([](T3DContext& c) { c.SetDepthBits(24); });
    T3DContext& second = NewMemoryContext([](T3DContext& c) { c.SetColorBits(16); });
    first.ShareLists(second);
    EXPECT_THAT(first.SharingGroup(), ElementsAre(&first, &second));
    EXPECT_THAT(second.SharingGroup(), ElementsAre(&first, &second));

    T3DListHandle list;
    T3DTextureHandle texture;
    first.Activate();
    list.AllocateHandle();
    GL.glNewList(list.Handle(), GL_COMPILE);
    GL.glEndList();
    texture.AllocateHandle();
    GL.glBindTexture(GL_TEXTURE_2D, texture.Handle());
    first.Deactivate();
    const GLuint listName = list.Handle();
    const GLuint textureName = texture.Handle();
    ASSERT_NE(listName, 0u);
    ASSERT_NE(textureName, 0u);
    EXPECT_EQ(list.RenderingContext(), &first);

    first.DestroyContext();
    EXPECT_EQ(list.RenderingContext(), &second);
    EXPECT_EQ(texture.RenderingContext(), &second);
    EXPECT_THAT(second.SharingGroup(), ElementsAre(&second));
    second.Activate();
    EXPECT_TRUE(GL.glIsList(listName));
    EXPECT_TRUE(GL.glIsTexture(textureName));
    second.Deactivate();

    second.DestroyContext();
    EXPECT_EQ(list.Handle(), 0u);
    EXPECT_EQ(list.RenderingContext(), nullptr);
    EXPECT_EQ(texture.Handle(), 0u);
    EXPECT_EQ(texture.RenderingContext(), nullptr);

    // Every context of the display shares with one root context, so only
    // freeing them with the group's last member makes them go.
    T3DContext& later = NewMemoryContext();
    later.Activate();
    EXPECT_FALSE(GL.glIsList(listName));
    EXPECT_FALSE(GL.glIsTexture(textureName));
    later.Deactivate();
}

TEST_F(ContextHandles, AHandleFreedBeforeItsContextLeavesTheContextsList)
{
    T3DContext& context = NewMemoryContext();
    int destroyed = 0;
    auto handle = std::make_unique<T3DVirtualHandle>();
    handle->SetOnAllocate([](TObject*, GLuint& Handle) { Handle = 7; });
    handle->SetOnDestroy([&destroyed](TObject*, GLuint& Handle) { destroyed += static_cast<int>(Handle); });
    context.Activate();
    handle->AllocateHandle();
    handle.reset();
    EXPECT_EQ(destroyed, 7);
    context.Deactivate();
    context.DestroyContext();   // no handle left to free
    EXPECT_EQ(destroyed, 7);
}

TEST_F(ContextHandles, AVirtualHandleWithoutAnAllocatorGetsNoOwner)
{
    T3DContext& context = NewMemoryContext();
    T3DVirtualHandle handle;
    EXPECT_THAT([&] { handle.AllocateHandle(); }, ThrowsMessage<EAssertionFailed>(StrEq("Assertion failure")));
    context.Activate();
    handle.AllocateHandle();
    EXPECT_EQ(handle.Handle(), 0u);
    EXPECT_EQ(handle.RenderingContext(), nullptr);
    context.Deactivate();
}

TEST_F(ContextHandles, FreeingTheLastContextHandsAFailingHandleToTheApplication)
{
    auto context = ContextManager()->CreateContext();
    context->CreateMemoryContext(0, Width, Height, 1);
    T3DVirtualHandle failing;
    failing.SetOnAllocate([](TObject*, GLuint& Handle) { Handle = 3; });
    failing.SetOnDestroy([](TObject*, GLuint&) { throw Exception("program object lost"); });
    T3DListHandle list;
    context->Activate();
    failing.AllocateHandle();
    list.AllocateHandle();
    context->Deactivate();

    const TApplicationExceptions caught;
    EXPECT_NO_THROW(context.reset());
    EXPECT_THAT(caught.Messages(), ElementsAre("program object lost"));
    EXPECT_EQ(failing.Handle(), 0u);
    EXPECT_EQ(list.Handle(), 0u);
    EXPECT_EQ(ContextManager()->CreatedCount(), 0);
    EXPECT_EQ(CurrentContext(), nullptr);
}

// A virtual handle of the owner context, freed while another context is
// current two activations deep.
class HandleOfAnotherContext : public ContextTest {
protected:
    void SetUp() override
    {
        FOwner = &NewMemoryContext();
        FCurrent = &NewMemoryContext();
        FHandle = std::make_unique<T3DVirtualHandle>();
        FHandle->SetOnAllocate([](TObject*, GLuint& Handle) { Handle = 42; });
        FOwner->Activate();
        FHandle->AllocateHandle();
        FOwner->Deactivate();
        FCurrent->Activate();
        FCurrent->Activate();
    }
    // Whether the current context is back as deep as before.
    void ExpectCurrentRestored()
    {
        EXPECT_EQ(CurrentContext(), FCurrent);
        EXPECT_FALSE(FOwner->Active());
        FCurrent->Deactivate();
        EXPECT_EQ(CurrentContext(), FCurrent);
        FCurrent->Deactivate();
        EXPECT_EQ(CurrentContext(), nullptr);
    }

    T3DContext* FOwner = nullptr;
    T3DContext* FCurrent = nullptr;
    std::unique_ptr<T3DVirtualHandle> FHandle;
};

TEST_F(HandleOfAnotherContext, IsFreedWithItsOwnerCurrent)
{
    const T3DContext* currentWhileFreed = nullptr;
    FHandle->SetOnDestroy([&](TObject*, GLuint& Handle) {
        EXPECT_EQ(Handle, 42u);
        currentWhileFreed = CurrentContext();
    });
    FHandle->DestroyHandle();
    EXPECT_EQ(currentWhileFreed, FOwner);
    EXPECT_EQ(FHandle->Handle(), 0u);
    EXPECT_EQ(FHandle->RenderingContext(), nullptr);
    ExpectCurrentRestored();
}

TEST_F(HandleOfAnotherContext, GivesTheCurrentContextBackWhenFreeingFails)
{
    FHandle->SetOnDestroy([](TObject*, GLuint&) { throw Exception("shader still in use"); });
    EXPECT_THAT([&] { FHandle->DestroyHandle(); }, ThrowsMessage<Exception>(StrEq("shader still in use")));
    EXPECT_EQ(FHandle->Handle(), 0u);
    EXPECT_EQ(FHandle->RenderingContext(), nullptr);
    ExpectCurrentRestored();
}

TEST_F(HandleOfAnotherContext, FreedWithTheObjectHandsTheFailureToTheApplication)
{
    FHandle->SetOnDestroy([](TObject*, GLuint&) { throw Exception("shader still in use"); });
    const TApplicationExceptions caught;
    EXPECT_NO_THROW(FHandle.reset());
    EXPECT_THAT(caught.Messages(), ElementsAre("shader still in use"));
    ExpectCurrentRestored();
}

TEST_F(HandleOfAnotherContext, ItsGLErrorIsRaisedAsOpenGLError)
{
    FHandle->SetOnDestroy([](TObject*, GLuint&) { GL.glEnable(0x7FFF); });
    EXPECT_THROW(FHandle->DestroyHandle(), EOpenGLError);
    ExpectCurrentRestored();
}

} // namespace
