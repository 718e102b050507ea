#pragma once
// A windowed control whose widget is a window of the X server that Qt never
// paints: a native child window, opaque, without background or paint
// engine, for code that draws into it through the window system itself
// (OpenGL through EGL). Paint and size still arrive as WM_PAINT and WM_SIZE.
// Only the control and its ancestors get X windows (the application sets
// Qt::AA_DontCreateNativeWidgetSiblings). On a Qt platform other than X11
// the widget is an ordinary one and the control has no window of its own.
#include <cstdint>

#include "platform/ui/controls.h"

class TNativeWindowControl : public TWinControl {
    LT_CLASS(TNativeWindowControl)
public:
    explicit TNativeWindowControl(TComponent* AOwner);

    // Whether the X window exists.
    bool HandleAllocated() const;
    // The id of the X window, made at once when it does not exist yet (an
    // exception of CreateWnd then passes to the caller); 0 off X11.
    std::uintptr_t Handle();

protected:
    QWidget* CreateWidget() override;
    // The X window was made: by Handle, or by Qt when the control or its
    // form is shown (an exception then goes to the application object).
    virtual void CreateWnd() {}
    // The X window is about to be destroyed; it still exists.
    virtual void DestroyWnd() {}

private:
    friend class TNativeWindowWidget;
    // Inside Handle: the window made is announced by Handle itself.
    bool FMakingWindow = false;
};
