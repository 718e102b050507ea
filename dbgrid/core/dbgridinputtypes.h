#pragma once
// What the data grid's keyboard and mouse publish: the clipboard and
// selection shortcuts it may act on, and the events its clicks raise.
#include <functional>

#include "platform/rtl/typeinfo.h"

class TBMListLt;
class TColumnLt;
class TObject;

// The edit shortcuts and standard edit actions the grid may act on.
enum TDBGridLtEditAction { geaCutLt, geaCopyLt, geaPasteLt, geaDeleteLt, geaSelectAllLt };
LT_ENUM_INFO(TDBGridLtEditAction, geaCutLt, geaCopyLt, geaPasteLt, geaDeleteLt, geaSelectAllLt)
using TDBGridLtEditActions = TSet<TDBGridLtEditAction>;

// A left click released on a title or a data cell.
using TDBGridLtClickEvent = std::function<void(TColumnLt* Column)>;
// A title button clicked; ACol is the data column.
using TTitleLtClickEvent = std::function<void(TObject* Sender, int ACol, TColumnLt* Column)>;
// Asked before a title acts as a button.
using TCheckTitleLtBtnEvent = std::function<void(TObject* Sender, int ACol, TColumnLt* Column, bool& Enabled)>;
// Moves the rows of BookmarkList to ToRecNo (CheckOnly: only tells whether
// a drop there is allowed); true when moved (or allowed).
using TGridMoveRecordsEventLt = std::function<bool(TObject* Sender, TBMListLt* BookmarkList, int ToRecNo,
                                                   int TreeLevel, bool CheckOnly)>;
