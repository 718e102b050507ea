#pragma once
// The programming window: finds the serial ports that open, opens the chosen
// one through the main window's ComPort, writes the programme into the
// controller ("Записать") and reads its time table back ("Считать"). It is
// the protocol's view while it is open.
#include <string>
#include <vector>

#include "app/programmingview.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

class TDBComboBoxLt;

class TfrmProgramm : public TForm, public IProgrammingView {
    LT_CLASS(TfrmProgramm)
public:
    explicit TfrmProgramm(TComponent* AOwner);
    ~TfrmProgramm() override;

    TDBComboBoxLt* cmbPorts = nullptr;
    TLabel* lblPortState = nullptr;
    TLabel* lblBlockCount = nullptr;
    TLabel* lblProgress = nullptr;
    TProgressBar* barProgress = nullptr;
    TRadioButton* chk16 = nullptr;
    TRadioButton* chk8 = nullptr;
    TButton* btnWrite = nullptr;
    TListBox* lstTime = nullptr;
    TLabel* lblTime = nullptr;
    TButton* btnRead = nullptr;

    void FormCreate(TObject* Sender);
    void cmbPortsChange(TObject* Sender);
    void btnWriteClick(TObject* Sender);
    void btnReadClick(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

    // The item of cmbPorts now chosen, or its text when none is.
    std::string ChosenPort() const;
    // The chosen port was closed because its device failed: none is chosen
    // now, so that choosing it again opens it again.
    void PortLost();

    void ShowBlockCount(const std::string& Text) override;
    void ShowProgress(const std::string& Text) override;
    void ShowBar(int Percent) override;
    void ShowTimeTable(const std::vector<std::string>& Lines, const std::string& Clock) override;

private:
    // Closes the port and stops being the protocol's view.
    void Disconnect();
    // Refuses a transfer while no port is open.
    bool CheckPortOpen();
};

extern TfrmProgramm* frmProgramm;

// The device name pattern and port number that open Path: a trailing number
// becomes the port number ("/dev/ttyS12" → "/dev/ttyS%d", 12); a path without
// one is used as it stands, with port number 0.
struct TPortDevice {
    std::string DeviceName;
    int PortNum = 0;
};
TPortDevice PortDevice(const std::string& Path);
