#pragma once
// The steps grid focused and driven by real key and mouse events, for the
// data grid's keyboard and mouse tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "dbgrid/engine/inplaceedit.h"
#include "platform/ui/keys.h"
#include "tests/dbgrid/core/dbgridtesting.h"

struct TInputStepsGrid : TStepsGrid {
    explicit TInputStepsGrid(int Rows = 5, int Width = 300, int Height = 200) : TStepsGrid(Rows, Width, Height)
    {
        Grid->SetFocus();
        EXPECT_TRUE(WaitUntil([this] { return Grid->Focused(); }));
    }

    // The widget that has the keyboard: the grid or its editor.
    QWidget* KeyTarget() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget() : Grid->Widget();
    }
    void Key(unsigned VirtualKey, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
    {
        QTest::keyClick(KeyTarget(), static_cast<Qt::Key>(QtKeyOf(VirtualKey)), Modifiers);
    }
    void Type(const char* Text) { QTest::keyClicks(KeyTarget(), QString::fromUtf8(Text)); }

    // The centre of a grid cell (raw column, grid row).
    QPoint Centre(int Col, int Row) const
    {
        const TRect r = Grid->CellBounds(Col, Row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // The right edge of a column in the title row.
    QPoint TitleBorder(int Col) const
    {
        const TRect r = Grid->CellBounds(Col, 0);
        return {r.Right, (r.Top + r.Bottom) / 2};
    }
    void Click(QPoint At, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(Grid->Widget(), Qt::LeftButton, Modifiers, At);
    }

    // The value of the current record's FNAME.
    std::string CurrentName() const { return Name->AsString(); }
};
