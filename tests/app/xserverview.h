#pragma once
// Windows as the window manager sees them on the X server.
#include <string>

#include <QImage>

struct _XDisplay;

// A connection of its own to the X server of DISPLAY, held while it lives
// (so the server never sees its last client leave and resets under a test).
class TXServerView {
public:
    TXServerView();
    TXServerView(const TXServerView&) = delete;
    TXServerView& operator=(const TXServerView&) = delete;
    ~TXServerView();

    // The window's _NET_WM_NAME.
    std::string Title(unsigned long WindowId) const;
    // Whether the process Pid shows a top-level window titled Title.
    bool ShowsWindowTitled(long Pid, const std::string& Title) const;
    // What the server shows of the window, its child windows (a GL
    // viewer's among them) included; a null image when it cannot be read.
    QImage Image(unsigned long WindowId) const;

private:
    std::string Property(unsigned long WindowId, const char* Name, unsigned long Type) const;

    _XDisplay* FDisplay;
};
