#include "dbcontrols/comboitems.h"

#include <algorithm>

#include "platform/rtl/stringlist.h"
#include "platform/rtl/strutils.h"

int ComboItemCount(const TStrings& Items, const TStrings& KeyItems)
{
    if (KeyItems.Count() > 0)
        return std::min(Items.Count(), KeyItems.Count());
    return Items.Count();
}

int ComboIndexOfText(const TStrings& Items, int Count, const std::string& Text)
{
    const int index = Items.IndexOf(Text);
    return index < Count ? index : -1;
}

int FindComboItem(const TStrings& Items, int Count, const std::string& S, bool Partial)
{
    const int length = Utf8Length(S);
    for (int i = 0; i < Count; ++i) {
        const std::string item = Items.Get(i);
        if (AnsiSameText(Partial ? Utf8Copy(item, 1, length) : item, S))
            return i;
    }
    return -1;
}

int SteppedComboIndex(int Index, int Count, bool Prior)
{
    if (Prior) {
        if (Index > 0)
            return std::min(Index, Count) - 1;
        return Index < 0 ? Count - 1 : Index;
    }
    return Index < Count - 1 ? Index + 1 : Index;
}

TComboSelection BackspaceSearchSelection(int TextLength, TComboSelection Current)
{
    if (TextLength <= 0)
        return {0, 0};
    if (Current.Start <= 0 && Current.Length >= TextLength)
        return {TextLength - 1, 1};
    const int start = std::clamp(Current.Start - 1, 0, TextLength);
    return {start, TextLength - start};
}

int ComboDropDownWidth(int BoxWidth, int ComboWidth, int WidestText, int ImageWidth, int FrameWidth)
{
    int width = BoxWidth;
    if (BoxWidth == -1) {
        width = WidestText + 5 + FrameWidth;
        if (ImageWidth > 0)
            width += ImageWidth + 4;
    } else if (BoxWidth < 1) {
        width = ComboWidth;
    }
    return std::max(width, ComboWidth);
}

int ComboDropDownRows(int Rows, int Count)
{
    return std::max(1, std::min(Rows, Count));
}
