#include "tests/scene3d/render/rendertesting.h"

#include <QImage>

#include "platform/rtl/classbuilder.h"
#include "scene3d/context/contextmanager.h"
#include "scene3d/geometry/vectorgeometry.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/scene/sceneroot.h"

LT_IMPLEMENT_CLASS(TDrawnObject, T3DBaseSceneObject) {}

namespace {

TMatrix CurrentMatrix(GLenum Name)
{
    TMatrix matrix;
    GL.glGetFloatv(Name, &matrix[0].X);
    return matrix;
}

GLint Integer(GLenum Name)
{
    GLint value = -1;
    GL.glGetIntegerv(Name, &value);
    return value;
}

} // namespace

void TDrawnObject::CompileList(TRenderContextInfo& Rci)
{
    if (Log)
        Log->push_back(Name());
    if (OnBuild)
        OnBuild(Rci);
    GL.glColor4fv(&Colour.X);
    GL.glBegin(GL_QUADS);
    GL.glVertex3f(-0.5f, -0.5f, 0);
    GL.glVertex3f(0.5f, -0.5f, 0);
    GL.glVertex3f(0.5f, 0.5f, 0);
    GL.glVertex3f(-0.5f, 0.5f, 0);
    GL.glEnd();
}

void RenderTest::SetUp()
{
    FContext = ContextManager()->CreateContext();
    FContext->SetDepthBits(24);
    FContext->CreateMemoryContext(0, Size, Size, 1);
    FContext->Activate();
    GL.glViewport(0, 0, Size, Size);
    GL.glClearColor(0, 0, 0, 1);
    GL.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    FCamera = FScene->Cameras()->CreateChild<T3DCamera>();
    FCamera->SetName("Camera");
    FScene->SetCurrentCamera(FCamera);
    FRci.Scene = FScene;
    FRci.StateCache = &FCache;
    FRci.ObjectsSorting = FScene->ObjectsSorting();
    FRci.VisibilityCulling = FScene->VisibilityCulling();
    LookThroughCamera();
}

void RenderTest::TearDown()
{
    EXPECT_EQ(GL.glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_EQ(Integer(GL_MODELVIEW_STACK_DEPTH), 1);
    EXPECT_EQ(Integer(GL_NAME_STACK_DEPTH), 0);
    FOwner.reset();
    FContext->Deactivate();
    FContext.reset();
}

TDrawnObject* RenderTest::Drawn(T3DBaseSceneObject* Parent, const std::string& Name, TAffineVector Position,
                                bool Listed)
{
    auto* object = Parent->CreateChild<TDrawnObject>();
    object->SetName(Name);
    object->Position()->AssignPoint(Position.X, Position.Y, Position.Z);
    object->Log = &FLog;
    if (!Listed)
        object->SetStyle({sfDirectDraw});
    return object;
}

void RenderTest::LookThroughCamera()
{
    GL.glMatrixMode(GL_PROJECTION);
    GL.glLoadIdentity();
    FCamera->ApplyPerspective({0, 0, Size, Size}, Size, Size, 96);
    GL.glMatrixMode(GL_MODELVIEW);
    GL.glLoadIdentity();
    FCamera->ApplyView();
    FRci.CameraPosition = FCamera->AbsolutePosition();
    FRci.Frustum = ExtractFrustumFromModelViewProjection(
        MatrixMultiply(CurrentMatrix(GL_MODELVIEW_MATRIX), CurrentMatrix(GL_PROJECTION_MATRIX)));
}

std::vector<TRGBA> RenderTest::Frame()
{
    std::vector<TRGBA> pixels(Size * Size);
    GL.glReadPixels(0, 0, Size, Size, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

void SaveFrame(const std::vector<TRGBA>& Pixels, const char* FileName)
{
    QImage image(reinterpret_cast<const uchar*>(Pixels.data()), FrameSide, FrameSide, FrameSide * 4,
                 QImage::Format_RGBA8888);
    image.mirrored().save(FileName);
}

std::string RenderTest::Drawing()
{
    std::string names;
    for (const std::string& name : FLog)
        names += (names.empty() ? "" : " ") + name;
    FLog.clear();
    return names;
}
