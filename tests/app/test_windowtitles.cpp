// The windows' titles as the window manager reads them from the X server:
// each window's own caption, nothing added.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "tests/app/programmingtesting.h"
#include "tests/app/xserverview.h"
#include "tests/support/ptypeer.h"

namespace {

std::string TitleOnTheServer(QWidget& Window)
{
    return TXServerView().Title(static_cast<unsigned long>(Window.winId()));
}

TEST_F(ProgramTest, TheMainWindowAndItsMessageBoxesAreTitledByTheirCaptions)
{
    QApplication::processEvents();
    EXPECT_EQ(TitleOnTheServer(*frmMain->Widget()), "Kalvor Lighting — программирование световых контроллеров");

    // The close question on the screen, not answered by the test.
    TApplication::SetMessageBoxHook(nullptr);
    AddPendingTimeRow();
    std::string boxTitle;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible()) {
            look.stop();
            boxTitle = TitleOnTheServer(*box);
            box->reject();
        }
    });
    look.start(10);
    frmMain->Close();
    EXPECT_EQ(boxTitle, "  Lighting");
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(ProgrammingTest, TheProgrammingWindowIsTitledByItsCaption)
{
    TPtyPeer port;
    SetPorts({port.SlavePath()});
    std::string title;
    EXPECT_TRUE(RunCommand([&](TfrmProgramm& window) { title = TitleOnTheServer(*window.Widget()); }));
    EXPECT_EQ(title, " Программирование");
}

} // namespace
