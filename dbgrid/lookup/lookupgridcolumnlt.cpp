// The lookup grid's columns and their special-row cells.
#include "dbgrid/lookup/lookupgridcolumnlt.h"

#include "dbcontrols/extravaluerow.h"
#include "dbgrid/core/fontfollow.h"
#include "dbgrid/lookup/dblookupgridlt.h"
#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TGridColumnSpecCellLt, TPersistent)
{
    using S = TGridColumnSpecCellLt;
    P.Property("Text", &S::Text, &S::SetText).StoredIf([](const TObject& o) {
        return static_cast<const S&>(o).TextAssigned();
    });
    P.Property("Color", &S::Color, &S::SetColor).Idents(ColorIdents()).StoredIf([](const TObject& o) {
        return static_cast<const S&>(o).ColorAssigned();
    });
    P.Property("Font", &S::Font, &S::SetFont).StoredIf([](const TObject& o) {
        return static_cast<const S&>(o).FontAssigned();
    });
}

LT_IMPLEMENT_CLASS(TDBLookupGridColumnLt, TDBGridColumnLt)
{
    P.Property("SpecCell", &TDBLookupGridColumnLt::SpecCell, &TDBLookupGridColumnLt::SetSpecCell);
}

LT_IMPLEMENT_CLASS(TDBLookupGridColumnDefValuesLt, TDBGridLtColumnDefValuesLt) {}

TGridColumnSpecCellLt::TGridColumnSpecCellLt(TDBLookupGridColumnLt* Column)
    : FColumn(Column), FFont(std::make_unique<TFont>())
{
    FFont->SetOnChange([this](TGraphicsObject*) {
        if (FFontSyncing)
            return;
        FFontAssigned = true;
        Changed();
    });
}

TGridColumnSpecCellLt::~TGridColumnSpecCellLt() = default;

TPersistent* TGridColumnSpecCellLt::GetOwner() const
{
    return FColumn;
}

TSpecRowLt* TGridColumnSpecCellLt::SpecRow() const
{
    const TDBLookupGridLt* grid = FColumn ? FColumn->LookupGrid() : nullptr;
    return grid ? grid->SpecRow() : nullptr;
}

std::string TGridColumnSpecCellLt::Text() const
{
    if (FTextAssigned)
        return FText;
    const TSpecRowLt* row = SpecRow();
    return row ? row->CellTextAt(FColumn->Index()) : std::string();
}

void TGridColumnSpecCellLt::SetText(const std::string& Value)
{
    FTextAssigned = true;
    if (FText == Value)
        return;
    FText = Value;
    Changed();
}

TColor TGridColumnSpecCellLt::Color() const
{
    if (FColorAssigned)
        return FColor;
    const TSpecRowLt* row = SpecRow();
    return row ? row->Color() : clWindow;
}

void TGridColumnSpecCellLt::SetColor(TColor Value)
{
    FColorAssigned = true;
    if (FColor == Value)
        return;
    FColor = Value;
    Changed();
}

TFont* TGridColumnSpecCellLt::Font() const
{
    if (!FFontAssigned)
        if (const TSpecRowLt* row = SpecRow())
            FollowFont(*FFont, *row->Font(), FFontSyncing);
    return FFont.get();
}

void TGridColumnSpecCellLt::Assign(const TPersistent* Source)
{
    const auto* cell = dynamic_cast<const TGridColumnSpecCellLt*>(Source);
    if (!cell) {
        TPersistent::Assign(Source);
        return;
    }
    SetText(cell->Text());
    SetColor(cell->Color());
    if (cell->FontAssigned())
        SetFont(cell->Font());
}

void TGridColumnSpecCellLt::Changed()
{
    if (FColumn)
        FColumn->ColumnChanged(false);
}

TDBLookupGridColumnLt::TDBLookupGridColumnLt(TCollection* Collection)
    : TDBGridColumnLt(Collection), FSpecCell(std::make_unique<TGridColumnSpecCellLt>(this))
{
}

TDBLookupGridColumnLt::~TDBLookupGridColumnLt() = default;

TDBLookupGridLt* TDBLookupGridColumnLt::LookupGrid() const
{
    return dynamic_cast<TDBLookupGridLt*>(OwnerGrid());
}

void TDBLookupGridColumnLt::Assign(const TPersistent* Source)
{
    TDBGridColumnLt::Assign(Source);
    if (const auto* column = dynamic_cast<const TDBLookupGridColumnLt*>(Source))
        FSpecCell->Assign(column->SpecCell());
}
