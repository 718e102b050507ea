#pragma once
// The scene engine's checks of its own preconditions. A broken one raises the
// platform's EAssertionFailed; checks that name no message of their own carry
// "Assertion failure".
#include <string>

inline constexpr const char* AssertionFailureMessage = "Assertion failure";

// Raises EAssertionFailed with the message unless the condition holds.
void EngineAssert(bool condition, const std::string& message = AssertionFailureMessage);
