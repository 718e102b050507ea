#pragma once
// What a colour or material asks of the scene object that owns it: a change
// that the object's compiled display list does not follow (a colour read
// into the list, a texture switched on or off) makes it compile the list
// again. Scene objects implement it.
#include "platform/rtl/interfaces.h"

class IDisplayListOwner : public IUnknown {
public:
    // The display list is out of date.
    virtual void ListInvalidated() = 0;
};
