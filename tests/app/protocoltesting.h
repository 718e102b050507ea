#pragma once
// What the protocol's tests share: bytes written as hex, a programming window
// stand-in that records what it is shown, and the program with its serial
// line on a controller emulator.
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/programmingview.h"
#include "tests/support/hexbytes.h"
#include "tests/app/programtesting.h"
#include "tests/support/controlleremulator.h"

// The 16 channel characters of a step with the given channels on.
std::string Channels(std::initializer_list<int> On);

// Records what the programming window would show.
class TRecordingView : public IProgrammingView {
public:
    void ShowBlockCount(const std::string& Text) override { BlockCounts.push_back(Text); }
    void ShowProgress(const std::string& Text) override { Progress.push_back(Text); }
    void ShowBar(int Percent) override { Bars.push_back(Percent); }
    void ShowTimeTable(const std::vector<std::string>& Lines, const std::string& Clock) override
    {
        TimeTables.push_back({Lines, Clock});
    }

    std::vector<std::string> BlockCounts;
    std::vector<std::string> Progress;
    std::vector<int> Bars;
    std::vector<std::pair<std::vector<std::string>, std::string>> TimeTables;
};

// The program with its port open on a controller emulator, and the recording
// view standing in for the programming window.
class ProtocolTest : public ProgramTest {
protected:
    void SetUp() override;

    // Starts an emulator that behaves so, opens the port on it and hands the
    // view to the main window.
    void Connect(const TEmulatorBehaviour& Behaviour = {});
    // What the programming window does on "Записать".
    void Write(int ChannelMode);
    // Runs the message loop for Milliseconds.
    void RunFor(int Milliseconds);
    // The texts of the message boxes shown so far.
    std::vector<std::string> Messages() const;
    // Runs the message loop until Done() holds or 20 seconds passed (the
    // transfers wait on purpose, and the machine may be busy); whether it holds.
    template <class F>
    bool WaitFor(F&& Done)
    {
        QElapsedTimer timer;
        timer.start();
        while (!Done() && timer.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return Done();
    }
    // Runs the message loop until a message box was shown.
    bool RunUntilMessage();

    // Adds and applies a scheme whose steps are (delay, channel characters).
    void AddScheme(int Id, const std::string& Name, const std::vector<std::pair<int, std::string>>& Steps);
    // Adds and applies programme rows (scheme, count), numbered on from the last.
    void AddProgramme(const std::vector<std::pair<int, int>>& Rows);
    // Adds and applies time-table rows (on hour, on minute, to hour, to minute).
    void AddTimes(const std::vector<std::vector<int>>& Rows);

    TRecordingView View;
    std::unique_ptr<TControllerEmulator> Emulator;
    int NextProgrammeRow = 1;
};

// The answer time-out of the tests: shorter than the program's, so that
// the tests of a silent controller end sooner.
inline constexpr int kTestAnswerTimeout = 1500;

inline const std::string kWritten = "Программа записана !";
inline const std::string kNoAnswer = "Контроллер не ответил. Программа не записана !";

// The heading line of a read-back time table.
inline const std::string kHeading = "     ВКЛ      РАБ";

// Schemes 1 to 3 and the programme (1, 3), (2, 255), (3, 1), with the bytes
// they make in each channel mode; and a time table of two rows.
class ProgrammeExchange : public ProtocolTest {
protected:
    void AddProgrammeOfTwoBlocks();
    static std::string ExpectedStream(int ChannelMode);
};
