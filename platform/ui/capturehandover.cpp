#include "platform/ui/capturehandover.h"

#include "platform/ui/controls.h"

void HandMouseCaptureTo(TControl* To)
{
    TControl* from = GetCaptureControl();
    if (from == To)
        return;
    SetCaptureControl(To);
    if (from)
        from->Perform(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(To));
}
