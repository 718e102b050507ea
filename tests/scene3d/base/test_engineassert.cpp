#include "scene3d/base/engineassert.h"

#include "platform/rtl/exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(EngineAssert, BrokenCheckRaisesThePlatformsAssertionWithTheEnginesText)
{
    EXPECT_NO_THROW(EngineAssert(true));
    try {
        EngineAssert(false);
        FAIL() << "no exception";
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.Message(), "Assertion failure");
    }
    try {
        EngineAssert(false, "Unbalanced Begin/EndUpdate");
        FAIL() << "no exception";
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.Message(), "Unbalanced Begin/EndUpdate");
    }
}

}  // namespace
