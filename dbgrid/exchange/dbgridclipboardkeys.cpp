// The data grid's clipboard and selection commands: copy, cut, paste,
// select all and delete of the selection, from their keys and from the
// standard edit actions, each allowed by EditActions.
#include <optional>

#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/exchange/gridclipboard.h"
#include "platform/data/dataset.h"
#include "platform/ui/clipbrd.h"
#include "platform/ui/keys.h"
#include "platform/ui/stdactns.h"

namespace {
// The grid's command for a standard edit action.
std::optional<TDBGridLtEditAction> EditCommandOf(const TBasicAction* Action)
{
    if (dynamic_cast<const TEditCopy*>(Action))
        return geaCopyLt;
    if (dynamic_cast<const TEditCut*>(Action))
        return geaCutLt;
    if (dynamic_cast<const TEditPaste*>(Action))
        return geaPasteLt;
    if (dynamic_cast<const TEditSelectAll*>(Action))
        return geaSelectAllLt;
    if (dynamic_cast<const TEditDelete*>(Action))
        return geaDeleteLt;
    return std::nullopt;
}
} // namespace

bool TCustomDBGridLt::SelectionCanBeDeleted() const
{
    if (!CanModifyDataSet() || FDataLink->DataSet()->IsEmpty())
        return false;
    switch (Selection()->SelectionType()) {
    case gstRecordBookmarks:
    case gstAll: return FAllowedOperations.Contains(alopDeleteLt);
    case gstRectangle:
    case gstColumns: return FAllowedOperations.Contains(alopUpdateLt);
    default: return false;
    }
}

bool TCustomDBGridLt::CanPasteFromClipboard() const
{
    if (!CanModifyDataSet())
        return false;
    const TClipboard& clipboard = *Clipboard();
    if (!clipboard.HasFormat(VCLDBIFClipboardFormat()) && !clipboard.HasFormat(CF_TEXT))
        return false;
    return FAllowedOperations.Contains(alopUpdateLt) || FDataLink->DataSet()->State() == dsInsert;
}

bool TCustomDBGridLt::EditActionAllowed(TDBGridLtEditAction Action) const
{
    if (!FEditActions.Contains(Action) || !DataLinkReady())
        return false;
    switch (Action) {
    case geaCopyLt: return Selection()->SelectionType() != gstNon;
    case geaCutLt:
    case geaDeleteLt: return SelectionCanBeDeleted();
    case geaPasteLt: return CanPasteFromClipboard();
    case geaSelectAllLt: return !FDataLink->DataSet()->IsEmpty() && FAllowedSelections.Contains(gstAll);
    }
    return false;
}

bool TCustomDBGridLt::RunEditAction(TDBGridLtEditAction Action)
{
    if (!EditActionAllowed(Action))
        return false;
    switch (Action) {
    case geaCopyLt: CopyGridToClipboard(this, false); break;
    case geaCutLt: CutGridToClipboard(this, false); break;
    case geaPasteLt: PasteGridFromClipboard(this, false); break;
    case geaDeleteLt: ClearGridSelection(this, false); break;
    case geaSelectAllLt: Selection()->SelectAll(); break;
    }
    return true;
}

bool TCustomDBGridLt::ClipboardKeyDown(unsigned Key, TShiftState Modifiers)
{
    if (Modifiers.Contains(ssAlt))
        return false;
    const bool ctrl = Modifiers.Contains(ssCtrl), shift = Modifiers.Contains(ssShift);
    if (ctrl && (Key == 'C' || Key == VK_INSERT)) {
        RunEditAction(geaCopyLt);
        return true;
    }
    if ((ctrl && Key == 'X') || (!ctrl && shift && Key == VK_DELETE)) {
        RunEditAction(geaCutLt);
        return true;
    }
    if ((ctrl && Key == 'V') || (!ctrl && shift && Key == VK_INSERT)) {
        RunEditAction(geaPasteLt);
        return true;
    }
    // With a selection Ctrl+Delete belongs to the selection alone: a
    // selection that may not be cleared leaves the current record alone
    // too.
    if (ctrl && !shift && Key == VK_DELETE && FEditActions.Contains(geaDeleteLt) &&
        Selection()->SelectionType() != gstNon) {
        RunEditAction(geaDeleteLt);
        return true;
    }
    return false;
}

bool TCustomDBGridLt::ExecuteAction(TBasicAction* Action)
{
    if (TDataSet* dataSet = FDataLink->DataSet(); dataSet && Action->HandlesTarget(dataSet)) {
        Action->ExecuteTarget(dataSet);
        return true;
    }
    const std::optional<TDBGridLtEditAction> command = EditCommandOf(Action);
    if (command && Focused() && RunEditAction(*command))
        return true;
    return TCustomGridLt::ExecuteAction(Action);
}

bool TCustomDBGridLt::UpdateAction(TBasicAction* Action)
{
    if (TDataSet* dataSet = FDataLink->DataSet(); dataSet && Action->HandlesTarget(dataSet)) {
        Action->UpdateTarget(dataSet);
        return true;
    }
    const std::optional<TDBGridLtEditAction> command = EditCommandOf(Action);
    auto* custom = dynamic_cast<TCustomAction*>(Action);
    if (command && custom && Focused() && FEditActions.Contains(*command)) {
        custom->SetEnabled(EditActionAllowed(*command));
        return true;
    }
    return TCustomGridLt::UpdateAction(Action);
}
