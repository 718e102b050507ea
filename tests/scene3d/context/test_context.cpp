#include "scene3d/context/context.h"

#include <EGL/egl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "scene3d/context/contextmanager.h"
#include "scene3d/opengl/openglapi.h"
#include "tests/scene3d/context/contexttesting.h"

namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

using ContextActivation = ContextTest;

TEST_F(ContextActivation, NestsAndTheLastDeactivationLeavesNoContextCurrent)
{
    T3DContext& context = NewMemoryContext();
    context.Activate();
    context.Activate();
    EXPECT_EQ(CurrentContext(), &context);
    EXPECT_NE(eglGetCurrentContext(), EGL_NO_CONTEXT);

    context.Deactivate();
    EXPECT_EQ(CurrentContext(), &context);
    EXPECT_TRUE(context.Active());
    EXPECT_NE(eglGetCurrentContext(), EGL_NO_CONTEXT);

    context.Deactivate();
    EXPECT_EQ(CurrentContext(), nullptr);
    EXPECT_FALSE(context.Active());
    EXPECT_EQ(eglGetCurrentContext(), EGL_NO_CONTEXT);
}

TEST_F(ContextActivation, AnUnbalancedDeactivationChangesNothing)
{
    T3DContext& context = NewMemoryContext();
    T3DContext& other = NewMemoryContext();
    const auto deactivate = [&context] { context.Deactivate(); };

    // Never activated, with no context current and with another one current.
    EXPECT_THAT(deactivate, ThrowsMessage<E3DContext>(StrEq("Unbalanced context activations")));
    other.Activate();
    EXPECT_THAT(deactivate, ThrowsMessage<E3DContext>(StrEq("Unbalanced context activations")));
    EXPECT_EQ(CurrentContext(), &other);
    EXPECT_TRUE(other.Active());
    other.Deactivate();

    // One deactivation too many: the count stays at 0, so one activation
    // later one deactivation ends it.
    context.Activate();
    context.Activate();
    context.Deactivate();
    context.Deactivate();
    EXPECT_THAT(deactivate, ThrowsMessage<E3DContext>(StrEq("Unbalanced context activations")));
    context.Activate();
    context.Deactivate();
    EXPECT_FALSE(context.Active());
    EXPECT_EQ(CurrentContext(), nullptr);
}

TEST_F(ContextActivation, SetActiveActivatesOrDeactivatesUntilItHolds)
{
    T3DContext& context = NewMemoryContext();
    context.Activate();
    context.Activate();
    context.SetActive(false);
    EXPECT_FALSE(context.Active());
    EXPECT_EQ(CurrentContext(), nullptr);
    context.SetActive(true);
    EXPECT_EQ(CurrentContext(), &context);
    context.SetActive(true);
    context.Deactivate();
    EXPECT_EQ(CurrentContext(), nullptr);
}

struct TFormatSetter {
    const char* Property;
    std::function<void(T3DContext&)> Set;   // sets a value other than the default
    std::function<bool(const T3DContext&)> HasDefault;
};

TEST_F(ContextActivation, FormatPropertiesCannotChangeWhileActive)
{
    const TFormatSetter setters[] = {
        {"ColorBits", [](T3DContext& c) { c.SetColorBits(16); }, [](const T3DContext& c) { return c.ColorBits() == 32; }},
        {"AlphaBits", [](T3DContext& c) { c.SetAlphaBits(8); }, [](const T3DContext& c) { return c.AlphaBits() == 0; }},
        {"DepthBits", [](T3DContext& c) { c.SetDepthBits(24); }, [](const T3DContext& c) { return c.DepthBits() == 0; }},
        {"StencilBits", [](T3DContext& c) { c.SetStencilBits(8); },
         [](const T3DContext& c) { return c.StencilBits() == 0; }},
        {"AccumBits", [](T3DContext& c) { c.SetAccumBits(16); }, [](const T3DContext& c) { return c.AccumBits() == 0; }},
        {"AuxBuffers", [](T3DContext& c) { c.SetAuxBuffers(1); },
         [](const T3DContext& c) { return c.AuxBuffers() == 0; }},
        {"Options", [](T3DContext& c) { c.SetOptions({rcoDoubleBuffered}); },
         [](const T3DContext& c) { return c.Options().Empty(); }},
        {"AntiAliasing", [](T3DContext& c) { c.SetAntiAliasing(aa4x); },
         [](const T3DContext& c) { return c.AntiAliasing() == aaDefault; }},
    };
    T3DContext& context = NewMemoryContext();
    for (const TFormatSetter& setter : setters) {
        SCOPED_TRACE(setter.Property);
        context.Activate();
        EXPECT_THAT([&] { setter.Set(context); },
                    ThrowsMessage<E3DContext>(StrEq("Cannot alter an active context")));
        EXPECT_TRUE(setter.HasDefault(context));
        context.Deactivate();
        setter.Set(context);
        EXPECT_FALSE(setter.HasDefault(context));
    }
}

