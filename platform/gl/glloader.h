#pragma once
// Where OpenGL comes from: the vendor-neutral dispatch libraries opened at
// run time, which export OpenGL 1.1 and GLU, and EGL's lookup for every
// later entry point (newer versions and extensions alike).

inline constexpr const char* OpenGLLibraryName = "libOpenGL.so.0";
inline constexpr const char* GLULibraryName = "libGLU.so.1";

// The entry point of an OpenGL function beyond 1.1. EGL hands out a
// dispatch stub even for a name the driver lacks, so an address says
// nothing about support: call it only when the context's version or
// extension list promises the function.
void* GLProcAddress(const char* Name);
