#include "scene3d/opengl/multitexgl.h"

#include "scene3d/base/engineassert.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/opengl/openglapi.h"

namespace {

std::vector<GLenum> ArbitraryUnits;

// How each set reaches its units. Coord sends coordinates with the plain
// call or glMultiTexCoord; OnUnits runs a call for each unit, selected with
// Select (the active or the client-active texture).
using TSelectUnit = PFNGLACTIVETEXTUREARBPROC TOpenGLProcs::*;
constexpr TSelectUnit ServerUnit = &TOpenGLProcs::glActiveTextureARB;
constexpr TSelectUnit ClientUnit = &TOpenGLProcs::glClientActiveTextureARB;

struct TNullRoute {
    template <typename Plain, typename Multi, typename... Args>
    static void Coord(Plain, Multi, Args...) {}
    template <TSelectUnit Select, typename Call>
    static void OnUnits(Call) {}
};

struct TMainRoute {
    template <typename Plain, typename Multi, typename... Args>
    static void Coord(Plain plain, Multi, Args... args)
    {
        (GL.*plain)(args...);
    }
    template <TSelectUnit Select, typename Call>
    static void OnUnits(Call call)
    {
        call();
    }
};

struct TDualRoute {
    template <typename Plain, typename Multi, typename... Args>
    static void Coord(Plain plain, Multi multi, Args... args)
    {
        (GL.*plain)(args...);
        (GL.*multi)(GL_TEXTURE1, args...);
    }
    template <TSelectUnit Select, typename Call>
    static void OnUnits(Call call)
    {
        call();
        (GL.*Select)(GL_TEXTURE1);
        call();
        (GL.*Select)(GL_TEXTURE0);
    }
};

struct TSecondRoute {
    template <typename Plain, typename Multi, typename... Args>
    static void Coord(Plain, Multi multi, Args... args)
    {
        (GL.*multi)(GL_TEXTURE1, args...);
    }
    template <TSelectUnit Select, typename Call>
    static void OnUnits(Call call)
    {
        (GL.*Select)(GL_TEXTURE1);
        call();
        (GL.*Select)(GL_TEXTURE0);
    }
};

struct TArbitraryRoute {
    template <typename Plain, typename Multi, typename... Args>
    static void Coord(Plain, Multi multi, Args... args)
    {
        for (const GLenum unit : ArbitraryUnits)
            (GL.*multi)(unit, args...);
    }
    template <TSelectUnit Select, typename Call>
    static void OnUnits(Call call)
    {
        for (const GLenum unit : ArbitraryUnits) {
            (GL.*Select)(unit);
            call();
        }
        (GL.*Select)(GL_TEXTURE0);
    }
};

template <typename R>
void TexCoord2f(GLfloat s, GLfloat t)
{
    R::Coord(&TOpenGLProcs::glTexCoord2f, &TOpenGLProcs::glMultiTexCoord2fARB, s, t);
}
template <typename R>
void TexCoord2fv(const GLfloat* v)
{
    R::Coord(&TOpenGLProcs::glTexCoord2fv, &TOpenGLProcs::glMultiTexCoord2fvARB, v);
}
template <typename R>
void TexCoord3f(GLfloat s, GLfloat t, GLfloat r)
{
    R::Coord(&TOpenGLProcs::glTexCoord3f, &TOpenGLProcs::glMultiTexCoord3fARB, s, t, r);
}
template <typename R>
void TexCoord3fv(const GLfloat* v)
{
    R::Coord(&TOpenGLProcs::glTexCoord3fv, &TOpenGLProcs::glMultiTexCoord3fvARB, v);
}
template <typename R>
void TexCoord4f(GLfloat s, GLfloat t, GLfloat r, GLfloat q)
{
    R::Coord(&TOpenGLProcs::glTexCoord4f, &TOpenGLProcs::glMultiTexCoord4fARB, s, t, r, q);
}
template <typename R>
void TexCoord4fv(const GLfloat* v)
{
    R::Coord(&TOpenGLProcs::glTexCoord4fv, &TOpenGLProcs::glMultiTexCoord4fvARB, v);
}
template <typename R>
void TexGenf(GLenum coord, GLenum pname, GLfloat param)
{
    R::template OnUnits<ServerUnit>([=] { GL.glTexGenf(coord, pname, param); });
}
template <typename R>
void TexGenfv(GLenum coord, GLenum pname, const GLfloat* params)
{
    R::template OnUnits<ServerUnit>([=] { GL.glTexGenfv(coord, pname, params); });
}
template <typename R>
void TexGeni(GLenum coord, GLenum pname, GLint param)
{
    R::template OnUnits<ServerUnit>([=] { GL.glTexGeni(coord, pname, param); });
}
template <typename R>
void TexGeniv(GLenum coord, GLenum pname, const GLint* params)
{
    R::template OnUnits<ServerUnit>([=] { GL.glTexGeniv(coord, pname, params); });
}
template <typename R>
void TexCoordPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer)
{
    R::template OnUnits<ClientUnit>([=] { GL.glTexCoordPointer(size, type, stride, pointer); });
}
template <typename R>
void EnableClientState(GLenum array)
{
    R::template OnUnits<ClientUnit>([=] { GL.glEnableClientState(array); });
}
template <typename R>
void DisableClientState(GLenum array)
{
    R::template OnUnits<ClientUnit>([=] { GL.glDisableClientState(array); });
}
template <typename R>
void Enable(GLenum cap)
{
    R::template OnUnits<ServerUnit>([=] { GL.glEnable(cap); });
}
template <typename R>
void Disable(GLenum cap)
{
    R::template OnUnits<ServerUnit>([=] { GL.glDisable(cap); });
}

