#include "platform/ui/x11display.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

Display* X11Display()
{
    const auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!application)
        return nullptr;
    const auto* x11 = application->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}
