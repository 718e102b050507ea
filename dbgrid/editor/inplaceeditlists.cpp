// The data grid editor's drop-downs: the pick list, the lookup list (with
// the column's special row), the month calendar and the calculator;
// opening them under the editor, the keys they take while open, and closing
// them with or without their choice.
#include <algorithm>

#include "dbcontrols/comboitems.h"
#include "dbcontrols/dropdownplace.h"
#include "dbcontrols/extravaluerow.h"
#include "dbcontrols/popupcalculatorlt.h"
#include "dbcontrols/popuplistboxlt.h"
#include "dbcontrols/popupmonthcalendarlt.h"
#include "dbcontrols/sizegriplt.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/fieldkinds.h"
#include "dbgrid/editor/dbgridinplaceedit.h"
#include "dbgrid/lookup/columndropdownboxlt.h"
#include "dbgrid/lookup/popupdatagridlt.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "platform/rtl/dateformat.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/shortcuts.h"
#include "platform/ui/widgetbridge.h"

namespace {
constexpr char32_t kEnter = 13;

bool IsNumericVariant(const Variant& Value)
{
    switch (Value.VarType()) {
    case TVarType::varInteger:
    case TVarType::varInt64:
    case TVarType::varDouble:
    case TVarType::varCurrency:
        return true;
    default:
        return false;
    }
}
} // namespace

TPopupListboxLt* TDBGridInplaceEdit::MakePickList()
{
    if (FPickList)
        return FPickList;
    FPickList = new TPopupListboxLt(this);   // owned by the editor
    FPickList->SetVisible(false);
    FPickList->SetParent(this);
    FPickList->SetOnMouseUp([this](TObject*, TMouseButton Button, TShiftState, int X, int Y) {
        if (Button == mbLeft && FListShown)
            CloseUp(PtInRect(FPickList->ClientRect(), TPoint{X, Y}));
    });
    TSizeGripLt* grip = FPickList->SizeGrip();
    TNotifyEvent chained = grip->OnParentResized();
    grip->SetOnParentResized([this, chained](TObject* Sender) {
        if (chained)
            chained(Sender);
        FListSizedByUser = true;
    });
    return FPickList;
}

TPopupCalculatorLt* TDBGridInplaceEdit::CreateCalculator()
{
    auto* calculator = new TPopupCalculatorLt(this);   // owned by the editor: it closes through CloseUp
    calculator->SetParent(this);
    calculator->Hide();
    return calculator;
}

TWinControl* TDBGridInplaceEdit::ActiveList()
{
    const TColumnLt* column = Column();
    switch (FEditStyle) {
    case iesPickListLt:
        return MakePickList();
    case iesDataListLt:
        return PrepareDataList();
    case iesDateCalendarLt:
        if (!FCalendar) {
            FCalendar = new TPopupMonthCalendarLt(this);   // owned by the editor
            FCalendar->SetParent(this);
        }
        return FCalendar;
    case iesDropDownLt: {
        const TField* field = column ? column->BoundField() : nullptr;
        if (!field || !IsNumericType(field->DataType()))
            return nullptr;
        if (!FCalculator)
            FCalculator = CreateCalculator();
        return FCalculator;
    }
    default:
        return nullptr;
    }
}

TPopupDataGridLt* TDBGridInplaceEdit::PrepareDataList()
{
    const TColumnLt* column = Column();
    if (!column)
        return nullptr;
    TPopupDataGridLt* list = column->LookupPopupGrid();
    if (list != FDataList) {
        FDataList = list;
        list->SetOnPointerCloseUp([this](TObject*, bool Accept) { CloseUp(Accept); });
    }
    return list;
}

