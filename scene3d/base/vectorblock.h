#pragma once
// Floats stored as one binary property of a description, as little-endian
// floats: a 4-vector (coordinates, colours; 16 bytes, written every time)
// or a few sizes of an object. Their published properties are never stored
// on their own.
#include <span>
#include <string>

#include "platform/rtl/filer.h"
#include "platform/rtl/object.h"
#include "scene3d/geometry/vectortypes.h"

// Defines the block Name for Values, written when HasData; a block of
// another size than Values raises EReadError and leaves them as they were.
void DefineFloatBlock(TFiler& Filer, const std::string& Name, std::span<float> Values, bool HasData);
// Defines the block Name for Vector, always written; a block of another
// size than 16 bytes raises EReadError and leaves Vector as it was.
void DefineVectorBlock(TFiler& Filer, const std::string& Name, TVector& Vector);
// The stored-predicate of the published components: never.
bool StoredInVectorBlock(const TObject&);
