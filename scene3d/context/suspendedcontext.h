#pragma once
// Another context stepped out of the way for a while: the context current
// when this is made (unless it is the one given) is deactivated as deep as
// it was activated, and Resume activates it as deep again.
#include "scene3d/context/context.h"

class TSuspendedContext {
public:
    explicit TSuspendedContext(const T3DContext* Keep);
    TSuspendedContext(const TSuspendedContext&) = delete;
    TSuspendedContext& operator=(const TSuspendedContext&) = delete;

    void Resume();

private:
    T3DContext* FContext = nullptr;
    int FDepth = 0;
};
