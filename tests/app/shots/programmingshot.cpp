// Saves a picture of the programming window while it writes a programme into
// the controller emulator (scripts/screenshot-programming runs it under a
// virtual X server). The picture goes to $LIGHTING_SHOT, else programming.png.
#include "tests/app/programmingtesting.h"

#include <QPixmap>

namespace {

TEST_F(ProgrammingTest, PictureDuringATransfer)
{
    AddProgrammeOfTwoBlocks();
    TEmulatorBehaviour paced;
    paced.Paced = true;
    Emulator = std::make_unique<TControllerEmulator>(paced);
    SetPorts({Emulator->DevicePath()});
    const char* const target = std::getenv("LIGHTING_SHOT");
    const QString path = target && *target ? QString::fromUtf8(target) : QStringLiteral("programming.png");
    bool saved = false;
    RunCommand([&](TfrmProgramm& window) {
        Emulator->SetTimeTable(Hex("02 08 30 12 00 18 45 23 59 80 05 04 03 02 10 12 26"));
        QTest::mouseClick(window.btnRead->Widget(), Qt::LeftButton);
        ASSERT_TRUE(WaitFor([&] { return window.lstTime->Items()->Count() > 0; }));
        QTest::mouseClick(window.btnWrite->Widget(), Qt::LeftButton);
        ASSERT_TRUE(WaitFor([&] { return window.barProgress->Position() > 0; }));
        saved = window.Widget()->grab().save(path);
        ASSERT_TRUE(RunUntilMessage());
    });
    EXPECT_TRUE(saved) << path.toStdString();
    EXPECT_EQ(Messages(), std::vector<std::string>{kWritten});
}

} // namespace
