// The programming command of the main window and the port state it shows in
// the programming window.
#include "app/fDM.h"
#include "app/fMain.h"
#include "app/fProgramm.h"
#include "platform/sql/sqlstoredproc.h"
#include "platform/ui/application.h"
#include "serial/rscomm.h"

namespace {

// The most rows the controller's time table holds.
constexpr int kMaxTimeRows = 50;

} // namespace

void TfrmMain::acProgrammExecute(TObject*)
{
    StopPreview();
    TClientDataSet* const tables[] = {DM->cdsLighting, DM->cdsProgramm, DM->cdsTime};
    // Rows still being edited are part of what the operator means to write.
    for (TClientDataSet* table : tables)
        if (table->Active())
            table->CheckBrowseMode();
    const auto pending = [&] {
        for (const TClientDataSet* table : tables)
            if (table->ChangeCount() > 0)
                return true;
        return false;
    };
    if (pending()) {
        if (Application->MessageBox("Сохранить все изменения ?", kMessageCaption, MB_YESNO | MB_ICONQUESTION) !=
            IDYES)
            return;
        DM->ApplyAllUpdates();
        // An apply that fails raises and so ends the command; one that still
        // leaves changes pending ends it too: the database would not hold what
        // the operator sees.
        if (pending())
            return;
    }
    if (DM->cdsTime->RecordCount() > kMaxTimeRows) {
        Application->MessageBox("В таблице времени больше 50 записей !", kMessageCaption, MB_OK | MB_ICONERROR);
        return;
    }
    CheckTimeTable();
}

void TfrmMain::CheckTimeTable()
{
    DM->sprTestTime->ExecProc();
    const std::string result = DM->sprTestTime->ParamByName("RES")->AsString();
    if (result == "OK") {
        if (!frmProgramm)
            new TfrmProgramm(Application);
        frmProgramm->ShowModal();
        return;
    }
    const int row = DM->sprTestTime->ParamByName("REC")->AsInteger();
    Application->MessageBox(result + "\rCтрока № " + std::to_string(row) + " в таблице времени. Исправьте ошибку !",
                            kMessageCaption, MB_OK | MB_ICONERROR);
    if (row >= 1 && row <= DM->cdsTime->RecordCount())
        DM->cdsTime->SetRecNo(row);
}

void TfrmMain::ComPortOpen(TObject*)
{
    if (frmProgramm)
        frmProgramm->lblPortState->SetCaption("порт " + frmProgramm->ChosenPort() + " открыт !");
}

void TfrmMain::ComPortClose(TObject*)
{
    // Nothing leaves a closed port: a transfer's time-out runs from here.
    FrameLeft();
    if (!frmProgramm)
        return;
    frmProgramm->lblPortState->SetCaption("порт " + frmProgramm->ChosenPort() + " закрыт !");
    frmProgramm->lblPortState->Repaint();
}

void TfrmMain::ComPortError(TObject*, int Errors)
{
    if ((Errors & CE_IOE) && ComPort->IsOpen())
        PortFailed(TransferStage() != TTransferStage::Idle);
}

void TfrmMain::PortFailed(bool Transferring)
{
    EndTransfer();
    ResetDisplay();
    const std::string device = ComPort->FormatDeviceName();
    ComPort->Close();
    if (frmProgramm)
        frmProgramm->PortLost();
    Application->MessageBox("Связь с портом " + device + " потеряна ! Порт закрыт." +
                                (Transferring ? "\rПрограмма не записана !" : ""),
                            kMessageCaption, MB_OK | MB_ICONERROR);
}
