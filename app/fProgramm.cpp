#include "app/fProgramm.h"

#include <cctype>

#include "app/fMain.h"
#include "dbcontrols/dbcombobox.h"
#include "platform/comm/commports.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/application.h"
#include "serial/rscomm.h"

TfrmProgramm* frmProgramm = nullptr;

LT_IMPLEMENT_CLASS(TfrmProgramm, TForm)
{
    P.Method("FormCreate", &TfrmProgramm::FormCreate);
    P.Method("cmbPortsChange", &TfrmProgramm::cmbPortsChange);
    P.Method("btnWriteClick", &TfrmProgramm::btnWriteClick);
    P.Method("btnReadClick", &TfrmProgramm::btnReadClick);
    P.Method("FormClose", &TfrmProgramm::FormClose);
}

TPortDevice PortDevice(const std::string& Path)
{
    std::size_t digits = Path.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(Path[digits - 1])))
        --digits;
    // Port numbers beyond an int, and names the pattern cannot carry, open by
    // their whole path.
    if (digits == Path.size() || Path.size() - digits > 9 || Path.find('%') != std::string::npos)
        return {Path, 0};
    return {Path.substr(0, digits) + "%d", std::stoi(Path.substr(digits))};
}

TfrmProgramm::TfrmProgramm(TComponent* AOwner) : TForm(AOwner)
{
    frmProgramm = this;
    InitFromResource("fProgramm.dfm");
}

TfrmProgramm::~TfrmProgramm()
{
    Disconnect();
    DestroyComponents();
    if (frmProgramm == this)
        frmProgramm = nullptr;
}

void TfrmProgramm::FormCreate(TObject*)
{
    cmbPorts = ComponentByName<TDBComboBoxLt>(*this, "cmbPorts");
    lblPortState = ComponentByName<TLabel>(*this, "lblPortState");
    lblBlockCount = ComponentByName<TLabel>(*this, "lblBlockCount");
    lblProgress = ComponentByName<TLabel>(*this, "lblProgress");
    barProgress = ComponentByName<TProgressBar>(*this, "barProgress");
    chk16 = ComponentByName<TRadioButton>(*this, "chk16");
    chk8 = ComponentByName<TRadioButton>(*this, "chk8");
    btnWrite = ComponentByName<TButton>(*this, "btnWrite");
    lstTime = ComponentByName<TListBox>(*this, "lstTime");
    lblTime = ComponentByName<TLabel>(*this, "lblTime");
    btnRead = ComponentByName<TButton>(*this, "btnRead");

    frmMain->SetProgrammingView(this);
    for (const std::string& port : EnumerateSerialPorts())
        cmbPorts->Items()->Add(port);
    if (cmbPorts->Items()->Count() > 0)
        cmbPorts->SetItemIndex(0);
}

std::string TfrmProgramm::ChosenPort() const
{
    const int index = cmbPorts->ItemIndex();
    if (index >= 0 && index < cmbPorts->Items()->Count())
        return cmbPorts->Items()->Strings(index);
    return cmbPorts->Text();
}

void TfrmProgramm::PortLost()
{
    cmbPorts->SetItemIndex(-1);
}

void TfrmProgramm::cmbPortsChange(TObject*)
{
    // Text typed over the list names no port: the port stays as it is.
    if (cmbPorts->ItemIndex() < 0)
        return;
    TRsComm* const port = frmMain->ComPort;
    const TPortDevice device = PortDevice(ChosenPort());
    try {
        port->Close();
        port->SetDeviceName(device.DeviceName);
        port->SetPortNum(device.PortNum);
        port->Open();
    } catch (const Exception&) {
        Application->MessageBox("Ошибка открытия порта !", kMessageCaption, MB_OK | MB_ICONERROR);
        port->Close();
    }
}

bool TfrmProgramm::CheckPortOpen()
{
    if (frmMain->ComPort->IsOpen())
        return true;
    Application->MessageBox("Порт не открыт !", kMessageCaption, MB_OK | MB_ICONERROR);
    return false;
}

void TfrmProgramm::btnWriteClick(TObject*)
{
    if (!CheckPortOpen())
        return;
    frmMain->ChannelMode = chk16->Checked() ? 16 : 8;
    frmMain->RxBuffer.clear();
    frmMain->BuildBlocks();
}

void TfrmProgramm::btnReadClick(TObject*)
{
    if (!CheckPortOpen())
        return;
    frmMain->SendReadRequest();
}

void TfrmProgramm::FormClose(TObject*, TCloseAction& Action)
{
    Disconnect();
    frmProgramm = nullptr;
    Action = caFree;
}

void TfrmProgramm::Disconnect()
{
    if (!frmMain || frmMain->ProgrammingView() != this)
        return;
    frmMain->ComPort->Close();
    frmMain->SetProgrammingView(nullptr);
}

void TfrmProgramm::ShowBlockCount(const std::string& Text)
{
    lblBlockCount->SetCaption(Text);
    lblBlockCount->Repaint();
}

void TfrmProgramm::ShowProgress(const std::string& Text)
{
    lblProgress->SetCaption(Text);
    lblProgress->Repaint();
}

void TfrmProgramm::ShowBar(int Percent)
{
    barProgress->SetPosition(Percent);
    barProgress->Repaint();
}

void TfrmProgramm::ShowTimeTable(const std::vector<std::string>& Lines, const std::string& Clock)
{
    lstTime->Items()->Clear();
    for (const std::string& line : Lines)
        lstTime->Items()->Add(line);
    lblTime->SetCaption(Clock);
}
