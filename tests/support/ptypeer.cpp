#include "tests/support/ptypeer.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace {

void SetNonBlocking(int Fd)
{
    fcntl(Fd, F_SETFL, fcntl(Fd, F_GETFL) | O_NONBLOCK);
}

bool WaitFor(int Fd, short Events, int TimeoutMs)
{
    pollfd wait{Fd, Events, 0};
    return poll(&wait, 1, TimeoutMs) > 0 && (wait.revents & Events);
}

} // namespace

TPtyPeer::TPtyPeer()
{
    char name[256];
    if (openpty(&FMaster, &FSlave, name, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    FSlavePath = name;
    SetNonBlocking(FMaster);
    SetNonBlocking(FSlave);
    termios raw{};
    tcgetattr(FSlave, &raw);
    cfmakeraw(&raw);
    tcsetattr(FSlave, TCSANOW, &raw);
}

TPtyPeer::~TPtyPeer()
{
    CloseMaster();
    close(FSlave);
}

void TPtyPeer::Write(std::string_view Data)
{
    while (!Data.empty()) {
        const ssize_t n = write(FMaster, Data.data(), Data.size());
        if (n > 0)
            Data.remove_prefix(static_cast<std::size_t>(n));
        else if (n < 0 && errno != EAGAIN)
            throw std::runtime_error("writing to the pseudo-terminal failed");
        else
            WaitFor(FMaster, POLLOUT, 100);
    }
}

std::string TPtyPeer::Read(std::size_t Count, int TimeoutMs)
{
    std::string data;
    char buffer[4096];
    while (data.size() < Count && WaitFor(FMaster, POLLIN, TimeoutMs)) {
        const ssize_t n = read(FMaster, buffer, std::min(sizeof buffer, Count - data.size()));
        if (n <= 0)
            break;
        data.append(buffer, static_cast<std::size_t>(n));
    }
    return data;
}

std::string TPtyPeer::ReadAvailable()
{
    std::string data;
    char buffer[4096];
    ssize_t n;
    while ((n = read(FMaster, buffer, sizeof buffer)) > 0)
        data.append(buffer, static_cast<std::size_t>(n));
    return data;
}

void TPtyPeer::StopOutput()
{
    tcflow(FSlave, TCOOFF);
}

void TPtyPeer::StartOutput()
{
    tcflow(FSlave, TCOON);
}

void TPtyPeer::Drain()
{
    for (;;) {
        if (!ReadAvailable().empty())
            continue;
        if (!WaitFor(FMaster, POLLIN, 50) || ReadAvailable().empty())
            return;
    }
}

void TPtyPeer::CloseMaster()
{
    if (FMaster < 0)
        return;
    close(FMaster);
    FMaster = -1;
}

termios TPtyPeer::Line() const
{
    termios line{};
    tcgetattr(FMaster, &line);
    return line;
}
