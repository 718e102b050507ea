#include "platform/ui/shortcuts.h"

#include <cctype>

#include <QKeySequence>

#include "platform/rtl/strutils.h"
#include "platform/ui/keys.h"

namespace {
struct TKeyName {
    unsigned Key;
    const char* Name;
};

const TKeyName kKeyNames[] = {
    {VK_BACK, "BkSp"}, {VK_TAB, "Tab"},     {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},   {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},  {VK_END, "End"},      {VK_HOME, "Home"},    {VK_LEFT, "Left"},
    {VK_UP, "Up"},     {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},    {VK_INSERT, "Ins"},   {VK_DELETE, "Del"},
};

struct TModifierName {
    TShortCut Bit;
    const char* Name;
};

const TModifierName kModifiers[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

std::string KeyName(unsigned Key)
{
    if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z'))
        return std::string(1, static_cast<char>(Key));
    if (Key >= VK_F1 && Key <= VK_F12)
        return "F" + std::to_string(Key - VK_F1 + 1);
    for (const TKeyName& k : kKeyNames)
        if (k.Key == Key)
            return k.Name;
    return {};
}

unsigned KeyOfName(const std::string& Name)
{
    if (Name.size() == 1) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(Name[0])));
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))
            return static_cast<unsigned>(c);
    }
    for (unsigned f = 1; f <= 12; ++f)
        if (SameText(Name, "F" + std::to_string(f)))
            return VK_F1 + f - 1;
    for (const TKeyName& k : kKeyNames)
        if (SameText(Name, k.Name))
            return k.Key;
    return 0;
}
} // namespace

TShortCut ShortCut(unsigned Key, TShiftState Shift)
{
    if (Key & 0xFF00)
        return scNone;
    TShortCut result = static_cast<TShortCut>(Key);
    if (Shift.Contains(ssShift))
        result |= scShift;
    if (Shift.Contains(ssCtrl))
        result |= scCtrl;
    if (Shift.Contains(ssAlt))
        result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut ShortCut, unsigned& Key, TShiftState& Shift)
{
    Key = ShortCut & 0xFF;
    Shift = {};
    if (ShortCut & scShift)
        Shift.Include(ssShift);
    if (ShortCut & scCtrl)
        Shift.Include(ssCtrl);
    if (ShortCut & scAlt)
        Shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut ShortCut)
{
    const std::string key = KeyName(ShortCut & 0xFF);
    if (key.empty())
        return {};
    std::string text;
    for (const TModifierName& m : kModifiers)
        if (ShortCut & m.Bit)
            text += m.Name;
    return text + key;
}

TShortCut TextToShortCut(const std::string& Text)
{
    std::string rest = Text;
    TShortCut modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (const TModifierName& m : kModifiers) {
            const std::string name = m.Name;
            if (rest.size() > name.size() && SameText(rest.substr(0, name.size()), name)) {
                modifiers |= m.Bit;
                rest.erase(0, name.size());
                found = true;
            }
        }
    }
    const unsigned key = KeyOfName(rest);
    return key ? static_cast<TShortCut>(key | modifiers) : scNone;
}

QKeySequence ShortCutToKeySequence(TShortCut ShortCut)
{
    const int key = QtKeyOf(ShortCut & 0xFF);
    if (!key)
        return {};
    int modifiers = 0;
    if (ShortCut & scShift)
        modifiers |= Qt::SHIFT;
    if (ShortCut & scCtrl)
        modifiers |= Qt::CTRL;
    if (ShortCut & scAlt)
        modifiers |= Qt::ALT;
    return QKeySequence(key | modifiers);
}
