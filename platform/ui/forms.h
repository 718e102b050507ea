#pragma once
// Forms: top-level windows created from their stored descriptions, shown
// modeless or modal, asking OnCloseQuery before they close and doing what
// OnClose's action says (hide, free, nothing).
#include <string>

#include "platform/ui/controls.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
LT_ENUM_INFO(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
LT_ENUM_INFO(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSet<TBorderIcon>;
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
LT_ENUM_INFO(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                 poMainFormCenter, poOwnerFormCenter };
LT_ENUM_INFO(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
             poMainFormCenter, poOwnerFormCenter)
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT, mrRetry = IDRETRY,
                       mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
    LT_CLASS(TCustomForm)
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* Value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }

    void Show();
    void Hide();
    // Shows the form and runs the message loop until ModalResult is set or
    // the form closes; returns ModalResult (mrCancel when closed). A form
    // whose OnClose answers caFree is released afterwards.
    TModalResult ShowModal();
    bool Modal() const { return FModal; }
    // Asks OnCloseQuery, then does what OnClose decides.
    void Close();
    bool CloseQuery();
    // Frees the form once the messages being handled are done.
    void Release();

    const TNotifyEvent& OnCreate() const { return FOnCreate; }
    void SetOnCreate(TNotifyEvent Value) { FOnCreate = std::move(Value); }
    const TNotifyEvent& OnDestroy() const { return FOnDestroy; }
    void SetOnDestroy(TNotifyEvent Value) { FOnDestroy = std::move(Value); }
    const TNotifyEvent& OnShow() const { return FOnShow; }
    void SetOnShow(TNotifyEvent Value) { FOnShow = std::move(Value); }
    const TNotifyEvent& OnHide() const { return FOnHide; }
    void SetOnHide(TNotifyEvent Value) { FOnHide = std::move(Value); }
    const TCloseEvent& OnClose() const { return FOnClose; }
    void SetOnClose(TCloseEvent Value) { FOnClose = std::move(Value); }
    const TCloseQueryEvent& OnCloseQuery() const { return FOnCloseQuery; }
    void SetOnCloseQuery(TCloseQueryEvent Value) { FOnCloseQuery = std::move(Value); }

    void Dispatch(TMessage& Message) override;

protected:
    QWidget* CreateWidget() override;
    // Reads the form's description, then raises OnCreate; descendants call
    // it from their constructors.
    void InitFromResource(const std::string& ResourceName);
    void TextChanged() override;
    void VisibleChanged() override;

private:
    void ApplyWindowFlags();
    void PlaceOnScreen();

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDesigned;
    bool FKeyPreview = false;
    bool FModal = false;
    bool FPlaced = false;
    bool FReleased = false;
    TWinControl* FActiveControl = nullptr;
    TModalResult FModalResult = mrNone;
    TNotifyEvent FOnCreate, FOnDestroy, FOnShow, FOnHide;
    TCloseEvent FOnClose;
    TCloseQueryEvent FOnCloseQuery;
};

class TForm : public TCustomForm {
    LT_CLASS(TForm)
public:
    explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
};

// The form a control stands on, or nullptr.
TCustomForm* GetParentForm(const TControl* Control);
