#pragma once
// More controls: shapes, images, splitters, speed buttons, and the timer.
#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "platform/ui/actnlist.h"
#include "platform/ui/buttonlayout.h"
#include "platform/ui/controls.h"
#include "platform/ui/menus.h"
#include "platform/ui/picture.h"

class QImage;
class QTimer;

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
LT_ENUM_INFO(TShapeType, stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle)

// A figure drawn with Pen and Brush: square, round-square and circle shapes
// take the largest square centred in the control.
class TShape : public TGraphicControl {
    LT_CLASS(TShape)
public:
    explicit TShape(TComponent* AOwner);

    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType Value);
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(const TBrush* Value) { FBrush->Assign(Value); }
    TPen* Pen() const { return FPen.get(); }
    void SetPen(const TPen* Value) { FPen->Assign(Value); }
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }

protected:
    void Paint() override;

private:
    TShapeType FShape = stRectangle;
    std::unique_ptr<TBrush> FBrush;
    std::unique_ptr<TPen> FPen;
    TControlPopup FPopup{this};
};

// A picture. Stretch fills the control; Proportional shrinks a picture too
// big for the control (or, with Stretch, fits it) keeping its proportions;
// Center centres it. AutoSize makes the control the picture's size.
class TImage : public TGraphicControl {
    LT_CLASS(TImage)
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TPicture* Value) { FPicture->Assign(Value); }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool Value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    // Leaves the picture's transparent colour out (bitmaps).
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }

    // Where the picture is drawn, in client coordinates.
    TRect DestRect() const;

protected:
    void Paint() override;
    virtual void PictureChanged();

private:
    std::unique_ptr<TPicture> FPicture;
    bool FAutoSize = false;
    bool FCenter = false;
    bool FProportional = false;
    bool FStretch = false;
    bool FTransparent = false;
    TControlPopup FPopup{this};
};

using TCanResizeEvent = std::function<void(TObject* Sender, int& NewSize, bool& Accept)>;

// A bar between an aligned control and the rest of its parent: dragging it
// resizes that control (the one it stands right after in its Align
// direction), live, between MinSize and what leaves the rest MinSize. With
// AutoSnap a size below MinSize closes the control.
class TSplitter : public TGraphicControl {
    LT_CLASS(TSplitter)
public:
    explicit TSplitter(TComponent* AOwner);

    int MinSize() const { return FMinSize; }
    void SetMinSize(int Value) { FMinSize = std::max(1, Value); }
    bool AutoSnap() const { return FAutoSnap; }
    void SetAutoSnap(bool Value) { FAutoSnap = Value; }
    bool Beveled() const { return FBeveled; }
    void SetBeveled(bool Value);
    const TCanResizeEvent& OnCanResize() const { return FOnCanResize; }
    void SetOnCanResize(TCanResizeEvent Value) { FOnCanResize = std::move(Value); }
    const TNotifyEvent& OnMoved() const { return FOnMoved; }
    void SetOnMoved(TNotifyEvent Value) { FOnMoved = std::move(Value); }

    // The control the splitter resizes, or nullptr.
    TControl* FindControl() const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Loaded() override;

private:
    bool Horizontal() const { return Align() == alLeft || Align() == alRight; }
    int ControlSize() const;
    void SetControlSize(int Size);

    int FMinSize = 30;
    bool FAutoSnap = true;
    bool FBeveled = false;
    TControl* FControl = nullptr;   // while dragging
    TPoint FDownPos;
    int FMaxSize = 0;
    TCanResizeEvent FOnCanResize;
    TNotifyEvent FOnMoved;
};

// Raises OnTimer every Interval milliseconds while Enabled (and while it
// has a handler). Enabled read from a description starts the timer once the
// description is loaded.
class TTimer : public TComponent {
    LT_CLASS(TTimer)
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned Value);
    const TNotifyEvent& OnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent Value);

protected:
    virtual void Timer();
    void Loaded() override;

private:
    void UpdateTimer();

    bool FEnabled = true;
    unsigned FInterval = 1000;
    TNotifyEvent FOnTimer;
    std::unique_ptr<QTimer> FTimer;
};

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// The picture for State out of a strip of NumGlyphs pictures side by side
// (up, disabled, down, exclusive; missing ones made from the first), its
// see-through pixels with alpha 0; a null image for an empty strip.
QImage GlyphOfState(const TBitmap& Strip, int NumGlyphs, TButtonState State);
LT_ENUM_INFO(TButtonState, bsUp, bsDisabled, bsDown, bsExclusive)

// A flat-faced button without focus. Buttons of one parent with the same
// GroupIndex (> 0) stay down once clicked and release each other; with
// AllowAllUp a click releases a down one. Glyph holds NumGlyphs pictures
// side by side: up, disabled, down, exclusive (missing ones are made from
// the first); its bottom-left pixel's colour is see-through. A Flat button
// shows its edge only while the mouse is over it or it is down.
class TSpeedButton : public TGraphicControl {
    LT_CLASS(TSpeedButton)
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    // Setting a glyph whose width is a multiple (up to 4) of its height sets
    // NumGlyphs to that multiple.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* Value) { FGlyph->Assign(Value); }
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    TBasicAction* Action() const { return FActionLink.Action(); }
    void SetAction(TBasicAction* Value) { FActionLink.SetAction(Value); }
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }

    // OnClick, or the action.
    virtual void Click();
    // The state the face is painted in.
    TButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }

    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void TextChanged() override { Invalidate(); }
    void EnabledChanged() override;
    void SetState(TButtonState Value);
    // Draws the frame and background for the current state; returns the
    // area inside the frame.
    virtual TRect PaintFace();
    // The glyph's picture for a state, see-through pixels with alpha 0 (a
    // null image without a glyph).
    QImage GlyphImage(TButtonState State) const;

private:
    void UpdateExclusive();

    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FFlat = false;
    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    bool FTransparent = true;
    TButtonState FState = bsUp;
    bool FDragging = false;
    bool FMouseInControl = false;
    TControlActionLink FActionLink{this};
    TControlPopup FPopup{this};
};
