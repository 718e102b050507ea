#include "platform/ui/hintwindow.h"

#include <QApplication>
#include <QWidget>

#include "platform/rtl/classbuilder.h"
#include "platform/ui/application.h"
#include "platform/ui/componentref.h"
#include "platform/ui/picture.h"

LT_IMPLEMENT_CLASS(THintWindow, TCustomControl) {}

namespace {
constexpr unsigned kHintFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

// The hint window last shown; the application object owns it.
TComponentRef<THintWindow>& ShownHint()
{
    static TComponentRef<THintWindow> window;
    return window;
}

void HideShownHint()
{
    if (ShownHint())
        ShownHint()->ReleaseHandle();
}

THintWindow* DefaultHintWindow(TComponent* Owner)
{
    return new THintWindow(Owner);
}
} // namespace

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clInfoBk);
    SetParentColor(false);
    SetVisible(false);
}

QWidget* THintWindow::CreateWidget()
{
    QWidget* widget = TCustomControl::CreateWidget();
    widget->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    widget->setAttribute(Qt::WA_ShowWithoutActivating);
    return widget;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& Hint)
{
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.Canvas()->SetFont(Font());
    TRect r{0, 0, MaxWidth, 0};
    measure.Canvas()->DrawText(Hint, r, kHintFormat | DT_CALCRECT);
    r.Right += 6;
    r.Bottom += 2;
    return r;
}

void THintWindow::ActivateHint(const TRect& Rect, const std::string& Hint)
{
    SetCaption(Hint);
    SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
    Show();
    Widget()->show();
    Invalidate();
}

void THintWindow::ReleaseHandle()
{
    Hide();
}

void THintWindow::Paint()
{
    TRect r = ClientRect();
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(r);
    Canvas()->Brush()->SetColor(clWindowFrame);
    Canvas()->FrameRect(r);
    Canvas()->Brush()->SetStyle(bsClear);
    Canvas()->Font()->SetColor(TextColor());
    r = TRect{r.Left + 3, r.Top + 1, r.Right - 3, r.Bottom - 1};
    Canvas()->DrawText(Caption(), r, kHintFormat);
}

bool ShowControlHint(TControl* Control, const TPoint& CursorPos)
{
    THintInfo info;
    info.HintControl = Control;
    info.HintWindowClass = DefaultHintWindow;
    info.HintPos = TPoint{CursorPos.X, CursorPos.Y + 20};
    info.HintMaxWidth = Screen ? Screen->Width() : 640;
    info.CursorRect = Control->ClientRect();
    info.CursorPos = Control->ScreenToClient(CursorPos);
    info.HintStr = Control->Hint();
    if (Control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0 || info.HintStr.empty()) {
        HideShownHint();
        return false;
    }
    delete ShownHint().Get();
    THintWindow* shown = info.HintWindowClass(Application);
    ShownHint().Set(shown);
    if (info.HintColor != clInfoBk)
        shown->SetColor(info.HintColor);
    TRect r = shown->CalcHintRect(info.HintMaxWidth, info.HintStr);
    r = Bounds(info.HintPos.X, info.HintPos.Y, r.Width(), r.Height());
    shown->ActivateHint(r, info.HintStr);
    return true;
}

void TApplication::ActivateHint(const TPoint& CursorPos)
{
    QWidget* widget = QApplication::widgetAt(CursorPos.X, CursorPos.Y);
    TControl* control = nullptr;
    for (; widget && !control; widget = widget->parentWidget())
        control = FindControl(widget);
    if (!control || !control->ShowHint()) {
        CancelHint();
        return;
    }
    ShowControlHint(control, CursorPos);
}

void TApplication::CancelHint()
{
    HideShownHint();
}

THintWindow* TApplication::HintWindow() const
{
    THintWindow* window = ShownHint().Get();
    return window && window->Visible() ? window : nullptr;
}
