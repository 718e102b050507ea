#pragma once
// Signal connections that a control makes to its own widget, cut when the
// control goes: a widget still sends signals while it is taken apart, after
// the control's own part is gone. Handlers that may raise run under the
// window layer's exception handling, never unwinding through Qt.
#include <utility>
#include <vector>

#include <QMetaObject>
#include <QObject>

#include "platform/rtl/appexceptions.h"

class TConnections {
public:
    TConnections() = default;
    TConnections(const TConnections&) = delete;
    TConnections& operator=(const TConnections&) = delete;
    ~TConnections() { Clear(); }

    TConnections& operator+=(QMetaObject::Connection Connection)
    {
        FList.push_back(std::move(Connection));
        return *this;
    }
    void Clear()
    {
        for (const QMetaObject::Connection& c : FList)
            QObject::disconnect(c);
        FList.clear();
    }

private:
    std::vector<QMetaObject::Connection> FList;
};

// Runs Handler; an exception it raises goes to the application object.
template <class F>
void Guarded(TObject* Sender, F&& Handler)
{
    try {
        std::forward<F>(Handler)();
    } catch (...) {
        ApplicationHandleException(Sender);
    }
}
