#pragma once
// Dialogs: message dialogs, the one-line input query, and the file and
// colour dialogs. Each can be answered by a test hook instead of the
// operator: MessageDlg goes through Application->MessageBox (and its hook),
// InputQuery through SetInputQueryHook, the file and colour dialogs hand
// their prepared Qt dialog to their hook instead of running it.
#include <functional>
#include <memory>
#include <string>

#include "platform/rtl/component.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/forms.h"
#include "platform/ui/graphics.h"

class QColorDialog;
class QFileDialog;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
LT_ENUM_INFO(TMsgDlgType, mtWarning, mtError, mtInformation, mtConfirmation, mtCustom)
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
LT_ENUM_INFO(TMsgDlgBtn, mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll,
             mbHelp)
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

inline constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline constexpr TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};
inline constexpr TMsgDlgButtons mbRetryCancel{mbRetry, mbCancel};

constexpr TModalResult mrAll = IDALL, mrNoToAll = mrAll + 1, mrYesToAll = mrNoToAll + 1;

// Shows Msg with the type's icon and caption ("Предупреждение", "Ошибка",
// "Информация", "Подтверждение"; the application's title for mtCustom) and
// returns the modal result of the button chosen. The buttons are those of
// the message box that holds them: Yes/No(/Cancel), Yes/No/All,
// Abort/Retry/Ignore, Retry/Cancel, OK/Cancel or OK; mbNoToAll, mbYesToAll
// and mbHelp have no place there and are left out (so is mbAll beside
// Cancel). HelpCtx is not used.
int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);
// The message with an OK button under the application's title.
void ShowMessage(const std::string& Msg);

// Answers InputQuery instead of the operator: returns whether OK was chosen
// and may change Value.
using TInputQueryHook = std::function<bool(const std::string& Caption, const std::string& Prompt, std::string& Value)>;
void SetInputQueryHook(TInputQueryHook Hook);
// A small modal dialog with Prompt over an edit holding Value; on OK Value
// takes the edit's text and the result is true, on Cancel Value stays.
bool InputQuery(const std::string& Caption, const std::string& Prompt, std::string& Value);
// InputQuery's text, or Default when cancelled.
std::string InputBox(const std::string& Caption, const std::string& Prompt, const std::string& Default);

class TCommonDialog : public TComponent {
    LT_CLASS(TCommonDialog)
public:
    explicit TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}

    // Runs the dialog; true when the operator accepted it.
    virtual bool Execute() = 0;
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int Value) { FHelpContext = Value; }
    const TNotifyEvent& OnShow() const { return FOnShow; }
    void SetOnShow(TNotifyEvent Value) { FOnShow = std::move(Value); }
    const TNotifyEvent& OnClose() const { return FOnClose; }
    void SetOnClose(TNotifyEvent Value) { FOnClose = std::move(Value); }

protected:
    void DoShow();
    void DoClose();

private:
    int FHelpContext = 0;
    TNotifyEvent FOnShow, FOnClose;
};

enum TOpenOption { ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
                   ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
                   ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames,
                   ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent,
                   ofForceShowHidden };
LT_ENUM_INFO(TOpenOption, ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
             ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
             ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames,
             ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent,
             ofForceShowHidden)
using TOpenOptions = TSet<TOpenOption>;

// Gets the prepared dialog instead of running it; returns whether it counts
// as accepted (then the dialog's selected files and filter are the answer).
using TFileDialogHook = std::function<bool(QFileDialog& Dialog)>;
void SetFileDialogHook(TFileDialogHook Hook);

// Choosing a file to open (on Qt's own file dialog). Filter is
// "Text files|*.txt|All|*.*": description and patterns (";"-separated)
// in turns; FilterIndex counts from 1. A chosen name without an extension
// gets DefaultExt. ofAllowMultiSelect puts every chosen file into Files;
// ofFileMustExist accepts existing files only; a save dialog asks before
// overwriting with ofOverwritePrompt.
class TOpenDialog : public TCommonDialog {
    LT_CLASS(TOpenDialog)
public:
    explicit TOpenDialog(TComponent* AOwner);
    ~TOpenDialog() override;

    bool Execute() override;

    const std::string& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value) { FFileName = Value; }
    TStrings* Files() const { return FFiles.get(); }
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& Value) { FFilter = Value; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int Value) { FFilterIndex = Value; }
    const std::string& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions Value) { FOptions = Value; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }

protected:
    // Whether the dialog saves (else opens).
    virtual bool Saving() const { return false; }

private:
    std::string FDefaultExt;
    std::string FFileName;
    std::unique_ptr<TStringList> FFiles;
    std::string FFilter;
    int FFilterIndex = 1;
    std::string FInitialDir;
    TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
    std::string FTitle;
};

class TSaveDialog : public TOpenDialog {
    LT_CLASS(TSaveDialog)
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}

protected:
    bool Saving() const override { return true; }
};

enum TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
LT_ENUM_INFO(TColorDialogOption, cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor)
using TColorDialogOptions = TSet<TColorDialogOption>;

using TColorDialogHook = std::function<bool(QColorDialog& Dialog)>;
void SetColorDialogHook(TColorDialogHook Hook);

// Choosing a colour (on Qt's own colour dialog). CustomColors holds lines
// "ColorA=BBGGRR" .. "ColorP=..." (hexadecimal colour values) for the
// dialog's sixteen custom colours, read back after the dialog.
class TColorDialog : public TCommonDialog {
    LT_CLASS(TColorDialog)
public:
    explicit TColorDialog(TComponent* AOwner);
    ~TColorDialog() override;

    bool Execute() override;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TStrings* CustomColors() const { return FCustomColors.get(); }
    TColorDialogOptions Options() const { return FOptions; }
    void SetOptions(TColorDialogOptions Value) { FOptions = Value; }

private:
    TColor FColor = clBlack;
    std::unique_ptr<TStringList> FCustomColors;
    TColorDialogOptions FOptions;
};
