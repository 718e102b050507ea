#include "platform/gl/x11window.h"

#include <X11/Xlib.h>

namespace {

bool ErrorSeen = false;

int NoteError(Display*, XErrorEvent*)
{
    ErrorSeen = true;
    return 0;
}

// Catches the X errors of the requests made while it lives (a window that
// is gone answers with BadWindow), instead of the handler in place, which
// may end the process.
class TXErrorTrap {
public:
    explicit TXErrorTrap(Display* Connection) : FConnection(Connection)
    {
        XSync(FConnection, False);
        ErrorSeen = false;
        FPrevious = XSetErrorHandler(NoteError);
    }
    TXErrorTrap(const TXErrorTrap&) = delete;
    TXErrorTrap& operator=(const TXErrorTrap&) = delete;
    ~TXErrorTrap()
    {
        XSync(FConnection, False);
        XSetErrorHandler(FPrevious);
    }
    bool Failed()
    {
        XSync(FConnection, False);
        return ErrorSeen;
    }

private:
    Display* FConnection;
    XErrorHandler FPrevious;
};

} // namespace

unsigned long X11WindowVisual(void* XDisplay, std::uintptr_t Window)
{
    auto* connection = static_cast<Display*>(XDisplay);
    if (!connection || !Window)
        return 0;
    TXErrorTrap trap(connection);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(connection, Window, &attributes) || trap.Failed() || !attributes.visual)
        return 0;
    return XVisualIDFromVisual(attributes.visual);
}

bool X11WindowWithin(void* XDisplay, std::uintptr_t Window, std::uintptr_t Ancestor)
{
    if (Window == Ancestor)
        return Window != 0;
    auto* connection = static_cast<Display*>(XDisplay);
    if (!connection || !Window || !Ancestor)
        return false;
    TXErrorTrap trap(connection);
    ::Window window = Window;
    while (window != Ancestor) {
        ::Window root = 0;
        ::Window parent = 0;
        ::Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(connection, window, &root, &parent, &children, &count) || trap.Failed())
            return false;
        if (children)
            XFree(children);
        if (!parent || window == root)
            return false;
        window = parent;
    }
    return true;
}
