#include "scene3d/objects/linebase.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/storechange.h"
#include "scene3d/materials/color.h"
#include "scene3d/opengl/openglapi.h"

LT_IMPLEMENT_CLASS(T3DLineBase, T3DImmaterialSceneObject)
{
    P.Property("AntiAliased", &T3DLineBase::AntiAliased, &T3DLineBase::SetAntiAliased).Default(0);
    P.Property("LineColor", &T3DLineBase::LineColor);
    P.Property("LinePattern", &T3DLineBase::LinePattern, &T3DLineBase::SetLinePattern).Default(0xFFFF);
    P.Property("LineWidth", &T3DLineBase::LineWidth, &T3DLineBase::SetLineWidth).DefaultFloat(1);
}

T3DLineBase::T3DLineBase(TComponent* AOwner)
    : T3DImmaterialSceneObject(AOwner), FLineColor(std::make_unique<T3DColor>(this, TVector{1, 1, 1, 1}, nullptr))
{
}

T3DLineBase::~T3DLineBase() = default;

void T3DLineBase::SetAntiAliased(bool Value)
{
    if (StoreChange(FAntiAliased, Value))
        ListInvalidated();
}

void T3DLineBase::SetLineColor(const T3DColor* Value)
{
    if (Value != FLineColor.get())
        FLineColor->Assign(Value);
}

void T3DLineBase::SetLinePattern(uint16_t Value)
{
    if (StoreChange(FLinePattern, Value))
        ListInvalidated();
}

void T3DLineBase::SetLineWidth(float Value)
{
    if (StoreChange(FLineWidth, Value))
        ListInvalidated();
}

void T3DLineBase::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const T3DLineBase*>(Source)) {
        FAntiAliased = source->FAntiAliased;
        FLineColor->SetColorSilently(source->FLineColor->Color());
        FLinePattern = source->FLinePattern;
        FLineWidth = source->FLineWidth;
        ListInvalidated();
    }
    T3DImmaterialSceneObject::Assign(Source);
}

T3DLineBase::TLineStyle::TLineStyle(const T3DLineBase& Lines)
{
    GL.glPushAttrib(GL_CURRENT_BIT | GL_LINE_BIT | GL_LIGHTING_BIT | GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT);
    GL.glDisable(GL_LIGHTING);
    if (Lines.FLinePattern != 0xFFFF) {
        GL.glEnable(GL_LINE_STIPPLE);
        GL.glLineStipple(1, Lines.FLinePattern);
    }
    if (Lines.FAntiAliased) {
        GL.glEnable(GL_LINE_SMOOTH);
        GL.glEnable(GL_BLEND);
        GL.glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    if (Lines.FLineWidth > 0)
        GL.glLineWidth(Lines.FLineWidth);
    GL.glColor4fv(&Lines.FLineColor->Color().X);
}

T3DLineBase::TLineStyle::~TLineStyle()
{
    GL.glPopAttrib();
}
