#pragma once
// The form's storage interceptor: reads a form's stored placement and
// restores it scaled from the pixels per inch it was stored at to the
// screen's. It is registered for TCustomForm when the library loads. A
// centred form's position is not written, as reading one makes the form
// keep it.
#include "platform/rtl/propinterceptors.h"
#include "platform/rtl/rects.h"

class TCustomForm;
class TWinControl;

class TFormStoragePropertyInterceptor : public TStoragePropertyInterceptor {
    LT_CLASS(TFormStoragePropertyInterceptor)
public:
    explicit TFormStoragePropertyInterceptor(TPersistent* ATarget);

    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* Value) { FActiveControl = Value; }
    // The target form's placement (0 without a form); writing stores the
    // value to restore.
    int Height() const;
    void SetHeight(int Value);
    int Left() const;
    void SetLeft(int Value);
    int Top() const;
    void SetTop(int Value);
    int Width() const;
    void SetWidth(int Value);
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }

    // Sets the stored placement on the form, scaled to the screen.
    void AfterRead() override;

private:
    TCustomForm* Form() const;

    TWinControl* FActiveControl = nullptr;
    TRect FBounds;
    int FPixelsPerInch = 0;
    bool FPositionRead = false;
    bool FSizeRead = false;
};

// The stored value at ScreenPPI; unchanged when StoredPPI is 0 or less (no
// resolution was stored).
int ScaleStoredValue(int Value, int StoredPPI, int ScreenPPI);
