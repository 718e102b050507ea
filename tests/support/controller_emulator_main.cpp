// The controller emulator as a program, for trying the lighting program by
// hand: it serves DEVICE, or a new pseudo-terminal whose path it prints (set
// LIGHTING_SERIAL_PORTS to it), prints every frame it receives in hex, and
// runs until interrupted.
//
//   controller_emulator [--paced] [--single-bytes] [--garbage HEX] [--late MS] [DEVICE]
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "tests/support/controlleremulator.h"
#include "tests/support/hexbytes.h"

namespace {

void Usage()
{
    std::cerr << "usage: controller_emulator [--paced] [--single-bytes] [--garbage HEX] [--late MS] [DEVICE]\n"
                 "  --paced         bytes take their time as at 9600 baud\n"
                 "  --single-bytes  every answer byte written on its own\n"
                 "  --garbage HEX   bytes written before every answer, e.g. 0017\n"
                 "  --late MS       every answer waits MS milliseconds\n";
}

} // namespace

int main(int argc, char** argv)
{
    TEmulatorBehaviour behaviour;
    std::string device;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            const bool hasValue = i + 1 < argc;
            if (arg == "--paced")
                behaviour.Paced = true;
            else if (arg == "--single-bytes")
                behaviour.SingleBytes = true;
            else if (arg == "--garbage" && hasValue)
                behaviour.Garbage = Hex(argv[++i]);
            else if (arg == "--late" && hasValue)
                behaviour.AnswerDelayMs = std::stoi(argv[++i]);
            else if (!arg.empty() && arg[0] != '-' && device.empty())
                device = arg;
            else {
                Usage();
                return 2;
            }
        }
    } catch (const std::exception& e) {
        std::cerr << "controller_emulator: " << e.what() << "\n";
        Usage();
        return 2;
    }
    // The emulator's thread inherits the blocked signals; this thread waits for them.
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGINT);
    sigaddset(&stop, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop, nullptr);

    std::unique_ptr<TControllerEmulator> emulator;
    try {
        emulator = device.empty() ? std::make_unique<TControllerEmulator>(behaviour)
                                  : std::make_unique<TControllerEmulator>(device, behaviour);
    } catch (const std::exception& e) {
        std::cerr << "controller_emulator: " << e.what() << "\n";
        return 1;
    }
    emulator->SetOnFrame([](const std::string& Frame) { std::cout << ToHex(Frame) << std::endl; });
    std::cout << emulator->DevicePath() << std::endl;

    int signal = 0;
    sigwait(&stop, &signal);
    return 0;
}
