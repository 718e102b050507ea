#pragma once
// A viewer without a window: a scene buffer of a fixed size whose frames
// go into an off-screen context, to be read back or copied into textures.
// Nothing repaints it; a structural change of the buffer only drops the
// context, which the next frame makes anew.
#include <GL/gl.h>

#include <memory>

#include "platform/rtl/component.h"

class T3DCamera;
class T3DSceneBuffer;
class T3DTexture;

class T3DNonVisualViewer : public TComponent {
    LT_CLASS(T3DNonVisualViewer)
public:
    explicit T3DNonVisualViewer(TComponent* AOwner);
    ~T3DNonVisualViewer() override;

    T3DSceneBuffer* Buffer() const { return FBuffer.get(); }
    // Buffers take no assignment: raises the platform's assignment error.
    void SetBuffer(const T3DSceneBuffer* Value);
    T3DCamera* Camera() const;
    void SetCamera(T3DCamera* Value);
    // The size of the frame in pixels [256]; a value of 0 or less becomes
    // 1. A change drops the context.
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    // The buffer's render events.
    const TNotifyEvent& BeforeRender() const;
    void SetBeforeRender(TNotifyEvent Value);
    const TNotifyEvent& PostRender() const;
    void SetPostRender(TNotifyEvent Value);
    const TNotifyEvent& AfterRender() const;
    void SetAfterRender(TNotifyEvent Value);

    // The whole frame into the texture.
    void CopyToTexture(T3DTexture& Texture);
    // The area of the frame read from ReadBuffer (GL_BACK, or GL_FRONT /
    // GL_AUXi where the context has them) into the texture at (XDest,
    // YDest). A texture without an image yet, or whose image is not of a
    // kind that is drawn into (a blank or float data image), gets the area
    // as its whole image instead, mipmapped as its filter asks.
    void CopyToTexture(T3DTexture& Texture, int XSrc, int YSrc, int AWidth, int AHeight, int XDest, int YDest,
                       GLenum ReadBuffer);

protected:
    // The texture target the copy goes to; 0: the texture's own.
    virtual GLenum CopyTarget(const T3DTexture& Texture) const;

private:
    std::unique_ptr<T3DSceneBuffer> FBuffer;
    int FWidth = 256;
    int FHeight = 256;
};
