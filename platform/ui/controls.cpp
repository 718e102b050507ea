#include "platform/ui/controls.h"

#include <algorithm>
#include <map>

#include <QCursor>
#include <QWidget>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/actnlist.h"
#include "platform/ui/qtconvert.h"
#include "platform/ui/widgetbridge.h"

LT_IMPLEMENT_CLASS(TControl, TComponent)
{
    P.Property("Left", &TControl::Left, &TControl::SetLeft);
    P.Property("Top", &TControl::Top, &TControl::SetTop);
    P.Property("Width", &TControl::Width, &TControl::SetWidth);
    P.Property("Height", &TControl::Height, &TControl::SetHeight);
    P.Property("Align", &TControl::Align, &TControl::SetAlign).Default(alNone);
    P.Property("Caption", &TControl::Caption, &TControl::SetCaption).StoredIf([](const TObject& o) {
        return static_cast<const TControl&>(o).ControlStyle().Contains(csSetCaption);
    });
    P.Property("Color", &TControl::Color, &TControl::SetColor).Idents(ColorIdents()).StoredIf([](const TObject& o) {
        return !static_cast<const TControl&>(o).ParentColor();
    });
    P.Property("Cursor", &TControl::Cursor, &TControl::SetCursor).Default(crDefault).Idents(CursorIdents());
    P.Property("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(1);
    P.Property("Font", &TControl::Font).StoredIf([](const TObject& o) {
        return !static_cast<const TControl&>(o).ParentFont();
    });
    P.Property("Hint", &TControl::Hint, &TControl::SetHint);
    P.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(1);
    P.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(1);
    P.Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Default(0);
    P.Property("Visible", &TControl::Visible, &TControl::SetVisible).Default(1);
    P.Property("OnClick", &TControl::OnClick, &TControl::SetOnClick);
    P.Property("OnDblClick", &TControl::OnDblClick, &TControl::SetOnDblClick);
    P.Property("OnMouseDown", &TControl::OnMouseDown, &TControl::SetOnMouseDown);
    P.Property("OnMouseEnter", &TControl::OnMouseEnter, &TControl::SetOnMouseEnter);
    P.Property("OnMouseLeave", &TControl::OnMouseLeave, &TControl::SetOnMouseLeave);
    P.Property("OnMouseMove", &TControl::OnMouseMove, &TControl::SetOnMouseMove);
    P.Property("OnMouseUp", &TControl::OnMouseUp, &TControl::SetOnMouseUp);
    P.Property("DragMode", &TControl::DragMode, &TControl::SetDragMode).Default(dmManual);
    P.Property("OnDragDrop", &TControl::OnDragDrop, &TControl::SetOnDragDrop);
    P.Property("OnDragOver", &TControl::OnDragOver, &TControl::SetOnDragOver);
    P.Property("OnEndDrag", &TControl::OnEndDrag, &TControl::SetOnEndDrag);
}

LT_IMPLEMENT_CLASS(TWinControl, TControl)
{
    P.Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).Default(-1);
    P.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(0);
    P.Property("OnEnter", &TWinControl::OnEnter, &TWinControl::SetOnEnter);
    P.Property("OnExit", &TWinControl::OnExit, &TWinControl::SetOnExit);
    P.Property("OnKeyDown", &TWinControl::OnKeyDown, &TWinControl::SetOnKeyDown);
    P.Property("OnKeyPress", &TWinControl::OnKeyPress, &TWinControl::SetOnKeyPress);
    P.Property("OnKeyUp", &TWinControl::OnKeyUp, &TWinControl::SetOnKeyUp);
}

LT_IMPLEMENT_CLASS(TCustomControl, TWinControl) {}
LT_IMPLEMENT_CLASS(TGraphicControl, TControl) {}

namespace {
TControl* gCaptureControl = nullptr;

std::map<TCursor, QCursor>& ProgramCursors()
{
    static std::map<TCursor, QCursor> cursors;
    return cursors;
}

QCursor CursorShape(TCursor cursor)
{
    if (cursor > 0) {
        const auto found = ProgramCursors().find(cursor);
        return found != ProgramCursors().end() ? found->second : QCursor(Qt::ArrowCursor);
    }
    switch (cursor) {
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait: return Qt::WaitCursor;
    case crAppStart: return Qt::BusyCursor;
    case crDrag:
    case crMultiDrag: return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    case crNone: return Qt::BlankCursor;
    default: return Qt::ArrowCursor;
    }
}

const char* const kControlProperty = "lightingControl";
} // namespace

