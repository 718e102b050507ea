#pragma once
// A cloud of OpenGL points: one point per position, in one colour per
// point, one colour for all, or white; one point at the origin when it has
// no positions. Points are drawn unlit, never culled, and every frame
// unless the object is static (then through its display list).
#include <memory>

#include "scene3d/objects/customsceneobject.h"

class TAffineVectorList;
class TVectorList;
class T3DPointParameters;

// Square: plain square points. Round: smoothed points with the rim cut at
// alpha 0.5. Smooth: smoothed points blended over what is behind them.
// SmoothAdditive and SquareAdditive: added to what is behind them, weighted
// by their alpha.
enum T3DPointStyle : int { psSquare, psRound, psSmooth, psSmoothAdditive, psSquareAdditive };
LT_ENUM_INFO(T3DPointStyle, psSquare, psRound, psSmooth, psSmoothAdditive, psSquareAdditive)

class T3DPoints : public T3DImmaterialSceneObject {
    LT_CLASS(T3DPoints)
public:
    explicit T3DPoints(TComponent* AOwner);
    ~T3DPoints() override;

    // Every setter stores a changed value and makes the object compile its
    // list again.
    bool NoZWrite() const { return FNoZWrite; }
    void SetNoZWrite(bool Value);
    // A static object keeps its points in a display list.
    bool Static() const { return FStatic; }
    void SetStatic(bool Value);
    // Pixels.
    float Size() const { return FSize; }
    void SetSize(float Value);
    T3DPointStyle Style() const { return FStyle; }
    // A style outside the five stops with "Assertion failure" and changes
    // nothing.
    void SetStyle(T3DPointStyle Value);
    T3DPointParameters* PointParameters() const { return FPointParameters.get(); }

    const TAffineVectorList& Positions() const { return *FPositions; }
    // Copies of Value's items.
    void SetPositions(const TAffineVectorList& Value);
    // One colour per point when there are several; fewer colours than
    // positions draw only as many points as there are colours.
    const TVectorList& Colors() const { return *FColors; }
    void SetColors(const TVectorList& Value);

    // The points under the style's smoothing, alpha test and blending, with
    // lighting off. The GL state is as before afterwards, but for the alpha
    // function: the pass's own, GREATER 0. More than 64 points are locked as
    // a vertex array where the implementation can.
    void CompileList(TRenderContextInfo& Rci) override;

private:
    void DrawPositions() const;

    bool FNoZWrite = false;
    bool FStatic = false;
    float FSize = 1;
    T3DPointStyle FStyle = psSquare;
    std::unique_ptr<T3DPointParameters> FPointParameters;
    std::unique_ptr<TAffineVectorList> FPositions;
    std::unique_ptr<TVectorList> FColors;
};
