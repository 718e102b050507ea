#include "tests/app/xserverview.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdexcept>

TXServerView::TXServerView() : FDisplay(XOpenDisplay(nullptr))
{
    if (!FDisplay)
        throw std::runtime_error("no X server to look at");
}

TXServerView::~TXServerView()
{
    XCloseDisplay(FDisplay);
}

std::string TXServerView::Property(unsigned long WindowId, const char* Name, unsigned long Type) const
{
    std::string value;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(FDisplay, WindowId, XInternAtom(FDisplay, Name, False), 0, 4096, False, Type, &type,
                           &format, &count, &after, &data) == Success &&
        data) {
        // Xlib hands 32-bit items over as longs.
        value.assign(reinterpret_cast<const char*>(data), format == 32 ? count * sizeof(long) : count);
        XFree(data);
    }
    return value;
}

std::string TXServerView::Title(unsigned long WindowId) const
{
    return Property(WindowId, "_NET_WM_NAME", XInternAtom(FDisplay, "UTF8_STRING", False));
}

bool TXServerView::ShowsWindowTitled(long Pid, const std::string& Title) const
{
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    bool found = false;
    if (XQueryTree(FDisplay, DefaultRootWindow(FDisplay), &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i) {
            const std::string pid = Property(children[i], "_NET_WM_PID", XA_CARDINAL);
            found = pid.size() == sizeof(long) && *reinterpret_cast<const long*>(pid.data()) == Pid &&
                    this->Title(children[i]) == Title;
        }
        XFree(children);
    }
    return found;
}

QImage TXServerView::Image(unsigned long WindowId) const
{
    XSync(FDisplay, False);
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(FDisplay, WindowId, &attributes) || attributes.map_state != IsViewable)
        return {};
    XImage* image = XGetImage(FDisplay, WindowId, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image)
        return {};
    QImage picture(attributes.width, attributes.height, QImage::Format_RGB32);
    for (int y = 0; y < attributes.height; ++y)
        for (int x = 0; x < attributes.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            picture.setPixel(x, y, qRgb(static_cast<int>((pixel & image->red_mask) >> 16),
                                        static_cast<int>((pixel & image->green_mask) >> 8),
                                        static_cast<int>(pixel & image->blue_mask)));
        }
    XDestroyImage(image);
    return picture;
}
