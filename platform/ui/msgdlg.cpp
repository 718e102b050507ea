#include "platform/rtl/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"

namespace {
struct TTypeLook {
    const char* Caption;
    unsigned Icon;
};

TTypeLook LookOf(TMsgDlgType Type)
{
    switch (Type) {
    case mtWarning: return {"Предупреждение", MB_ICONWARNING};
    case mtError: return {"Ошибка", MB_ICONERROR};
    case mtInformation: return {"Информация", MB_ICONINFORMATION};
    case mtConfirmation: return {"Подтверждение", MB_ICONQUESTION};
    default: return {nullptr, 0};
    }
}

// The message box that holds the buttons asked for.
unsigned ButtonsFlags(TMsgDlgButtons Buttons)
{
    if (Buttons.Contains(mbYes) || Buttons.Contains(mbNo)) {
        if (Buttons.Contains(mbCancel))
            return MB_YESNOCANCEL;
        return Buttons.Contains(mbAll) ? MB_YESNOALL : MB_YESNO;
    }
    if (Buttons.Contains(mbAbort) || Buttons.Contains(mbIgnore))
        return MB_ABORTRETRYIGNORE;
    if (Buttons.Contains(mbRetry))
        return MB_RETRYCANCEL;
    if (Buttons.Contains(mbCancel))
        return MB_OKCANCEL;
    return MB_OK;
}
} // namespace

int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int)
{
    if (!Application)
        throw EInvalidOperation("A message dialog needs the application object");
    const TTypeLook look = LookOf(DlgType);
    return Application->MessageBox(Msg, look.Caption ? look.Caption : Application->Title(),
                                   ButtonsFlags(Buttons) | look.Icon);
}

void ShowMessage(const std::string& Msg)
{
    if (!Application)
        throw EInvalidOperation("A message dialog needs the application object");
    Application->MessageBox(Msg, Application->Title(), MB_OK);
}
