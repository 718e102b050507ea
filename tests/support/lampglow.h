#pragma once
// The lamps' glow picture for the lamp scenes of the tests and benchmarks,
// and the material that shows it.
#include <string>

class T3DMaterial;

// A 32 x 32 grey-level disc: 1 in the middle falling to 0 at the rim
// (1 - r² of the radius), as a BMP file.
void WriteLampGlow(const std::string& FileName);

// Material shows the glow of FileName as the lamps do: alpha from
// luminance, modulating the lit colour, added to the frame.
void SetLampGlow(T3DMaterial& Material, const std::string& FileName);
