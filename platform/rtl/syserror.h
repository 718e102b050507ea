#pragma once
// The text of a system error code (an errno value).
#include <string>

std::string SysErrorMessage(int ErrorCode);
