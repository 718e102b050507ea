#pragma once
// Controls: the visual components. Each control shows itself through a Qt
// widget; Qt's events reach it as messages through WndProc, so a control is
// written as handlers of those messages. A windowed control (TWinControl)
// holds child controls and lays them out by their Align.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QPointer>

#include "platform/rtl/component.h"
#include "platform/rtl/rects.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphics.h"
#include "platform/ui/messages.h"

class QWidget;
class QCursor;
class TBasicAction;
class TWinControl;
class TWidgetBridge;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
LT_ENUM_INFO(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom)

using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSize = -22,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10,
                  crHourGlass = -11, crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15,
                  crMultiDrag = -16, crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20,
                  crHandPoint = -21, crSizeAll = -22;
const TIdentMap& CursorIdents();
// Cursors of the program's own, under numbers above zero: a control whose
// Cursor is such a number shows the registered shape. Registering a number
// again replaces the shape for controls that set it from then on;
// unregistering makes the number an arrow.
void RegisterCursor(TCursor Cursor, const QCursor& Shape);
void UnregisterCursor(TCursor Cursor);

enum TControlStyleItem { csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed,
                         csSetCaption, csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible,
                         csReplicatable, csNoStdEvents, csDisplayDragImage, csReflector, csActionClient,
                         csMenuEvents };
using TControlStyle = TSet<TControlStyleItem>;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, unsigned& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;

// Dragging a control onto another: started by the code (BeginDrag) or, with
// dmAutomatic, by a left press; the control under the mouse is asked
// whether it takes the drag and gets it on release.
enum TDragMode { dmManual, dmAutomatic };
LT_ENUM_INFO(TDragMode, dmManual, dmAutomatic)
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
using TDragOverEvent =
    std::function<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;

class TControl : public TComponent {
    LT_CLASS(TControl)
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    // The widget that shows the control.
    QWidget* Widget() const;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* Value);
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

    int Left() const { return FLeft; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    int Top() const { return FTop; }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    void SetClientWidth(int Value);
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientHeight(int Value);
    TPoint ClientToScreen(const TPoint& P) const;
    TPoint ScreenToClient(const TPoint& P) const;

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent visible.
    bool Showing() const;
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* Value) { FFont->Assign(Value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    // The control's text: a caption or the text it edits.
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& Value) { SetText(Value); }
    virtual std::string Text() const { return FText; }
    virtual void SetText(const std::string& Value);
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }

    const TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent Value) { FOnClick = std::move(Value); }
    const TNotifyEvent& OnDblClick() const { return FOnDblClick; }
    void SetOnDblClick(TNotifyEvent Value) { FOnDblClick = std::move(Value); }
    const TMouseEvent& OnMouseDown() const { return FOnMouseDown; }
    void SetOnMouseDown(TMouseEvent Value) { FOnMouseDown = std::move(Value); }
    const TMouseEvent& OnMouseUp() const { return FOnMouseUp; }
    void SetOnMouseUp(TMouseEvent Value) { FOnMouseUp = std::move(Value); }
    const TMouseMoveEvent& OnMouseMove() const { return FOnMouseMove; }
    void SetOnMouseMove(TMouseMoveEvent Value) { FOnMouseMove = std::move(Value); }
    const TNotifyEvent& OnMouseEnter() const { return FOnMouseEnter; }
    void SetOnMouseEnter(TNotifyEvent Value) { FOnMouseEnter = std::move(Value); }
    const TNotifyEvent& OnMouseLeave() const { return FOnMouseLeave; }
    void SetOnMouseLeave(TNotifyEvent Value) { FOnMouseLeave = std::move(Value); }

    // Drag and drop (dragcontrol.cpp).
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode Value) { FDragMode = Value; }
    // Starts dragging the control: at once, or once the mouse has moved a
    // few pixels with the button held.
    void BeginDrag(bool Immediate);
    // Ends the drag; with Drop the control under the mouse takes it when it
    // accepts it.
    void EndDrag(bool Drop);
    bool Dragging() const;
    const TDragOverEvent& OnDragOver() const { return FOnDragOver; }
    void SetOnDragOver(TDragOverEvent Value) { FOnDragOver = std::move(Value); }
    const TDragDropEvent& OnDragDrop() const { return FOnDragDrop; }
    void SetOnDragDrop(TDragDropEvent Value) { FOnDragDrop = std::move(Value); }
    const TEndDragEvent& OnEndDrag() const { return FOnEndDrag; }
    void SetOnEndDrag(TEndDragEvent Value) { FOnEndDrag = std::move(Value); }

    // Messages.
    virtual void WndProc(TMessage& Message);
    virtual void Dispatch(TMessage& Message);
    // What happens to a message nobody handles: the widget gets the event.
    virtual void DefaultHandler(TMessage& Message);
    LRESULT Perform(uint32_t Msg, WPARAM WParam = 0, LPARAM LParam = 0);

    // An action that nothing else ran or updated is offered to the focused
    // control and its parents: by default a control takes the actions
    // that name it their target (TBasicAction::HandlesTarget).
    virtual bool ExecuteAction(TBasicAction* Action);
    virtual bool UpdateAction(TBasicAction* Action);

    void Invalidate();
    void Update();
    void Repaint();
    void Click();
    void BringToFront();
    void SendToBack();

    // Whether the widget should get the Qt event behind the message being
    // dispatched (set by DefaultHandler).
    bool PassToWidget() const { return FPassToWidget; }
    void SetPassToWidget(bool Value) { FPassToWidget = Value; }
    TWidgetBridge& Bridge() const;
    bool HasBridge() const { return FBridge != nullptr; }

