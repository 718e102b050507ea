// The signal tests catch the termination signals first, as the program's
// entry point does, before any thread starts.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/ui/terminationsignals.h"

int main(int argc, char** argv)
{
    CatchTerminationSignals();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
