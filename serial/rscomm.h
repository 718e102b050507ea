#pragma once
// The port component as placed on a window: TRsCustomComm with its settings
// and events published for stored descriptions.
#include "serial/rscustomcomm.h"

class TRsComm : public TRsCustomComm {
    LT_CLASS(TRsComm)
public:
    explicit TRsComm(TComponent* AOwner) : TRsCustomComm(AOwner) {}
};
