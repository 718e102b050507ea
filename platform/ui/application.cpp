#include "platform/ui/application.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <memory>

#include "platform/rtl/classbuilder.h"
#include "platform/ui/qtconvert.h"
#include "platform/rtl/appexceptions.h"
#include "platform/ui/desktopstyle.h"
#include "platform/ui/palettechange.h"
#include "platform/ui/terminationsignals.h"

LT_IMPLEMENT_CLASS(TApplication, TComponent) {}
LT_IMPLEMENT_CLASS(TScreen, TComponent) {}

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {
TMessageBoxHook gMessageBoxHook;

// Qt keeps references to these for the life of its application object.
int gArgc = 1;
char gProgramName[] = "lighting";
char* gArgv[] = {gProgramName, nullptr};
} // namespace

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner)
{
    Application = this;
    SetApplicationExceptionHandler([this](TObject* Sender, const std::exception_ptr& E) {
        try {
            std::rethrow_exception(E);
        } catch (...) {
            HandleException(Sender);
        }
    });
}

TApplication::~TApplication()
{
    DestroyComponents();
    if (Application == this)
        Application = nullptr;
    SetApplicationExceptionHandler(nullptr);
    FSignalNotifier.reset();
    FQtTranslator.reset();
    FQtApplication.reset();
}

void TApplication::Initialize()
{
    if (!QApplication::instance()) {
        // A control with an X window of its own (the 3D viewer) gives X
        // windows to its ancestors only, not to every sibling on the way.
        QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
        FQtApplication = std::make_unique<QApplication>(gArgc, gArgv);
    }
    UseDesktopStyle();
    RelayPaletteChanges();
    // The program speaks Russian: so do the window system's standard dialogs,
    // whatever the system's locale.
    if (!FQtTranslator) {
        FQtTranslator = std::make_unique<QTranslator>();
        if (FQtTranslator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(FQtTranslator.get());
    }
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, qApp, [this] { DoIdle(); });
    if (!Screen)
        Screen = new TScreen(this);
    if (TerminationSignalDescriptor() >= 0 && !FSignalNotifier) {
        FSignalNotifier = std::make_unique<QSocketNotifier>(TerminationSignalDescriptor(), QSocketNotifier::Read);
        QObject::connect(FSignalNotifier.get(), &QSocketNotifier::activated, [this] {
            for (int n = TakeTerminationSignals(); n > 0; --n)
                CloseOnSignal();
        });
    }
}

// The title is the program's name for its message boxes; each window's title
// stays its own caption.
void TApplication::SetTitle(const std::string& Value)
{
    FTitle = Value;
}

void TApplication::Run()
{
    if (FMainForm && !FTerminated)
        FMainForm->Show();
    while (!FTerminated)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::Terminate()
{
    FTerminated = true;
    QCoreApplication::postEvent(qApp, new QEvent(QEvent::None));
}

void TApplication::CloseOnSignal()
{
    if (FMainForm && !FClosingOnSignal && !FTerminated) {
        FClosingOnSignal = true;
        // Closed from the loop, not from inside the notifier: its question
        // may run a loop of its own, in which a further signal is read.
        QTimer::singleShot(0, FSignalNotifier.get(), [this] {
            if (FMainForm)
                FMainForm->Close();
            FClosingOnSignal = false;
        });
        return;
    }
    Terminate();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            dialog->reject();
}

int TApplication::AddIdleHandler(std::function<void()> Handler)
{
    FIdleHandlers.emplace_back(FNextIdleId, std::move(Handler));
    return FNextIdleId++;
}

void TApplication::RemoveIdleHandler(int Id)
{
    FIdleHandlers.erase(std::remove_if(FIdleHandlers.begin(), FIdleHandlers.end(),
                                       [Id](const auto& h) { return h.first == Id; }),
                        FIdleHandlers.end());
}

void TApplication::DoIdle()
{
    if (FInIdle)
        return;
    FInIdle = true;
    bool done = true;
    try {
        // A copy: the handler may replace itself.
        if (const TIdleEvent onIdle = FOnIdle)
            onIdle(this, done);
        for (const auto& [id, handler] : std::vector(FIdleHandlers))
            handler();
    } catch (...) {
        FInIdle = false;
        HandleException(this);
        return;
    }
    FInIdle = false;
    // Idle work is left: the loop must not wait for an event but come back
    // here at once.
    if (!done)
        if (auto* dispatcher = QAbstractEventDispatcher::instance())
            dispatcher->wakeUp();
}

void TApplication::HandleException(TObject* Sender)
{
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const Exception& e) {
        if (FOnException)
            FOnException(Sender, e);
        else
            ShowException(e);
    } catch (const std::exception& e) {
        ShowException(Exception(e.what()));
    }
}

