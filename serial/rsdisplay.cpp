#include "serial/rsdisplay.h"

#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TRsDisplay, TRsGraphicControl) {}