void RegisterCursor(TCursor Cursor, const QCursor& Shape)
{
    if (Cursor <= 0)
        throw Exception("Cursor " + std::to_string(Cursor) + " is one of the standard cursors");
    ProgramCursors()[Cursor] = Shape;
}

void UnregisterCursor(TCursor Cursor)
{
    ProgramCursors().erase(Cursor);
}

const TIdentMap& CursorIdents()
{
    static const TIdentMap map = {
        {crDefault, "crDefault"},   {crNone, "crNone"},         {crArrow, "crArrow"},     {crCross, "crCross"},
        {crIBeam, "crIBeam"},       {crSizeNESW, "crSizeNESW"}, {crSizeNS, "crSizeNS"},   {crSizeNWSE, "crSizeNWSE"},
        {crSizeWE, "crSizeWE"},     {crUpArrow, "crUpArrow"},   {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
        {crNoDrop, "crNoDrop"},     {crHSplit, "crHSplit"},     {crVSplit, "crVSplit"},   {crMultiDrag, "crMultiDrag"},
        {crSQLWait, "crSQLWait"},   {crNo, "crNo"},             {crAppStart, "crAppStart"}, {crHelp, "crHelp"},
        {crHandPoint, "crHandPoint"}, {crSizeAll, "crSizeAll"},
    };
    return map;
}

TControl* FindControl(const QWidget* Widget)
{
    for (const QWidget* w = Widget; w; w = w->parentWidget()) {
        const QVariant v = w->property(kControlProperty);
        if (v.isValid())
            return static_cast<TControl*>(v.value<void*>());
    }
    return nullptr;
}

void SetCaptureControl(TControl* Control)
{
    if (gCaptureControl == Control)
        return;
    if (gCaptureControl && gCaptureControl->Widget())
        gCaptureControl->Widget()->releaseMouse();
    gCaptureControl = Control;
    if (Control)
        Control->Widget()->grabMouse();
}

TControl* GetCaptureControl()
{
    return gCaptureControl;
}

void ReleaseCapture()
{
    SetCaptureControl(nullptr);
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>())
{
    FFont->SetOnChange([this](TGraphicsObject*) {
        FParentFont = false;
        FontChanged();
    });
}

TControl::~TControl()
{
    if (gCaptureControl == this)
        gCaptureControl = nullptr;
    DragControlFreed();
    if (FParent)
        FParent->RemoveControl(this);
    if (FWidget) {
        FWidget->removeEventFilter(FBridge.get());
        FWidget->setProperty(kControlProperty, QVariant());
        delete FWidget.data();
    }
}

QWidget* TControl::CreateWidget()
{
    return new QWidget();
}

QWidget* TControl::Widget() const
{
    if (!FWidget) {
        auto* self = const_cast<TControl*>(this);
        QWidget* widget = self->CreateWidget();
        FWidget = widget;
        widget->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(self)));
        if (!FBridge)
            FBridge = std::make_unique<TWidgetBridge>(self);
        widget->installEventFilter(FBridge.get());
        widget->setMouseTracking(true);
        // A control's mouse messages are its own: a press it leaves alone
        // never reaches the control beneath it.
        widget->setAttribute(Qt::WA_NoMousePropagation);
        if (FParent)
            widget->setParent(FParent->Widget());
        widget->setGeometry(FLeft, FTop, FWidth, FHeight);
        widget->setEnabled(FEnabled);
        if (!FHint.empty() && FShowHint)
            widget->setToolTip(ToQString(FHint));
        if (FCursor != crDefault)
            widget->setCursor(CursorShape(FCursor));
        self->ApplyFont();
        self->ApplyColor();
        self->TextChanged();
        if (FParent)
            widget->setVisible(FVisible);
    }
    return FWidget.data();
}

void TControl::RecreateWidget()
{
    QPointer<QWidget> old = FWidget;
    if (!old)
        return;
    const bool hadFocus = old->hasFocus();
    old->setProperty(kControlProperty, QVariant());
    FWidget = nullptr;
    QWidget* widget = Widget();
    widget->stackUnder(old);
    if (auto* self = dynamic_cast<TWinControl*>(this)) {
        for (TControl* child : self->FControls)
            if (child->FWidget) {
                child->FWidget->setParent(widget);
                child->FWidget->setVisible(child->FVisible);
            }
        if (FParent)
            FParent->UpdateTabOrder();
    }
    // The focus moves over before the old widget hides, so that it does not
    // wander to a neighbour on the way. Messages posted to the old widget
    // still reach the control through the bridge, which watches it until it
    // goes.
    if (hadFocus)
        widget->setFocus(Qt::OtherFocusReason);
    old->hide();
    old->deleteLater();
}

