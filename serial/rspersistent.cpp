#include "serial/rspersistent.h"

#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TRsPersistent, TPersistent) {}

void TRsPersistent::BeginUpdate()
{
    ++FUpdateCount;
}

void TRsPersistent::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    Changed();
}

void TRsPersistent::Changed()
{
    if (FUpdateCount == 0 && FOnChange)
        FOnChange(this);
}
