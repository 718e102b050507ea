#pragma once
// The columns of the lookup grid: each adds the cell it shows in the grid's
// special row, whose text, colour and font follow the special row until
// they are set for the column.
#include <memory>
#include <string>

#include "dbgrid/core/columndefvalueslt.h"
#include "dbgrid/core/columnlt.h"

class TDBLookupGridColumnLt;
class TDBLookupGridLt;
class TSpecRowLt;

class TGridColumnSpecCellLt : public TPersistent {
    LT_CLASS(TGridColumnSpecCellLt)
public:
    explicit TGridColumnSpecCellLt(TDBLookupGridColumnLt* Column);
    ~TGridColumnSpecCellLt() override;

    TDBLookupGridColumnLt* Column() const { return FColumn; }
    // The special row's cell of the column's index until set.
    std::string Text() const;
    void SetText(const std::string& Value);
    // The special row's colour until set.
    TColor Color() const;
    void SetColor(TColor Value);
    // A copy of the special row's font until set.
    TFont* Font() const;
    void SetFont(const TFont* Value) { FFont->Assign(Value); }

    bool TextAssigned() const { return FTextAssigned; }
    bool ColorAssigned() const { return FColorAssigned; }
    bool FontAssigned() const { return FFontAssigned; }

    // Text and colour; the font only when the source's font was set.
    void Assign(const TPersistent* Source) override;
    TPersistent* GetOwner() const override;

private:
    TSpecRowLt* SpecRow() const;
    void Changed();

    TDBLookupGridColumnLt* FColumn;
    std::string FText;
    bool FTextAssigned = false;
    TColor FColor = clWindow;
    bool FColorAssigned = false;
    std::unique_ptr<TFont> FFont;
    bool FFontAssigned = false;
    mutable bool FFontSyncing = false;
};

// It publishes the data grid column's settings and its special-row cell.
class TDBLookupGridColumnLt : public TDBGridColumnLt {
    LT_CLASS(TDBLookupGridColumnLt)
public:
    explicit TDBLookupGridColumnLt(TCollection* Collection);
    ~TDBLookupGridColumnLt() override;

    TDBLookupGridLt* LookupGrid() const;
    TGridColumnSpecCellLt* SpecCell() const { return FSpecCell.get(); }
    void SetSpecCell(const TGridColumnSpecCellLt* Value) { FSpecCell->Assign(Value); }

    void Assign(const TPersistent* Source) override;

private:
    std::unique_ptr<TGridColumnSpecCellLt> FSpecCell;
};

// The lookup grid's column defaults (EndEllipsis, Title, ToolTips).
class TDBLookupGridColumnDefValuesLt : public TDBGridLtColumnDefValuesLt {
    LT_CLASS(TDBLookupGridColumnDefValuesLt)
public:
    using TDBGridLtColumnDefValuesLt::TDBGridLtColumnDefValuesLt;
};
