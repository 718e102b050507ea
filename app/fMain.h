#pragma once
// The main window: the schemes, steps, programme and time-table columns,
// the preview column, the start-up sequence that opens the tables, and the
// question about unsaved changes when it closes.
#include <string>

#include "platform/data/clientdataset.h"

#include "platform/ui/actnlist.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

class TfrmMain : public TForm {
    LT_CLASS(TfrmMain)
public:
    explicit TfrmMain(TComponent* AOwner);
    ~TfrmMain() override;

    TTimer* Timer1;
    TAction* acAbout;
    TAction* acHelp;
    TAction* acExit;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void acAboutExecute(TObject* Sender);
    void acHelpExecute(TObject* Sender);
    void acExitExecute(TObject* Sender);

    // Table commands: add, delete, apply, undo the last change, cancel all,
    // and the enabling of apply, undo and cancel all.
#define LT_TABLE_COMMANDS(Table)                          \
    void ac##Table##AddExecute(TObject* Sender);          \
    void ac##Table##DeleteExecute(TObject* Sender);       \
    void ac##Table##ApplyAllExecute(TObject* Sender);     \
    void ac##Table##CancelExecute(TObject* Sender);       \
    void ac##Table##CancelAllExecute(TObject* Sender);    \
    void ac##Table##ApplyAllUpdate(TObject* Sender);
    LT_TABLE_COMMANDS(Schemes)
    LT_TABLE_COMMANDS(Lighting)
    LT_TABLE_COMMANDS(Programm)
    LT_TABLE_COMMANDS(Time)
#undef LT_TABLE_COMMANDS
    // Step commands.
    void acLightingInsertExecute(TObject* Sender);
    void acLightingMoveUpExecute(TObject* Sender);
    void acLightingMoveDownExecute(TObject* Sender);
    void acLightingSaveAsExecute(TObject* Sender);

    // Stops the preview and the rotation; every command that opens a window
    // or ends the program runs it first.
    void StopPreview();

    bool ViewOn = false;
    bool RotateOn = false;
    double NextTime = 0;

private:
    template <class T>
    T* Bind(const char* name);
    // The three commands apply, undo and cancel all of a table.
    struct TTableActions {
        TAction* ApplyAll;
        TAction* Cancel;
        TAction* CancelAll;
    };
    TTableActions TableActions(const std::string& Table);
    void UpdateTableActions(TClientDataSet* Table, const std::string& Name);
    void MoveStep(bool Up);
};

extern TfrmMain* frmMain;

// The caption of the application's message boxes.
inline const std::string kMessageCaption = "  Lighting";