void TDBGridInplaceEdit::DropDownDataList()
{
    TColumnLt* column = Column();
    const TField* field = column->BoundField();
    TDataSet* lookup = column->LookupSourceDataSet();
    if (!FLookupSource)
        FLookupSource = std::make_unique<TDataSource>(nullptr);
    FLookupSource->SetDataSet(lookup);
    const TColumnDropDownBoxLt* box = column->DropDownBox();
    FDataList->SetColor(Color());
    FDataList->SetFont(Font());
    FDataList->SetSpecRow(column->DropDownSpecRow());
    const int records = lookup && lookup->Active() ? lookup->RecordCount() : 0;
    const int rows = records > 0 && records < column->DropDownRows() ? records : column->DropDownRows();
    FDataList->SetRowCount(rows);
    FDataList->SetShowTitles(column->DropDownShowTitles());
    FDataList->SetListSource(FLookupSource.get());
    FDataList->SetKeyField(field->LookupKeyFields());
    FDataList->SetListField(column->LookupDisplayFields());
    FDataList->SetUseMultiTitle(box->UseMultiTitle());
    int width = column->DropDownWidth() > 0 ? column->DropDownWidth() : Width();
    if (column->DropDownWidth() == -1)
        width = FDataList->NeededWidth();
    FDataList->SetWidth(std::max(width, Width()));
    // The width decides whether a horizontal bar takes room under the rows:
    // the height is made to hold the rows again.
    FDataList->SetRowCount(rows);
    FDataList->SetSelectedKey(DBGrid()->EditKeyValue());
    FDataList->SetAutoFitColWidths(box->AutoFitColWidths());
}

// Writes the chosen key into the record; an error shows what the field
// holds (and a blank after it) before it passes on.
void TDBGridInplaceEdit::AcceptDataList(const Variant& Key, const std::string& Text)
{
    TCustomDBGridLt* grid = DBGrid();
    TColumnLt* column = Column();
    TField* field = column->BoundField();
    try {
        if (!GridAllowsEditing() || !column->CanEditValue(true))
            return;
        grid->SetEditKeyValue(Key);
        SetTextFromCode(Text);
        TellGridText();
        SelectAll();
    } catch (...) {
        SetTextFromCode((field ? field->Text() : std::string()) + " ");
        throw;
    }
}

void TDBGridInplaceEdit::PlaceList(TWinControl* List)
{
    TPoint topLeft;
    PlaceDropDownBelowEditor(this, List, daLeft, topLeft);
    List->SetBounds(topLeft.X, topLeft.Y, List->Width(), List->Height());
}

void TDBGridInplaceEdit::DropDown()
{
    if (FListShown)
        return;
    TWinControl* list = ActiveList();
    if (!list || !Column())
        return;
    FTextBeforeDropDown = Text();
    list->SetWidth(Width());
    if (list == FPickList)
        DropDownPickList();
    else if (list == FDataList)
        DropDownDataList();
    else if (list == FCalendar)
        DropDownCalendar();
    else if (list == FCalculator)
        DropDownCalculator();
    if (MRUListDroppedDown())
        CloseUpMRUList(false);
    PlaceList(list);
    list->Show();
    if (list == FPickList) {
        FPickList->SizeGrip()->ShowGrip(Column()->DropDownSizing());
        FListSizedByUser = false;
    } else if (list == FDataList) {
        FDataList->SizeGrip()->ShowGrip(Column()->DropDownSizing());
        FDataList->SetSizeGripResized(false);
    }
    FListShown = true;
    if (!FButtonControls.empty())
        FButtonControls[0].EditButtonControl->SetAlwaysDown(true);
    FIsDroppedDown = true;
}

void TDBGridInplaceEdit::DropDownPickList()
{
    const TColumnLt* column = Column();
    TStrings* items = column->PickList();
    const bool keyed = column->HasKeyList();
    const int count = keyed ? std::min(column->KeyList()->Count(), items->Count()) : items->Count();
    FPickList->SetColor(Color());
    FPickList->SetFont(Font());
    FPickList->SetImageList(column->ImageList());
    TCanvas canvas;
    canvas.SetFont(Font());
    FPickList->SetItemHeight(canvas.TextHeight("Wg"));
    FPickList->SetSourceItems(items);
    FPickList->SetCount(count);
    FPickList->SetRowCount(ComboDropDownRows(column->DropDownRows(), count));
    int widest = 0;
    for (int i = 0; i < count; ++i)
        widest = std::max(widest, canvas.TextWidth(items->Get(i)));
    const int wanted = column->DropDownWidth() > 0 ? column->DropDownWidth() : Width();
    FPickList->SetWidth(std::max(wanted, widest + 4 + 2 * FPickList->FrameWidth()));
    const TField* field = column->BoundField();
    int selected = -1;
    if (field && !field->IsNull()) {
        selected = items->IndexOf(Text());
        if (selected >= count)
            selected = -1;
    }
    FPickList->SetItemIndex(selected);
}

