// The table commands of the main window: adding, deleting, applying and
// undoing rows of the four tables, and the step commands insert, move up,
// move down and save as. Row numbers and FIDs are held at full integer width.
#include <vector>

#include "app/fDM.h"
#include "app/fMain.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"

namespace {
// The next id of a table: its maximum plus one (1 in an empty table).
int NextId(const TField* MaxId)
{
    const Variant max = MaxId->Value();
    return max.IsNull() ? 1 : max.AsInteger() + 1;
}

bool RefuseLastRow(TClientDataSet* Table, const char* Message)
{
    if (Table->RecordCount() != 1)
        return false;
    Application->MessageBox(Message, kMessageCaption, MB_OK | MB_ICONERROR);
    return true;
}

void Apply(TClientDataSet* Table)
{
    Table->ApplyUpdates(-1);
    Table->Resync();
}
} // namespace

TfrmMain::TTableActions TfrmMain::TableActions(const std::string& Table)
{
    return {Bind<TAction>(("ac" + Table + "ApplyAll").c_str()), Bind<TAction>(("ac" + Table + "Cancel").c_str()),
            Bind<TAction>(("ac" + Table + "CancelAll").c_str())};
}

void TfrmMain::UpdateTableActions(TClientDataSet* Table, const std::string& Name)
{
    const TDataSetState state = Table->State();
    const bool enabled = state == dsEdit || state == dsInsert || state == dsSetKey || Table->ChangeCount() > 0;
    const TTableActions actions = TableActions(Name);
    actions.ApplyAll->SetEnabled(enabled);
    actions.Cancel->SetEnabled(enabled);
    actions.CancelAll->SetEnabled(enabled);
}

// Schemes.
void TfrmMain::acSchemesAddExecute(TObject*)
{
    DM->cdsSchemes->Append();
    DM->cdsSchemesFSCHEME->SetAsInteger(NextId(DM->cdsSchemesFMAXID));
    DM->cdsSchemesFNAME->SetAsString("без названия");
    DM->cdsLighting->Append();
    DM->cdsLightingFID->SetAsInteger(1);
    DM->cdsLightingFDELAY->SetAsInteger(100);
    DM->SetChannelsOff();
}

