#pragma once
// Bytes written as hex in tests: "AA 03 00" -> the three bytes, and back.
#include <string>
#include <string_view>

std::string Hex(std::string_view Text);
std::string ToHex(std::string_view Bytes);
