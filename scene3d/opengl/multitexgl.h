#pragma once
// Routing of texture-coordinate calls to texture units. Every texture
// coordinate, texture-generation, texture-coordinate-array and texture
// enable call of the engine goes through the procedures of MultiTexGL, which
// the routing mode points at one of five sets:
// - mtcmNull: every call does nothing;
// - mtcmMain: the plain calls, for unit 0;
// - mtcmDual: units 0 and 1 (coordinates by the plain call and by
//   glMultiTexCoord for unit 1; the other calls run once, then again with
//   unit 1 made the active or client-active texture);
// - mtcmSecond: unit 1 only;
// - mtcmArbitrary: each unit of a list in order.
// Calls that select a unit leave unit 0 selected afterwards. The sets call
// OpenGL through the binding's table (GL) at the time of the call.
#include <GL/gl.h>

#include <vector>

enum TMapTexCoordMode { mtcmUndefined, mtcmNull, mtcmMain, mtcmDual, mtcmSecond, mtcmArbitrary };

struct TMultiTexProcs {
    decltype(&::glTexCoord2f) TexCoord2f = nullptr;
    decltype(&::glTexCoord2fv) TexCoord2fv = nullptr;
    decltype(&::glTexCoord3f) TexCoord3f = nullptr;
    decltype(&::glTexCoord3fv) TexCoord3fv = nullptr;
    decltype(&::glTexCoord4f) TexCoord4f = nullptr;
    decltype(&::glTexCoord4fv) TexCoord4fv = nullptr;
    decltype(&::glTexGenf) TexGenf = nullptr;
    decltype(&::glTexGenfv) TexGenfv = nullptr;
    decltype(&::glTexGeni) TexGeni = nullptr;
    decltype(&::glTexGeniv) TexGeniv = nullptr;
    decltype(&::glTexCoordPointer) TexCoordPointer = nullptr;
    decltype(&::glEnableClientState) EnableClientState = nullptr;
    decltype(&::glDisableClientState) DisableClientState = nullptr;
    decltype(&::glEnable) Enable = nullptr;
    decltype(&::glDisable) Disable = nullptr;
};

// The routed procedures: MultiTexGL.TexCoord2f(s, t). They start in the
// null mode.
extern const TMultiTexProcs& MultiTexGL;

// Holds mode changes back until the matching EndTexCoordUpdate, which
// applies the last mode asked for (nesting counts).
void BeginTexCoordUpdate();
void EndTexCoordUpdate();

void SetTexCoordNull();
void SetTexCoordMain();
// The dual, second and arbitrary modes need the multitexture extension
// (GLCaps.ARB_multitexture); asking for them without it is an assertion
// failure.
void SetTexCoordDual();
void SetTexCoordSecond();
// Routes to the listed units (GL_TEXTURE0 + n), in order.
void SetTexCoordUnits(const std::vector<GLenum>& Units);
// Routes to unit n for each set bit n of bits 0 to 7, in increasing n.
void SetTexCoordUnitMask(int Mask);
// Adds the units of Mask to those routed to now.
void AddTexCoordUnitMask(int Mask);
// The units routed to, bit n for unit n, of the mode asked for while an
// update is held back: main 1, dual 3, second 2, arbitrary its list. In
// the null mode an assertion failure naming MultiTexGL.
int GetTexCoordUnitMask();
