#pragma once
// The find dialog "Поиск" of the data grid: a pattern with its history, the
// column to search (or all of them), how the text must match, the
// direction, case and format; "Найти далее" runs the grid's text search.
#include <string>
#include <vector>

#include "dbgrid/core/finddialoggrid.h"
#include "platform/ui/componentref.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

class TDBCheckBoxLt;
class TDBComboBoxLt;

extern const char* const DBGridLtFindDlgDescription;

class TDBGridLtFindDlg : public TForm {
    LT_CLASS(TDBGridLtFindDlg)
public:
    explicit TDBGridLtFindDlg(TComponent* AOwner);
    ~TDBGridLtFindDlg() override;

    // Sets the dialog up for Grid and shows it (modally, or stay-on-top and
    // focused). ColumnFields, when not empty, stands for the grid's columns.
    void Execute(IFindDialogGridLt* Grid, const std::string& Text, bool Modal,
                 const std::vector<TFindColumnLt>& ColumnFields, const std::string& FieldName);

    TDBComboBoxLt* cbText = nullptr;
    TDBComboBoxLt* cbFindIn = nullptr;
    TDBComboBoxLt* cbMatchinType = nullptr;
    TDBComboBoxLt* cbFindDirection = nullptr;
    TDBComboBoxLt* dbcTreeFindRange = nullptr;
    TDBCheckBoxLt* cbCharCase = nullptr;
    TDBCheckBoxLt* cbUseFormat = nullptr;
    TLabel* lblTreeFindRange = nullptr;
    TButton* bFind = nullptr;
    TButton* bCancel = nullptr;

    void FormCreate(TObject* Sender);
    void FormKeyDown(TObject* Sender, unsigned& Key, TShiftState Shift);
    void bFindClick(TObject* Sender);
    void bCancelClick(TObject* Sender);
    void cbFindInChange(TObject* Sender);
    void cbTextChange(TObject* Sender);

    // Whether the next search is the first since the pattern, direction or
    // range changed.
    bool FirstTry() const { return FFirstTry; }

private:
    void FillColumns(const std::vector<TFindColumnLt>& ColumnFields);
    bool AllColumnsSelected() const;
    int SearchDirection() const;

    // Forgets the grid and closes: its component was freed.
    void GridFreed();

    IFindDialogGridLt* FGrid = nullptr;
    TComponentRef<TComponent> FGridComponent;
    int FInitialHeight = 0;
    std::vector<TFindColumnLt> FColumns;
    bool FFirstTry = true;
};

// Opens the one find dialog (made on first use, owned by the application).
void OpenDBGridLtFindDlg(IFindDialogGridLt* Grid, const std::string& Text, const std::string& FieldName,
                         const std::vector<TFindColumnLt>& ColumnFields, bool Modal);
// The dialog OpenDBGridLtFindDlg made, if any.
TDBGridLtFindDlg* DBGridLtFindDlg();