void TApplication::ShowException(const Exception& E)
{
    MessageBox(E.Message(), FTitle, MB_OK | MB_ICONERROR);
}

void TApplication::SetMessageBoxHook(TMessageBoxHook Hook)
{
    gMessageBoxHook = std::move(Hook);
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags)
{
    if (gMessageBoxHook)
        return gMessageBoxHook(Text, Caption, Flags);
    QMessageBox box;
    box.setWindowTitle(ToQString(Caption));
    box.setText(ToQString(Text));
    switch (Flags & 0xF0) {
    case MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    struct TButtonDef {
        QMessageBox::StandardButton Button;
        int Answer;
    };
    std::vector<TButtonDef> buttons;
    switch (Flags & 0xF) {
    case MB_OKCANCEL: buttons = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case MB_ABORTRETRYIGNORE:
        buttons = {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
        break;
    case MB_YESNOCANCEL:
        buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    case MB_YESNO: buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
    case MB_YESNOALL:
        buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::YesToAll, IDALL}};
        break;
    case MB_RETRYCANCEL: buttons = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}}; break;
    default: buttons = {{QMessageBox::Ok, IDOK}}; break;
    }
    QMessageBox::StandardButtons all;
    for (const TButtonDef& b : buttons)
        all |= b.Button;
    box.setStandardButtons(all);
    const std::size_t defaultIndex = (Flags & MB_DEFBUTTON3) ? 2 : ((Flags & MB_DEFBUTTON2) ? 1 : 0);
    if (defaultIndex < buttons.size())
        box.setDefaultButton(buttons[defaultIndex].Button);
    const int clicked = box.exec();
    for (const TButtonDef& b : buttons)
        if (b.Button == clicked)
            return b.Answer;
    return (Flags & 0xF) == MB_YESNO || (Flags & 0xF) == MB_YESNOALL ? IDNO : IDCANCEL;
}

void TApplication::FormDestroyed(TCustomForm* Form)
{
    if (FMainForm == Form)
        FMainForm = nullptr;
}

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner)
{
    Screen = this;
}

TScreen::~TScreen()
{
    if (Screen == this)
        Screen = nullptr;
}

int TScreen::Width() const
{
    return QGuiApplication::primaryScreen()->geometry().width();
}

int TScreen::Height() const
{
    return QGuiApplication::primaryScreen()->geometry().height();
}

TRect TScreen::WorkAreaRect() const
{
    return FromQRect(QGuiApplication::primaryScreen()->availableGeometry());
}

int TScreen::PixelsPerInch() const
{
    return static_cast<int>(QGuiApplication::primaryScreen()->logicalDotsPerInch());
}

void TScreen::SetCursor(TCursor Value)
{
    if (Value == FCursor)
        return;
    if (FCursor != crDefault)
        QGuiApplication::restoreOverrideCursor();
    FCursor = Value;
    if (Value != crDefault)
        QGuiApplication::setOverrideCursor(Value == crHourGlass || Value == crSQLWait ? Qt::WaitCursor
                                                                                      : Qt::ArrowCursor);
}

TCustomForm* TScreen::ActiveForm() const
{
    return dynamic_cast<TCustomForm*>(FindControl(QApplication::activeWindow()));
}

void TScreen::AddForm(TCustomForm* Form)
{
    FForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form)
{
    FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
}
