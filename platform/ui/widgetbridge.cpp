#include "platform/ui/widgetbridge.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimerEvent>
#include <QWheelEvent>
#include <QWidget>

#include "platform/rtl/appexceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/controls.h"
#include "platform/ui/focusmessages.h"
#include "platform/ui/keys.h"

namespace {
WPARAM MouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    WPARAM keys = 0;
    if (buttons & Qt::LeftButton)
        keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        keys |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        keys |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        keys |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        keys |= MK_CONTROL;
    return keys;
}

uint32_t ButtonMessage(Qt::MouseButton button, QEvent::Type type)
{
    const int base = button == Qt::RightButton ? 0 : (button == Qt::MiddleButton ? 1 : 2);
    static const uint32_t down[] = {WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_LBUTTONDOWN};
    static const uint32_t up[] = {WM_RBUTTONUP, WM_MBUTTONUP, WM_LBUTTONUP};
    static const uint32_t dbl[] = {WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK, WM_LBUTTONDBLCLK};
    if (type == QEvent::MouseButtonPress)
        return down[base];
    if (type == QEvent::MouseButtonRelease)
        return up[base];
    return dbl[base];
}
} // namespace

TWidgetBridge::TWidgetBridge(TControl* Control) : FControl(Control)
{
    FollowFocusChanges();
}

QEvent::Type TPostedMessageEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool TWidgetBridge::Deliver(TMessage& Message)
{
    FControl->SetPassToWidget(false);
    try {
        FControl->WndProc(Message);
    } catch (...) {
        ApplicationHandleException(FControl);
        return true;
    }
    return !FControl->PassToWidget();
}

void TWidgetBridge::Post(const TMessage& Message)
{
    ++FPending[Message.Msg];
    QCoreApplication::postEvent(FControl->Widget(), new TPostedMessageEvent(Message));
}

bool TWidgetBridge::Pending(uint32_t Msg) const
{
    const auto it = FPending.find(Msg);
    return it != FPending.end() && it->second > 0;
}

bool TWidgetBridge::Remove(uint32_t Msg)
{
    if (!Pending(Msg))
        return false;
    --FPending[Msg];
    ++FRemoved[Msg];
    return true;
}

bool TWidgetBridge::WantsKey(unsigned Key)
{
    if (FControl->Perform(CM_WANTSPECIALKEY, Key) != 0)
        return true;
    unsigned mask = 0;
    switch (Key) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_RETURN:
    case VK_ESCAPE: mask = DLGC_WANTALLKEYS; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: mask = DLGC_WANTARROWS; break;
    default: return false;
    }
    return (static_cast<unsigned>(FControl->Perform(WM_GETDLGCODE)) & mask) != 0;
}

