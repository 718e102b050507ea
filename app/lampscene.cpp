// The lamp scene of the main window: built at start, and the commands that
// colour lamps, show channels and lamps, and put the view back.
#include <cstdlib>
#include <string>

#include "app/fMain.h"
#include "app/lamplook.h"
#include "app/fSplash.h"
#include "dbcontrols/dbcheckboxlt.h"
#include "dbcontrols/dbcombobox.h"
#include "dbcontrols/dbnumberedit.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/resources.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/extctrls.h"
#include "scene3d/materials/color.h"
#include "scene3d/materials/faceproperties.h"
#include "scene3d/materials/material.h"
#include "scene3d/objects/dummycube.h"
#include "scene3d/objects/sprite.h"
#include "scene3d/persistence/fileaccess.h"
#include "scene3d/scene/camera.h"
#include "scene3d/scene/scene.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureimage.h"
#include "scene3d/utils/wincolors.h"

namespace {

constexpr int kChannels = 16;
constexpr int kLampsPerChannel = 16;
const TVector kRed = {1, 0, 0, 1};

T3DFaceProperties* Front(T3DSprite* Lamp)
{
    return Lamp->Material()->FrontProperties();
}

// The lamp's colour and glow, at full size.
void SetLampColour(T3DSprite* Lamp, const TVector& Colour)
{
    Front(Lamp)->Specular()->SetColor(Colour);
    Front(Lamp)->Emission()->SetColor(Colour);
    Lamp->Scale()->AssignVector(1, 1, 1);
}

} // namespace

void SetStartLook(T3DSprite* Lamp)
{
    Lamp->Scale()->AssignVector(0.3f, 0.3f, 0.3f);
    Front(Lamp)->Emission()->SetColor(kDarkGlow);
    Front(Lamp)->Specular()->SetColor(kRed);
}

std::string TfrmMain::TextureFileName()
{
    const std::string name = "texture.bmp";
    if (FileIsPresent(name))
        return name;
    const std::string besideProgram = ExecutableFolder() + "/" + name;
    return FileIsPresent(besideProgram) ? besideProgram : name;
}

void TfrmMain::BuildLampScene()
{
    const std::string texture = TextureFileName();
    for (int j = 0; j < kChannels; ++j) {
        auto* channel = Lighting->CreateChild<T3DDummyCube>();
        for (int i = 0; i < kLampsPerChannel; ++i) {
            auto* lamp = channel->CreateChild<T3DSprite>();
            lamp->SetHeight(1);
            lamp->SetWidth(1);
            T3DMaterial* material = lamp->Material();
            material->Texture()->Image()->LoadFromFile(texture);
            material->Texture()->SetDisabled(false);
            material->Texture()->SetImageAlpha(tiaLuminance);
            material->Texture()->SetTextureMode(tmModulate);
            material->SetBlendingMode(bmAdditive);
            SetStartLook(lamp);
            lamp->Position()->AssignPoint(3.75f - j / 2.0f, 3.75f - i / 2.0f, 0);
        }
        if (j % 2 == 1)
            ShowSplashMark(7 + j / 2);
    }
}

T3DDummyCube* TfrmMain::ChannelGroup(int Channel) const
{
    return Lighting ? dynamic_cast<T3DDummyCube*>(Lighting->GetChild(Channel)) : nullptr;
}

T3DSprite* TfrmMain::Lamp(int Channel, int Index) const
{
    T3DDummyCube* group = ChannelGroup(Channel);
    return group ? dynamic_cast<T3DSprite*>(group->GetChild(Index)) : nullptr;
}

void TfrmMain::ForEachLamp(const std::function<void(int Channel, T3DSprite* Lamp)>& Change)
{
    // One change of the scene for all of them.
    T3DSceneUpdate batch(Scene);
    for (int c = 0; c < kChannels; ++c)
        for (int i = 0; i < kLampsPerChannel; ++i)
            if (T3DSprite* lamp = Lamp(c, i))
                Change(c, lamp);
}

void TfrmMain::acDefaultExecute(TObject*)
{
    if (Camera1)
        Camera1->Position()->AssignPoint(0, 0, -15);
    if (Lighting)
        Lighting->SetTurnAngle(0);
}

void TfrmMain::chkChannel1Click(TObject* Sender)
{
    auto* box = dynamic_cast<TDBCheckBoxLt*>(Sender);
    if (!box)
        return;
    int channel = 0;
    if (!TryStrToInt(box->Caption(), channel))
        return;
    if (T3DDummyCube* group = ChannelGroup(channel - 1))
        group->SetVisible(box->Checked());
}

void TfrmMain::cmbLampsChange(TObject*)
{
    if (cmbChannels->ItemIndex() < 0)
        cmbChannels->SetItemIndex(0);
    const int channel = cmbChannels->ItemIndex();
    if (T3DSprite* lamp = Lamp(channel, cmbLamps->ItemIndex()))
        shpLampColor->Brush()->SetColor(VectorToWinColor(Front(lamp)->Specular()->Color()));
    T3DDummyCube* group = ChannelGroup(channel);
    if (!group)
        return;
    int visible = 0;
    for (int i = 0; i < group->GetChildCount(); ++i)
        if (group->GetChild(i)->Visible())
            ++visible;
    edtLampCount->SetValue(visible);
}

void TfrmMain::edtLampCountChange(TObject*)
{
    const Variant count = edtLampCount->Value();
    T3DDummyCube* group = ChannelGroup(cmbChannels->ItemIndex());
    if (!group || count.IsNull())
        return;
    for (int i = 0; i < kLampsPerChannel; ++i)
        if (T3DSprite* lamp = Lamp(cmbChannels->ItemIndex(), i))
            lamp->SetVisible(i <= count.AsDouble() - 1);
}

void TfrmMain::cmbPortsKeyPress(TObject*, char32_t& Key)
{
    Key = 0;
}

void TfrmMain::acChangeColorExecute(TObject*)
{
    dlgColor->SetColor(shpLampColor->Brush()->Color());
    if (!dlgColor->Execute())
        return;
    shpLampColor->Brush()->SetColor(dlgColor->Color());
    // A lamp that cannot take the colour keeps its own.
    try {
        if (T3DSprite* lamp = Lamp(cmbChannels->ItemIndex(), cmbLamps->ItemIndex())) {
            TVector colour;
            WinColorToVector(dlgColor->Color(), colour, 1);
            Front(lamp)->Specular()->SetColor(colour);
            Front(lamp)->Emission()->SetColor(colour);
        }
    } catch (const Exception&) {
    }
}

void TfrmMain::acRandomColorExecute(TObject*)
{
    const auto random = [] { return static_cast<float>(std::rand() / (RAND_MAX + 1.0)); };
    ForEachLamp([&](int, T3DSprite* Lamp) {
        const float r = random();
        const float g = random();
        const float b = random();
        SetLampColour(Lamp, {r, g, b, 1});
    });
}

void TfrmMain::acSetColorAllExecute(TObject*)
{
    TVector colour;
    WinColorToVector(shpLampColor->Brush()->Color(), colour, 1);
    ForEachLamp([&](int, T3DSprite* Lamp) { SetLampColour(Lamp, colour); });
}
