#pragma once
// The editor the grid places over its current cell: a borderless masked
// edit that hands the grid the keys that move between cells.
#include "platform/ui/maskedit.h"

class TCustomGridLt;

class TInplaceEdit : public TCustomMaskEdit {
    LT_CLASS(TInplaceEdit)
public:
    explicit TInplaceEdit(TComponent* AOwner);

    TCustomGridLt* Grid() const { return FGrid; }
    void SetGrid(TCustomGridLt* Value);
    // Text, mask and length limit of the grid's current cell.
    virtual void UpdateContents();
    // Shows the editor over Rect (grid coordinates).
    virtual void Move(const TRect& Rect);
    // Hides the editor, handing the focus back to the grid when it had it.
    void HideEditor();
    // Takes the focus only while shown.
    void SetFocus() override;
    // Types a character the grid received, as if typed here.
    void TypeChar(char32_t Ch);
    // The caret after the text, nothing selected.
    void Deselect();

protected:
    virtual void BoundsChanged();
    // Asks the grid whether the cell may change (which may put its record in
    // edit), keeping the selection when the text stays the same.
    bool BeginModify();
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void KeyUp(unsigned& Key, TShiftState Shift) override;

private:
    TCustomGridLt* FGrid = nullptr;
};
