#pragma once
// A display of a port's state: attached through the port's Display property,
// it is asked to refresh itself from the port first thing in every event
// dispatch, on the main thread. Concrete displays decide what they show.
#include "serial/rscontrols.h"

class TRsCustomComm;

class TRsDisplay : public TRsGraphicControl {
    LT_CLASS(TRsDisplay)
public:
    explicit TRsDisplay(TComponent* AOwner) : TRsGraphicControl(AOwner) {}

    virtual void UpdateFromComm(TRsCustomComm* Comm) = 0;
};
