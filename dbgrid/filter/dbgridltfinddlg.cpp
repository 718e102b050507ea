#include "dbgrid/filter/dbgridltfinddlg.h"

#include <algorithm>

#include "dbcontrols/dbcheckboxlt.h"
#include "dbcontrols/dbcombobox.h"
#include "dbcontrols/ltinterfaces.h"
#include "dbgrid/filter/locatetext.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/reader.h"
#include "platform/ui/application.h"
#include "platform/ui/keys.h"

LT_IMPLEMENT_CLASS(TDBGridLtFindDlg, TForm)
{
    P.Method("FormCreate", &TDBGridLtFindDlg::FormCreate);
    P.Method("FormKeyDown", &TDBGridLtFindDlg::FormKeyDown);
    P.Method("bFindClick", &TDBGridLtFindDlg::bFindClick);
    P.Method("bCancelClick", &TDBGridLtFindDlg::bCancelClick);
    P.Method("cbFindInChange", &TDBGridLtFindDlg::cbFindInChange);
    P.Method("cbTextChange", &TDBGridLtFindDlg::cbTextChange);
}

namespace {
const char* const kAllColumns = "<All>";
const char* const kUp = "Вверх";
const char* const kDown = "Вниз";

bool TreeModeActive(TDataSet* DataSet)
{
    IMemTableLt* memTable = DataSet && DataSet->Active() ? Supports<IMemTableLt>(DataSet) : nullptr;
    return memTable && memTable->GetTreeViewModeActive();
}
} // namespace

TDBGridLtFindDlg::TDBGridLtFindDlg(TComponent* AOwner) : TForm(AOwner)
{
    FGridComponent.SetOnFreed([this] { GridFreed(); });
    ReadComponentFromText(*this, DBGridLtFindDlgDescription, "DBGridLtFindDlg");
    if (OnCreate())
        OnCreate()(this);
}

TDBGridLtFindDlg::~TDBGridLtFindDlg()
{
    DestroyComponents();
}

void TDBGridLtFindDlg::FormCreate(TObject*)
{
    cbText = ComponentByName<TDBComboBoxLt>(*this, "cbText");
    cbFindIn = ComponentByName<TDBComboBoxLt>(*this, "cbFindIn");
    cbMatchinType = ComponentByName<TDBComboBoxLt>(*this, "cbMatchinType");
    cbFindDirection = ComponentByName<TDBComboBoxLt>(*this, "cbFindDirection");
    dbcTreeFindRange = ComponentByName<TDBComboBoxLt>(*this, "dbcTreeFindRange");
    cbCharCase = ComponentByName<TDBCheckBoxLt>(*this, "cbCharCase");
    cbUseFormat = ComponentByName<TDBCheckBoxLt>(*this, "cbUseFormat");
    lblTreeFindRange = ComponentByName<TLabel>(*this, "lblTreeFindRange");
    bFind = ComponentByName<TButton>(*this, "bFind");
    bCancel = ComponentByName<TButton>(*this, "bCancel");
    cbMatchinType->SetItemIndex(0);
    FInitialHeight = Height();
}

void TDBGridLtFindDlg::Execute(IFindDialogGridLt* Grid, const std::string& Text, bool Modal,
                               const std::vector<TFindColumnLt>& ColumnFields, const std::string&)
{
    const bool tree = Grid && TreeModeActive(Grid->FindDataSet());
    if (tree)
        SetHeight(FInitialHeight);
    else
        SetClientHeight(dbcTreeFindRange->Top());
    lblTreeFindRange->SetVisible(tree);
    dbcTreeFindRange->SetVisible(tree);
    cbText->SetText(Text);
    FGrid = Grid;
    FGridComponent.Set(Grid ? Grid->GridComponent() : nullptr);
    FillColumns(ColumnFields);
    FFirstTry = true;
    if (Visible())
        Hide();
    SetActiveControl(cbText);
    cbFindInChange(this);
    if (Modal) {
        SetFormStyle(fsNormal);
        ShowModal();
    } else {
        SetFormStyle(fsStayOnTop);
        Show();
        cbText->SetFocus();
    }
}

void TDBGridLtFindDlg::GridFreed()
{
    FGrid = nullptr;
    if (Visible())
        Close();
}

