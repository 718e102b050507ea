#pragma once
// Turns the Qt events of a control's widget into the control's messages, and
// delivers the messages posted to it.
#include <map>

#include <QEvent>
#include <QObject>

class QKeyEvent;

#include "platform/ui/messages.h"

class TControl;

class TWidgetBridge : public QObject {
public:
    explicit TWidgetBridge(TControl* Control);

    bool eventFilter(QObject* Watched, QEvent* Event) override;

    void Post(const TMessage& Message);
    bool Pending(uint32_t Msg) const;
    // Takes the oldest waiting message of this number out of the queue.
    bool Remove(uint32_t Msg);
    // With a non-client frame the control gets WM_NCPAINT after each paint
    // of its widget, to draw its border over it.
    void SetNonClientFrame(bool Value) { FNonClientFrame = Value; }
    bool NonClientFrame() const { return FNonClientFrame; }

private:
    bool Deliver(TMessage& Message);
    // A message posted to the control (also to a widget it replaced).
    bool DeliverPosted(QEvent* Event);
    bool KeyPress(QKeyEvent* Event);
    bool Paint(QEvent* Event);
    // Whether the control claims the key for itself (WM_GETDLGCODE,
    // CM_WANTSPECIALKEY) rather than leaving it to the window.
    bool WantsKey(unsigned Key);
    TControl* FControl;
    std::map<uint32_t, int> FPending;
    std::map<uint32_t, int> FRemoved;
    bool FNonClientFrame = false;
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
// Takes a posted message of this number out of the control's queue before it
// arrives (as PeekMessage with PM_REMOVE); false when none waits.
bool RemovePostedMessage(TControl* Control, uint32_t Msg);
