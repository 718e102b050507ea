#include "app/readback.h"

#include <cstdint>

namespace {

// A BCD byte of the controller; its top bit is not part of the value.
int Value(uint8_t Byte)
{
    return ((Byte >> 4) & 7) * 10 + (Byte & 15);
}

std::string TwoDigits(int Number)
{
    std::string text = std::to_string(Number);
    return text.size() < 2 ? "0" + text : text;
}

} // namespace

std::optional<TReadBack> DecodeReadBack(std::string_view Frame)
{
    const auto at = [&](std::size_t Index) { return static_cast<uint8_t>(Frame[Index]); };
    // The payload: the row count, four bytes per row, a marker, seven clock bytes.
    constexpr std::size_t kFixed = 9;
    if (Frame.size() < 6 || at(3) < kFixed || Frame.size() < at(3) + 6u)
        return std::nullopt;
    const std::size_t rows = at(4);
    if (at(3) < 4 * rows + kFixed)
        return std::nullopt;

    TReadBack readBack;
    readBack.Lines.push_back("     ВКЛ      РАБ");
    for (std::size_t row = 0; row < rows; ++row) {
        const std::size_t first = 5 + 4 * row;
        readBack.Lines.push_back("    " + TwoDigits(Value(at(first))) + ":" + TwoDigits(Value(at(first + 1))) +
                                 "    " + TwoDigits(Value(at(first + 2))) + ":" + TwoDigits(Value(at(first + 3))));
    }
    const std::size_t clock = 4 * rows + 6;
    const int second = Value(at(clock));
    const int minute = Value(at(clock + 1));
    const int hour = Value(at(clock + 2));
    const int day = Value(at(clock + 4));
    const int month = Value(at(clock + 5));
    const int year = (at(clock + 6) >> 4) * 10 + (at(clock + 6) & 15);
    readBack.Clock = TwoDigits(day) + "/" + TwoDigits(month) + "/20" + TwoDigits(year) + "\r\r" +
                     std::to_string(hour) + ":" + TwoDigits(minute) + ":" + TwoDigits(second);
    return readBack;
}
