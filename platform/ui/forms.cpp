#include "platform/ui/forms.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/resources.h"
#include "platform/ui/application.h"
#include "platform/ui/qtconvert.h"

LT_IMPLEMENT_CLASS(TCustomForm, TWinControl)
{
    P.Property("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
        .Default(static_cast<int64_t>(TBorderIcons{biSystemMenu, biMinimize, biMaximize}.Bits()));
    P.Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle).Default(bsSizeable);
    P.Property("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight);
    P.Property("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth);
    P.Property("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle).Default(fsNormal);
    P.Property("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(0);
    P.Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDesigned);
    P.Property("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
    P.Property("OnClose", &TCustomForm::OnClose, &TCustomForm::SetOnClose);
    P.Property("OnCloseQuery", &TCustomForm::OnCloseQuery, &TCustomForm::SetOnCloseQuery);
    P.Property("OnCreate", &TCustomForm::OnCreate, &TCustomForm::SetOnCreate);
    P.Property("OnDestroy", &TCustomForm::OnDestroy, &TCustomForm::SetOnDestroy);
    P.Property("OnHide", &TCustomForm::OnHide, &TCustomForm::SetOnHide);
    P.Property("OnShow", &TCustomForm::OnShow, &TCustomForm::SetOnShow);
}

LT_IMPLEMENT_CLASS(TForm, TCustomForm) {}

TCustomForm* GetParentForm(const TControl* Control)
{
    const TControl* top = Control;
    while (top && top->Parent())
        top = top->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner)
{
    SetVisible(false);
    SetParentColor(false);
    SetParentFont(false);
    RegisterGlobalComponent(this);
    if (Screen)
        Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    if (FOnDestroy)
        FOnDestroy(this);
    if (Screen)
        Screen->RemoveForm(this);
    if (Application)
        Application->FormDestroyed(this);
    UnregisterGlobalComponent(this);
    DestroyComponents();
}

QWidget* TCustomForm::CreateWidget()
{
    auto* widget = new QWidget(nullptr, Qt::Window);
    widget->setAutoFillBackground(true);
    return widget;
}

void TCustomForm::InitFromResource(const std::string& ResourceName)
{
    ReadComponentResource(*this, ResourceName);
    ApplyWindowFlags();
    // A failing OnCreate is shown and the form still exists, as a form
    // whose creation steps stopped half-way.
    try {
        if (FOnCreate)
            FOnCreate(this);
    } catch (...) {
        if (!Application)
            throw;
        Application->HandleException(this);
    }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value)
{
    FBorderStyle = Value;
    ApplyWindowFlags();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value)
{
    FBorderIcons = Value;
    ApplyWindowFlags();
}

void TCustomForm::SetFormStyle(TFormStyle Value)
{
    FFormStyle = Value;
    ApplyWindowFlags();
}

void TCustomForm::ApplyWindowFlags()
{
    if (ComponentState().Contains(csLoading))
        return;
    QWidget* widget = Widget();
    Qt::WindowFlags flags = Qt::Window;
    switch (FBorderStyle) {
    case bsNone: flags |= Qt::FramelessWindowHint; break;
    case bsDialog: flags = Qt::Dialog; break;
    case bsToolWindow:
    case bsSizeToolWin: flags = Qt::Tool; break;
    default: break;
    }
    if (FBorderStyle != bsNone) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (FBorderIcons.Contains(biSystemMenu))
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (FBorderIcons.Contains(biMinimize) && FBorderStyle != bsDialog)
            flags |= Qt::WindowMinimizeButtonHint;
        if (FBorderIcons.Contains(biMaximize) && (FBorderStyle == bsSizeable || FBorderStyle == bsSizeToolWin))
            flags |= Qt::WindowMaximizeButtonHint;
    }
    if (FFormStyle == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    const bool visible = widget->isVisible();
    widget->setWindowFlags(flags);
    if (FBorderStyle == bsSizeable || FBorderStyle == bsSizeToolWin)
        widget->setMinimumSize(0, 0), widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    else
        widget->setFixedSize(Width(), Height());
    if (visible)
        widget->show();
}

void TCustomForm::SetActiveControl(TWinControl* Value)
{
    FActiveControl = Value;
    if (Value && Visible() && Value->CanFocus())
        Value->SetFocus();
}

void TCustomForm::TextChanged()
{
    Widget()->setWindowTitle(ToQString(Text()));
}

void TCustomForm::PlaceOnScreen()
{
    if (FPlaced)
        return;
    FPlaced = true;
    if (FPosition != poScreenCenter && FPosition != poDesktopCenter && FPosition != poMainFormCenter &&
        FPosition != poOwnerFormCenter)
        return;
    TRect area = Screen ? Screen->WorkAreaRect() : Rect(0, 0, Width(), Height());
    const TCustomForm* main = Application ? Application->MainForm() : nullptr;
    if ((FPosition == poMainFormCenter || FPosition == poOwnerFormCenter) && main && main != this && main->Visible())
        area = main->BoundsRect();
    SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(), Height());
}

void TCustomForm::VisibleChanged()
{
    QWidget* widget = Widget();
    if (Visible()) {
        PlaceOnScreen();
        ApplyGeometry();
        widget->show();
        widget->raise();
        if (FActiveControl && FActiveControl->CanFocus())
            FActiveControl->SetFocus();
        if (FOnShow)
            FOnShow(this);
    } else {
        widget->hide();
        if (FOnHide)
            FOnHide(this);
    }
}

void TCustomForm::Show()
{
    SetVisible(true);
    Widget()->raise();
}

void TCustomForm::Hide()
{
    SetVisible(false);
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (FOnCloseQuery)
        FOnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close()
{
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    if (FOnClose)
        FOnClose(this, action);
    if (action == caNone)
        return;
    if (Application && Application->MainForm() == this) {
        Hide();
        Application->Terminate();
    } else if (action == caFree) {
        Hide();
        Release();
    } else {
        Hide();
    }
}

TModalResult TCustomForm::ShowModal()
{
    if (Visible() || FModal)
        throw EInvalidOperation("Cannot make a visible window modal");
    FModal = true;
    FModalResult = mrNone;
    Widget()->setWindowModality(Qt::ApplicationModal);
    Show();
    TCloseAction action = caHide;
    for (;;) {
        while (FModalResult == mrNone && Visible() && !(Application && Application->Terminated()))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (FModalResult == mrNone)
            FModalResult = mrCancel;
        if (Application && Application->Terminated())
            break;
        if (!CloseQuery()) {
            FModalResult = mrNone;
            continue;
        }
        action = caHide;
        if (FOnClose)
            FOnClose(this, action);
        if (action != caNone)
            break;
        FModalResult = mrNone;
    }
    const TModalResult result = FModalResult;
    FModal = false;
    Hide();
    Widget()->setWindowModality(Qt::NonModal);
    if (action == caFree)
        Release();
    return result;
}

void TCustomForm::Release()
{
    if (FReleased)
        return;
    FReleased = true;
    QTimer::singleShot(0, Widget(), [this] { delete this; });
}

void TCustomForm::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_CLOSE) {
        Close();
        return;
    }
    TWinControl::Dispatch(Message);
}
