// TEMPORARY until the selection branch is merged.
#include "dbgrid/columnlt.h"
#include "dbgrid/dbgridlt.h"
bool TCustomDBGridLt::IsCellSelected(int) const { return false; }
bool TCustomDBGridLt::IsRowSelected() const { return false; }
bool TCustomDBGridLt::IsTitleSelected(int) const { return false; }
bool TCustomDBGridLt::SelectionEmpty() const { return true; }
std::string TCustomDBGridLt::FilterCellText(const TColumnLt*) const { return {}; }
bool TCustomDBGridLt::DrawFooterCellAt(int, int, const TRect& Rect, TGridDrawState, int, int) { Canvas()->Brush()->SetColor(FooterColor()); Canvas()->FillRect(Rect); return false; }
