#pragma once
// The line a grid shows while a column or row is sized or moved: a small
// window of its own over the grid, painted dotted, so that nothing has to
// be drawn into the grid and rubbed out again.
#include "platform/ui/controls.h"

class TGridGuideLineLt : public TCustomControl {
    LT_CLASS(TGridGuideLineLt)
public:
    explicit TGridGuideLineLt(TComponent* AOwner);

protected:
    void Paint() override;
};
