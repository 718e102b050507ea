#include "platform/ui/keys.h"

#include <QGuiApplication>
#include <Qt>

namespace {
struct TKeyPair {
    int Qt;
    unsigned Vk;
};

const TKeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},  {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},     {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},   {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},      {Qt::Key_Left, VK_LEFT},     {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},    {Qt::Key_Down, VK_DOWN},     {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},  {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD},
    {Qt::Key_Minus, VK_SUBTRACT}, {Qt::Key_Slash, VK_DIVIDE},  {Qt::Key_Apostrophe, VK_OEM_7},
};
} // namespace

unsigned VirtualKeyOf(int QtKey)
{
    if ((QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9) || (QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z))
        return static_cast<unsigned>(QtKey);
    if (QtKey >= Qt::Key_F1 && QtKey <= Qt::Key_F12)
        return VK_F1 + static_cast<unsigned>(QtKey - Qt::Key_F1);
    for (const TKeyPair& k : kKeys)
        if (k.Qt == QtKey)
            return k.Vk;
    return 0;
}

int QtKeyOf(unsigned VirtualKey)
{
    if ((VirtualKey >= '0' && VirtualKey <= '9') || (VirtualKey >= 'A' && VirtualKey <= 'Z'))
        return static_cast<int>(VirtualKey);
    if (VirtualKey >= VK_F1 && VirtualKey <= VK_F12)
        return Qt::Key_F1 + static_cast<int>(VirtualKey - VK_F1);
    for (const TKeyPair& k : kKeys)
        if (k.Vk == VirtualKey)
            return k.Qt;
    return 0;
}

TShiftState MouseShiftState(WPARAM Keys)
{
    TShiftState s;
    if (Keys & MK_SHIFT)
        s.Include(ssShift);
    if (Keys & MK_CONTROL)
        s.Include(ssCtrl);
    if (Keys & MK_LBUTTON)
        s.Include(ssLeft);
    if (Keys & MK_RBUTTON)
        s.Include(ssRight);
    if (Keys & MK_MBUTTON)
        s.Include(ssMiddle);
    // Mouse messages carry no Alt: it comes from the keyboard, as of the
    // mouse event being handled.
    if (QGuiApplication::keyboardModifiers() & Qt::AltModifier)
        s.Include(ssAlt);
    return s;
}

TShiftState KeyboardShiftState()
{
    // The state as of the input event being handled, as a key message sees
    // it (not the keyboard's state at this instant).
    const Qt::KeyboardModifiers m = QGuiApplication::keyboardModifiers();
    TShiftState s;
    if (m & Qt::ShiftModifier)
        s.Include(ssShift);
    if (m & Qt::ControlModifier)
        s.Include(ssCtrl);
    if (m & Qt::AltModifier)
        s.Include(ssAlt);
    return s;
}
