#pragma once
// The splash window: the start-up picture with sixteen progress marks that
// appear as the main window is built, and later the about box with "OK".
#include <array>

#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

class TfrmSplash : public TForm {
    LT_CLASS(TfrmSplash)
public:
    explicit TfrmSplash(TComponent* AOwner);
    ~TfrmSplash() override;

    TImage* imgSplash;
    TLabel* lblOk;
    std::array<TShape*, 16> Marks{};

    void FormCreate(TObject* Sender);
    void lblOkClick(TObject* Sender);
    void lblOkMouseEnter(TObject* Sender);
    void lblOkMouseLeave(TObject* Sender);
};

extern TfrmSplash* frmSplash;
// The sixteen progress marks s1 to s16, filled when the splash window is created.
extern std::array<TShape*, 16> SplashBars;

// Makes mark k (counted from 0) visible and repaints the splash window at once.
void ShowSplashMark(int Mark);
