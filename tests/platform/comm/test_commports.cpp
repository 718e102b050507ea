// The devices a port can be opened on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/comm/commports.h"
#include "tests/support/ptypeer.h"
#include "tests/support/testsupport.h"

namespace {

// Sets LIGHTING_SERIAL_PORTS while it lives.
class TPortsVariable {
public:
    explicit TPortsVariable(const std::string& Value) { setenv("LIGHTING_SERIAL_PORTS", Value.c_str(), 1); }
    ~TPortsVariable() { unsetenv("LIGHTING_SERIAL_PORTS"); }
};

} // namespace

TEST(CommPorts, CandidatesComeByKindInTheNaturalOrderOfTheirNumbers)
{
    TTempDir dev;
    for (const char* name : {"ttyS10", "ttyACM0", "ttyS2", "ttyUSB1", "ttyS0", "ttyUSB0", "ttySx", "tty1", "ttyS"})
        std::ofstream(dev.File(name)).put('\n');
    EXPECT_EQ(SerialPortCandidates(dev.Path().string()),
              (std::vector<std::string>{dev.File("ttyS0"), dev.File("ttyS2"), dev.File("ttyS10"),
                                        dev.File("ttyUSB0"), dev.File("ttyUSB1"), dev.File("ttyACM0")}));
}

TEST(CommPorts, TheEnvironmentNamesTheCandidatesAndOnlyThoseThatOpenAreListed)
{
    TPtyPeer first, second;
    TTempDir dev;
    const std::string missing = dev.File("ttyUSB9");
    const TPortsVariable variable(second.SlavePath() + ":" + missing + "::" + first.SlavePath());
    EXPECT_EQ(SerialPortCandidates(dev.Path().string()),
              (std::vector<std::string>{second.SlavePath(), missing, first.SlavePath()}));
    EXPECT_EQ(EnumerateSerialPorts(dev.Path().string()),
              (std::vector<std::string>{second.SlavePath(), first.SlavePath()}));
}
