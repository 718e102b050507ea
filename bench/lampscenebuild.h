#pragma once
// The lamp scene of the main window for the benchmarks: a "Lighting" group
// holding Groups groups of Lamps glowing sprites in a 16 x 16 grid (rows
// repeating past 16), a camera 15 units before it looking along +Z; the
// even groups lit (red and large), the odd ones dark (grey and small).
// With a material library, all lamps draw with its one "Glow" material
// instead of a material each.

class T3DCamera;
class T3DDummyCube;
class T3DMaterialLibrary;
class T3DScene;

struct TBuiltLamps {
    T3DDummyCube* Lighting;
    T3DCamera* Camera;
};

// Builds the lamps and camera in Scene; the glow picture they show is
// written into the working folder first.
TBuiltLamps BuildLamps(T3DScene& Scene, int Groups, int Lamps, T3DMaterialLibrary* Shared);
// Removes the glow picture once the lamps have loaded it.
void RemoveGlowFile();
