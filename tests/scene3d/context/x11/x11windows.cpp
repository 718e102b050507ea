#include "tests/scene3d/context/x11/x11windows.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

void WaitUntilViewable(void* Connection, std::uintptr_t Window)
{
    auto* connection = static_cast<Display*>(Connection);
    for (int tries = 0; tries < 500; ++tries) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(connection, Window, &attributes) && attributes.map_state == IsViewable)
            return;
        QCoreApplication::processEvents();
        XSync(connection, False);
    }
    FAIL() << "window 0x" << std::hex << Window << " never became viewable";
}

unsigned long PixelOf(void* Connection, std::uintptr_t Window, int X, int Y)
{
    auto* connection = static_cast<Display*>(Connection);
    XSync(connection, False);
    XImage* image = XGetImage(connection, Window, X, Y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return ~0ul;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

void SyncXServer(void* Connection)
{
    XSync(static_cast<Display*>(Connection), False);
}
