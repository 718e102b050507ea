#pragma once
// The common ground of line objects: how their lines look (colour, width,
// stipple pattern, smoothing). The look is part of the object's display
// list, so every change recompiles it.
#include <cstdint>
#include <memory>

#include "scene3d/objects/customsceneobject.h"

class T3DColor;

class T3DLineBase : public T3DImmaterialSceneObject {
    LT_CLASS(T3DLineBase)
public:
    ~T3DLineBase() override;

    // Smoothed lines, blended with the source alpha.
    bool AntiAliased() const { return FAntiAliased; }
    void SetAntiAliased(bool Value);
    // White at first.
    T3DColor* LineColor() const { return FLineColor.get(); }
    // The values of Value; the object's own colour object is ignored.
    void SetLineColor(const T3DColor* Value);
    // The stipple pattern, one bit per pixel; 65535 draws solid lines.
    uint16_t LinePattern() const { return FLinePattern; }
    void SetLinePattern(uint16_t Value);
    // In pixels.
    float LineWidth() const { return FLineWidth; }
    void SetLineWidth(float Value);

    // The look of another line object, then the scene object's copy.
    void Assign(const TPersistent* Source) override;

protected:
    explicit T3DLineBase(TComponent* AOwner);

    // While it lives: lighting off and the line state of the object's look,
    // in an attribute frame of its own. A width of 0 or less keeps GL's
    // width (GL refuses it).
    class TLineStyle {
    public:
        explicit TLineStyle(const T3DLineBase& Lines);
        ~TLineStyle();
        TLineStyle(const TLineStyle&) = delete;
        TLineStyle& operator=(const TLineStyle&) = delete;
    };

private:
    bool FAntiAliased = false;
    std::unique_ptr<T3DColor> FLineColor;
    uint16_t FLinePattern = 0xFFFF;
    float FLineWidth = 1;
};
