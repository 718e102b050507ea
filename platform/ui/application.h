#pragma once
// The application object and the screen: creating the forms (the first one
// created through CreateForm is the main window), the message loop that runs
// until the main window closes, idle time, and showing an exception that
// reached the loop in a message box while the program goes on.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/component.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/forms.h"

class QApplication;
class QSocketNotifier;
class QTranslator;
class THintWindow;

using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;
// Answers a message box instead of the operator (tests).
using TMessageBoxHook = std::function<int(const std::string& Text, const std::string& Caption, unsigned Flags)>;

class TApplication : public TComponent {
    LT_CLASS(TApplication)
public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    // Starts the window system (once per process).
    void Initialize();
    template <class T>
    void CreateForm(T*& Reference)
    {
        Reference = new T(this);
        if (!FMainForm)
            if (auto* form = dynamic_cast<TCustomForm*>(Reference))
                FMainForm = form;
    }
    TCustomForm* MainForm() const { return FMainForm; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value);

    // Shows the main window and handles messages until Terminate.
    void Run();
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return FTerminated; }

    // Raised whenever the loop is about to wait for events; a handler that
    // sets Done to false keeps the loop from waiting, so idle time comes
    // again at once.
    const TIdleEvent& OnIdle() const { return FOnIdle; }
    void SetOnIdle(TIdleEvent Value) { FOnIdle = std::move(Value); }
    // Handlers run at idle time after OnIdle (action lists update their actions).
    int AddIdleHandler(std::function<void()> Handler);
    void RemoveIdleHandler(int Id);
    void DoIdle();

    const TExceptionEvent& OnException() const { return FOnException; }
    void SetOnException(TExceptionEvent Value) { FOnException = std::move(Value); }
    // Handles the exception being thrown: OnException, or a message box.
    void HandleException(TObject* Sender);
    void ShowException(const Exception& E);

    int MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags);
    static void SetMessageBoxHook(TMessageBoxHook Hook);

    void FormDestroyed(TCustomForm* Form);

    // Shows the hint of the control under CursorPos (screen coordinates);
    // CancelHint hides it. HintWindow: the one shown, or nullptr.
    void ActivateHint(const TPoint& CursorPos);
    void CancelHint();
    THintWindow* HintWindow() const;

private:
    // A termination signal arrived (terminationsignals.h): the main window
    // closes as the operator's close does, its close query included. A
    // further signal while that close is under way ends the message loop
    // without it: open dialogs are cancelled and nothing more is done.
    void CloseOnSignal();

    TCustomForm* FMainForm = nullptr;
    std::string FTitle;
    bool FTerminated = false;
    bool FInIdle = false;
    TIdleEvent FOnIdle;
    TExceptionEvent FOnException;
    std::vector<std::pair<int, std::function<void()>>> FIdleHandlers;
    int FNextIdleId = 1;
    bool FClosingOnSignal = false;
    // The window system's application object, when this one started it.
    std::unique_ptr<QApplication> FQtApplication;
    // The window system's own texts in Russian.
    std::unique_ptr<QTranslator> FQtTranslator;
    // Watches the termination signals' descriptor, when they are caught.
    std::unique_ptr<QSocketNotifier> FSignalNotifier;
};

class TScreen : public TComponent {
    LT_CLASS(TScreen)
public:
    explicit TScreen(TComponent* AOwner);
    ~TScreen() override;

    int Width() const;
    int Height() const;
    TRect WorkAreaRect() const;
    int PixelsPerInch() const;
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    int FormCount() const { return static_cast<int>(FForms.size()); }
    TCustomForm* Forms(int Index) const { return FForms.at(static_cast<std::size_t>(Index)); }
    TCustomForm* ActiveForm() const;

    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);

private:
    TCursor FCursor = crDefault;
    std::vector<TCustomForm*> FForms;
};

extern TApplication* Application;
extern TScreen* Screen;
