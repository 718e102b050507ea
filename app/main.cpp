// The program "lighting": the splash window, then the data module and the
// main window, then the message loop until the main window closes.
#include <memory>

#include "app/fDM.h"
#include "app/fMain.h"
#include "app/fSplash.h"
#include "platform/ui/application.h"
#include "platform/ui/terminationsignals.h"
#include "resources/resources.h"

int main()
{
    // Before the database client or the window system start threads.
    CatchTerminationSignals();
    InitLightingResources();
    auto application = std::make_unique<TApplication>(nullptr);
    Application->Initialize();
    // Created with the application as owner but not through CreateForm, so
    // it never becomes the main window.
    new TfrmSplash(Application);
    frmSplash->Show();
    frmSplash->Repaint();
    Application->SetTitle("Kalvor Lighting");
    Application->CreateForm(DM);
    Application->CreateForm(frmMain);
    Application->Run();
    return 0;
}
