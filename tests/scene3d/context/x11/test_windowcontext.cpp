// Qt and the engine first: Xlib's macros (None, Bool, Status) would break
// their headers.
#include <QCoreApplication>
#include <QWidget>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/gl/egldisplay.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/x11display.h"
#include "scene3d/context/contexthandles.h"
#include "scene3d/context/contextmanager.h"
#include "scene3d/context/eglcontext.h"
#include "scene3d/opengl/openglapi.h"
#include "tests/scene3d/context/x11/x11windows.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

using ::testing::StartsWith;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

constexpr int Size = 64;

bool XErrorSeen = false;

int NoteXError(Display*, XErrorEvent*)
{
    XErrorSeen = true;
    return 0;
}

// Whether the X server still has the window.
bool WindowExists(Display* Connection, Window Id)
{
    XSync(Connection, False);
    XErrorSeen = false;
    const XErrorHandler previous = XSetErrorHandler(NoteXError);
    XWindowAttributes attributes;
    const bool answered = XGetWindowAttributes(Connection, Id, &attributes) != 0;
    XSync(Connection, False);
    XSetErrorHandler(previous);
    return answered && !XErrorSeen;
}

class WindowContext : public ::testing::Test {
protected:
    void SetUp() override
    {
        FConnection = X11Display();
        ASSERT_NE(FConnection, nullptr) << "Qt does not run on xcb";
    }
    void TearDown() override
    {
        FContexts.clear();
        for (const Window window : FWindows)
            XDestroyWindow(FConnection, window);
        XSync(FConnection, False);
    }

    // A mapped top-level X window made with Xlib, no Qt in it.
    Window NewPlainWindow()
    {
        const Window window = XCreateSimpleWindow(FConnection, DefaultRootWindow(FConnection), 0, 0, Size, Size, 0,
                                                  BlackPixel(FConnection, 0), BlackPixel(FConnection, 0));
        FWindows.push_back(window);
        XMapWindow(FConnection, window);
        WaitUntilViewable(FConnection, window);
        return window;
    }
    T3DEGLContext& NewContext(const std::function<void(T3DContext&)>& Format = {})
    {
        FContexts.push_back(ContextManager()->CreateContext());
        if (Format)
            Format(*FContexts.back());
        return dynamic_cast<T3DEGLContext&>(*FContexts.back());
    }
    // Clears the current context's colour buffer to the colour.
    static void Clear(float Red, float Green, float Blue)
    {
        GL.glClearColor(Red, Green, Blue, 1);
        GL.glClear(GL_COLOR_BUFFER_BIT);
    }

    Display* FConnection = nullptr;
    std::vector<Window> FWindows;
    std::vector<std::unique_ptr<T3DContext>> FContexts;
};

TEST_F(WindowContext, DrawsIntoAPlainX11WindowAndShowsTheFrameOnPresent)
{
    const Window window = NewPlainWindow();
    T3DEGLContext& context = NewContext([](T3DContext& c) {
        c.SetOptions({rcoDoubleBuffered});
        c.SetDepthBits(24);
    });
    context.CreateContext(window);
    EXPECT_EQ(context.OutputDevice(), window);
    EXPECT_EQ(context.Display(), X11EGLDisplay(FConnection));

    XWindowAttributes attributes;
    ASSERT_TRUE(XGetWindowAttributes(FConnection, window, &attributes));
    EGLint visual = 0;
    eglGetConfigAttrib(context.Display(), context.Config(), EGL_NATIVE_VISUAL_ID, &visual);
    EXPECT_EQ(static_cast<VisualID>(visual), XVisualIDFromVisual(attributes.visual));

    context.Activate();
    GLint depth = 0;
    GL.glGetIntegerv(GL_DEPTH_BITS, &depth);
    EXPECT_EQ(depth, 24);
    Clear(1, 0, 0);
    context.PresentBuffers();
    GL.glFinish();
    context.Deactivate();
    XSync(FConnection, False);
    EXPECT_EQ(PixelOf(FConnection, window, Size / 2, Size / 2), 0xFF0000ul);

    // The back buffer shows only when presented.
    context.Activate();
    Clear(0, 0, 1);
    GL.glFinish();
    XSync(FConnection, False);
    EXPECT_EQ(PixelOf(FConnection, window, Size / 2, Size / 2), 0xFF0000ul);
    context.PresentBuffers();
    context.Deactivate();
    XSync(FConnection, False);
    EXPECT_EQ(PixelOf(FConnection, window, Size / 2, Size / 2), 0x0000FFul);
}

