// The scene viewer on a form shown on an X server of its own: the frames
// it draws are read back from the X server's copy of its window.
#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"
#include "platform/ui/x11display.h"
#include "scene3d/buffer/scenebuffer.h"
#include "scene3d/cadencer/cadencer.h"
#include "scene3d/context/contextmanager.h"
#include "scene3d/context/eglcontext.h"
#include "scene3d/scene/camera.h"
#include "scene3d/scene/scene.h"
#include "scene3d/utils/wincolors.h"
#include "scene3d/viewer/sceneviewer.h"
#include "tests/scene3d/render/rendertesting.h"
#include "tests/scene3d/context/x11/x11windows.h"
#include "tests/support/waitingloop.h"

namespace {

constexpr unsigned long ShownRed = 0xFF0000, ShownBlue = 0x0000FF, ShownGreen = 0x00FF00;

// Notes the size messages it gets.
class TSizeNotingViewer : public T3DSceneViewer {
public:
    using T3DSceneViewer::T3DSceneViewer;
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_SIZE)
            SizeMessages.push_back(Message.LParam);
        T3DSceneViewer::Dispatch(Message);
    }
    std::vector<LPARAM> SizeMessages;
};

// A 64 x 64 viewer on a shown form looks through a camera at the origin at
// a red unit square 10 units away, on blue, lighting off; its frames are
// counted.
class SceneViewerOnX11 : public ::testing::Test {
protected:
    static constexpr int Size = 64;
    static constexpr int ViewerLeft = 20;
    static constexpr int ViewerTop = 30;

    void SetUp() override
    {
        FConnection = X11Display();
        ASSERT_NE(FConnection, nullptr) << "Qt does not run on xcb";
        FForm = std::make_unique<TForm>(nullptr);
        FForm->SetBounds(0, 0, 160, 160);
        FViewer = new TSizeNotingViewer(FForm.get());
        FViewer->SetParent(FForm.get());
        FViewer->SetBounds(ViewerLeft, ViewerTop, Size, Size);
        FScene = new T3DScene(FForm.get());
        FSquare = FScene->Objects()->CreateChild<TDrawnObject>();
        FSquare->Position()->AssignPoint(0, 0, -10);
        FSquare->Colour = {1, 0, 0, 1};
        FViewer->Buffer()->SetLighting(false);
        FViewer->Buffer()->SetBackgroundColor(PackRGB(0, 0, 255));
        FViewer->SetCamera(FScene->Cameras()->CreateChild<T3DCamera>());
        FViewer->SetAfterRender([this](TObject*) { ++FFrames; });
        FForm->Show();
        WaitUntilViewable(FConnection, Window());
        Settle();
    }

    void TearDown() override
    {
        FForm.reset();
        TApplication::SetMessageBoxHook({});
    }

    std::uintptr_t Window() { return FViewer->Handle(); }

    // Runs the loop until it has drawn no frame for a while.
    void Settle()
    {
        int quiet = 0;
        int last = -1;
        for (int i = 0; i < 2000 && quiet < 30; ++i) {
            QCoreApplication::processEvents();
            SyncXServer(FConnection);
            quiet = FFrames == last ? quiet + 1 : 0;
            last = FFrames;
        }
    }

    // The colour the X server shows at the viewer's pixel.
    unsigned long Shown(int X, int Y) { return PixelOf(FConnection, Window(), X, Y); }
    void ExpectTheSceneShown(unsigned long Background)
    {
        EXPECT_EQ(Shown(Size / 2, Size / 2), ShownRed);
        EXPECT_EQ(Shown(1, 1), Background);
        EXPECT_EQ(Shown(Size - 2, Size - 2), Background);
    }

    void* FConnection = nullptr;
    std::unique_ptr<TForm> FForm;
    TSizeNotingViewer* FViewer = nullptr;
    T3DScene* FScene = nullptr;
    TDrawnObject* FSquare = nullptr;
    int FFrames = 0;
};

TEST_F(SceneViewerOnX11, TheFrameAppearsInTheViewersXWindow)
{
    ASSERT_TRUE(FViewer->OpenGLAvailable());
    EXPECT_GT(FFrames, 0);
    ExpectTheSceneShown(ShownBlue);
    ASSERT_TRUE(FViewer->Buffer()->HasContext());
    EXPECT_EQ(FViewer->Buffer()->RenderingContext()->OutputDevice(), FViewer->Handle());
    EXPECT_NE(FViewer->Handle(), static_cast<std::uintptr_t>(FForm->Widget()->winId()));
}

TEST_F(SceneViewerOnX11, ABackgroundColourChangeRepaintsOnce)
{
    struct TColourCase {
        const char* Name;
        TColor Colour;
        int Frames;
        unsigned long Shown;
    };
    const TColourCase cases[] = {
        {"a new colour", PackRGB(0, 255, 0), 1, ShownGreen},
        {"the same colour again", PackRGB(0, 255, 0), 0, ShownGreen},
        {"back to blue", PackRGB(0, 0, 255), 1, ShownBlue},
    };
    for (const TColourCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const int before = FFrames;
        FViewer->Buffer()->SetBackgroundColor(c.Colour);
        Settle();
        EXPECT_EQ(FFrames - before, c.Frames);
        ExpectTheSceneShown(c.Shown);
    }
}

// The new context, made with the new format, draws into the same window.
TEST_F(SceneViewerOnX11, AnAntiAliasingChangeRemakesTheContextOnTheSameWindow)
{
    const std::uintptr_t window = FViewer->Handle();
    ASSERT_EQ(FViewer->Buffer()->RenderingContext()->AntiAliasing(), aaDefault);
    const int before = FFrames;
    FViewer->Buffer()->SetAntiAliasing(aa4x);
    Settle();
    EXPECT_GT(FFrames, before);
    ASSERT_TRUE(FViewer->Buffer()->HasContext());
    EXPECT_EQ(FViewer->Buffer()->RenderingContext()->AntiAliasing(), aa4x);
    EXPECT_EQ(FViewer->Buffer()->RenderingContext()->OutputDevice(), window);
    EXPECT_EQ(FViewer->Handle(), window);
    ExpectTheSceneShown(ShownBlue);
}