template <typename R>
constexpr TMultiTexProcs RoutedProcs{
    &TexCoord2f<R>,      &TexCoord2fv<R>,       &TexCoord3f<R>,         &TexCoord3fv<R>, &TexCoord4f<R>,
    &TexCoord4fv<R>,     &TexGenf<R>,           &TexGenfv<R>,           &TexGeni<R>,     &TexGeniv<R>,
    &TexCoordPointer<R>, &EnableClientState<R>, &DisableClientState<R>, &Enable<R>,      &Disable<R>,
};

const TMultiTexProcs& ProcsFor(TMapTexCoordMode Mode)
{
    switch (Mode) {
    case mtcmMain: return RoutedProcs<TMainRoute>;
    case mtcmDual: return RoutedProcs<TDualRoute>;
    case mtcmSecond: return RoutedProcs<TSecondRoute>;
    case mtcmArbitrary: return RoutedProcs<TArbitraryRoute>;
    default: return RoutedProcs<TNullRoute>;
    }
}

TMultiTexProcs Routed = RoutedProcs<TNullRoute>;
TMapTexCoordMode CurrentMode = mtcmNull;
TMapTexCoordMode RequestedMode = mtcmNull;
int UpdateCount = 0;

void Repoint(TMapTexCoordMode Mode)
{
    Routed = ProcsFor(Mode);
    CurrentMode = Mode;
}

// Routing to units other than 0 needs the multitexture extension.
void CheckModeSupported(TMapTexCoordMode Mode)
{
    if (Mode == mtcmDual || Mode == mtcmSecond || Mode == mtcmArbitrary)
        EngineAssert(GLCaps.ARB_multitexture);
}

void SetMode(TMapTexCoordMode Mode)
{
    CheckModeSupported(Mode);
    if (UpdateCount > 0)
        RequestedMode = Mode;
    else if (Mode != CurrentMode)
        Repoint(Mode);
}

} // namespace

const TMultiTexProcs& MultiTexGL = Routed;

void BeginTexCoordUpdate()
{
    if (UpdateCount++ == 0)
        RequestedMode = CurrentMode;
}

void EndTexCoordUpdate()
{
    EngineAssert(UpdateCount > 0);
    if (--UpdateCount == 0 && RequestedMode != CurrentMode)
        Repoint(RequestedMode);
}

void SetTexCoordNull()
{
    SetMode(mtcmNull);
}

void SetTexCoordMain()
{
    SetMode(mtcmMain);
}

void SetTexCoordDual()
{
    SetMode(mtcmDual);
}

void SetTexCoordSecond()
{
    SetMode(mtcmSecond);
}

void SetTexCoordUnits(const std::vector<GLenum>& Units)
{
    CheckModeSupported(mtcmArbitrary);
    ArbitraryUnits = Units;
    SetMode(mtcmArbitrary);
}

void SetTexCoordUnitMask(int Mask)
{
    std::vector<GLenum> units;
    for (int n = 0; n < 8; ++n)
        if (Mask & (1 << n))
            units.push_back(GL_TEXTURE0 + n);
    SetTexCoordUnits(units);
}

void AddTexCoordUnitMask(int Mask)
{
    SetTexCoordUnitMask(Mask | GetTexCoordUnitMask());
}

int GetTexCoordUnitMask()
{
    switch (UpdateCount > 0 ? RequestedMode : CurrentMode) {
    case mtcmMain: return 1;
    case mtcmDual: return 3;
    case mtcmSecond: return 2;
    case mtcmArbitrary: {
        int mask = 0;
        for (const GLenum unit : ArbitraryUnits)
            if (unit - GL_TEXTURE0 < 32)
                mask |= 1 << (unit - GL_TEXTURE0);
        return mask;
    }
    default:
        EngineAssert(false, std::string(AssertionFailureMessage) + " (MultiTexGL)");
        return 0;
    }
}
