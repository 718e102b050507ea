// The scene commands of the main window: saving and opening scene files and
// opening the scene editing window.
#include "app/fEdit.h"
#include "app/fMain.h"
#include "app/lamplook.h"
#include "app/scenefile.h"
#include "dbcontrols/dbcheckboxlt.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"
#include "scene3d/objects/dummycube.h"
#include "scene3d/objects/sprite.h"

void TfrmMain::acSaveSceneExecute(TObject*)
{
    StopPreview();
    if (!dlgSaveScene->Execute())
        return;
    SaveSceneFile(dlgSaveScene->FileName(), *Lighting);
}

void TfrmMain::acOpenSceneExecute(TObject*)
{
    StopPreview();
    if (!dlgOpenScene->Execute())
        return;
    // The channel boxes stand in channel order among the group's controls.
    const auto showChannel = [this](int Channel, bool Visible) {
        static_cast<TDBCheckBoxLt*>(gbChannels->Controls(Channel))->SetChecked(Visible);
    };
    OpenSceneFile(dlgOpenScene->FileName(), *Lighting, showChannel,
                  [](T3DBaseSceneObject& Lamp) { SetStartLook(static_cast<T3DSprite*>(&Lamp)); });
    acDefault->Execute();
}

void TfrmMain::acEditExecute(TObject*)
{
    StopPreview();
    if (!frmEdit)
        Application->CreateForm(frmEdit);
    frmEdit->Show();
}
