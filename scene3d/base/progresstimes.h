#pragma once
// The times of one progress step of the scene, in seconds.
struct TProgressTimeInfo {
    // Time passed since the previous step.
    double DeltaTime = 0;
    // The scene's time after this step.
    double NewTime = 0;
};