TWidgetBridge& TControl::Bridge() const
{
    Widget();
    return *FBridge;
}

void TControl::SetParent(TWinControl* Value)
{
    if (Value == FParent)
        return;
    if (Value == this)
        throw EInvalidOperation("A control cannot be its own parent");
    if (FParent)
        FParent->RemoveControl(this);
    if (Value)
        Value->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const
{
    return FParent;
}

void TControl::SetParentComponent(TComponent* Value)
{
    auto* parent = dynamic_cast<TWinControl*>(Value);
    if (Value && !parent)
        throw EInvalidOperation("A " + Value->ClassName() + " cannot hold controls");
    SetParent(parent);
}

void TControl::ApplyGeometry()
{
    if (FWidget && FWidget->geometry() != QRect(FLeft, FTop, FWidth, FHeight))
        FWidget->setGeometry(FLeft, FTop, FWidth, FHeight);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight)
        return;
    const bool resized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    ApplyGeometry();
    if (resized) {
        Resize();
        if (auto* win = dynamic_cast<TWinControl*>(this))
            win->AlignControls();
    }
    RequestAlign();
}

TRect TControl::ClientRect() const
{
    return Rect(0, 0, FWidth, FHeight);
}

void TControl::SetClientWidth(int Value)
{
    SetWidth(Value + FWidth - ClientWidth());
}

void TControl::SetClientHeight(int Value)
{
    SetHeight(Value + FHeight - ClientHeight());
}

TPoint TControl::ClientToScreen(const TPoint& P) const
{
    const QPoint q = Widget()->mapToGlobal(QPoint(P.X, P.Y));
    return {q.x(), q.y()};
}

TPoint TControl::ScreenToClient(const TPoint& P) const
{
    const QPoint q = Widget()->mapFromGlobal(QPoint(P.X, P.Y));
    return {q.x(), q.y()};
}

void TControl::RequestAlign()
{
    if (FParent && FAlign != alNone)
        FParent->AlignControls();
}

void TControl::SetAlign(TAlign Value)
{
    if (Value == FAlign)
        return;
    FAlign = Value;
    if (FParent)
        FParent->AlignControls();
}

void TControl::SetVisible(bool Value)
{
    if (Value == FVisible)
        return;
    FVisible = Value;
    VisibleChanged();
}

void TControl::VisibleChanged()
{
    if (FWidget && (FParent || !FVisible))
        FWidget->setVisible(FVisible);
    if (FParent && FAlign != alNone)
        FParent->AlignControls();
    Perform(CM_VISIBLECHANGED, FVisible ? 1 : 0);
}

bool TControl::Showing() const
{
    for (const TControl* c = this; c; c = c->FParent)
        if (!c->FVisible)
            return false;
    return FWidget && FWidget->isVisible();
}

void TControl::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    EnabledChanged();
}

void TControl::EnabledChanged()
{
    if (FWidget)
        FWidget->setEnabled(FEnabled);
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor Value)
{
    FParentColor = false;
    if (Value == FColor)
        return;
    FColor = Value;
    ColorChanged();
}

void TControl::SetParentColor(bool Value)
{
    if (Value == FParentColor)
        return;
    FParentColor = Value;
    if (Value && FParent) {
        FColor = FParent->Color();
        ColorChanged();
    }
}

void TControl::ColorChanged()
{
    ApplyColor();
    Perform(CM_COLORCHANGED);
    Invalidate();
}

void TControl::ApplyColor()
{
    if (!FWidget)
        return;
    QPalette palette = FWidget->palette();
    palette.setColor(QPalette::Window, ToQColor(FColor));
    SetEnabledColor(palette, QPalette::WindowText, ToQColor(FFont->Color()));
    FWidget->setPalette(palette);
}

void TControl::SetParentFont(bool Value)
{
    if (Value == FParentFont)
        return;
    if (Value && FParent) {
        FFont->Assign(FParent->Font());
        FontChanged();
    }
    FParentFont = Value;
}

void TControl::FontChanged()
{
    ApplyFont();
    Perform(CM_FONTCHANGED);
    Invalidate();
}

