#pragma once
// The steps grid with its filter row shown, and what the filter tests ask of
// it: keys for the focused control, the rows the table shows.
#include <QApplication>
#include <QTest>

#include <vector>

#include "dbgrid/filter/inplacefilteredit.h"
#include "platform/ui/keys.h"
#include "tests/dbgrid/core/dbgridtesting.h"

struct TFilterGrid : TStepsGrid {
    TFilterGrid() : TStepsGrid(6, 400, 240)
    {
        Grid->STFilter()->SetVisible(true);
        Grid->SetFocus();
        WaitUntil([this] { return Grid->Focused(); });
    }

    TInplaceFilterEditLt* Editor() const { return Grid->FilterEditor(); }

    void Key(unsigned VirtualKey, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : Grid->Widget();
        QTest::keyClick(target, static_cast<Qt::Key>(QtKeyOf(VirtualKey)), Modifiers);
    }

    // Opens the filter editor on the column and types Text into it.
    void Type(int ColumnIndex, const std::string& Text)
    {
        Grid->ShowFilterEditor(Column(ColumnIndex));
        Editor()->SetText(Text);
    }

    // The FID of every row the table shows; the cursor ends on the first.
    std::vector<int> Fids() const
    {
        std::vector<int> ids;
        for (Table->First(); !Table->Eof(); Table->Next())
            ids.push_back(Fid->AsInteger());
        Table->First();
        return ids;
    }
};
