#pragma once
// Keyboard shortcuts of menu items and actions: a virtual key with the
// modifier bits scShift, scCtrl and scAlt, written "Ctrl+S", "Shift+Del",
// "F5" in menus.
#include <cstdint>
#include <string>

#include "platform/ui/messages.h"

class QKeySequence;

using TShortCut = uint16_t;
constexpr TShortCut scNone = 0, scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;

TShortCut ShortCut(unsigned Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, unsigned& Key, TShiftState& Shift);
// "" for scNone.
std::string ShortCutToText(TShortCut ShortCut);
// The inverse of ShortCutToText, any case; 0 for text that names no shortcut.
TShortCut TextToShortCut(const std::string& Text);
// The key sequence Qt shows and matches (empty for keys Qt does not know).
QKeySequence ShortCutToKeySequence(TShortCut ShortCut);
