#pragma once
// A 4-vector stored as one binary property of a description (coordinates,
// colours): 16 bytes, the four components as little-endian floats, written
// every time. Its published components are never stored on their own.
#include <string>

#include "platform/rtl/filer.h"
#include "platform/rtl/object.h"
#include "scene3d/geometry/vectortypes.h"

// Defines the block Name for Vector; a block of another size than 16 bytes
// raises EReadError and leaves Vector as it was.
void DefineVectorBlock(TFiler& Filer, const std::string& Name, TVector& Vector);
// The stored-predicate of the published components: never.
bool StoredInVectorBlock(const TObject&);
