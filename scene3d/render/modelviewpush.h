#pragma once
// Pushes the model-view matrix for as long as it lives.
#include "scene3d/opengl/openglapi.h"

class TModelViewPush {
public:
    TModelViewPush() { GL.glPushMatrix(); }
    ~TModelViewPush() { GL.glPopMatrix(); }
    TModelViewPush(const TModelViewPush&) = delete;
    TModelViewPush& operator=(const TModelViewPush&) = delete;
};
