#pragma once
// The settings of a lookup column's drop-down box. Its columns, column
// defaults and options are those of the column's popup lookup grid, read and
// written there; the rest it keeps itself: how the list is placed and sized,
// whether its columns fit the width, a multi-level title, the list's data
// source and a special row of its own.
#include <memory>

#include "dbcontrols/dropdownboxlt.h"
#include "dbgrid/lookup/dblookupgridlt.h"
#include "platform/ui/componentref.h"

class TColumnLt;
class TDataSource;
class TDBGridColumnsLt;
class TDBGridLtColumnDefValuesLt;
class TSpecRowLt;

class TColumnDropDownBoxLt : public TDropDownBoxLt {
    LT_CLASS(TColumnDropDownBoxLt)
public:
    explicit TColumnDropDownBoxLt(TColumnLt* Column);
    ~TColumnDropDownBoxLt() override;

    TColumnLt* Column() const { return FColumn; }
    // The popup grid's columns: stored only when customized.
    TDBGridColumnsLt* Columns() const;
    void SetColumns(const TDBGridColumnsLt* Value);
    TDBGridLtColumnDefValuesLt* ColumnDefValues() const;
    TDBLookupGridLtOptions Options() const;
    void SetOptions(TDBLookupGridLtOptions Value);
    bool AutoFitColWidths() const { return FAutoFitColWidths; }
    void SetAutoFitColWidths(bool Value) { FAutoFitColWidths = Value; }
    // The list the box shows instead of the lookup field's dataset.
    TDataSource* ListSource() const { return FListSource.Get(); }
    void SetListSource(TDataSource* Value) { FListSource.Set(Value); }
    bool UseMultiTitle() const { return FUseMultiTitle; }
    void SetUseMultiTitle(bool Value) { FUseMultiTitle = Value; }
    bool ShowTitles() const { return FShowTitles; }
    void SetShowTitles(bool Value) { FShowTitles = Value; }
    TSpecRowLt* SpecRow() const { return FSpecRow.get(); }
    void SetSpecRow(const TSpecRowLt* Value);

    // The plain settings, AutoFitColWidths, ColumnDefValues, Options,
    // ListSource, UseMultiTitle, the special row, and the source's columns
    // when they are customized (else this box's columns are cleared).
    void Assign(const TPersistent* Source) override;
    TPersistent* GetOwner() const override;

private:
    TColumnLt* FColumn;
    bool FAutoFitColWidths = true;
    TComponentRef<TDataSource> FListSource;
    bool FUseMultiTitle = false;
    bool FShowTitles = false;
    std::unique_ptr<TSpecRowLt> FSpecRow;
};
