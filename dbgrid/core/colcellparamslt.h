#pragma once
// The parameters of one painted cell that a column's OnGetCellParams may
// change; the grid reuses one object for every cell.
#include <memory>
#include <string>

#include "dbgrid/engine/gridtypes.h"
#include "platform/rtl/alignment.h"
#include "platform/ui/graphics.h"
#include "platform/ui/stdctrls.h"

class TColCellParamsLt {
public:
    TColCellParamsLt() : Font(std::make_unique<TFont>()) {}

    int Row = -1;
    int Col = -1;
    TGridDrawState State;
    std::unique_ptr<TFont> Font;
    TColor Background = clWindow;
    TAlignment Alignment = taLeftJustify;
    int ImageIndex = -1;
    std::string Text;
    TCheckBoxState CheckState = cbUnchecked;
    bool ReadOnly = false;
};
