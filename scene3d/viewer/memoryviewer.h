#pragma once
// The off-screen viewer that renders on demand: Render makes the context
// when there is none (a pbuffer of the viewer's size) and draws a frame.
#include "scene3d/viewer/nonvisualviewer.h"

class T3DBaseSceneObject;

class T3DMemoryViewer : public T3DNonVisualViewer {
    LT_CLASS(T3DMemoryViewer)
public:
    explicit T3DMemoryViewer(TComponent* AOwner);

    // Colour buffers of the context [1], kept within 1..4; a change drops
    // the context. EGL pbuffers have one colour buffer only, so a context
    // of more cannot be made: Render then raises "Format not supported for
    // pbuffer operation.".
    int BufferCount() const { return FBufferCount; }
    void SetBufferCount(int Value);
    // The face of a cube-map texture that CopyToTexture fills, 0..5 in
    // the order +X, -X, +Y, -Y, +Z, -Z.
    int CubeMapFace() const { return FCubeMapFace; }
    void SetCubeMapFace(int Value) { FCubeMapFace = Value; }

    // One frame of the scene, or of BaseObject and what it holds.
    void Render(T3DBaseSceneObject* BaseObject = nullptr);

protected:
    GLenum CopyTarget(const T3DTexture& Texture) const override;

private:
    int FBufferCount = 1;
    int FCubeMapFace = 0;
};
