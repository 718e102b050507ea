#include "platform/comm/commports.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace {

// The number behind Prefix in Name, or -1 when Name is not Prefix and digits.
long DeviceNumber(std::string_view Name, std::string_view Prefix)
{
    if (Name.size() <= Prefix.size() || Name.substr(0, Prefix.size()) != Prefix)
        return -1;
    const std::string_view digits = Name.substr(Prefix.size());
    if (digits.size() > 9 || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return std::strtol(std::string(digits).c_str(), nullptr, 10);
}

std::vector<std::string> Split(const std::string& Text, char Separator)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = Text.find(Separator, start);
        const std::string item = Text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!item.empty())
            items.push_back(item);
        if (end == std::string::npos)
            return items;
        start = end + 1;
    }
}

bool Opens(const std::string& Path)
{
    const int fd = ::open(Path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace

std::vector<std::string> SerialPortCandidates(const std::string& DevDir)
{
    if (const char* listed = std::getenv("LIGHTING_SERIAL_PORTS"); listed && *listed)
        return Split(listed, ':');

    std::vector<std::string> candidates;
    std::error_code error;
    for (const std::string_view prefix : {"ttyS", "ttyUSB", "ttyACM"}) {
        std::vector<std::pair<long, std::string>> group;
        for (const auto& entry : std::filesystem::directory_iterator(DevDir, error)) {
            const std::string name = entry.path().filename().string();
            if (const long number = DeviceNumber(name, prefix); number >= 0)
                group.emplace_back(number, entry.path().string());
        }
        std::sort(group.begin(), group.end());
        for (auto& [number, path] : group)
            candidates.push_back(std::move(path));
    }
    return candidates;
}

std::vector<std::string> EnumerateSerialPorts(const std::string& DevDir)
{
    std::vector<std::string> ports;
    for (const std::string& candidate : SerialPortCandidates(DevDir))
        if (Opens(candidate))
            ports.push_back(candidate);
    return ports;
}
