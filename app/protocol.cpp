// The main window's side of the controller protocol that reacts: the serial
// line, the programming window's display, the parser of received bytes, the
// answer time-out and the read-back.
#include "app/fMain.h"
#include "app/programmingview.h"
#include "app/protocolframes.h"
#include "app/readback.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/application.h"
#include "serial/rscomm.h"

void TfrmMain::Loaded()
{
    TForm::Loaded();
    ComPort = dynamic_cast<TRsComm*>(FindComponent("ComPort"));
    if (!ComPort)
        throw EComponentError("The main window's description lacks ComPort");
    FAnswerTimer = std::make_unique<TTimer>(nullptr);
    FAnswerTimer->SetEnabled(false);
    FAnswerTimer->SetInterval(kAnswerTimeout);
    FAnswerTimer->SetOnTimer([this](TObject* Sender) { AnswerTimeout(Sender); });
}

void TfrmMain::SetProgrammingView(IProgrammingView* View)
{
    FProgrammingView = View;
    if (!View) {
        EndTransfer();
        RxBuffer.clear();
    }
}

void TfrmMain::ComPortRxChar(TObject*, int)
{
    std::string received;
    ComPort->ReadText(received);
    if (!FProgrammingView || !ComPort->IsOpen()) {
        RxBuffer.clear();
        return;
    }
    RxBuffer += received;
    for (;;) {
        // The frame leaves the buffer before it is acted on: acting may run
        // the message loop (a message box), and with it this handler again.
        const TScannedFrame scanned = TakeFrame(RxBuffer);
        if (scanned.Result == TScan::NeedMore)
            break;
        if (scanned.Result == TScan::Valid)
            ActOnFrame(scanned.Frame);
        Application->ProcessMessages();
    }
}

void TfrmMain::ActOnFrame(const std::string& Frame)
{
    switch (static_cast<uint8_t>(Frame[1])) {
    case kCommandBlock:
        if (FTransferStage == TTransferStage::Blocks)
            SendBlock(static_cast<uint8_t>(LastBlockSent + 1));
        break;
    case kCommandReadTimes:
        ShowTimeTable(Frame);
        break;
    case kCommandTimeTable:
        if (FTransferStage == TTransferStage::TimeTable)
            SendFinish();
        break;
    default:
        break;
    }
}

void TfrmMain::WriteFrame(const std::string& Frame, TTransferStage Next)
{
    FTransferStage = Next;
    FAnswerTimer->SetEnabled(false);
    if (Next != TTransferStage::Idle)
        FAnswerTimer->SetEnabled(true);
    ComPort->WriteText(Frame);
}

void TfrmMain::EndTransfer()
{
    FTransferStage = TTransferStage::Idle;
    if (FAnswerTimer)
        FAnswerTimer->SetEnabled(false);
}

void TfrmMain::AnswerTimeout(TObject*)
{
    const bool running = FTransferStage != TTransferStage::Idle;
    EndTransfer();
    if (!running)
        return;
    ResetDisplay();
    Application->MessageBox("Контроллер не ответил. Программа не записана !", kMessageCaption,
                            MB_OK | MB_ICONERROR);
}

void TfrmMain::SendReadRequest()
{
    ComPort->WriteText(ReadRequestFrame());
}

void TfrmMain::ShowTimeTable(const std::string& Frame)
{
    const std::optional<TReadBack> readBack = DecodeReadBack(Frame);
    if (readBack && FProgrammingView)
        FProgrammingView->ShowTimeTable(readBack->Lines, readBack->Clock);
}
