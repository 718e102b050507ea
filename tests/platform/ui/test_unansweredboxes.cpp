// The test support's answer to a message box no test answers: the running
// test fails with the box's text and goes on, also while a control holds
// the mouse.
#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QTest>

#include "controltesting.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/stdctrls.h"

TEST(UnansweredBoxes, AHandlerRaisingWhileTheMouseIsHeldFailsTheTest)
{
    TestApplication();
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 100, 50);
    panel->SetOnMouseDown([](TObject*, TMouseButton, TShiftState, int, int) { throw Exception("Pressed wrong"); });
    ShowForm(form, 120, 70);
    testing::TestPartResultArray failures;
    {
        const testing::ScopedFakeTestPartResultReporter reporter(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        QTest::mousePress(panel->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
    }
    EXPECT_EQ(GetCaptureControl(), panel) << "the mouse is still held";
    QTest::mouseRelease(panel->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.GetTestPartResult(0).nonfatally_failed());
    EXPECT_THAT(failures.GetTestPartResult(0).message(), testing::HasSubstr("Pressed wrong"));
}