bool TWidgetBridge::KeyPress(QKeyEvent* Event)
{
    TMessage m;
    m.Msg = (Event->modifiers() & Qt::AltModifier) ? WM_SYSKEYDOWN : WM_KEYDOWN;
    m.WParam = VirtualKeyOf(Event->key());
    m.LParam = Event->isAutoRepeat() ? (1 << 30) : 0;
    bool consumed = m.WParam != 0 && Deliver(m);
    if (consumed)
        return true;
    // A Tab the control does not want moves the focus, as the window does.
    const bool tab = m.WParam == VK_TAB && !(Event->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    if (tab && !WantsKey(VK_TAB))
        return false;
    for (const char32_t ch : Event->text().toStdU32String()) {
        TMessage c{(Event->modifiers() & Qt::AltModifier) ? WM_SYSCHAR : WM_CHAR, static_cast<WPARAM>(ch), 0, 0};
        consumed = Deliver(c) || consumed;
    }
    return consumed || tab;
}

bool TWidgetBridge::Paint(QEvent* Event)
{
    TMessage m{WM_PAINT, 0, 0, 0};
    const bool painted = Deliver(m);
    if (!FNonClientFrame)
        return painted;
    if (!painted)
        static_cast<QObject*>(FControl->FWidget.data())->event(Event);
    TMessage frame{WM_NCPAINT, 0, 0, 0};
    Deliver(frame);
    return true;
}

bool TWidgetBridge::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched != FControl->FWidget.data())
        return Event->type() == TPostedMessageEvent::EventType() && DeliverPosted(Event);
    TMessage m;
    switch (Event->type()) {
    case QEvent::Paint:
        return Paint(Event);
    case QEvent::Resize: {
        const QSize size = static_cast<QResizeEvent*>(Event)->size();
        m.Msg = WM_SIZE;
        m.LParam = MakeLParam(size.width(), size.height());
        Deliver(m);
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        const auto* e = static_cast<QMouseEvent*>(Event);
        m.Msg = ButtonMessage(e->button(), Event->type());
        Qt::MouseButtons buttons = e->buttons();
        if (Event->type() != QEvent::MouseButtonRelease)
            buttons |= e->button();
        m.WParam = MouseKeys(buttons, e->modifiers());
        m.LParam = MakeLParam(static_cast<int>(e->position().x()), static_cast<int>(e->position().y()));
        return Deliver(m);
    }
    case QEvent::MouseMove: {
        const auto* e = static_cast<QMouseEvent*>(Event);
        m.Msg = WM_MOUSEMOVE;
        m.WParam = MouseKeys(e->buttons(), e->modifiers());
        m.LParam = MakeLParam(static_cast<int>(e->position().x()), static_cast<int>(e->position().y()));
        return Deliver(m);
    }
    case QEvent::Wheel: {
        const auto* e = static_cast<QWheelEvent*>(Event);
        m.Msg = WM_MOUSEWHEEL;
        const int delta = e->angleDelta().y();
        m.WParam = (static_cast<WPARAM>(static_cast<uint16_t>(delta)) << 16) | MouseKeys(e->buttons(), e->modifiers());
        m.LParam = MakeLParam(static_cast<int>(e->globalPosition().x()), static_cast<int>(e->globalPosition().y()));
        return Deliver(m);
    }
    case QEvent::Enter:
        m.Msg = CM_MOUSEENTER;
        Deliver(m);
        return false;
    case QEvent::Leave:
        m.Msg = CM_MOUSELEAVE;
        Deliver(m);
        return false;
    case QEvent::FocusIn:
        m.Msg = WM_SETFOCUS;
        Deliver(m);
        SendFocusEnters(FControl);
        return false;
    case QEvent::FocusOut:
        SendFocusExits(FControl);
        m.Msg = WM_KILLFOCUS;
        Deliver(m);
        return false;
    case QEvent::KeyPress:
        return KeyPress(static_cast<QKeyEvent*>(Event));
    case QEvent::ShortcutOverride: {
        auto* e = static_cast<QKeyEvent*>(Event);
        const unsigned key = VirtualKeyOf(e->key());
        if (key == 0 || !WantsKey(key))
            return false;
        e->accept();
        return true;
    }
    case QEvent::ToolTip:
        if (!FControl->ShowHint() || !Application)
            return false;
        {
            const QPoint at = static_cast<QHelpEvent*>(Event)->globalPos();
            Application->ActivateHint(TPoint{at.x(), at.y()});
        }
        return true;
    case QEvent::KeyRelease: {
        const auto* e = static_cast<QKeyEvent*>(Event);
        // A held key repeats its key-down only; the window system's release
        // and press pairs must not look like the key let go.
        if (e->isAutoRepeat())
            return false;
        m.Msg = (e->modifiers() & Qt::AltModifier) ? WM_SYSKEYUP : WM_KEYUP;
        m.WParam = VirtualKeyOf(e->key());
        return m.WParam != 0 && Deliver(m);
    }
    case QEvent::Timer:
        m.Msg = WM_TIMER;
        m.WParam = static_cast<WPARAM>(static_cast<QTimerEvent*>(Event)->timerId());
        return Deliver(m);
    case QEvent::ApplicationPaletteChange:
    case QEvent::StyleChange:
        // The desktop's colours or look changed: what was drawn ahead of
        // time in them is stale.
        m.Msg = CM_SYSCOLORCHANGE;
        Deliver(m);
        return false;
    case QEvent::Close:
        m.Msg = WM_CLOSE;
        Deliver(m);
        Event->ignore();
        return true;
    default:
        return Event->type() == TPostedMessageEvent::EventType() && DeliverPosted(Event);
    }
}

bool TWidgetBridge::DeliverPosted(QEvent* Event)
{
    TMessage posted = static_cast<TPostedMessageEvent*>(Event)->Message();
    --FPending[posted.Msg];
    if (FRemoved[posted.Msg] > 0) {
        --FRemoved[posted.Msg];
        return true;
    }
    Deliver(posted);
    return true;
}

void PostMessage(TControl* Control, uint32_t Msg, WPARAM WParam, LPARAM LParam)
{
    Control->Widget();
    Control->Bridge().Post(TMessage{Msg, WParam, LParam, 0});
}

bool RemovePostedMessage(TControl* Control, uint32_t Msg)
{
    return Control->HasBridge() && Control->Bridge().Remove(Msg);
}

bool IsMessagePending(const TControl* Control, uint32_t Msg)
{
    return Control->HasBridge() && Control->Bridge().Pending(Msg);
}
