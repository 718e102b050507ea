// The main window's side of the controller protocol that sends: the block
// stream and its blocks, the time table with the clock, the closing packet,
// and what the programming window shows meanwhile.
#include "app/blockstream.h"
#include "app/fDM.h"
#include "app/fMain.h"
#include "app/programmeread.h"
#include "app/programmingview.h"
#include "app/protocolframes.h"
#include "platform/rtl/clocks.h"
#include "platform/ui/application.h"

namespace {

std::string BuildingText(int Blocks)
{
    return "формирование : кол-во блоков : " + std::to_string(Blocks);
}

std::string PlaceText(int Row, int Step)
{
    return "схема : " + std::to_string(Row) + "   запись : " + std::to_string(Step);
}

} // namespace

void TfrmMain::ShowBlockCount(const std::string& Text)
{
    if (FProgrammingView)
        FProgrammingView->ShowBlockCount(Text);
}

void TfrmMain::ShowProgress(const std::string& Text)
{
    if (FProgrammingView)
        FProgrammingView->ShowProgress(Text);
}

void TfrmMain::ShowBar(int Percent)
{
    if (FProgrammingView)
        FProgrammingView->ShowBar(Percent);
}

void TfrmMain::ResetDisplay()
{
    ShowBlockCount("...");
    ShowProgress("...");
    ShowBar(0);
}

void TfrmMain::BuildBlocks()
{
    EndTransfer();
    ResetDisplay();
    const TProgramme programme = ReadProgramme(*DM);
    if (const std::string fault = ProgrammeFault(programme); !fault.empty()) {
        Application->MessageBox(fault, kMessageCaption, MB_OK | MB_ICONERROR);
        return;
    }
    const int rows = static_cast<int>(programme.size());
    TBlockProgress progress;
    progress.BlockFinished = [&](int Row) { ShowBar(Row * 100 / rows); };
    progress.StepWritten = [&](int Row, int Step, int Blocks) {
        ShowBlockCount(BuildingText(Blocks));
        ShowProgress(PlaceText(Row, Step));
    };
    BlockList = BuildBlockStream(programme, ChannelMode, progress);
    const TProgrammeRow& last = programme.back();
    ShowBlockCount(BuildingText(static_cast<int>(BlockList.size())));
    ShowProgress(PlaceText(last.Number, static_cast<int>(last.Steps.size())));
    Sleep(kSendPause);
    ResetDisplay();
    const int limit = BlockLimit(ChannelMode);
    if (static_cast<int>(BlockList.size()) > limit) {
        Application->MessageBox("Коичество блоков превысило " + std::to_string(limit) + " !", kMessageCaption,
                                MB_OK | MB_ICONINFORMATION);
        return;
    }
    SendBlock(0);
}

void TfrmMain::SendBlock(uint8_t k)
{
    const std::size_t blocks = BlockList.size();
    if (k >= blocks) {
        if (ChannelMode == 16)
            SendTimeTable();
        else
            SendFinish();
        return;
    }
    const std::string frame = BuildFrame(kCommandBlock, k, BlockList[k]);
    LastBlockSent = k;
    ShowBar(static_cast<int>((k + 1u) * 100u / blocks));
    ShowProgress("запись блока : " + std::to_string(k + 1));
    WriteFrame(frame, TTransferStage::Blocks);
}

void TfrmMain::SendTimeTable()
{
    ResetDisplay();
    TSystemTime clock{};
    GetLocalTime(clock);
    const std::vector<TTimeRow> rows = ReadTimeTable(*DM);
    const int count = static_cast<int>(rows.size());
    for (int row = 1; row <= count; ++row) {
        ShowBar(row * 100 / count);
        ShowBlockCount("формирование включений запись : " + std::to_string(row));
    }
    const std::string frame = TimeTableFrame(rows, clock);
    Sleep(kSendPause);
    ShowBar(0);
    ShowProgress("запись таблицы включений ...");
    WriteFrame(frame, TTransferStage::TimeTable);
}

void TfrmMain::SendFinish()
{
    ResetDisplay();
    if (WriteFrame(FinishFrame(), TTransferStage::Idle))
        Application->MessageBox("Программа записана !", kMessageCaption, MB_OK | MB_ICONINFORMATION);
}
