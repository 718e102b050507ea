#pragma once
// Checking for OpenGL errors. An implementation may keep several error
// flags set at once; each read clears one.
#include "platform/rtl/exceptions.h"

LT_DECLARE_EXCEPTION(EOpenGLError, Exception)

// Raises EOpenGLError with GLU's text for the first pending error, after
// clearing the others (at most eight flags in all are read).
void RaiseGLErrors();
// Clears pending errors (at most eight flags are read).
void DiscardGLErrors();
