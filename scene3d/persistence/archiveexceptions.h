#pragma once
// The errors of the engine's archives besides the platform's EReadError.
#include "platform/rtl/exceptions.h"

// "Invalid file signature": the first bytes are not the class's signature.
LT_DECLARE_EXCEPTION(EInvalidArchiveSignature, Exception)
using EInvalidFileSignature = EInvalidArchiveSignature;
// "<class> : unknown archive version <n>".
LT_DECLARE_EXCEPTION(EFilerException, Exception)
