#pragma once
// Turns the Qt events of a control's widget into the control's messages, and
// delivers the messages posted to it.
#include <map>

#include <QEvent>
#include <QObject>

#include "platform/ui/messages.h"

class TControl;

class TWidgetBridge : public QObject {
public:
    explicit TWidgetBridge(TControl* Control) : FControl(Control) {}

    bool eventFilter(QObject* Watched, QEvent* Event) override;

    void Post(const TMessage& Message);
    bool Pending(uint32_t Msg) const;

private:
    bool Deliver(TMessage& Message);
    TControl* FControl;
    std::map<uint32_t, int> FPending;
};

// A message posted to a control, waiting in Qt's queue.
class TPostedMessageEvent : public QEvent {
public:
    static QEvent::Type EventType();
    explicit TPostedMessageEvent(const TMessage& Message) : QEvent(EventType()), FMessage(Message) {}
    const TMessage& Message() const { return FMessage; }

private:
    TMessage FMessage;
};

// Posting and sending messages to controls.
void PostMessage(TControl* Control, uint32_t Msg, WPARAM WParam, LPARAM LParam);
// Whether a message of this number posted to the control still waits.
bool IsMessagePending(const TControl* Control, uint32_t Msg);