void TfrmMain::acSchemesDeleteExecute(TObject*)
{
    if (RefuseLastRow(DM->cdsSchemes, "Нельзя удалять последнюю схему !"))
        return;
    const std::string question = "Удалить схему '" + DM->cdsSchemesFNAME->AsString() + "' ?";
    if (Application->MessageBox(question, kMessageCaption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES)
        DM->cdsSchemes->Delete();
}

void TfrmMain::acSchemesApplyAllExecute(TObject*)
{
    Apply(DM->cdsSchemes);
}

void TfrmMain::acSchemesCancelExecute(TObject*)
{
    DM->cdsSchemes->UndoLastChange(true);
}

void TfrmMain::acSchemesCancelAllExecute(TObject*)
{
    DM->cdsSchemes->CancelUpdates();
}

void TfrmMain::acSchemesApplyAllUpdate(TObject*)
{
    UpdateTableActions(DM->cdsSchemes, "Schemes");
}

// Steps.
void TfrmMain::acLightingAddExecute(TObject*)
{
    DM->cdsLighting->Append();
    DM->cdsLightingFID->SetAsInteger(NextId(DM->cdsLightingFMAXID));
    DM->cdsLightingFDELAY->SetAsInteger(100);
    DM->SetChannelsOff();
}

void TfrmMain::acLightingDeleteExecute(TObject*)
{
    if (!RefuseLastRow(DM->cdsLighting, "Нельзя удалять последнюю запись !"))
        DM->cdsLighting->Delete();
}

void TfrmMain::acLightingApplyAllExecute(TObject*)
{
    Apply(DM->cdsLighting);
}

void TfrmMain::acLightingCancelExecute(TObject*)
{
    DM->cdsLighting->UndoLastChange(true);
}

void TfrmMain::acLightingCancelAllExecute(TObject*)
{
    DM->cdsLighting->CancelUpdates();
}

void TfrmMain::acLightingApplyAllUpdate(TObject*)
{
    UpdateTableActions(DM->cdsLighting, "Lighting");
}

// Programme.
void TfrmMain::acProgrammAddExecute(TObject*)
{
    const Variant scheme = DM->cdsSchemesFSCHEME->Value();
    DM->cdsProgramm->Append();
    DM->cdsProgrammFID->SetAsInteger(NextId(DM->cdsProgrammFMAXID));
    DM->cdsProgrammFCOUNT->SetAsInteger(1);
    DM->cdsProgrammFSCHEME->SetValue(scheme);
}

void TfrmMain::acProgrammDeleteExecute(TObject*)
{
    if (!RefuseLastRow(DM->cdsProgramm, "Нельзя удалять последнюю запись !"))
        DM->cdsProgramm->Delete();
}

void TfrmMain::acProgrammApplyAllExecute(TObject*)
{
    Apply(DM->cdsProgramm);
}

void TfrmMain::acProgrammCancelExecute(TObject*)
{
    DM->cdsProgramm->UndoLastChange(true);
}

void TfrmMain::acProgrammCancelAllExecute(TObject*)
{
    DM->cdsProgramm->CancelUpdates();
}

void TfrmMain::acProgrammApplyAllUpdate(TObject*)
{
    UpdateTableActions(DM->cdsProgramm, "Programm");
}

// Time table.
void TfrmMain::acTimeAddExecute(TObject*)
{
    DM->cdsTime->Append();
    DM->cdsTimeFID->SetAsInteger(NextId(DM->cdsTimeFMaxID));
}

void TfrmMain::acTimeDeleteExecute(TObject*)
{
    if (!RefuseLastRow(DM->cdsTime, "Нельзя удалять последнюю запись !"))
        DM->cdsTime->Delete();
}

void TfrmMain::acTimeApplyAllExecute(TObject*)
{
    Apply(DM->cdsTime);
}

void TfrmMain::acTimeCancelExecute(TObject*)
{
    DM->cdsTime->UndoLastChange(true);
}

void TfrmMain::acTimeCancelAllExecute(TObject*)
{
    DM->cdsTime->CancelUpdates();
}

void TfrmMain::acTimeApplyAllUpdate(TObject*)
{
    UpdateTableActions(DM->cdsTime, "Time");
}

// Step commands.
void TfrmMain::acLightingInsertExecute(TObject*)
{
    TClientDataSet& steps = *DM->cdsLighting;
    if (steps.IsEmpty())
        return;
    steps.CheckBrowseMode();
    const int k = steps.RecNo();
    const int f = DM->cdsLightingFID->AsInteger();
    steps.Last();
    for (;;) {
        steps.Edit();
        DM->cdsLightingFID->SetAsInteger(DM->cdsLightingFID->AsInteger() + 1);
        if (steps.RecNo() == k || steps.RecNo() <= 1)
            break;
        steps.Prior();
    }
    steps.Insert();
    DM->cdsLightingFID->SetAsInteger(f);
    DM->cdsLightingFDELAY->SetAsInteger(100);
    DM->SetChannelsOff();
    steps.Post();
}

void TfrmMain::MoveStep(bool Up)
{
    TClientDataSet& steps = *DM->cdsLighting;
    steps.CheckBrowseMode();
    const int k = steps.RecNo();
    if (steps.IsEmpty() || (Up && k <= 1) || (!Up && k >= steps.RecordCount()))
        return;
    const int f = DM->cdsLightingFID->AsInteger();
    steps.Edit();
    DM->cdsLightingFID->SetAsInteger(NextId(DM->cdsLightingFMAXID));
    // The neighbour takes this step's number ...
    steps.SetRecNo(Up ? k - 1 : k);
    steps.Edit();
    DM->cdsLightingFID->SetAsInteger(f);
    // ... and the moved step, now last, the one beside it.
    steps.Last();
    steps.Edit();
    DM->cdsLightingFID->SetAsInteger(Up ? f - 1 : f + 1);
    steps.Post();
}

void TfrmMain::acLightingMoveUpExecute(TObject*)
{
    MoveStep(true);
}

void TfrmMain::acLightingMoveDownExecute(TObject*)
{
    MoveStep(false);
}

void TfrmMain::acLightingSaveAsExecute(TObject*)
{
    std::string name;
    if (!InputQuery(" Lighting", "Введите название схемы ...", name))
        return;
    struct TCopiedStep {
        int Fid;
        int Delay;
        std::string Channels[16];
    };
    std::vector<TCopiedStep> copied;
    TClientDataSet& steps = *DM->cdsLighting;
    for (steps.First(); !steps.Eof(); steps.Next()) {
        TCopiedStep step{DM->cdsLightingFID->AsInteger(), DM->cdsLightingFDELAY->AsInteger(), {}};
        for (int channel = 1; channel <= 16; ++channel)
            step.Channels[channel - 1] = DM->ChannelField(channel)->AsString();
        copied.push_back(step);
    }
    DM->cdsSchemes->Append();
    DM->cdsSchemesFSCHEME->SetAsInteger(NextId(DM->cdsSchemesFMAXID));
    DM->cdsSchemesFNAME->SetAsString(name);
    for (const TCopiedStep& step : copied) {
        steps.Append();
        DM->cdsLightingFID->SetAsInteger(step.Fid);
        DM->cdsLightingFDELAY->SetAsInteger(step.Delay);
        for (int channel = 1; channel <= 16; ++channel)
            DM->ChannelField(channel)->SetAsString(step.Channels[channel - 1]);
    }
}