void TDBGridInplaceEdit::DropDownCalendar()
{
    const TField* field = Column()->BoundField();
    FCalendar->SetColor(Color());
    FCalendar->SetFont(Font());
    TDateTime date = Date();
    if (!Text().empty() && !TryStrToDate(Text(), date)) {
        // Text that is no date falls back to the field's value.
        const double value = field && !field->IsNull() ? field->AsFloat() : 0.0;
        date = value != 0.0 ? value : Date();
    }
    FCalendar->SetDate(date);
    const TRect minimum = FCalendar->MinimumRect();
    FCalendar->SetBounds(0, 0, minimum.Width(), minimum.Height());
}

void TDBGridInplaceEdit::DropDownCalculator()
{
    double value = 0.0;
    if (!TryStrToFloat(Text(), value))
        value = 0.0;   // empty text and text that is no number start at 0
    IPopupValueEditorLt* editor = FCalculator;
    editor->SetValue(Variant(value));
    const TCustomDBGridLt* grid = DBGrid();
    editor->SetFlat(grid && grid->Flat());
    SetSelLength(0);
}

void TDBGridInplaceEdit::CloseUp(bool Accept)
{
    TWinControl* list = ActiveList();
    if (list && list->Focused() && CanFocus())
        SetFocus();
    if (!FListShown)
        return;
    if (!FButtonControls.empty())
        FButtonControls[0].EditButtonControl->SetAlwaysDown(false);
    if (FCloseLocked)
        return;
    if (GetCaptureControl() == list || GetCaptureControl() == this)
        ReleaseCapture();
    TColumnLt* column = Column();
    if (list == FPickList && FListSizedByUser && FPickList->ItemHeight() > 0) {
        column->SetDropDownRows((FPickList->ClientRect().Height()) / FPickList->ItemHeight());
        column->SetDropDownWidth(FPickList->Width());
    }
    Variant chosenKey = Variant::Null();
    std::string chosenText;
    if (list == FDataList) {
        chosenKey = FDataList->SelectedKey();
        chosenText = FDataList->SelectedText();
        if (FDataList->SizeGripResized()) {
            column->SetDropDownRows(FDataList->RowCount());
            column->SetDropDownWidth(FDataList->Width());
        }
        // Moving the list's columns moved their special-row cells.
        const std::string cells = FDataList->SpecRow()->CellsText();
        if (cells != column->DropDownSpecRow()->CellsText())
            column->DropDownSpecRow()->SetCellsText(cells);
    }
    list->Hide();
    FIsDroppedDown = false;
    FListShown = false;
    if (list == FDataList) {
        FDataList->SetListSource(nullptr);
        FLookupSource->SetDataSet(nullptr);
    }
    Invalidate();
    if (!Accept) {
        SetTextFromCode(FTextBeforeDropDown);
        return;
    }
    if (list == FDataList)
        AcceptDataList(chosenKey, chosenText);
    else if (list == FPickList)
        AcceptPickList();
    else if (list == FCalendar)
        AcceptCalendar();
    else if (list == FCalculator)
        AcceptCalculator();
}

void TDBGridInplaceEdit::AcceptPickList()
{
    TColumnLt* column = Column();
    TCustomDBGridLt* grid = DBGrid();
    const int index = FPickList->ItemIndex();
    if (index < 0 || ReadOnly() || !column->CanEditValue(true)) {
        SetTextFromCode(FTextBeforeDropDown);
        return;
    }
    const std::string item = column->PickList()->Get(index);
    if (column->HasKeyList())
        grid->SetEditKeyValue(Variant(column->KeyList()->Get(index)));
    SetTextFromCode(item);
    TellGridText();
    SelectAll();
    UpdateImageIndex();
}

