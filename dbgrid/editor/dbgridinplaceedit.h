#pragma once
// The editor the data grid places over its current cell. Beside the plain
// grid editor it shows a strip of buttons at the cell's edge (the column's
// default button and its own edit buttons), drops down what the column's
// settings ask for (a pick list, the lookup list, a month calendar or a
// calculator), completes typed text from pick and lookup lists, offers the
// column's recently used texts, and draws the column's image before the text
// and a red mark under a required field left empty. Values reach the field
// only through the column and the grid.
#include <memory>
#include <string>

#include "dbcontrols/editbuttoncontrol.h"
#include "dbcontrols/ltinterfaces.h"
#include "dbgrid/editor/inplaceeditstyle.h"
#include "dbgrid/engine/inplaceedit.h"

class TColumnLt;
class TCustomDBGridLt;
class TDataSource;
class TPopupDataGridLt;
class TMRUListboxLt;
class TMRUListLt;
class TPopupCalculatorLt;
class TPopupListboxLt;
class TPopupMonthCalendarLt;

class TDBGridInplaceEdit : public TInplaceEdit, public IPopupOwnerLt {
    LT_CLASS(TDBGridInplaceEdit)
public:
    explicit TDBGridInplaceEdit(TComponent* AOwner);
    ~TDBGridInplaceEdit() override;

    TCustomDBGridLt* DBGrid() const;
    // The grid's current column, nullptr without one.
    TColumnLt* Column() const;

    TInplaceEditStyleLt EditStyle() const { return FEditStyle; }
    // Makes the list the style needs and takes the column's ReadOnly.
    void SetEditStyle(TInplaceEditStyleLt Value);

    // Prepares the editor for the grid's current cell: style, font, colour,
    // image, text, mask, limit and recently used texts.
    void LoadCell();
    void UpdateContents() override { LoadCell(); }
    void Move(const TRect& Rect) override;
    // After a move: the button strip and the text rectangle follow.
    void AfterMove();

    // Opens the style's list under the editor; closing keeps its choice
    // when Accept. The calendar and the calculator close through CloseUp.
    virtual void DropDown();
    void CloseUp(bool Accept) override;
    bool ListShown() const { return FListShown; }
    bool IsDroppedDown() const { return FIsDroppedDown; }
    bool CloseLocked() const { return FCloseLocked; }
    void SetCloseLocked(bool Value) { FCloseLocked = Value; }
    // The list the style opens (made on first use), nullptr for none.
    TWinControl* ActiveList();
    TPopupListboxLt* PickListControl() const { return FPickList; }
    TPopupMonthCalendarLt* CalendarControl() const { return FCalendar; }
    TPopupCalculatorLt* CalculatorControl() const { return FCalculator; }
    // The lookup column's list while this editor uses it.
    TPopupDataGridLt* DataListControl() const { return FDataList; }

    // The recently used texts: the column's list and the popup showing it.
    TMRUListLt* MRUList() const { return FMRUList; }
    TMRUListboxLt* MRUListControl() const { return FMRUListControl; }
    bool MRUListDroppedDown() const;
    void CloseUpMRUList(bool Accept);

    // Element 0 is the default button, 1.. the column's edit buttons.
    const TEditButtonControlList& ButtonControls() const { return FButtonControls; }
    int ButtonStripWidth() const { return FButtonStripWidth; }
    int ButtonStripHeight() const { return FButtonStripHeight; }
    bool WordWrap() const { return FWordWrap; }
    int ImageIndex() const { return FImageIndex; }
    // The read-only state came from the cell parameters.
    bool ReadOnlyFromParams() const { return FReadOnlyFromParams; }
    // The rectangle the text is laid out in.
    TRect TextRect() { return GetTextRect(); }

    void Dispatch(TMessage& Message) override;

protected:
    // The image follows the text: its index in PickList or a numeric
    // field's value.
    virtual void UpdateImageIndex();
    virtual TEditButtonControlLt* CreateEditButtonControl();
    virtual TMRUListboxLt* CreateMRUListControl();
    virtual TPopupCalculatorLt* CreateCalculator();
    // The default button was pressed: up-down styles step (Down: the lower
    // half), the others open the list.
    virtual void DefaultButtonPressed(bool Down);
    virtual TRect GetTextRect();
    // Filters typed characters of pick and lookup cells; an emptied string
    // is not typed.
    virtual void FilterTypedText(std::string& Text);
    virtual void ButtonClick(TObject* Sender);
    virtual void ButtonDown(TObject* Sender, bool TopButton, bool& AutoRepeat, bool& Handled);
    virtual void ButtonMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    virtual void ButtonMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void PaintRequiredState(TCanvas* Canvas);
    // The user changed the text (typing, deleting, pasting).
    virtual void UserChange();

