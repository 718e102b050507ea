// The preview: the programme played on the lamps, one step per cadencer
// tick, and the turning of the scene.
#include "app/fDM.h"
#include "app/fMain.h"
#include "app/lamplook.h"
#include "dbcontrols/dbnumberedit.h"
#include "scene3d/cadencer/cadencer.h"
#include "scene3d/materials/color.h"
#include "scene3d/materials/faceproperties.h"
#include "scene3d/materials/material.h"
#include "scene3d/objects/dummycube.h"
#include "scene3d/objects/sprite.h"

namespace {

constexpr int kViewOff = 8;
constexpr int kViewOn = 9;
constexpr int kRotateOff = 10;
constexpr int kRotateOn = 11;

} // namespace

void TfrmMain::StopPreview()
{
    acView->SetImageIndex(kViewOn);
    acRotate->SetImageIndex(kRotateOn);
    acView->Execute();
    acRotate->Execute();
}

void TfrmMain::UpdateCadencer()
{
    if (Cadencer)
        Cadencer->SetEnabled(ViewOn || RotateOn);
}

void TfrmMain::acViewExecute(TObject*)
{
    if (acView->ImageIndex() == kViewOff) {
        acView->SetImageIndex(kViewOn);
        NextTime = 0;
        Playlist.clear();
        PlayRepeat = 1;
        PlayEntry = 0;
        PlayRow = 0;
        Playlist = ReadPlaylist(*DM);
    } else {
        acView->SetImageIndex(kViewOff);
    }
    ViewOn = acView->ImageIndex() == kViewOn;
    UpdateCadencer();
}

void TfrmMain::acRotateExecute(TObject*)
{
    acRotate->SetImageIndex(acRotate->ImageIndex() == kRotateOff ? kRotateOn : kRotateOff);
    RotateOn = acRotate->ImageIndex() == kRotateOn;
    UpdateCadencer();
}

void TfrmMain::CadencerProgress(TObject*, double, double NewTime)
{
    if (RotateOn && Lighting) {
        const Variant speed = edtRotateSpeed->Value();
        if (!speed.IsNull())
            Lighting->SetTurnAngle(static_cast<float>(Lighting->TurnAngle() + 0.05 * speed.AsDouble()));
    }
    if (!ViewOn)
        return;
    // One step of the playback per tick.
    if (PlayEntry >= static_cast<int>(Playlist.size())) {
        PlayEntry = 0;
        return;
    }
    const TPlayEntry& entry = Playlist[static_cast<std::size_t>(PlayEntry)];
    if (entry.Count < PlayRepeat) {
        PlayRepeat = 1;
        ++PlayEntry;
        return;
    }
    if (PlayRow >= static_cast<int>(entry.Rows.size())) {
        PlayRow = 0;
        ++PlayRepeat;
        return;
    }
    const double delay = entry.Rows[static_cast<std::size_t>(PlayRow)].Delay / 1000.0;
    if (NextTime == 0) {
        ShowRow();
        NextTime = NewTime + delay;
        ++PlayRow;
    } else if (NewTime > NextTime) {
        ShowRow();
        NextTime += delay;
        ++PlayRow;
    }
}

void TfrmMain::ShowRow()
{
    const TPlayRow& row = Playlist[static_cast<std::size_t>(PlayEntry)].Rows[static_cast<std::size_t>(PlayRow)];
    ForEachLamp([&](int Channel, T3DSprite* Lamp) {
        T3DFaceProperties* front = Lamp->Material()->FrontProperties();
        if (row.On[static_cast<std::size_t>(Channel)]) {
            front->Emission()->SetColor(front->Specular()->Color());
            Lamp->Scale()->AssignVector(0.8f, 0.8f, 0.8f);
        } else {
            front->Emission()->SetColor(kDarkGlow);
            Lamp->Scale()->AssignVector(0.2f, 0.2f, 0.2f);
        }
    });
}
