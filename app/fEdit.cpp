#include "app/fEdit.h"

#include "app/fMain.h"
#include "app/lampplacement.h"
#include "dbcontrols/dbcombobox.h"
#include "dbcontrols/dbnumberedit.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/extctrls.h"
#include "scene3d/objects/dummycube.h"

TfrmEdit* frmEdit = nullptr;

LT_IMPLEMENT_CLASS(TfrmEdit, TForm)
{
    P.Method("FormShow", &TfrmEdit::FormShow);
    P.Method("FormClose", &TfrmEdit::FormClose);
    P.Method("cmbChannelsChange", &TfrmEdit::cmbChannelsChange);
    P.Method("cmbChannelsKeyPress", &TfrmEdit::cmbChannelsKeyPress);
    P.Method("SpeedButton1Click", &TfrmEdit::SpeedButton1Click);
    P.Method("btnCircleClick", &TfrmEdit::btnCircleClick);
}

namespace {

// Where the window opens, from the main window's top left corner.
constexpr int kOffsetRight = 60;
constexpr int kOffsetDown = 100;

double NumberOf(const TDBNumberEditLt* Edit)
{
    return Edit->Value().AsDouble();
}

// The axis chosen in one of the axis selectors.
bool ChosenAxis(const TDBComboBoxLt* Combo, TSceneAxis& Axis)
{
    const int index = Combo->ItemIndex();
    if (index < 0 || index > 2)
        return false;
    Axis = static_cast<TSceneAxis>(index);
    return true;
}

void Turn(T3DBaseSceneObject& Group, const TDBComboBoxLt* Direction, const TDBNumberEditLt* Angle)
{
    TSceneAxis axis;
    if (ChosenAxis(Direction, axis))
        TurnGroup(Group, axis, static_cast<float>(NumberOf(Angle)));
}

int LampCount()
{
    return static_cast<int>(frmMain->edtLampCount->Value().AsDouble());
}

} // namespace

TfrmEdit::TfrmEdit(TComponent* AOwner) : TForm(AOwner)
{
    InitFromResource("fEdit.dfm");
    cmbChannels = ComponentByName<TDBComboBoxLt>(*this, "cmbChannels");
    pgcFigure = ComponentByName<TPageControl>(*this, "pgcFigure");
    tsLine = ComponentByName<TTabSheet>(*this, "tsLine");
    edtLineBeginX = ComponentByName<TDBNumberEditLt>(*this, "edtLineBeginX");
    edtLineBeginY = ComponentByName<TDBNumberEditLt>(*this, "edtLineBeginY");
    edtLineBeginZ = ComponentByName<TDBNumberEditLt>(*this, "edtLineBeginZ");
    edtLineEndX = ComponentByName<TDBNumberEditLt>(*this, "edtLineEndX");
    edtLineEndY = ComponentByName<TDBNumberEditLt>(*this, "edtLineEndY");
    edtLineEndZ = ComponentByName<TDBNumberEditLt>(*this, "edtLineEndZ");
    cmbLineRotateDirection = ComponentByName<TDBComboBoxLt>(*this, "cmbLineRotateDirection");
    edtLineRotateAngle = ComponentByName<TDBNumberEditLt>(*this, "edtLineRotateAngle");
    SpeedButton1 = ComponentByName<TSpeedButton>(*this, "SpeedButton1");
    edtCircleX = ComponentByName<TDBNumberEditLt>(*this, "edtCircleX");
    edtCircleY = ComponentByName<TDBNumberEditLt>(*this, "edtCircleY");
    edtCircleZ = ComponentByName<TDBNumberEditLt>(*this, "edtCircleZ");
    edtCircleRadius = ComponentByName<TDBNumberEditLt>(*this, "edtCircleRadius");
    cmbCircleDirection = ComponentByName<TDBComboBoxLt>(*this, "cmbCircleDirection");
    cmbCircleRotateDirection = ComponentByName<TDBComboBoxLt>(*this, "cmbCircleRotateDirection");
    edtCircleRotateAngle = ComponentByName<TDBNumberEditLt>(*this, "edtCircleRotateAngle");
    btnCircle = ComponentByName<TSpeedButton>(*this, "btnCircle");
}

TfrmEdit::~TfrmEdit()
{
    DestroyComponents();
    if (frmEdit == this)
        frmEdit = nullptr;
}

void TfrmEdit::FormShow(TObject*)
{
    SetBounds(frmMain->Left() + kOffsetRight, frmMain->Top() + kOffsetDown, Width(), Height());
    cmbChannels->SetItemIndex(0);
    cmbCircleDirection->SetItemIndex(0);
    cmbCircleRotateDirection->SetItemIndex(0);
    cmbLineRotateDirection->SetItemIndex(0);
    pgcFigure->SetActivePage(tsLine);
}

void TfrmEdit::FormClose(TObject*, TCloseAction& Action)
{
    frmEdit = nullptr;
    Action = caFree;
}

void TfrmEdit::cmbChannelsChange(TObject*)
{
    frmMain->cmbChannels->SetItemIndex(cmbChannels->ItemIndex());
}

void TfrmEdit::cmbChannelsKeyPress(TObject*, char32_t& Key)
{
    Key = 0;
}

T3DBaseSceneObject* TfrmEdit::ChosenGroup() const
{
    return frmMain->Lighting->GetChild(cmbChannels->ItemIndex());
}

TAffineVector TfrmEdit::Point(const TDBNumberEditLt* X, const TDBNumberEditLt* Y, const TDBNumberEditLt* Z)
{
    return {static_cast<float>(NumberOf(X)), static_cast<float>(NumberOf(Y)), static_cast<float>(NumberOf(Z))};
}

void TfrmEdit::SpeedButton1Click(TObject*)
{
    T3DBaseSceneObject* group = ChosenGroup();
    if (!group)
        return;
    PlaceLamps(*group, LinePositions(Point(edtLineBeginX, edtLineBeginY, edtLineBeginZ),
                                     Point(edtLineEndX, edtLineEndY, edtLineEndZ), LampCount()));
    Turn(*group, cmbLineRotateDirection, edtLineRotateAngle);
}

void TfrmEdit::btnCircleClick(TObject*)
{
    T3DBaseSceneObject* group = ChosenGroup();
    TSceneAxis axis;
    if (!group || !ChosenAxis(cmbCircleDirection, axis))
        return;
    PlaceLamps(*group, CirclePositions(Point(edtCircleX, edtCircleY, edtCircleZ),
                                       static_cast<float>(NumberOf(edtCircleRadius)), axis, LampCount()));
    Turn(*group, cmbCircleRotateDirection, edtCircleRotateAngle);
}
