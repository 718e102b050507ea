#pragma once
// Masked one-line edits: TEdit with an edit mask (platform/ui/editmask.h).
// With a mask, typing overwrites one position at a time and skips literals;
// Backspace and Delete blank positions; the edit text always holds every
// position. Text is the edit text with blanks as spaces (without the
// literals when the mask drops them). Without a mask it is a plain TEdit.
#include <string>

#include "platform/rtl/exceptions.h"
#include "platform/ui/editmask.h"
#include "platform/ui/stdctrls.h"

// An edit whose text does not fill its mask.
LT_DECLARE_EXCEPTION(EDBEditError, Exception)

class TCustomMaskEdit : public TEdit {
    LT_CLASS(TCustomMaskEdit)
public:
    explicit TCustomMaskEdit(TComponent* AOwner);
    ~TCustomMaskEdit() override;

    const std::string& EditMask() const { return FEditMask; }
    virtual void SetEditMask(const std::string& Value);
    bool IsMasked() const { return !FMask.Empty(); }
    const TEditMask& Mask() const { return FMask; }
    // The text as shown, with literals and blank characters.
    std::string EditText() const;
    void SetEditText(const std::string& Value);
    std::string Text() const override;
    void SetText(const std::string& Value) override;
    // Raises EDBEditError, with the caret at the first incomplete position,
    // when the user changed a masked text that does not fill its mask.
    virtual void ValidateEdit();

    // The part of the client area the text is laid out in.
    TRect EditRect() const;
    void SetEditRect(const TRect& Value);
    // Whether the widget draws its own frame.
    void SetWidgetFrame(bool Value);

protected:
    QWidget* CreateWidget() override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoExit() override;

private:
    std::u32string EditText32() const;
    // The frame and the edit rectangle on a new or the current widget.
    void ApplyFrame(QWidget* Widget) const;
    void ApplyEditRect(QWidget* Widget) const;
    // Shows a new edit text as the user's change, caret at Caret.
    void ChangeEditText(const std::u32string& Value, int Caret);
    // Blanks the selected editable positions; false without a selection.
    bool BlankSelection(std::u32string& Text, int& Caret) const;
    void TypeChar(char32_t Ch);
    void Backspace();
    void DeleteAtCaret();
    void PasteMasked();
    void CutMasked();

    std::string FEditMask;
    TEditMask FMask;
    TRect FEditRect;
    bool FHasEditRect = false;
    bool FWidgetFrame = true;
};

class TMaskEdit : public TCustomMaskEdit {
    LT_CLASS(TMaskEdit)
public:
    explicit TMaskEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {}
};
