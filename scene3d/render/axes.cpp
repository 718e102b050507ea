#include "scene3d/render/axes.h"

#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/rendercontextinfo.h"

namespace {

constexpr GLushort DottedLine = 0xCCCC;

} // namespace

void DrawAxes(const TRenderContextInfo& Rci, float Length)
{
    GL.glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_LINE_BIT);
    GL.glDisable(GL_LIGHTING);
    GL.glEnable(GL_LINE_STIPPLE);
    if (!Rci.BlendingForbidden) {
        GL.glEnable(GL_BLEND);
        GL.glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    GL.glLineWidth(1);
    GL.glLineStipple(1, DottedLine);
    GL.glBegin(GL_LINES);
    for (int axis = 0; axis < 3; ++axis) {
        for (const float sign : {-1.0f, 1.0f}) {
            GLfloat colour[3] = {0, 0, 0};
            colour[axis] = sign < 0 ? 0.5f : 1.0f;
            GLfloat end[3] = {0, 0, 0};
            end[axis] = sign * Length;
            GL.glColor3fv(colour);
            GL.glVertex3f(0, 0, 0);
            GL.glVertex3fv(end);
        }
    }
    GL.glEnd();
    GL.glPopAttrib();
}
