#pragma once
// What the processor offers to the geometry.

// Whether the processor reports 3DNow! (extended CPUID leaf 0x80000001, bit 31
// of EDX). Decided once when the library loads; the geometry reports it and
// always computes on the plain path.
bool Has3DNow();
