#pragma once
// The string list the edit controls use (the combo box's key items).
#include "platform/rtl/stringlist.h"

class TStringListLt : public TStringList {
public:
    TStringListLt() = default;
};
