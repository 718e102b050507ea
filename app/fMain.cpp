#include "app/fMain.h"

#include <QTimer>

#include <cstdlib>
#include <ctime>

#include "app/fDM.h"
#include "app/fSplash.h"
#include "dbcontrols/dbcombobox.h"
#include "dbcontrols/dbnumberedit.h"
#include "dbgrid/core/dbgridlt.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"
#include "scene3d/cadencer/cadencer.h"
#include "scene3d/objects/dummycube.h"
#include "scene3d/scene/camera.h"
#include "scene3d/scene/scene.h"
#include "scene3d/viewer/sceneviewer.h"

TfrmMain* frmMain = nullptr;

LT_IMPLEMENT_CLASS(TfrmMain, TForm)
{
    P.Method("FormCreate", &TfrmMain::FormCreate);
    P.Method("FormShow", &TfrmMain::FormShow);
    P.Method("Timer1Timer", &TfrmMain::Timer1Timer);
    P.Method("FormCloseQuery", &TfrmMain::FormCloseQuery);
    P.Method("acAboutExecute", &TfrmMain::acAboutExecute);
    P.Method("acHelpExecute", &TfrmMain::acHelpExecute);
    P.Method("acExitExecute", &TfrmMain::acExitExecute);
#define LT_PUBLISH_TABLE_COMMANDS(Table)                                               \
    P.Method("ac" #Table "AddExecute", &TfrmMain::ac##Table##AddExecute);              \
    P.Method("ac" #Table "DeleteExecute", &TfrmMain::ac##Table##DeleteExecute);        \
    P.Method("ac" #Table "ApplyAllExecute", &TfrmMain::ac##Table##ApplyAllExecute);    \
    P.Method("ac" #Table "CancelExecute", &TfrmMain::ac##Table##CancelExecute);        \
    P.Method("ac" #Table "CancelAllExecute", &TfrmMain::ac##Table##CancelAllExecute);  \
    P.Method("ac" #Table "ApplyAllUpdate", &TfrmMain::ac##Table##ApplyAllUpdate);
    LT_PUBLISH_TABLE_COMMANDS(Schemes)
    LT_PUBLISH_TABLE_COMMANDS(Lighting)
    LT_PUBLISH_TABLE_COMMANDS(Programm)
    LT_PUBLISH_TABLE_COMMANDS(Time)
#undef LT_PUBLISH_TABLE_COMMANDS
    P.Method("acLightingInsertExecute", &TfrmMain::acLightingInsertExecute);
    P.Method("acLightingMoveUpExecute", &TfrmMain::acLightingMoveUpExecute);
    P.Method("acLightingMoveDownExecute", &TfrmMain::acLightingMoveDownExecute);
    P.Method("acLightingSaveAsExecute", &TfrmMain::acLightingSaveAsExecute);
    P.Method("acLightingSetDelayExecute", &TfrmMain::acLightingSetDelayExecute);
    P.Method("acLightingCleanExecute", &TfrmMain::acLightingCleanExecute);
    P.Method("grdSchemesGetCellParams", &TfrmMain::grdSchemesGetCellParams);
    P.Method("grdLightingGetCellParams", &TfrmMain::grdLightingGetCellParams);
    P.Method("grdProgrammGetCellParams", &TfrmMain::grdProgrammGetCellParams);
    P.Method("grdTimeGetCellParams", &TfrmMain::grdTimeGetCellParams);
    P.Method("ComPortRxChar", &TfrmMain::ComPortRxChar);
    P.Method("ComPortOpen", &TfrmMain::ComPortOpen);
    P.Method("ComPortClose", &TfrmMain::ComPortClose);
    P.Method("ComPortError", &TfrmMain::ComPortError);
    P.Method("ComPortTxEmpty", &TfrmMain::ComPortTxEmpty);
    P.Method("acProgrammExecute", &TfrmMain::acProgrammExecute);
    P.Method("acViewExecute", &TfrmMain::acViewExecute);
    P.Method("acRotateExecute", &TfrmMain::acRotateExecute);
    P.Method("CadencerProgress", &TfrmMain::CadencerProgress);
    P.Method("acDefaultExecute", &TfrmMain::acDefaultExecute);
    P.Method("acSaveSceneExecute", &TfrmMain::acSaveSceneExecute);
    P.Method("acOpenSceneExecute", &TfrmMain::acOpenSceneExecute);
    P.Method("acEditExecute", &TfrmMain::acEditExecute);
    P.Method("acChangeColorExecute", &TfrmMain::acChangeColorExecute);
    P.Method("acRandomColorExecute", &TfrmMain::acRandomColorExecute);
    P.Method("acSetColorAllExecute", &TfrmMain::acSetColorAllExecute);
    P.Method("chkChannel1Click", &TfrmMain::chkChannel1Click);
    P.Method("cmbLampsChange", &TfrmMain::cmbLampsChange);
    P.Method("edtLampCountChange", &TfrmMain::edtLampCountChange);
    P.Method("cmbPortsKeyPress", &TfrmMain::cmbPortsKeyPress);
    P.Method("SceneViewerMouseDown", &TfrmMain::SceneViewerMouseDown);
    P.Method("SceneViewerMouseMove", &TfrmMain::SceneViewerMouseMove);
}

template <class T>
T* TfrmMain::Bind(const char* name)
{
    return ComponentByName<T>(*this, name);
}

TfrmMain::TfrmMain(TComponent* AOwner) : TForm(AOwner)
{
    frmMain = this;
    Timer1 = nullptr;
    acAbout = acHelp = acExit = nullptr;
    InitFromResource("fMain.dfm");
}

TfrmMain::~TfrmMain()
{
    DestroyComponents();
    if (frmMain == this)
        frmMain = nullptr;
}

void TfrmMain::FormCreate(TObject*)
{
    Timer1 = Bind<TTimer>("Timer1");
    acAbout = Bind<TAction>("acAbout");
    acHelp = Bind<TAction>("acHelp");
    acExit = Bind<TAction>("acExit");
    grdSchemes = Bind<TDBGridLt>("grdSchemes");
    grdLighting = Bind<TDBGridLt>("grdLighting");
    grdProgramm = Bind<TDBGridLt>("grdProgramm");
    grdTime = Bind<TDBGridLt>("grdTime");
    Scene = Bind<T3DScene>("Scene");
    Lighting = Bind<T3DDummyCube>("Lighting");
    Camera1 = Bind<T3DCamera>("Camera1");
    SceneViewer = Bind<T3DSceneViewer>("SceneViewer");
    Cadencer = Bind<T3DCadencer>("Cadencer");
    dlgColor = Bind<TColorDialog>("dlgColor");
    cmbChannels = Bind<TDBComboBoxLt>("cmbChannels");
    cmbLamps = Bind<TDBComboBoxLt>("cmbLamps");
    shpLampColor = Bind<TShape>("shpLampColor");
    edtLampCount = Bind<TDBNumberEditLt>("edtLampCount");
    edtRotateSpeed = Bind<TDBNumberEditLt>("edtRotateSpeed");
    acView = Bind<TAction>("acView");
    acRotate = Bind<TAction>("acRotate");
    acDefault = Bind<TAction>("acDefault");
    gbChannels = Bind<TGroupBox>("gbChannels");
    dlgSaveScene = Bind<TSaveDialog>("dlgSaveScene");
    dlgOpenScene = Bind<TOpenDialog>("dlgOpenScene");

    std::srand(static_cast<unsigned>(std::time(nullptr)));
    ShowSplashMark(0);
    ViewOn = false;
    RotateOn = false;
    NextTime = 0;
    DM->SetDatabase(DefaultDatabasePath());
    ShowSplashMark(1);
    DM->conLighting->Open();
    ShowSplashMark(2);
    DM->cdsSchemes->Open();
    ShowSplashMark(3);
    DM->cdsLighting->First();
    ShowSplashMark(4);
    DM->cdsProgramm->Open();
    ShowSplashMark(5);
    DM->cdsTime->Open();
    ShowSplashMark(6);
    BuildLampScene();
    ShowSplashMark(15);
    cmbLamps->SetItemIndex(0);
    cmbChannels->SetItemIndex(0);
}

void TfrmMain::FormShow(TObject*)
{
    Timer1->SetEnabled(true);
}

void TfrmMain::Timer1Timer(TObject*)
{
    Timer1->SetEnabled(false);
    if (frmSplash)
        frmSplash->Close();
}

void TfrmMain::acAboutExecute(TObject*)
{
    StopPreview();
    if (!frmSplash)
        Application->CreateForm(frmSplash);
    for (TShape* mark : SplashBars)
        if (mark)
            mark->SetVisible(false);
    frmSplash->lblOk->SetVisible(true);
    if (frmSplash->Visible())
        frmSplash->Hide();
    frmSplash->ShowModal();
}

void TfrmMain::acHelpExecute(TObject*)
{
    StopPreview();
}

void TfrmMain::acExitExecute(TObject*)
{
    StopPreview();
    Close();
}

void TfrmMain::FormCloseQuery(TObject*, bool& CanClose)
{
    TClientDataSet* const tables[] = {DM->cdsSchemes, DM->cdsLighting, DM->cdsProgramm, DM->cdsTime};
    // Rows still being edited are posted first: closing must not drop them.
    for (TClientDataSet* table : tables)
        if (table->Active())
            table->CheckBrowseMode();
    const auto pending = [&] {
        for (TClientDataSet* table : tables)
            if (table->ChangeCount() > 0)
                return true;
        return false;
    };
    if (!pending()) {
        CanClose = true;
        return;
    }
    const int answer =
        Application->MessageBox("Сохранить все изменения ?", kMessageCaption, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDNO) {
        CanClose = true;
        return;
    }
    if (answer != IDYES) {
        CanClose = false;
        return;
    }
    CanClose = false;
    DM->ApplyAllUpdates();
    CanClose = !pending();
}
