// Incremental search: typed characters looked up at the beginning of the
// current column's display text, record by record, with a time-out that
// ends the search.
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/engine/inplaceedit.h"
#include "dbgrid/filter/locatetext.h"
#include "platform/data/field.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/clipbrd.h"
#include "platform/ui/keys.h"
#include "platform/ui/qtsignals.h"

namespace {
// The current column of a data grid as the only column of a text search.
class TCurrentColumnSearch : public ILocateTextGridLt {
public:
    TCurrentColumnSearch(TDataSet* DataSet, TColumnLt* Column) : FDataSet(DataSet), FColumn(Column) {}

    TDataSet* LocateDataSet() const override { return FDataSet; }
    int FullyVisibleColumnCount() const override { return 1; }
    int CurrentColumnPosition() const override { return 0; }
    void SetCurrentColumnPosition(int) override {}
    TField* ColumnField(int) const override { return FColumn->BoundField(); }
    std::string ColumnDisplayText(int) const override { return FColumn->CellText(); }
    void SaveRecordPosition() override { FSaved = FDataSet->Bookmark(); }
    void RestoreRecordPosition() override
    {
        if (FDataSet->BookmarkValid(FSaved))
            FDataSet->GotoBookmark(FSaved);
    }

private:
    TDataSet* FDataSet;
    TColumnLt* FColumn;
    std::string FSaved;
};

bool StartsWithIgnoringCase(const std::string& Text, const std::string& Prefix)
{
    const std::string text = AnsiUpperCase(Text), prefix = AnsiUpperCase(Prefix);
    return text.compare(0, prefix.size(), prefix) == 0;
}
} // namespace

bool TCustomDBGridLt::InplaceSearchStep(const std::string& Text, TLocateTextDirectionLt Direction)
{
    TColumnLt* column = SelectedColumn();
    if (!column || !column->BoundField())
        return false;
    if (Direction == ltdAllLt && StartsWithIgnoringCase(column->CellText(), Text))
        return true;
    TCurrentColumnSearch search(FDataLink->DataSet(), column);
    return LocateTextInDataSet(&search, column->FieldName(), Variant(), ltmFieldStartLt,
                               Direction == ltdUpLt ? ltdUpLt : ltdDownLt, ltoCaseInsensitiveLt | ltoUseFormatLt,
                               Text);
}

void TCustomDBGridLt::StartInplaceSearch(const std::string& Text, unsigned TimeOut,
                                         TLocateTextDirectionLt Direction)
{
    if (!DataLinkReady() || !SelectedColumn())
        return;
    if (!FInplaceSearching) {
        FInplaceSearching = true;
        FInplaceSearchTimer.SetOnTimer([this] { Guarded(this, [this] { StopInplaceSearch(); }); });
    }
    HideEditor();
    const std::string wanted = FInplaceSearchText + Text;
    if (!wanted.empty() && InplaceSearchStep(wanted, Direction))
        FInplaceSearchText = Utf8Copy(SelectedColumn()->CellText(), 1, Utf8Length(wanted));
    RepaintRow(Row());
    FInplaceSearchTimer.Stop();
    if (TimeOut > 0)
        FInplaceSearchTimer.Start(TimeOut);
}

void TCustomDBGridLt::StopInplaceSearch()
{
    if (!FInplaceSearching)
        return;
    FInplaceSearching = false;
    FInplaceSearchTimer.Stop();
    FInplaceSearchText.clear();
    RepaintRow(Row());
    if (FOptions.Contains(dgAlwaysShowEditor))
        ShowEditor();
}

bool TCustomDBGridLt::InplaceSearchKeyDown(unsigned Key, TShiftState Modifiers)
{
    const bool ctrl = Modifiers == TShiftState{ssCtrl};
    if (!FInplaceSearching)
        return false;
    const unsigned timeOut = FInplaceSearchTimer.Running() ? kInplaceSearchTimeOut : 0;
    if (Modifiers.Empty() && (Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_F2)) {
        StopInplaceSearch();
        return true;
    }
    if (Key == VK_RETURN && ctrl) {
        StartInplaceSearch({}, timeOut, ltdDownLt);
        return true;
    }
    if (Key == VK_RETURN && Modifiers == TShiftState{ssCtrl, ssShift}) {
        StartInplaceSearch({}, timeOut, ltdUpLt);
        return true;
    }
    if (Key == VK_BACK && Modifiers.Empty()) {
        FInplaceSearchText = Utf8Copy(FInplaceSearchText, 1, Utf8Length(FInplaceSearchText) - 1);
        RepaintRow(Row());
        return true;
    }
    if ((ctrl && Key == 'V') || (Modifiers == TShiftState{ssShift} && Key == VK_INSERT)) {
        StartInplaceSearch(Clipboard()->AsText(), timeOut, ltdAllLt);
        return true;
    }
    return false;
}

// Ctrl+F starts a search without a time-out (dghIncSearch) or opens the
// find dialog (dghDialogFind), from a running search with its text.
bool TCustomDBGridLt::FindKeyDown(unsigned Key, TShiftState Modifiers)
{
    if (Key != 'F' || Modifiers != TShiftState{ssCtrl})
        return false;
    if (FOptionsLt.Contains(dghIncSearch) && !FInplaceSearching) {
        StartInplaceSearch({}, 0, ltdAllLt);
        return true;
    }
    if (!FOptionsLt.Contains(dghDialogFind))
        return true;
    const std::string text = FInplaceSearchText;
    StopInplaceSearch();
    ShowFindDialog(text, false);
    return true;
}

void TCustomDBGridLt::KeyPress(char32_t& Key)
{
    if (Key == VK_RETURN && FOptionsLt.Contains(dghEnterAsTab))
        Key = VK_TAB;
    if (Key == VK_RETURN && !FOptions.Contains(dgAlwaysShowEditor) && DataLinkReady())
        FDataLink->UpdateRecord();
    TCustomGridLt::KeyPress(Key);
    if (!DataLinkReady() || Key == 0)
        return;
    if (Key == U' ' && IsCheckOrImageCell(Col())) {
        StepCellValue(!KeyboardShiftState().Contains(ssShift));
        Key = 0;
        return;
    }
    if (Key < 32 || FDataLink->DataSet()->State() != dsBrowse)
        return;
    TColumnLt* column = SelectedColumn();
    const bool editorShown = InplaceEditor() && InplaceEditor()->Visible();
    if (FInplaceSearching || (FOptionsLt.Contains(dghIncSearch) && column && !column->CanEditValue(false)) ||
        (FOptionsLt.Contains(dghPreferIncSearch) && !editorShown)) {
        // A search that Ctrl+F started runs without a time-out.
        const bool timed = !FInplaceSearching || FInplaceSearchTimer.Running();
        StartInplaceSearch(Utf32ToUtf8(std::u32string(1, Key)), timed ? kInplaceSearchTimeOut : 0, ltdAllLt);
        Key = 0;
    }
}