void TDBGridInplaceEdit::AcceptCalendar()
{
    TColumnLt* column = Column();
    if (ReadOnly() || !column->CanEditValue(true))
        return;
    const TDateTime date = FCalendar->Date();
    column->StoreValue(DateToStr(date), Variant::FromDateTime(date), false);
    if (const TField* field = column->BoundField())
        SetTextFromCode(field->Text());
    SelectAll();
}

void TDBGridInplaceEdit::AcceptCalculator()
{
    TColumnLt* column = Column();
    IPopupValueEditorLt* editor = FCalculator;
    const Variant value = editor->GetValue();
    if (ReadOnly() || !IsNumericVariant(value) || !column->CanEditValue(true))
        return;
    SetTextFromCode(FloatToStr(value.AsDouble()));
    TellGridText();
    SelectAll();
}

bool TDBGridInplaceEdit::SpecRowShortCut(unsigned Key, TShiftState Shift)
{
    TColumnLt* column = Column();
    if (FEditStyle != iesDataListLt || !column)
        return false;
    const TSpecRowLt* specRow = column->DropDownSpecRow();
    if (!specRow->Visible() || ShortCut(Key, Shift) != specRow->ShortCut())
        return false;
    if (!GridAllowsEditing() || !column->CanEditValue(true))
        return true;
    DBGrid()->SetEditKeyValue(specRow->Value());
    SetTextFromCode(specRow->CellTextAt(0));
    TellGridText();
    if (FDataList && FListShown)
        FDataList->SetSelectedKey(specRow->Value());
    SelectAll();
    return true;
}

// After a key moved through the open pick list, the editor shows its item.
void TDBGridInplaceEdit::ShowListSelection()
{
    if (FListShown && FDataList && FDataList->Visible()) {
        SetTextFromCode(FDataList->SelectedText());
        return;
    }
    if (FListShown && FPickList && FPickList->Visible() && FPickList->ItemIndex() >= 0)
        SetTextFromCode(Column()->PickList()->Get(FPickList->ItemIndex()));
}

bool TDBGridInplaceEdit::HandleDropDownKey(unsigned& Key, TShiftState Shift)
{
    TWinControl* list = ActiveList();
    if (!list)
        return false;
    const bool alt = Shift.Contains(ssAlt);
    const bool ctrl = Shift.Contains(ssCtrl);
    const auto consume = [&] {
        Key = 0;
        return true;
    };
    if (FListShown && list == FCalculator) {
        if (Key == VK_ESCAPE) {
            FCalculator->Perform(WM_KEYDOWN, VK_ESCAPE, 0);
            return consume();
        }
        if (Key != VK_RETURN)
            return false;
        FCalculator->Perform(WM_CHAR, kEnter, 0);
        return consume();
    }
    if (FListShown && !alt && (Key == VK_RETURN || Key == VK_ESCAPE)) {
        CloseUp(Key == VK_RETURN);
        return consume();
    }
    if (!FListShown && ctrl && Key == VK_RETURN) {
        DropDown();
        return consume();
    }
    if (alt && (Key == VK_UP || Key == VK_DOWN)) {
        if (FListShown)
            CloseUp(true);
        else
            DropDown();
        return consume();
    }
    if (!FListShown)
        return false;
    const bool paging = (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) && !Shift.Contains(ssShift);
    const bool ends = ctrl && (Key == VK_HOME || Key == VK_END);
    const bool sideways = list == FCalendar && (Key == VK_LEFT || Key == VK_RIGHT);
    if (!paging && !ends && !sideways)
        return false;
    list->Perform(WM_KEYDOWN, Key, 0);
    ShowListSelection();
    return consume();
}

bool TDBGridInplaceEdit::HandleDropDownChar(char32_t& Key)
{
    TWinControl* list = ActiveList();
    if (FListShown && list == FCalculator && Key >= 32 && Key <= 126) {
        FCalculator->Perform(WM_CHAR, Key, 0);
        Key = 0;
        return true;
    }
    const TColumnLt* column = Column();
    if (list && !FListShown && Key >= 32 && column && column->AutoDropDown())
        DropDown();
    return false;
}
