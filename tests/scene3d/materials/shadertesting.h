#pragma once
// A shader for the tests: it logs what the engine asks of it, asks for a
// given number of passes, and notes whether the material was applied when
// it ran ("over the material": the blending it switches on, the lighting
// it holds off).
#include <string>
#include <vector>

#include "scene3d/materials/shader.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/state/statecache.h"

class TLoggingShader : public T3DShader {
public:
    TLoggingShader(TComponent* AOwner, T3DShaderStyle Style, std::vector<std::string>& Log, int Passes = 1)
        : T3DShader(AOwner, Style), FLog(Log), FPasses(Passes)
    {
    }
    ~TLoggingShader() override { FinalizeShader(); }

protected:
    void DoInitialize() override { FLog.push_back("initialise"); }
    void DoApply(TRenderContextInfo& Rci, TObject*) override
    {
        FPassesLeft = FPasses;
        FLog.push_back(Rci.StateCache->IsEnabled(ccBlend) ? "apply over the material" : "apply");
    }
    bool DoUnApply(TRenderContextInfo& Rci) override
    {
        FLog.push_back(Rci.LightingOffCount > 0 ? "unapply over the material" : "unapply");
        return --FPassesLeft > 0;
    }
    void DoFinalize() override { FLog.push_back("finalise"); }

private:
    std::vector<std::string>& FLog;
    const int FPasses;
    int FPassesLeft = 0;
};
