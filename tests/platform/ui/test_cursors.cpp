// Cursors of the program's own: registered under numbers above zero, shown
// by a control whose Cursor is that number.
#include <gtest/gtest.h>

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "controltesting.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/stdctrls.h"

TEST(ProgramCursors, AControlShowsTheShapeRegisteredUnderItsCursorNumber)
{
    TestApplication();
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    RegisterCursor(7, QCursor(picture, 3, 4));

    panel->SetCursor(7);
    QWidget* widget = panel->Widget();
    EXPECT_EQ(widget->cursor().pixmap().toImage(), picture.toImage());
    EXPECT_EQ(widget->cursor().hotSpot(), QPoint(3, 4));
    // A control made after the cursor was set shows it too.
    auto* later = new TPanel(&form);
    later->SetCursor(7);
    later->SetParent(&form);
    EXPECT_EQ(later->Widget()->cursor().hotSpot(), QPoint(3, 4));

    panel->SetCursor(crHSplit);
    EXPECT_EQ(widget->cursor().shape(), Qt::SplitHCursor);
    UnregisterCursor(7);
    panel->SetCursor(7);
    EXPECT_EQ(widget->cursor().shape(), Qt::ArrowCursor);

    EXPECT_THROW(RegisterCursor(crHSplit, QCursor(picture)), Exception);
    EXPECT_THROW(RegisterCursor(crDefault, QCursor(picture)), Exception);
}