protected:
    // Makes the control's widget; called once, on first use.
    virtual QWidget* CreateWidget();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    // Source dragged over the control; Accept starts true when OnDragOver
    // is assigned (which decides), false otherwise.
    virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
    virtual void DragDrop(TObject* Source, int X, int Y);
    // The drag of this control ended on Target (nullptr: not dropped).
    virtual void DoEndDrag(TObject* Target, int X, int Y);
    virtual void DblClick();
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void TextChanged() {}
    virtual void VisibleChanged();
    virtual void EnabledChanged();
    virtual void Resize() {}
    void RequestAlign();
    void ApplyGeometry();
    void Loaded() override;

private:
    friend class TWinControl;
    friend class TWidgetBridge;
    void HandleMouseMessage(TMessage& Message);
    // The drag takes the mouse messages of the control dragged: true when
    // it took this one. Moves the drag over the control at a screen point.
    bool DragMouseMessage(const TMessage& Message);
    static void DragTo(const TPoint& Screen);
    // A control freed while dragged or dragged over leaves the drag.
    void DragControlFreed();
    void ApplyFont();
    void ApplyColor();
    // Replaces the widget by a new one made with the current parameters;
    // the children's widgets move over to it.
    void RecreateWidget();

    mutable QPointer<QWidget> FWidget;
    mutable std::unique_ptr<TWidgetBridge> FBridge;
    TWinControl* FParent = nullptr;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    TAlign FAlign = alNone;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clBtnFace;
    bool FParentColor = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    std::string FHint;
    bool FShowHint = false;
    TCursor FCursor = crDefault;
    std::string FText;
    TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    bool FPassToWidget = false;
    bool FMouseInside = false;
    TNotifyEvent FOnClick, FOnDblClick, FOnMouseEnter, FOnMouseLeave;
    TMouseEvent FOnMouseDown, FOnMouseUp;
    TMouseMoveEvent FOnMouseMove;
    TDragMode FDragMode = dmManual;
    TDragOverEvent FOnDragOver;
    TDragDropEvent FOnDragDrop;
    TEndDragEvent FOnEndDrag;
};

// What a windowed control asks of the window it gets (window style bits).
struct TCreateParams {
    unsigned Style = 0;
};

class TWinControl : public TControl {
    LT_CLASS(TWinControl)
public:
    explicit TWinControl(TComponent* AOwner);
    // Frees the child controls first, as a windowed control does.
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int Index) const;
    void InsertControl(TControl* Control);
    void RemoveControl(TControl* Control);
    bool ContainsControl(const TControl* Control) const;

    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value);
    int TabOrder() const;
    void SetTabOrder(int Value);
    bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();

    // Lays out the children by their Align.
    void AlignControls();
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const override;

    // Makes the window anew (CM_RECREATEWND) when it exists, as
    // CreateParams now describe it.
    void RecreateWnd();

    const TKeyEvent& OnKeyDown() const { return FOnKeyDown; }
    void SetOnKeyDown(TKeyEvent Value) { FOnKeyDown = std::move(Value); }
    const TKeyEvent& OnKeyUp() const { return FOnKeyUp; }
    void SetOnKeyUp(TKeyEvent Value) { FOnKeyUp = std::move(Value); }
    const TKeyPressEvent& OnKeyPress() const { return FOnKeyPress; }
    void SetOnKeyPress(TKeyPressEvent Value) { FOnKeyPress = std::move(Value); }
    const TNotifyEvent& OnEnter() const { return FOnEnter; }
    void SetOnEnter(TNotifyEvent Value) { FOnEnter = std::move(Value); }
    const TNotifyEvent& OnExit() const { return FOnExit; }
    void SetOnExit(TNotifyEvent Value) { FOnExit = std::move(Value); }

    void Dispatch(TMessage& Message) override;

protected:
    // The window style of a new window; controls that honour style bits
    // read it when they make their widget.
    virtual void CreateParams(TCreateParams&) {}
    virtual void KeyDown(unsigned& Key, TShiftState Shift);
    virtual void KeyUp(unsigned& Key, TShiftState Shift);
    virtual void KeyPress(char32_t& Key);
    virtual void DoEnter();
    virtual void DoExit();
    void FontChanged() override;
    void ColorChanged() override;
    void Loaded() override;

private:
    friend class TControl;
    void UpdateTabOrder();

    std::vector<TControl*> FControls;
    bool FTabStop = false;
    int FTabOrder = -1;
    int FAlignLevel = 0;
    TKeyEvent FOnKeyDown, FOnKeyUp;
    TKeyPressEvent FOnKeyPress;
    TNotifyEvent FOnEnter, FOnExit;
};

// A windowed control that paints itself on its canvas (Paint).
class TCustomControl : public TWinControl {
    LT_CLASS(TCustomControl)
public:
    explicit TCustomControl(TComponent* AOwner);
    TCanvas* Canvas() const { return FCanvas.get(); }
    void Dispatch(TMessage& Message) override;

protected:
    virtual void Paint() {}

private:
    std::unique_ptr<TCanvas> FCanvas;
};

// A control without keyboard focus that paints itself (labels, shapes).
class TGraphicControl : public TControl {
    LT_CLASS(TGraphicControl)
public:
    explicit TGraphicControl(TComponent* AOwner);
    TCanvas* Canvas() const { return FCanvas.get(); }
    void Dispatch(TMessage& Message) override;

protected:
    virtual void Paint() {}

private:
    std::unique_ptr<TCanvas> FCanvas;
};

// Mouse capture: one control gets every mouse message until released.
void SetCaptureControl(TControl* Control);
TControl* GetCaptureControl();
void ReleaseCapture();

// The control a widget shows, or nullptr.
TControl* FindControl(const QWidget* Widget);
