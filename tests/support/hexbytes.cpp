#include "tests/support/hexbytes.h"

#include <stdexcept>

std::string Hex(std::string_view Text)
{
    std::string bytes;
    std::string digits;
    for (const char c : Text) {
        if (c == ' ')
            continue;
        digits += c;
        if (digits.size() == 2) {
            bytes.push_back(static_cast<char>(std::stoi(digits, nullptr, 16)));
            digits.clear();
        }
    }
    if (!digits.empty())
        throw std::invalid_argument("odd number of hex digits in " + std::string(Text));
    return bytes;
}

std::string ToHex(std::string_view Bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (const char byte : Bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (!text.empty())
            text += ' ';
        text += digits[value >> 4];
        text += digits[value & 15];
    }
    return text;
}
