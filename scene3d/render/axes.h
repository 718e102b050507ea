#pragma once
// The axes an object shows (ShowAxes): six dotted lines from its origin,
// Length long, along -X and +X in dark and bright red, -Y and +Y in green,
// -Z and +Z in blue, unlit and blended unless the pass forbids blending.
// The enable, lighting and line state is as before afterwards.
struct TRenderContextInfo;

void DrawAxes(const TRenderContextInfo& Rci, float Length);
