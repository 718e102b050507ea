#include "app/protocolframes.h"

#include <initializer_list>

namespace {

uint8_t At(std::string_view Bytes, std::size_t Index)
{
    return static_cast<uint8_t>(Bytes[Index]);
}

void Append(std::string& Bytes, int Value)
{
    Bytes.push_back(static_cast<char>(static_cast<uint8_t>(Value)));
}

} // namespace

uint32_t FrameSum(std::string_view Bytes)
{
    uint32_t sum = 0;
    for (const char byte : Bytes)
        sum += static_cast<uint8_t>(byte);
    return sum;
}

std::string BuildFrame(uint8_t Command, uint8_t Argument, std::string_view Payload)
{
    std::string frame;
    frame.reserve(Payload.size() + 6);
    Append(frame, kFrameStart);
    Append(frame, Command);
    Append(frame, Argument);
    Append(frame, static_cast<int>(Payload.size()));
    frame.append(Payload);
    const uint32_t sum = FrameSum(frame);
    Append(frame, static_cast<int>(sum / 256));
    Append(frame, static_cast<int>(sum));
    return frame;
}

std::string ReadRequestFrame()
{
    return BuildFrame(kCommandReadTimes, 0, {});
}

std::string FinishFrame()
{
    return BuildFrame(kCommandFinish, 0, {});
}

uint8_t Bcd(int Value)
{
    return static_cast<uint8_t>(Value / 10 * 16 + Value % 10);
}

std::string TimeTableFrame(const std::vector<TTimeRow>& Rows, const TSystemTime& Clock)
{
    std::string payload;
    Append(payload, static_cast<int>(Rows.size()));
    for (const TTimeRow& row : Rows)
        for (const int value : {row.OnHour, row.OnMinute, row.ToHour, row.ToMinute})
            Append(payload, Bcd(value));
    Append(payload, 0x80);
    for (const int value : std::initializer_list<int>{Clock.Second, Clock.Minute, Clock.Hour, Clock.DayOfWeek + 1, Clock.Day, Clock.Month,
                            Clock.Year % 100})
        Append(payload, Bcd(value));
    return BuildFrame(kCommandTimeTable, 0, payload);
}

TScannedFrame TakeFrame(std::string& Buffer)
{
    const std::size_t start = Buffer.find(static_cast<char>(kFrameStart));
    if (start == std::string::npos) {
        Buffer.clear();
        return {TScan::NeedMore, {}};
    }
    Buffer.erase(0, start);
    if (Buffer.size() < 4)
        return {TScan::NeedMore, {}};
    const std::size_t length = At(Buffer, 3);
    if (Buffer.size() < length + 6)
        return {TScan::NeedMore, {}};
    std::string frame = Buffer.substr(0, length + 6);
    Buffer.erase(0, length + 6);
    const uint32_t sent = At(frame, length + 4) * 256u + At(frame, length + 5);
    const bool valid = sent == FrameSum(std::string_view(frame).substr(0, length + 4));
    return {valid ? TScan::Valid : TScan::Invalid, std::move(frame)};
}
