#pragma once
// Records a display list for as long as it lives, with the pass marked as
// recording one; the mark is put back and the list closed also when an
// exception passes.
#include <GL/gl.h>

#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/rendercontextinfo.h"

class TListRecording {
public:
    TListRecording(GLuint Name, TRenderContextInfo& Rci) : FRci(Rci), FAmalgamating(Rci.Amalgamating)
    {
        GL.glNewList(Name, GL_COMPILE);
        FRci.Amalgamating = true;
    }
    ~TListRecording()
    {
        FRci.Amalgamating = FAmalgamating;
        GL.glEndList();
    }
    TListRecording(const TListRecording&) = delete;
    TListRecording& operator=(const TListRecording&) = delete;

private:
    TRenderContextInfo& FRci;
    const bool FAmalgamating;
};