TEST_F(WindowContext, SomethingThatIsNoWindowFailsAsTheSystemWould)
{
    T3DEGLContext& context = NewContext();
    EXPECT_THAT([&] { context.CreateContext(0); }, ThrowsMessage<EOSError>(StrEq("OS Error : 0x0 is no X11 window")));
    const Window gone = NewPlainWindow();
    XDestroyWindow(FConnection, gone);
    FWindows.clear();
    EXPECT_THAT([&] { context.CreateContext(gone); }, ThrowsMessage<EOSError>(StartsWith("OS Error : 0x")));
    EXPECT_FALSE(context.HasNativeContext());
    EXPECT_EQ(ContextManager()->CreatedCount(), 0);
}

TEST_F(WindowContext, MemoryAndWindowContextsOfTheApplicationsDisplayShareTextures)
{
    const Window window = NewPlainWindow();
    T3DEGLContext& onWindow = NewContext();
    onWindow.CreateContext(window);
    T3DEGLContext& offScreen = NewContext([](T3DContext& c) { c.SetColorBits(24); });
    offScreen.CreateMemoryContext(0, Size, Size, 1);
    EXPECT_EQ(offScreen.Display(), onWindow.Display());
    EXPECT_EQ(offScreen.OutputDevice(), 0u);
    onWindow.ShareLists(offScreen);

    T3DTextureHandle texture;
    offScreen.Activate();
    texture.AllocateHandle();
    GL.glBindTexture(GL_TEXTURE_2D, texture.Handle());
    Clear(0, 1, 0);
    GLubyte pixel[4] = {};
    GL.glReadPixels(Size / 2, Size / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    offScreen.Deactivate();
    EXPECT_EQ(pixel[1], 255);
    EXPECT_EQ(pixel[0], 0);

    onWindow.Activate();
    EXPECT_TRUE(GL.glIsTexture(texture.Handle()));
    onWindow.Deactivate();
}

// A context on a window inside a Qt window that is freed: the hook destroys
// the context while its window still exists.
struct THookCase {
    const char* Name;
    // Makes the window to draw into inside the shown parent.
    std::function<Window(QWidget& Parent, Display* Connection)> MakeWindow;
};

TEST_F(WindowContext, FreeingTheParentWidgetDestroysTheContextBeforeItsWindowGoes)
{
    const THookCase cases[] = {
        {"a native child widget",
         [](QWidget& Parent, Display*) {
             auto* child = new QWidget(&Parent);
             child->setGeometry(0, 0, Size / 2, Size / 2);
             child->setAttribute(Qt::WA_NativeWindow);
             child->show();
             return static_cast<Window>(child->winId());
         }},
        {"an X window Qt does not know",
         [](QWidget& Parent, Display* Connection) {
             const Window window = XCreateSimpleWindow(Connection, static_cast<Window>(Parent.winId()), 0, 0,
                                                       Size / 2, Size / 2, 0, 0, 0);
             XMapWindow(Connection, window);
             return window;
         }},
    };
    for (const THookCase& c : cases) {
        SCOPED_TRACE(c.Name);
        auto parent = std::make_unique<QWidget>();
        parent->resize(Size, Size);
        parent->show();
        const Window window = c.MakeWindow(*parent, FConnection);
        WaitUntilViewable(FConnection, window);

        T3DEGLContext& context = NewContext();
        context.CreateContext(window);
        bool existedWhenDestroyed = false;
        ContextManager()->QueueNotification(
            [&] { existedWhenDestroyed = WindowExists(FConnection, window); });
        parent.reset();
        XSync(FConnection, False);
        EXPECT_FALSE(context.HasNativeContext());
        EXPECT_TRUE(existedWhenDestroyed);
        EXPECT_FALSE(WindowExists(FConnection, window));
    }
}

} // namespace
