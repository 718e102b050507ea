#include "tests/app/protocoltesting.h"

#include "serial/rscomm.h"

std::string Channels(std::initializer_list<int> On)
{
    std::string channels(16, '0');
    for (const int channel : On)
        channels[static_cast<std::size_t>(channel - 1)] = '1';
    return channels;
}

void ProtocolTest::SetUp()
{
    ProgramTest::SetUp();
    ASSERT_NE(frmMain->ComPort, nullptr);
    frmMain->SetAnswerTimeout(kTestAnswerTimeout);
}

void ProtocolTest::Connect(const TEmulatorBehaviour& Behaviour)
{
    Emulator = std::make_unique<TControllerEmulator>(Behaviour);
    frmMain->ComPort->SetDeviceName(Emulator->DevicePath());
    frmMain->ComPort->Open();
    frmMain->SetProgrammingView(&View);
}

void ProtocolTest::Write(int ChannelMode)
{
    frmMain->ChannelMode = static_cast<uint8_t>(ChannelMode);
    frmMain->RxBuffer.clear();
    frmMain->BuildBlocks();
}

void ProtocolTest::RunFor(int Milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < Milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

std::vector<std::string> ProtocolTest::Messages() const
{
    std::vector<std::string> texts;
    for (const TAskedBox& box : Asked)
        texts.push_back(box.Text);
    return texts;
}

bool ProtocolTest::RunUntilMessage()
{
    return WaitFor([this] { return !Asked.empty(); });
}

void ProtocolTest::AddScheme(int Id, const std::string& Name, const std::vector<std::pair<int, std::string>>& Steps)
{
    TDM& dm = *DM;
    dm.cdsSchemes->Append();
    dm.cdsSchemesFSCHEME->SetAsInteger(Id);
    dm.cdsSchemesFNAME->SetAsString(Name);
    int fid = 1;
    for (const auto& [delay, channels] : Steps) {
        dm.cdsLighting->Append();
        dm.cdsLightingFID->SetAsInteger(fid++);
        dm.cdsLightingFDELAY->SetAsInteger(delay);
        for (int c = 1; c <= 16; ++c)
            dm.ChannelField(c)->SetAsString(std::string(1, channels[static_cast<std::size_t>(c - 1)]));
    }
    dm.cdsSchemes->CheckBrowseMode();
    dm.cdsLighting->CheckBrowseMode();
    dm.cdsSchemes->ApplyUpdates(-1);
    ASSERT_EQ(dm.cdsSchemes->ChangeCount(), 0);
}

void ProtocolTest::AddProgramme(const std::vector<std::pair<int, int>>& Rows)
{
    TDM& dm = *DM;
    for (const auto& [scheme, count] : Rows) {
        dm.cdsProgramm->Append();
        dm.cdsProgrammFID->SetAsInteger(NextProgrammeRow++);
        dm.cdsProgrammFSCHEME->SetAsInteger(scheme);
        dm.cdsProgrammFCOUNT->SetAsInteger(count);
        dm.cdsProgramm->Post();
    }
    dm.cdsProgramm->ApplyUpdates(-1);
    ASSERT_EQ(dm.cdsProgramm->ChangeCount(), 0);
}

void ProtocolTest::AddTimes(const std::vector<std::vector<int>>& Rows)
{
    TDM& dm = *DM;
    int fid = 1;
    for (const std::vector<int>& row : Rows) {
        dm.cdsTime->Append();
        dm.cdsTimeFID->SetAsInteger(fid++);
        dm.cdsTimeFONHOUR->SetAsInteger(row.at(0));
        dm.cdsTimeFONMINUTE->SetAsInteger(row.at(1));
        dm.cdsTimeFTOHOUR->SetAsInteger(row.at(2));
        dm.cdsTimeFTOMINUTE->SetAsInteger(row.at(3));
        dm.cdsTime->Post();
    }
    dm.cdsTime->ApplyUpdates(-1);
    ASSERT_EQ(dm.cdsTime->ChangeCount(), 0);
}

void ProgrammeExchange::AddProgrammeOfTwoBlocks()
{
    AddScheme(1, "Волна", {{1000, Channels({1, 9})}, {250, Channels({2, 16})}});
    AddScheme(2, "Всё", {{65535, std::string(16, '1')}});
    const std::vector<std::pair<int, std::string>> run(60, {500, Channels({5})});
    AddScheme(3, "Бег", run);
    AddProgramme({{1, 3}, {2, 255}, {3, 1}});
    AddTimes({{8, 30, 12, 0}, {18, 45, 23, 59}});
}

std::string ProgrammeExchange::ExpectedStream(int ChannelMode)
{
    std::string stream;
    if (ChannelMode == 16) {
        stream = Hex("03 03 E8 01 01 00 FA 80 02 00 00 FF FF FF FF FF 00 00 01");
        for (int step = 0; step < 60; ++step)
            stream += Hex("01 F4 00 10");
    } else {
        stream = Hex("03 03 E8 01 00 FA 02 00 00 FF FF FF FF 00 00 01");
        for (int step = 0; step < 60; ++step)
            stream += Hex("01 F4 10");
    }
    stream += Hex("00 00 00");
    stream.resize(ChannelMode == 16 ? 400 : 256, '\0');
    return stream;
}
