#pragma once
// Handing the mouse capture from the control that holds it (a pressed
// button) to another control (the list the button dropped down), so that a
// press, drag and release goes on in the other control.
class TControl;

// To takes the capture; the control that held it receives WM_CAPTURECHANGED
// with To as LParam.
void HandMouseCaptureTo(TControl* To);
