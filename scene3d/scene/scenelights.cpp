// The scene's lights sent to OpenGL before a pass.
#include <algorithm>

#include "scene3d/opengl/openglapi.h"
#include "scene3d/scene/lightsource.h"
#include "scene3d/scene/scene.h"

namespace {

constexpr float NoCone = 180;

// Sends Light's settings to its GL light, with the view matrix current.
void SetupLight(const T3DLightSource& Light)
{
    const GLenum id = Light.LightID();
    TVector position;
    if (Light.LightStyle() == lsParallel) {
        GL.glMultMatrixf(&Light.AbsoluteMatrix()[0].X);
        position = Light.SpotDirection()->AsVector();
        position.W = 0;
    } else {
        GL.glMultMatrixf(&Light.ParentAbsoluteMatrix()[0].X);
        position = Light.Position()->AsVector();
    }
    GL.glLightfv(id, GL_POSITION, &position.X);
    GL.glLightfv(id, GL_AMBIENT, &Light.Ambient()->Color().X);
    GL.glLightfv(id, GL_DIFFUSE, &Light.Diffuse()->Color().X);
    GL.glLightfv(id, GL_SPECULAR, &Light.Specular()->Color().X);
    if (Light.LightStyle() != lsSpot) {
        GL.glLightf(id, GL_SPOT_CUTOFF, NoCone);
    } else {
        if (Light.SpotCutOff() != NoCone) {
            GL.glLightfv(id, GL_SPOT_DIRECTION, &Light.SpotDirection()->AsVector().X);
            GL.glLightf(id, GL_SPOT_EXPONENT, Light.SpotExponent());
        }
        GL.glLightf(id, GL_SPOT_CUTOFF, Light.SpotCutOff());
    }
    GL.glLightf(id, GL_CONSTANT_ATTENUATION, Light.ConstAttenuation());
    GL.glLightf(id, GL_LINEAR_ATTENUATION, Light.LinearAttenuation());
    GL.glLightf(id, GL_QUADRATIC_ATTENUATION, Light.QuadraticAttenuation());
}

} // namespace

void T3DScene::SetupLights(int MaxLights) const
{
    const int slots = std::min(static_cast<int>(FLights.size()), MaxLights);
    GL.glPushMatrix();
    for (int i = 0; i < slots; ++i) {
        const T3DLightSource* light = FLights[static_cast<std::size_t>(i)];
        if (!light) {
            GL.glDisable(GL_LIGHT0 + i);
        } else if (!light->Shining()) {
            GL.glDisable(light->LightID());
        } else {
            GL.glEnable(light->LightID());
            // Back to the view matrix for each light.
            GL.glPopMatrix();
            GL.glPushMatrix();
            SetupLight(*light);
        }
    }
    GL.glPopMatrix();
    for (int i = slots; i < MaxLights; ++i)
        GL.glDisable(GL_LIGHT0 + i);
}
