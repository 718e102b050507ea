#pragma once
// Failures of EGL calls, with the EGL error code by name.
#include <EGL/egl.h>

#include <string>

#include "platform/rtl/exceptions.h"

LT_DECLARE_EXCEPTION(EEGLError, Exception)

// "EGL_BAD_MATCH"; nullptr for a code EGL does not define.
const char* EGLErrorName(EGLint Code);
// "EGL_BAD_MATCH (0x3009)"; unknown codes by number only.
std::string EGLErrorText(EGLint Code);
// Raises EEGLError "<what> failed: <the calling thread's last EGL error>".
[[noreturn]] void RaiseLastEGLError(const std::string& What);
