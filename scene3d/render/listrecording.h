#pragma once
// Records a display list for as long as it lives, with the pass marked as
// recording one; the mark is put back and the list closed also when an
// exception passes. The disables the state cache holds back are sent before
// the list opens and recorded before it closes, so a list neither takes in
// what was drawn before it nor leaves a texture on behind it.
#include <GL/gl.h>

#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/state/statecache.h"

class TListRecording {
public:
    TListRecording(GLuint Name, TRenderContextInfo& Rci) : FRci(Rci), FAmalgamating(Rci.Amalgamating)
    {
        FRci.StateCache->SendDeferredDisables();
        GL.glNewList(Name, GL_COMPILE);
        FRci.Amalgamating = true;
    }
    ~TListRecording()
    {
        FRci.Amalgamating = FAmalgamating;
        FRci.StateCache->SendDeferredDisables();
        GL.glEndList();
    }
    TListRecording(const TListRecording&) = delete;
    TListRecording& operator=(const TListRecording&) = delete;

private:
    TRenderContextInfo& FRci;
    const bool FAmalgamating;
};
