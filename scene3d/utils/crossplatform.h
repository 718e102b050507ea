#pragma once
// What the engine asks of the platform beyond OpenGL: system errors, the
// high-resolution clock, bitmap rows and the picture file formats.
#include <cstdint>
#include <string>

class TBitmap;
class TClassInfo;

// Raises EOSError "OS Error : <the system's text for errno>".
[[noreturn]] void RaiseLastSystemError();

void ReadPerformanceCounter(int64_t& Counter);
// False when there is no high-resolution counter.
bool ReadPerformanceFrequency(int64_t& Frequency);

// The pixels of one row of the bitmap (32 bits each), to change in place;
// a row outside the bitmap raises ERangeError.
uint8_t* BitmapScanLine(TBitmap& Bitmap, int Row);
// The same to read.
const uint8_t* BitmapScanLine(const TBitmap& Bitmap, int Row);

// The graphic class registered for a picture file extension (one leading
// "." allowed, any case), or nullptr.
const TClassInfo* GraphicClassForExtension(const std::string& Extension);