void TControl::ApplyFont()
{
    if (!FWidget)
        return;
    FWidget->setFont(ToQFont(*FFont));
    QPalette palette = FWidget->palette();
    // Disabled, the text is in the style's disabled colour.
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        SetEnabledColor(palette, role, ToQColor(FFont->Color()));
    FWidget->setPalette(palette);
}

void TControl::SetHint(const std::string& Value)
{
    FHint = Value;
    if (FWidget)
        FWidget->setToolTip(FShowHint ? ToQString(Value) : QString());
}

void TControl::SetShowHint(bool Value)
{
    FShowHint = Value;
    SetHint(FHint);
}

void TControl::SetCursor(TCursor Value)
{
    if (Value == FCursor)
        return;
    FCursor = Value;
    if (FWidget)
        FWidget->setCursor(CursorShape(Value));
}

void TControl::SetText(const std::string& Value)
{
    if (Value == FText)
        return;
    FText = Value;
    TextChanged();
    Perform(CM_TEXTCHANGED);
}

void TControl::Loaded()
{
    TComponent::Loaded();
    if (FParent && FParentFont) {
        FFont->Assign(FParent->Font());
        FParentFont = true;
    }
    if (FParent && FParentColor)
        FColor = FParent->Color(), ApplyColor();
}

void TControl::WndProc(TMessage& Message)
{
    Dispatch(Message);
}

void TControl::DefaultHandler(TMessage&)
{
    FPassToWidget = true;
}

LRESULT TControl::Perform(uint32_t Msg, WPARAM WParam, LPARAM LParam)
{
    TMessage m{Msg, WParam, LParam, 0};
    const bool pass = FPassToWidget;
    WndProc(m);
    FPassToWidget = pass;
    return m.Result;
}

bool TControl::ExecuteAction(TBasicAction* Action)
{
    if (!Action->HandlesTarget(this))
        return false;
    Action->ExecuteTarget(this);
    return true;
}

bool TControl::UpdateAction(TBasicAction* Action)
{
    if (!Action->HandlesTarget(this))
        return false;
    Action->UpdateTarget(this);
    return true;
}

void TControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEMOVE:
        HandleMouseMessage(Message);
        DefaultHandler(Message);
        break;
    case CM_MOUSEENTER:
        FMouseInside = true;
        if (FOnMouseEnter)
            FOnMouseEnter(this);
        DefaultHandler(Message);
        break;
    case CM_MOUSELEAVE:
        FMouseInside = false;
        if (FOnMouseLeave)
            FOnMouseLeave(this);
        DefaultHandler(Message);
        break;
    default:
        DefaultHandler(Message);
    }
}

void TControl::HandleMouseMessage(TMessage& Message)
{
    if (DragMouseMessage(Message))
        return;
    const TPoint p = PointFromLParam(Message.LParam);
    TShiftState shift = MouseShiftState(Message.WParam);
    if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && FDragMode == dmAutomatic &&
        !ComponentState().Contains(csDesigning)) {
        BeginDrag(false);
        return;
    }
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        if (FControlStyle.Contains(csCaptureMouse))
            SetCaptureControl(this);
        MouseDown(mbLeft, shift, p.X, p.Y);
        break;
    case WM_RBUTTONDOWN:
        MouseDown(mbRight, shift, p.X, p.Y);
        break;
    case WM_MBUTTONDOWN:
        MouseDown(mbMiddle, shift, p.X, p.Y);
        break;
    case WM_LBUTTONDBLCLK:
        shift.Include(ssDouble);
        if (FControlStyle.Contains(csDoubleClicks))
            DblClick();
        MouseDown(mbLeft, shift, p.X, p.Y);
        break;
    case WM_RBUTTONDBLCLK:
        MouseDown(mbRight, shift + TShiftState{ssDouble}, p.X, p.Y);
        break;
    case WM_MBUTTONDBLCLK:
        MouseDown(mbMiddle, shift + TShiftState{ssDouble}, p.X, p.Y);
        break;
    case WM_LBUTTONUP: {
        const bool captured = gCaptureControl == this;
        if (captured)
            ReleaseCapture();
        MouseUp(mbLeft, shift, p.X, p.Y);
        if (FControlStyle.Contains(csClickEvents) && PtInRect(ClientRect(), p))
            Click();
        break;
    }
    case WM_RBUTTONUP:
        MouseUp(mbRight, shift, p.X, p.Y);
        break;
    case WM_MBUTTONUP:
        MouseUp(mbMiddle, shift, p.X, p.Y);
        break;
    case WM_MOUSEMOVE:
        MouseMove(shift, p.X, p.Y);
        break;
    default:
        break;
    }
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (FOnMouseDown)
        FOnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (FOnMouseUp)
        FOnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FOnMouseMove)
        FOnMouseMove(this, Shift, X, Y);
}

