#include "dbcontrols/datalinklt.h"

void TDataLinkLt::DataEvent(TDataEvent Event, intptr_t Info)
{
    TDataLink::DataEvent(Event, Info);
    if (FOnDataEvent)
        FOnDataEvent(Event, Info);
}
