// Contexts and viewers on the windows of an X server: the application
// object on Qt's xcb platform, whose X11 display the contexts draw through.
#include <gtest/gtest.h>

#include <QtGlobal>

#include "platform/ui/application.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "xcb");
    TApplication application(nullptr);
    application.Initialize();
    return RUN_ALL_TESTS();
}
