#pragma once
// What the programming window shows of the controller protocol. The window
// hands itself to the main window while it is open (TfrmMain::
// SetProgrammingView); every call shows its text at once, since the sending
// steps keep the main thread busy.
#include <string>
#include <vector>

class IProgrammingView {
public:
    virtual ~IProgrammingView() = default;
    // The upper status line (lblBlockCount).
    virtual void ShowBlockCount(const std::string& Text) = 0;
    // The lower status line (lblProgress).
    virtual void ShowProgress(const std::string& Text) = 0;
    // The progress bar, 0 to 100 (barProgress).
    virtual void ShowBar(int Percent) = 0;
    // The controller's time table, heading first (lstTime), and its clock
    // (lblTime).
    virtual void ShowTimeTable(const std::vector<std::string>& Lines, const std::string& Clock) = 0;
};
