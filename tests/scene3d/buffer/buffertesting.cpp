#include "tests/scene3d/buffer/buffertesting.h"

#include "scene3d/opengl/multitexgl.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/scene/sceneroot.h"

std::unique_ptr<T3DSceneBuffer> NewMemoryBuffer(TComponent* Owner, T3DCamera* Camera)
{
    auto buffer = std::make_unique<T3DSceneBuffer>(Owner);
    buffer->SetContextOptions({roNoSwapBuffers});
    buffer->Resize(BufferSize, BufferSize);
    buffer->CreateContext(0, true, 1);
    buffer->SetCamera(Camera);
    return buffer;
}

void BufferTest::SetUp()
{
    FCamera = FScene->Cameras()->CreateChild<T3DCamera>();
    FCamera->SetName("Camera");
    FBuffer = NewMemoryBuffer(FOwner.get(), FCamera);
}

void BufferTest::TearDown()
{
    EXPECT_FALSE(FBuffer->Rendering());
    EXPECT_EQ(CurrentContext(), nullptr) << "every activation undone";
    FBuffer.reset();
    FOwner.reset();
    // A frame routes texture coordinates to the main unit; the next test
    // starts as the process did.
    SetTexCoordNull();
}

TDrawnObject* BufferTest::Square(const std::string& Name, float Z, TVector Colour, T3DBaseSceneObject* Parent)
{
    auto* object = (Parent ? Parent : FScene->Objects())->CreateChild<TDrawnObject>();
    object->SetName(Name);
    object->Position()->AssignPoint(0, 0, Z);
    object->Colour = Colour;
    object->Log = &FLog;
    return object;
}

std::vector<TRGBA> BufferTest::Frame(T3DSceneBuffer* Buffer)
{
    T3DContext& context = *(Buffer ? Buffer : FBuffer.get())->RenderingContext();
    std::vector<TRGBA> pixels(Size * Size);
    context.Activate();
    GL.glReadPixels(0, 0, Size, Size, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    context.Deactivate();
    return pixels;
}