    // Multi-line without automatic horizontal scroll with WordWrap.
    void CreateParams(TCreateParams& Params) override;
    void BoundsChanged() override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void Change() override;

private:
    // A column stepping its value on a double click steps it from its
    // editor too (forward, backward with Shift); false for other columns.
    bool StepOnDoubleClick(TShiftState Shift);
    // A press in the editor soon after the grid's press on the same spot is
    // the second press of a double click (read once).
    bool FollowsGridPress(const TMessage& Message);

    // Buttons (inplaceeditbuttons.cpp).
    void RebuildButtons();
    void PressButton(int Index);
    bool ShortCutPressesButton(unsigned Key, TShiftState Shift);
    void StepByButton(bool Up);

    // Lists (inplaceeditlists.cpp).
    TPopupListboxLt* MakePickList();
    TPopupDataGridLt* PrepareDataList();
    void DropDownDataList();
    void AcceptDataList(const Variant& Key, const std::string& Text);
    void DropDownPickList();
    void DropDownCalendar();
    void DropDownCalculator();
    void AcceptPickList();
    void AcceptCalendar();
    void AcceptCalculator();
    void ShowListSelection();
    void PlaceList(TWinControl* List);
    bool HandleDropDownKey(unsigned& Key, TShiftState Shift);
    bool HandleDropDownChar(char32_t& Key);
    // The lookup column's special row shortcut writes the row's value.
    bool SpecRowShortCut(unsigned Key, TShiftState Shift);

    // Typing (inplaceeditkeys.cpp).
    bool GridAllowsEditing() const;
    // Pick list style, or a column that takes only listed texts (lookup
    // list style or a key/pick column).
    bool IsListColumn() const;
    bool IsKeyedListColumn() const;
    // Up or Down moves the caret between the lines of a wrapped text
    // rather than reaching the grid.
    bool MovesBetweenLines(unsigned Key) const;
    void SetTextSelectingFrom(const std::string& Text, int From);
    void SetTextFromCode(const std::string& Text);
    // What completing a typed text from the list did: took it (the editor
    // shows the found entry), leaves it to be typed, or refuses it.
    enum class TTypeAheadLt { Taken, TypeIt, Refused };
    TTypeAheadLt SearchLookup(const std::string& Prefix);
    TTypeAheadLt SearchPickList(const std::string& Prefix);
    TTypeAheadLt SearchTyped(const std::string& Prefix);
    bool HandleDeleteKey(unsigned& Key, TShiftState Shift);
    void PasteIntoList();
    void TellGridText();

    // Recently used texts (inplaceeditmru.cpp).
    void DropDownMRUList();
    void MRUListResized();

    void PaintOverlay();

    TInplaceEditStyleLt FEditStyle = iesSimpleLt;
    TPopupListboxLt* FPickList = nullptr;   // owned by the editor
    TPopupMonthCalendarLt* FCalendar = nullptr;
    TPopupCalculatorLt* FCalculator = nullptr;
    TPopupDataGridLt* FDataList = nullptr;   // the column's
    std::unique_ptr<TDataSource> FLookupSource;
    TMRUListboxLt* FMRUListControl = nullptr;
    TMRUListLt* FMRUList = nullptr;   // the column's
    bool FListShown = false;
    bool FIsDroppedDown = false;
    bool FCloseLocked = false;
    bool FSkipClickClose = false;
    bool FListSizedByUser = false;
    std::string FTextBeforeDropDown;
    TEditButtonControlList FButtonControls;
    int FButtonStripWidth = 0;
    int FButtonStripHeight = 0;
    bool FWordWrap = false;
    int FImageIndex = -1;
    bool FReadOnlyFromParams = false;
    // The text is being set by the editor itself, not typed.
    bool FTextFromCode = false;
};
