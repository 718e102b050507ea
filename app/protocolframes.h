#pragma once
// Frames of the controller protocol, both directions: the start byte 0xAA, a
// command, an argument, the payload length L, L payload bytes, and the sum of
// all the bytes before it, high byte first. Byte strings are std::string, as
// the serial component reads and writes them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/clocks.h"

constexpr uint8_t kFrameStart = 0xAA;
// What a frame does: the same command byte asks and answers.
constexpr uint8_t kCommandBlock = 0x02;      // a block of the programme; answer: taken
constexpr uint8_t kCommandReadTimes = 0x03;  // read the time table; answer: the table and clock
constexpr uint8_t kCommandTimeTable = 0x04;  // the time table and clock; answer: taken
constexpr uint8_t kCommandFinish = 0x05;     // the programme is complete; no answer

// The sum of the bytes, each unsigned.
uint32_t FrameSum(std::string_view Bytes);
// A whole frame; the length byte is the low 8 bits of the payload's size.
std::string BuildFrame(uint8_t Command, uint8_t Argument, std::string_view Payload);
// AA 03 00 00 00 AD and AA 05 00 00 00 AF.
std::string ReadRequestFrame();
std::string FinishFrame();

// Two decimal digits in one byte: 59 -> 0x59.
uint8_t Bcd(int Value);

// One row of the daily time table: on at OnHour:OnMinute, running until
// ToHour:ToMinute.
struct TTimeRow {
    int OnHour;
    int OnMinute;
    int ToHour;
    int ToMinute;
};
// The time-table frame: the row count, four BCD bytes per row, 0x80, then the
// clock as BCD second, minute, hour, day of the week (1 = Sunday), day, month
// and the year's last two digits.
std::string TimeTableFrame(const std::vector<TTimeRow>& Rows, const TSystemTime& Clock);

// Taking frames off the front of a buffer of received bytes.
enum class TScan {
    NeedMore,  // no whole frame yet; the buffer starts at a start byte or is empty
    Valid,     // a frame whose sum matched
    Invalid,   // a whole frame whose sum did not match
};
struct TScannedFrame {
    TScan Result;
    std::string Frame;
};
// Drops the bytes before the first start byte (everything when there is
// none); when a whole frame follows, removes it from Buffer and returns it.
TScannedFrame TakeFrame(std::string& Buffer);