TEST_F(ContextActivation, CreationIsCheckedBeforeUse)
{
    T3DContext& created = NewMemoryContext();
    T3DContext& plain = NewContext();
    EXPECT_FALSE(plain.HasNativeContext());
    EXPECT_THAT([&] { created.CreateMemoryContext(0, Width, Height, 1); },
                ThrowsMessage<E3DContext>(StrEq("Context already created")));
    EXPECT_THAT([&] { plain.Activate(); }, ThrowsMessage<E3DContext>(StrEq("Context not created")));
    EXPECT_THAT([&] { plain.ShareLists(created); }, ThrowsMessage<E3DContext>(StrEq("Context not created")));
    EXPECT_THAT([&] { plain.DestroyContext(); }, ThrowsMessage<E3DContext>(StrEq("Context not created")));
    EXPECT_FALSE(plain.Active());

    created.DestroyContext();
    EXPECT_FALSE(created.HasNativeContext());
    EXPECT_THAT([&] { created.Activate(); }, ThrowsMessage<E3DContext>(StrEq("Context not created")));
    created.CreateMemoryContext(0, Width, Height, 1);
    EXPECT_NO_THROW(created.SetActive(true));
}

TEST_F(ContextActivation, DestroyingAContextGivesTheCurrentOneBackAsDeepAsItWas)
{
    T3DContext& current = NewMemoryContext();
    T3DContext& destroyed = NewMemoryContext();
    current.Activate();
    current.Activate();
    destroyed.DestroyContext();
    EXPECT_EQ(CurrentContext(), &current);
    current.Deactivate();
    EXPECT_EQ(CurrentContext(), &current);
    current.Deactivate();
    EXPECT_EQ(CurrentContext(), nullptr);

    // Destroying the current context itself leaves none current.
    current.Activate();
    current.DestroyContext();
    EXPECT_FALSE(current.Active());
    EXPECT_EQ(CurrentContext(), nullptr);
    EXPECT_EQ(eglGetCurrentContext(), EGL_NO_CONTEXT);
}

// A context of another window system: created in name only.
class TOtherSystemContext final : public T3DContext {
public:
    TOtherSystemContext() : T3DContext(ContextManager()->shared_from_this()) {}
    ~TOtherSystemContext() override { DestroyContextOnFree(); }
    bool HasNativeContext() const override { return FCreated; }
    void PresentBuffers() override {}
    TOutputDevice OutputDevice() const override { return 0; }

protected:
    void ActivateNative() override {}
    void DeactivateNative() override {}
    void CreateNativeContext(TOutputDevice) override { FCreated = true; }
    void CreateNativeMemoryContext(TOutputDevice, int, int, int) override { FCreated = true; }
    void ShareNativeLists(T3DContext&) override {}
    void DestroyNativeContext() override { FCreated = false; }

private:
    bool FCreated = false;
};

TEST_F(ContextActivation, SharesOnlyWithContextsOfItsOwnDisplay)
{
    T3DContext& context = NewMemoryContext();
    TOtherSystemContext other;
    other.CreateMemoryContext(0, Width, Height, 1);
    EXPECT_THAT([&] { context.ShareLists(other); }, ThrowsMessage<Exception>(StrEq("Incompatible contexts")));
    EXPECT_EQ(context.SharingGroup(), std::vector<T3DContext*>{&context});
    T3DContext& uncreated = NewContext();
    EXPECT_THAT([&] { context.ShareLists(uncreated); }, ThrowsMessage<Exception>(StrEq("Incompatible contexts")));
}

TEST_F(ContextActivation, MesaSoftwareRenderingCountsAsSoftware)
{
    T3DContext& context = NewContext();
    EXPECT_EQ(context.Acceleration(), T3DContextAcceleration::Unknown);
    context.CreateMemoryContext(0, Width, Height, 1);
    context.Activate();
    const std::string renderer = reinterpret_cast<const char*>(GL.glGetString(GL_RENDERER));
    context.Deactivate();
    const bool software = renderer.find("llvmpipe") != std::string::npos ||
                          renderer.find("softpipe") != std::string::npos;
    EXPECT_EQ(context.Acceleration(),
              software ? T3DContextAcceleration::Software : T3DContextAcceleration::Hardware)
        << renderer;
    context.DestroyContext();
    EXPECT_EQ(context.Acceleration(), T3DContextAcceleration::Unknown);
}

} // namespace
