#pragma once
// Hint windows: a small top-level window that shows a text at a point of the
// screen without taking the focus. The application shows the hint of the
// control under the mouse: it asks the control with CM_HINTSHOW (LParam: a
// THintInfo the control may change; a non-zero Result shows nothing) and
// shows HintStr in a window of the class the info names.
#include <functional>
#include <string>

#include "platform/ui/controls.h"

class THintWindow : public TCustomControl {
    LT_CLASS(THintWindow)
public:
    explicit THintWindow(TComponent* AOwner);

    // The window's bounds (at 0, 0) for Hint wrapped at MaxWidth.
    virtual TRect CalcHintRect(int MaxWidth, const std::string& Hint);
    // Shows Hint in Rect (screen coordinates).
    virtual void ActivateHint(const TRect& Rect, const std::string& Hint);
    void ReleaseHandle();

protected:
    QWidget* CreateWidget() override;
    void Paint() override;
    // The colour of the hint's text.
    virtual TColor TextColor() const { return clInfoText; }
};

// Makes the hint window a control wants for its hint.
using THintWindowClass = std::function<THintWindow*(TComponent* Owner)>;

struct THintInfo {
    TControl* HintControl = nullptr;
    THintWindowClass HintWindowClass;
    TPoint HintPos;          // screen coordinates of the window's top-left
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    TRect CursorRect;        // client coordinates of HintControl
    TPoint CursorPos;        // client coordinates of HintControl
    std::string HintStr;
};

// Shows the hint of Control for the mouse at CursorPos (screen), as the
// application does when the mouse rests; false when no hint shows.
bool ShowControlHint(TControl* Control, const TPoint& CursorPos);
