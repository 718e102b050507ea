#pragma once
// The scene editing window: arranges the lamps of one channel group of the
// main window's scene on a line or a circle and turns the group about one of
// its axes. It stays on top beside the main window, keeps its channel in step
// with the main window's channel selector and takes the main window's lamp
// count. Made when opened while frmEdit is empty, freed when it closes.
#include "platform/ui/comctrls.h"
#include "platform/ui/forms.h"

class T3DBaseSceneObject;
class TDBComboBoxLt;
class TDBNumberEditLt;
class TSpeedButton;
struct TAffineVector;

class TfrmEdit : public TForm {
    LT_CLASS(TfrmEdit)
public:
    explicit TfrmEdit(TComponent* AOwner);
    ~TfrmEdit() override;

    TDBComboBoxLt* cmbChannels = nullptr;
    TPageControl* pgcFigure = nullptr;
    TTabSheet* tsLine = nullptr;
    TDBNumberEditLt* edtLineBeginX = nullptr;
    TDBNumberEditLt* edtLineBeginY = nullptr;
    TDBNumberEditLt* edtLineBeginZ = nullptr;
    TDBNumberEditLt* edtLineEndX = nullptr;
    TDBNumberEditLt* edtLineEndY = nullptr;
    TDBNumberEditLt* edtLineEndZ = nullptr;
    TDBComboBoxLt* cmbLineRotateDirection = nullptr;
    TDBNumberEditLt* edtLineRotateAngle = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TDBNumberEditLt* edtCircleX = nullptr;
    TDBNumberEditLt* edtCircleY = nullptr;
    TDBNumberEditLt* edtCircleZ = nullptr;
    TDBNumberEditLt* edtCircleRadius = nullptr;
    TDBComboBoxLt* cmbCircleDirection = nullptr;
    TDBComboBoxLt* cmbCircleRotateDirection = nullptr;
    TDBNumberEditLt* edtCircleRotateAngle = nullptr;
    TSpeedButton* btnCircle = nullptr;

    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    // Chooses the same channel in the main window.
    void cmbChannelsChange(TObject* Sender);
    // The combo boxes change only through their lists.
    void cmbChannelsKeyPress(TObject* Sender, char32_t& Key);
    // Places the chosen channel's lamps on the line, then turns the group.
    void SpeedButton1Click(TObject* Sender);
    // Places the chosen channel's lamps on the circle, then turns the group.
    void btnCircleClick(TObject* Sender);

private:
    // The channel group chosen in cmbChannels, or nullptr when none is.
    T3DBaseSceneObject* ChosenGroup() const;
    static TAffineVector Point(const TDBNumberEditLt* X, const TDBNumberEditLt* Y, const TDBNumberEditLt* Z);
};

extern TfrmEdit* frmEdit;
