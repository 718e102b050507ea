#pragma once
// Activates a rendering context for as long as it lives.
#include "scene3d/context/context.h"

class TContextActivation {
public:
    explicit TContextActivation(T3DContext& Context) : FContext(Context) { FContext.Activate(); }
    ~TContextActivation() { FContext.Deactivate(); }
    TContextActivation(const TContextActivation&) = delete;
    TContextActivation& operator=(const TContextActivation&) = delete;

private:
    T3DContext& FContext;
};
