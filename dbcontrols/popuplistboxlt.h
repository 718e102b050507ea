#pragma once
// The drop-down list of the editors and the grid: a popup window that never
// takes the focus, shows whole rows only, carries a size grip, draws an
// image before each row when it has an image list, and selects rows by
// typing their first letters.
#include <cstdint>
#include <functional>
#include <string>

#include "dbcontrols/dropdownplace.h"
#include "platform/ui/componentref.h"
#include "platform/ui/customlistbox.h"
#include "platform/ui/imglist.h"

class TSizeGripLt;

using TListGetImageIndexEventLt = std::function<void(TObject* Sender, int ItemIndex, int& ImageIndex)>;

class TPopupListboxLt : public TCustomListBox {
    LT_CLASS(TPopupListboxLt)
public:
    explicit TPopupListboxLt(TComponent* AOwner);

    TSizeGripLt* SizeGrip() const { return FSizeGrip; }

    // The strings the list shows without copying them (a virtual list);
    // nullptr shows Items.
    TStrings* GetSourceItems() const { return FSourceItems; }
    void SetSourceItems(TStrings* Value);
    TCustomImageList* ImageList() const { return FImageList.Get(); }
    void SetImageList(TCustomImageList* Value);
    // May change the image index of a row (it starts as the row's index).
    const TListGetImageIndexEventLt& OnGetImageIndex() const { return FOnGetImageIndex; }
    void SetOnGetImageIndex(TListGetImageIndexEventLt Value) { FOnGetImageIndex = std::move(Value); }

    // A 3D list has a raised two-pixel edge, any other a one-pixel border.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    // The frame's share of the height.
    int BorderHeight() const;
    // Height := max(Rows, 1) rows and the border.
    void SetRowCount(int Rows);
    int RowCount() const { return FRowCount; }
    // Set by every resize; owners clear it after showing the list and read
    // it when closing, to keep a size the user gave with the grip.
    bool SizeGripResized() const { return FSizeGripResized; }
    void SetSizeGripResized(bool Value) { FSizeGripResized = Value; }

    // The typed prefix of the incremental search.
    const std::u32string& SearchText() const { return FSearchText; }
    // The millisecond clock that times the search keys (GetTickCount).
    void SetClock(std::function<uint32_t()> Value) { FClock = std::move(Value); }

    // The height becomes a whole number of rows.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Dispatch(TMessage& Message) override;

protected:
    QWidget* CreateWidget() override;
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
    void DoGetData(int Index, std::string& Data) const override;
    void KeyPress(char32_t& Key) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void Resize() override;

private:
    TSizeGripLt* FSizeGrip = nullptr;   // a child control
    TStrings* FSourceItems = nullptr;
    TComponentRef<TCustomImageList> FImageList;
    TListGetImageIndexEventLt FOnGetImageIndex;
    bool FCtl3D = true;
    int FRowCount = 0;
    bool FSizeGripResized = false;
    std::u32string FSearchText;
    uint32_t FLastKeyTick = 0;
    std::function<uint32_t()> FClock;
    TPoint FLastMousePos{-1, -1};
};
