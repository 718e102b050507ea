#pragma once
// The solid markers that line objects show at their nodes, centred on the
// origin, in the current colour and without normals (they are drawn unlit).

// A cube of edge Size.
void DrawCubeMarker(float Size);
// A regular dodecahedron whose corners lie on the sphere of diameter Size.
void DrawDodecahedronMarker(float Size);
