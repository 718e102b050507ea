// The data grid's side of its cell editor: the editor it makes, and the
// edit buttons a column paints in its cells.
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/editor/dbgridinplaceedit.h"

TInplaceEdit* TCustomDBGridLt::CreateEditor()
{
    return new TDBGridInplaceEdit(this);
}

// The edit buttons a column paints in every cell act at once: the editor
// opens on the cell, with its list dropped down for the default button; a
// button of the column's own is clicked.
void TCustomDBGridLt::PressPaintedEditButton(const TGridCoordLt& Cell, int X)
{
    const int dataCol = RawToDataColumn(Cell.X);
    if (Cell.X < FIndicatorOffset || dataCol >= FColumns->Count() || Cell != TGridCoordLt{Col(), Row()})
        return;
    const TColumnLt* column = FColumns->Items(dataCol);
    if (!column->AlwaysShowEditButton() || X < CellBounds(Cell.X, Cell.Y).Right - column->EditButtonsWidth())
        return;
    ShowEditor();
    auto* editor = dynamic_cast<TDBGridInplaceEdit*>(InplaceEditor());
    if (!editor || !editor->Visible())
        return;
    for (const TEditButtonControlRec& rec : editor->ButtonControls()) {
        TEditButtonControlLt* button = rec.EditButtonControl;
        const int left = editor->Left() + button->Left();
        if (button->Tag() > 0 && button->Visible() && X >= left && X < left + button->Width()) {
            button->Click();
            return;
        }
    }
    if (editor->ActiveList())
        editor->DropDown();
}
