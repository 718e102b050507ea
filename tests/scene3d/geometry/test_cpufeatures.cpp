#include "scene3d/geometry/cpufeatures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

// The kernel's view of the same processor bit.
bool KernelReports3DNow()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line))
        if (line.rfind("flags", 0) == 0) {
            std::istringstream flags(line.substr(line.find(':') + 1));
            std::string flag;
            while (flags >> flag)
                if (flag == "3dnow")
                    return true;
            return false;
        }
    return false;
}

TEST(CpuFeatures, Has3DNowAgreesWithTheKernel)
{
    EXPECT_EQ(Has3DNow(), KernelReports3DNow());
}

}  // namespace