// A move without resizing brings one size message of the same size at the
// next paint, and no more at the paints after it.
TEST_F(SceneViewerOnX11, AMoveBringsOneSizeMessageAtTheNextPaint)
{
    struct TMoveCase {
        const char* Name;
        std::function<void(TForm&, T3DSceneViewer&)> Move;
    };
    const TMoveCase cases[] = {
        {"the viewer in its form", [](TForm&, T3DSceneViewer& Viewer) { Viewer.SetLeft(Viewer.Left() + 7); }},
        {"the form on the screen", [](TForm& Form, T3DSceneViewer&) { Form.SetTop(Form.Top() + 11); }},
    };
    for (const TMoveCase& c : cases) {
        SCOPED_TRACE(c.Name);
        FViewer->SizeMessages.clear();
        c.Move(*FForm, *FViewer);
        Settle();
        FViewer->Repaint();
        Settle();
        EXPECT_EQ(FViewer->SizeMessages, std::vector<LPARAM>{MakeLParam(Size, Size)});
        FViewer->Repaint();
        Settle();
        EXPECT_EQ(FViewer->SizeMessages.size(), 1u);
        EXPECT_EQ(FViewer->Buffer()->Viewport().Width, Size);
        EXPECT_EQ(FViewer->Buffer()->Viewport().Height, Size);
        ExpectTheSceneShown(ShownBlue);
    }
}

TEST_F(SceneViewerOnX11, AViewerOfWidthZeroPaintsNothing)
{
    FViewer->SetWidth(0);
    Settle();
    const int before = FFrames;
    EXPECT_NO_THROW(FViewer->Perform(WM_PAINT));
    EXPECT_EQ(FFrames, before);
}

// EGL cannot tell the interval in force: the context keeps the last one
// the viewer set before a frame.
TEST_F(SceneViewerOnX11, VSyncSetsTheSwapIntervalBeforeTheFrame)
{
    auto& context = dynamic_cast<T3DEGLContext&>(*FViewer->Buffer()->RenderingContext());
    EXPECT_EQ(context.SwapInterval(), 0);
    FViewer->SetVSync(vsmSync);
    FViewer->Repaint();
    Settle();
    EXPECT_EQ(context.SwapInterval(), 1);
    ExpectTheSceneShown(ShownBlue);
}

// The cadencer moves the square every tick, each move repaints; one frame
// raises: its error is shown once and the ticks and frames go on.
TEST_F(SceneViewerOnX11, AFrameThatRaisesWhileTheCadencerRunsIsShownOnce)
{
    std::vector<std::string> shown;
    TApplication::SetMessageBoxHook([&shown](const std::string& Text, const std::string&, unsigned) {
        shown.push_back(Text);
        return IDOK;
    });
    auto* cadencer = new T3DCadencer(FForm.get());
    int ticks = 0;
    cadencer->SetOnProgress([&](TObject*, double, double) {
        ++ticks;
        FSquare->Position()->SetX(ticks % 2 ? 0.01f : 0);
    });
    int passes = 0;
    FViewer->SetPostRender([&](TObject*) {
        if (++passes == 3)
            throw Exception("Кадр не удался");
    });
    const int before = FFrames;
    cadencer->SetScene(FScene);
    EXPECT_TRUE(RunWaitingLoopUntil([&] { return FFrames >= before + 10; }));
    EXPECT_EQ(shown, std::vector<std::string>{"Кадр не удался"});
    EXPECT_TRUE(cadencer->Enabled());
    EXPECT_GT(ticks, 10);
    ExpectTheSceneShown(ShownBlue);
}

TEST_F(SceneViewerOnX11, TheContextGoesWithTheForm)
{
    EXPECT_GT(ContextManager()->CreatedCount(), 0);
    FForm.reset();
    EXPECT_EQ(ContextManager()->CreatedCount(), 0);
}

// A viewer read from a stored description has its window and context as
// soon as the form is loaded, before it is shown.
TEST(SceneViewerLoaded, MakesItsWindowAndContextAtOnce)
{
    TForm form(nullptr);
    TReader reader("object ViewerForm: TForm\n"
                   "  Width = 120\n"
                   "  Height = 100\n"
                   "  object StoredViewer: T3DSceneViewer\n"
                   "    Left = 4\n"
                   "    Top = 4\n"
                   "    Width = 50\n"
                   "    Height = 40\n"
                   "    Buffer.BackgroundColor = clBlack\n"
                   "    Buffer.DepthTest = False\n"
                   "    VSync = vsmSync\n"
                   "  end\n"
                   "end\n",
                   "ViewerForm");
    reader.ReadRootComponent(form);
    auto* viewer = dynamic_cast<T3DSceneViewer*>(form.FindComponent("StoredViewer"));
    ASSERT_NE(viewer, nullptr);
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(viewer->HandleAllocated());
    ASSERT_TRUE(viewer->Buffer()->HasContext());
    EXPECT_EQ(viewer->Buffer()->Viewport().Width, 50);
    EXPECT_EQ(viewer->Buffer()->Viewport().Height, 40);
    EXPECT_EQ(viewer->Buffer()->BackgroundColor(), clBlack);
    EXPECT_FALSE(viewer->Buffer()->DepthTest());
    EXPECT_EQ(viewer->VSync(), vsmSync);
}

} // namespace