void TControl::DblClick()
{
    if (FOnDblClick)
        FOnDblClick(this);
}

void TControl::Click()
{
    if (FOnClick)
        FOnClick(this);
}

void TControl::Invalidate()
{
    if (FWidget)
        FWidget->update();
}

void TControl::Update()
{
    if (FWidget)
        FWidget->repaint();
}

void TControl::Repaint()
{
    if (FWidget)
        FWidget->repaint();
}

void TControl::BringToFront()
{
    Widget()->raise();
}

void TControl::SendToBack()
{
    Widget()->lower();
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
}

TWinControl::~TWinControl()
{
    while (!FControls.empty()) {
        TControl* child = FControls.back();
        RemoveControl(child);
        delete child;
    }
}

TControl* TWinControl::Controls(int Index) const
{
    if (Index < 0 || Index >= ControlCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FControls[static_cast<std::size_t>(Index)];
}

void TWinControl::InsertControl(TControl* Control)
{
    FControls.push_back(Control);
    Control->FParent = this;
    if (Control->FWidget) {
        Control->FWidget->setParent(Widget());
        Control->FWidget->setVisible(Control->FVisible);
    } else {
        Control->Widget();
    }
    if (Control->FParentFont && !ComponentState().Contains(csLoading)) {
        Control->FFont->Assign(Font());
        Control->FParentFont = true;
    }
    if (Control->FParentColor) {
        Control->FColor = Color();
        Control->ApplyColor();
    }
    if (Control->FAlign != alNone)
        AlignControls();
    UpdateTabOrder();
}

void TWinControl::RemoveControl(TControl* Control)
{
    const auto it = std::find(FControls.begin(), FControls.end(), Control);
    if (it == FControls.end())
        return;
    FControls.erase(it);
    Control->FParent = nullptr;
    if (Control->FWidget)
        Control->FWidget->setParent(nullptr);
    AlignControls();
}

bool TWinControl::ContainsControl(const TControl* Control) const
{
    for (const TControl* c = Control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

void TWinControl::SetTabStop(bool Value)
{
    FTabStop = Value;
    if (FWidget)
        Widget()->setFocusPolicy(Value ? Qt::StrongFocus : Qt::ClickFocus);
}

int TWinControl::TabOrder() const
{
    if (!Parent())
        return FTabOrder;
    int order = 0;
    for (const TControl* c : Parent()->FControls) {
        if (c == this)
            return FTabOrder >= 0 ? FTabOrder : order;
        if (dynamic_cast<const TWinControl*>(c))
            ++order;
    }
    return FTabOrder;
}

void TWinControl::SetTabOrder(int Value)
{
    FTabOrder = Value;
    if (Parent())
        Parent()->UpdateTabOrder();
}

void TWinControl::UpdateTabOrder()
{
    std::vector<TWinControl*> children;
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            children.push_back(w);
    std::stable_sort(children.begin(), children.end(),
                     [](const TWinControl* a, const TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
    for (std::size_t i = 1; i < children.size(); ++i)
        QWidget::setTabOrder(children[i - 1]->Widget(), children[i]->Widget());
}

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const
{
    return FWidget && FWidget->hasFocus();
}

void TWinControl::SetFocus()
{
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    Widget()->setFocus(Qt::OtherFocusReason);
}

void TWinControl::RecreateWnd()
{
    if (HasBridge())
        Perform(CM_RECREATEWND);
}

void TWinControl::EnableAlign()
{
    if (FAlignLevel > 0 && --FAlignLevel == 0)
        AlignControls();
}

void TWinControl::AlignControls()
{
    if (FAlignLevel > 0 || ComponentState().Contains(csLoading))
        return;
    ++FAlignLevel;
    TRect area = ClientRect();
    for (const TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<TControl*> list;
        for (TControl* c : FControls)
            if (c->Align() == align && c->Visible())
                list.push_back(c);
        std::stable_sort(list.begin(), list.end(), [align](const TControl* a, const TControl* b) {
            switch (align) {
            case alTop: return a->Top() < b->Top();
            case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
            case alLeft: return a->Left() < b->Left();
            case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
            default: return false;
            }
        });
        for (TControl* c : list) {
            switch (align) {
            case alTop:
                c->SetBounds(area.Left, area.Top, area.Width(), c->Height());
                area.Top += c->Height();
                break;
            case alBottom:
                c->SetBounds(area.Left, area.Bottom - c->Height(), area.Width(), c->Height());
                area.Bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(area.Left, area.Top, c->Width(), area.Height());
                area.Left += c->Width();
                break;
            case alRight:
                c->SetBounds(area.Right - c->Width(), area.Top, c->Width(), area.Height());
                area.Right -= c->Width();
                break;
            default:
                c->SetBounds(area.Left, area.Top, std::max(area.Width(), 0), std::max(area.Height(), 0));
                break;
            }
        }
    }
    --FAlignLevel;
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const
{
    for (TControl* c : FControls)
        if (c->Owner() == Root)
            Proc(c);
    if (Root == this)
        for (int i = 0; i < ComponentCount(); ++i)
            if (!Components(i)->HasParent() || !Components(i)->GetParentComponent())
                if (!dynamic_cast<TControl*>(Components(i)))
                    Proc(Components(i));
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    AlignControls();
    UpdateTabOrder();
}

void TWinControl::FontChanged()
{
    TControl::FontChanged();
    for (TControl* c : FControls)
        if (c->ParentFont()) {
            c->FFont->Assign(Font());
            c->FParentFont = true;
            c->Perform(CM_PARENTFONTCHANGED);
        }
}

void TWinControl::ColorChanged()
{
    TControl::ColorChanged();
    for (TControl* c : FControls)
        if (c->ParentColor()) {
            c->FColor = Color();
            c->ColorChanged();
            c->Perform(CM_PARENTCOLORCHANGED);
        }
}

void TWinControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        unsigned key = static_cast<unsigned>(Message.WParam);
        KeyDown(key, KeyboardShiftState());
        if (key == 0)
            return;
        Message.WParam = key;
        DefaultHandler(Message);
        break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        unsigned key = static_cast<unsigned>(Message.WParam);
        KeyUp(key, KeyboardShiftState());
        if (key == 0)
            return;
        DefaultHandler(Message);
        break;
    }
    case WM_CHAR: {
        auto ch = static_cast<char32_t>(Message.WParam);
        KeyPress(ch);
        if (ch == 0)
            return;
        Message.WParam = ch;
        DefaultHandler(Message);
        break;
    }
    case CM_ENTER:
        DoEnter();
        DefaultHandler(Message);
        break;
    case CM_EXIT:
        DoExit();
        DefaultHandler(Message);
        break;
    case CM_RECREATEWND:
        RecreateWidget();
        break;
    default:
        TControl::Dispatch(Message);
    }
}

void TWinControl::KeyDown(unsigned& Key, TShiftState Shift)
{
    if (FOnKeyDown)
        FOnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(unsigned& Key, TShiftState Shift)
{
    if (FOnKeyUp)
        FOnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char32_t& Key)
{
    if (FOnKeyPress)
        FOnKeyPress(this, Key);
}

void TWinControl::DoEnter()
{
    if (FOnEnter)
        FOnEnter(this);
}

void TWinControl::DoExit()
{
    if (FOnExit)
        FOnExit(this);
}

namespace {
// Paints a control on its canvas with the control's font and colour, ending
// the painting however Paint ends.
template <class F>
void PaintControl(const TControl& control, TCanvas& canvas, F&& paint)
{
    canvas.BeginPaint(control.Widget());
    try {
        canvas.SetFont(control.Font());
        canvas.Brush()->SetColor(control.Color());
        paint();
    } catch (...) {
        canvas.EndPaint();
        throw;
    }
    canvas.EndPaint();
}
} // namespace

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

void TCustomControl::Dispatch(TMessage& Message)
{
    if (Message.Msg != WM_PAINT) {
        TWinControl::Dispatch(Message);
        return;
    }
    PaintControl(*this, *FCanvas, [this] { Paint(); });
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

void TGraphicControl::Dispatch(TMessage& Message)
{
    if (Message.Msg != WM_PAINT) {
        TControl::Dispatch(Message);
        return;
    }
    PaintControl(*this, *FCanvas, [this] { Paint(); });
}
