#pragma once
// Makes the program's compiled-in resources available; call once at start.
void InitLightingResources();