void TDBGridLtFindDlg::FillColumns(const std::vector<TFindColumnLt>& ColumnFields)
{
    FColumns = ColumnFields;
    if (FColumns.empty() && FGrid)
        FColumns = FGrid->FindColumns();
    TStrings* items = cbFindIn->Items();
    items->BeginUpdate();
    items->Clear();
    for (const TFindColumnLt& column : FColumns)
        items->AddObject(column.Caption, column.Column);
    items->Add(kAllColumns);
    items->EndUpdate();
    cbFindIn->SetKeyItems(items);
    const TObject* current = FGrid ? FGrid->CurrentFindColumn() : nullptr;
    cbFindIn->SetItemIndex(current ? items->IndexOfObject(current) : -1);
}

bool TDBGridLtFindDlg::AllColumnsSelected() const
{
    return cbFindIn->ItemIndex() < 0 || cbFindIn->ItemIndex() >= static_cast<int>(FColumns.size());
}

void TDBGridLtFindDlg::cbFindInChange(TObject* Sender)
{
    if (cbFindIn->ItemIndex() < 0)
        cbFindIn->SetItemIndex(cbFindIn->Items()->Count() - 1);
    cbTextChange(Sender);
}

void TDBGridLtFindDlg::cbTextChange(TObject*)
{
    FFirstTry = true;
}

int TDBGridLtFindDlg::SearchDirection() const
{
    const std::string direction = cbFindDirection->Text();
    int result = direction == kUp ? ltdUpLt : direction == kDown ? ltdDownLt : ltdAllLt;
    if (KeyboardShiftState().Contains(ssCtrl))
        result = result == ltdUpLt ? ltdDownLt : ltdUpLt;
    else if (result == ltdAllLt && !FFirstTry)
        result = ltdDownLt;
    return result;
}

void TDBGridLtFindDlg::bFindClick(TObject*)
{
    const std::string pattern = cbText->Text();
    if (cbText->Items()->IndexOf(pattern) < 0)
        cbText->Items()->Add(pattern);
    TDataSet* dataSet = FGrid ? FGrid->FindDataSet() : nullptr;
    if (!dataSet || !dataSet->Active())
        return;
    unsigned options = 0;
    if (!cbCharCase->Checked())
        options |= ltoCaseInsensitiveLt;
    if (cbUseFormat->Checked())
        options |= ltoUseFormatLt;
    const bool all = AllColumnsSelected();
    if (all)
        options |= ltoAllColumnsLt;
    const std::string fieldName =
        all ? std::string() : FColumns[static_cast<std::size_t>(cbFindIn->ItemIndex())].FieldName;
    const int matching = std::max(cbMatchinType->ItemIndex(), 0);
    if (FGrid->LocateText(fieldName, Variant(dbcTreeFindRange->Text()), matching, SearchDirection(), options, pattern))
        FFirstTry = false;
}

void TDBGridLtFindDlg::FormKeyDown(TObject*, unsigned& Key, TShiftState)
{
    if (Key != VK_RETURN && Key != VK_ESCAPE)
        return;
    if (TWinControl* active = ActiveControl(); active && active->Perform(CM_WANTSPECIALKEY, Key) != 0)
        return;
    if (Key == VK_ESCAPE && !Modal())
        Close();
    else if (Key == VK_RETURN)
        bFindClick(this);
    cbText->SetModified(false);
}

void TDBGridLtFindDlg::bCancelClick(TObject*)
{
    Close();
}

namespace {
TComponentRef<TDBGridLtFindDlg>& FindDialog()
{
    static TComponentRef<TDBGridLtFindDlg> dialog;
    return dialog;
}
} // namespace

TDBGridLtFindDlg* DBGridLtFindDlg()
{
    return FindDialog().Get();
}

void OpenDBGridLtFindDlg(IFindDialogGridLt* Grid, const std::string& Text, const std::string& FieldName,
                         const std::vector<TFindColumnLt>& ColumnFields, bool Modal)
{
    if (!FindDialog())
        FindDialog().Set(new TDBGridLtFindDlg(Application));
    FindDialog()->Execute(Grid, Text, Modal, ColumnFields, FieldName);
}
