// The selection passes of a scene buffer: the scene drawn in OpenGL's
// selection mode through a pick matrix around a rectangle, and the hit
// records turned into a pick list.
#include <GL/gl.h>

#include <climits>
#include <vector>

#include "scene3d/base/engineassert.h"
#include "scene3d/buffer/scenebuffer.h"
#include "scene3d/opengl/multitexgl.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/picklist.h"
#include "scene3d/scene/camera.h"
#include "scene3d/scene/scene.h"

namespace {

constexpr int MinimumHitGuess = 8;

float DepthOf(GLuint Depth)
{
    return static_cast<float>(Depth >> 1) / static_cast<float>(INT_MAX);
}

// Adds the hits of a selection buffer to List, in buffer order. A record
// that would run past the end of the buffer ends the walk.
void AddHits(const std::vector<GLuint>& Buffer, GLint Hits, const T3DSelectionNames& Names, T3DPickList& List)
{
    std::size_t at = 0;
    for (GLint i = 0; i < Hits; ++i) {
        if (Buffer.size() - at < 3)
            return;
        const std::size_t count = Buffer[at];
        if (Buffer.size() - at - 3 < count)
            return;
        const float zNear = DepthOf(Buffer[at + 1]);
        const float zFar = DepthOf(Buffer[at + 2]);
        T3DBaseSceneObject* object = count > 0 ? Names.ObjectOf(Buffer[at + 3]) : nullptr;
        std::vector<int32_t> subObjects;
        for (std::size_t n = 1; n < count; ++n)
            subObjects.push_back(static_cast<int32_t>(Buffer[at + 3 + n]));
        List.AddHit(object, std::move(subObjects), zNear, zFar);
        at += 3 + count;
    }
}

} // namespace

void T3DSceneBuffer::RenderSelectionForRect(const TPickRect& Rect, T3DPickList* PickList, int ObjectCountGuess)
{
    if (!FCamera || !FRenderingContext)
        return;
    EngineAssert(!FRendering, "Already rendering");
    EngineAssert(PickList != nullptr);
    T3DScene* scene = FCamera->Scene();
    FRenderingContext->Activate();
    FRendering = true;
    const TMatrix savedProjection = FProjectionMatrix;
    TMatrix savedGLProjection;
    GL.glGetFloatv(GL_PROJECTION_MATRIX, &savedGLProjection[0].X);
    std::vector<GLuint> hitBuffer;
    const auto release = [&] {
        GL.glMatrixMode(GL_PROJECTION);
        GL.glLoadMatrixf(&savedGLProjection[0].X);
        GL.glMatrixMode(GL_MODELVIEW);
        FProjectionMatrix = savedProjection;
        FRendering = false;
        FRenderingContext->Deactivate();
    };
    try {
        SetTexCoordNull();
        ApplyProjectionAndView(FViewport, FRenderDPI, &Rect);
        int capacity = std::max(ObjectCountGuess, MinimumHitGuess);
        GLint hits = -1;
        do {
            hitBuffer.assign(static_cast<std::size_t>(capacity) * 8 + 32, 0);
            capacity *= 2;
            const GLsizei names = static_cast<GLsizei>(std::min<std::size_t>(4 * static_cast<std::size_t>(capacity),
                                                                             hitBuffer.size()));
            GL.glSelectBuffer(names, hitBuffer.data());
            GL.glRenderMode(GL_SELECT);
            GL.glInitNames();
            GL.glPushName(0);
            FRenderDPI = 96;
            FSelectionNames.Clear();
            if (scene)
                scene->RenderScene(this, FViewport.Width, FViewport.Height, rmPicking, nullptr);
            GL.glFlush();
            hits = GL.glRenderMode(GL_RENDER);
        } while (hits < 0);
        PickList->Clear();
        AddHits(hitBuffer, hits, FSelectionNames, *PickList);
    } catch (...) {
        GL.glRenderMode(GL_RENDER);
        release();
        throw;
    }
    release();
}

std::unique_ptr<T3DPickList> T3DSceneBuffer::PickListForRect(const TPickRect& Rect, int ObjectCountGuess)
{
    auto list = std::make_unique<T3DPickList>(pmMinDepth);
    RenderSelectionForRect(Rect, list.get(), ObjectCountGuess);
    return list;
}

T3DBaseSceneObject* T3DSceneBuffer::PickObjectAtPixel(int X, int Y)
{
    const std::unique_ptr<T3DPickList> list = PickListForRect({X - 1, Y - 1, X + 1, Y + 1}, 64);
    return list->Count() > 0 ? list->Hit(0) : nullptr;
}
