#pragma once
// The far end of a pseudo-terminal for tests of serial code: the test holds
// the master side and the code under test opens SlavePath(). The peer also
// keeps a slave descriptor of its own, so the terminal outlives the code's
// opening and closing, and the line settings can be read from the master.
#include <termios.h>

#include <cstddef>
#include <string>
#include <string_view>

class TPtyPeer {
public:
    TPtyPeer();
    TPtyPeer(const TPtyPeer&) = delete;
    TPtyPeer& operator=(const TPtyPeer&) = delete;
    ~TPtyPeer();

    const std::string& SlavePath() const { return FSlavePath; }
    int Master() const { return FMaster; }

    // Writes all of Data to the master, waiting for room.
    void Write(std::string_view Data);
    // Reads from the master until Count bytes came or TimeoutMs passed
    // without any byte arriving.
    std::string Read(std::size_t Count, int TimeoutMs = 2000);
    // Whatever the master can read now.
    std::string ReadAvailable();
    // Suspends and resumes the slave's output, as XOFF and XON from the far
    // end would: meanwhile writes on the slave side find no room.
    void StopOutput();
    void StartOutput();
    // Reads and drops everything waiting on the master.
    void Drain();
    // Closes the master: the slave side hangs up, as an unplugged adapter.
    void CloseMaster();
    // The line settings of the slave.
    termios Line() const;

private:
    int FMaster = -1;
    int FSlave = -1;
    std::string FSlavePath;
};
