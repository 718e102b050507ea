#pragma once
// The item rules of the combo box that need no window: how many items it
// offers in text and key-based mode, finding an item by its text, stepping
// from item to item, the selection a backspace grows in a key-based search,
// and the size of the drop-down list.
#include <string>

class TStrings;

// Items offered: all of Items in text mode; in key-based mode (KeyItems not
// empty) only as many as both lists hold.
int ComboItemCount(const TStrings& Items, const TStrings& KeyItems);

// The first of the first Count items equal to Text ignoring case (as
// Items.IndexOf finds it); -1 when that item lies beyond Count or none is equal.
int ComboIndexOfText(const TStrings& Items, int Count, const std::string& Text);

// The first of the first Count items whose text equals S ignoring case; with
// Partial, whose first Length(S) characters do. -1 when there is none.
int FindComboItem(const TStrings& Items, int Count, const std::string& S, bool Partial);

// Where stepping from Index goes among Count items: Prior from above 0 one
// back, from -1 to the last, from 0 nowhere; next one on until the last.
int SteppedComboIndex(int Index, int Count, bool Prior);

// A selection of an edit, in characters.
struct TComboSelection {
    int Start = 0;
    int Length = 0;
    bool operator==(const TComboSelection&) const = default;
};

// The selection after a backspace in a key-based search over a text of
// TextLength characters: the whole text selected gives only its last
// character; otherwise the selection, running back from the end of the text,
// grows by one character to the left.
TComboSelection BackspaceSearchSelection(int TextLength, TComboSelection Current);

// Width of the drop-down list. BoxWidth -1: the widest item text plus 5, plus
// ImageWidth + 4 when the list shows images (ImageWidth above 0), plus the
// list's frame; BoxWidth below 1: the combo's width; otherwise BoxWidth. Never
// narrower than the combo.
int ComboDropDownWidth(int BoxWidth, int ComboWidth, int WidestText, int ImageWidth, int FrameWidth);

// Rows of the drop-down list: Rows, fewer when there are fewer items, at
// least one.
int ComboDropDownRows(int Rows, int Count);
