// The main window's side of the controller protocol that reacts: the serial
// line, the programming window's display, the parser of received bytes, the
// answer time-out and the read-back.
#include <QTimer>

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
    // Precise: a coarse timer may fire 5 % early.
    FAnswerTimer = std::make_unique<QTimer>();
    FAnswerTimer->setTimerType(Qt::PreciseTimer);
    FAnswerTimer->setSingleShot(true);
    FAnswerTimer->setInterval(kAnswerTimeout);
    QObject::connect(FAnswerTimer.get(), &QTimer::timeout, [this] { AnswerTimedOut(); });
}

int TfrmMain::AnswerTimeout() const
{
    return FAnswerTimer->interval();
}

void TfrmMain::SetAnswerTimeout(int Milliseconds)
{
    FAnswerTimer->setInterval(Milliseconds);
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

bool TfrmMain::WriteFrame(const std::string& Frame, TTransferStage Next)
{
    FAnswerTimer->stop();
    const bool written = ComPort->WriteText(Frame);
    if (!written && ComPort->IsOpen()) {
        PortFailed(true);
        return false;
    }
    FTransferStage = Next;
    FFrameLeaving = Next != TTransferStage::Idle;
    // A closed port takes nothing: the time-out runs at once.
    if (!written)
        FrameLeft();
    return written;
}

void TfrmMain::ComPortTxEmpty(TObject*)
{
    FrameLeft();
}

void TfrmMain::FrameLeft()
{
    if (!FFrameLeaving)
        return;
    FFrameLeaving = false;
    if (FTransferStage != TTransferStage::Idle)
        FAnswerTimer->start();
}

void TfrmMain::EndTransfer()
{
    FTransferStage = TTransferStage::Idle;
    FFrameLeaving = false;
    if (FAnswerTimer)
        FAnswerTimer->stop();
}

void TfrmMain::AnswerTimedOut()
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
