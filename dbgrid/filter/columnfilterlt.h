#pragma once
// A column's filter: the text the operator typed into the column's filter
// cell, the filter parsed from it, and where a chosen value's key comes
// from (a list data source, or the column's lookup field).
#include <memory>
#include <string>

#include "dbgrid/filter/filterexpr.h"
#include "platform/rtl/persistent.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/variant.h"
#include "platform/ui/componentref.h"

class IMemTableDataFieldValueListLt;
class TColumnLt;
class TCustomDBGridLt;
class TDataSet;
class TDataSource;
class TDatasetFieldValueListLt;
class TField;

class TSTColumnFilterLt : public TPersistent {
    LT_CLASS(TSTColumnFilterLt)
public:
    explicit TSTColumnFilterLt(TColumnLt* Column);
    ~TSTColumnFilterLt() override;

    TColumnLt* Column() const { return FColumn; }

    // Published settings.
    const std::string& DataField() const { return FDataField; }
    void SetDataField(const std::string& Value) { FDataField = Value; }
    const std::string& KeyField() const { return FKeyField; }
    void SetKeyField(const std::string& Value) { FKeyField = Value; }
    const std::string& ListField() const { return FListField; }
    void SetListField(const std::string& Value) { FListField = Value; }
    TDataSource* ListSource() const;
    void SetListSource(TDataSource* Value);
    bool Visible() const { return FVisible; }
    // Reports a change of the column.
    void SetVisible(bool Value);

    // The text as typed. Setting it parses it (raising the parser's error
    // for a malformed text, the filter left as it was), repaints the grid
    // and refreshes the grid's filter editor when it shows this column.
    const std::string& FilterText() const { return FFilterText; }
    void SetFilterText(const std::string& Value);
    // The key of the value typed, when a key field applies; Null otherwise.
    const Variant& FilterKeys() const { return FFilterKeys; }
    // No filter: FilterKeys Null, FilterText empty.
    void Clear();
    const TSTFilterExpressionLt& ParsedExpression() const { return FExpression; }
    // The filter as the filter cell shows it; empty without one.
    virtual std::string DisplayFilterText() const;

    // A list can be dropped down: a list source is set, or the grid's
    // dataset gives the values of its fields.
    bool HasDropDown() const;
    // The field the filter applies to: DataField, a lookup column's key
    // fields, or the column's field.
    std::string TargetFieldName() const;
    // The list's key and shown fields, and its dataset: the settings, or
    // those of the column's lookup field.
    std::string FilterKeyField() const;
    std::string FilterListField() const;
    TDataSet* FilterListDataSet() const;
    // The filter's operands: FirstOperand is FilterKeys when a key field
    // applies.
    Variant FirstOperand() const;
    Variant SecondOperand() const { return FExpression.Operand2; }
    // The distinct values of ListField (or the column's field) in the list
    // source's dataset; nullptr unless the grid and that dataset are active.
    IMemTableDataFieldValueListLt* ValueList();

    // The size the operator last gave the drop-down list; 0 until then.
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int Value) { FDropDownWidth = Value; }
    int DropDownRows() const { return FDropDownRows; }
    void SetDropDownRows(int Value) { FDropDownRows = Value; }
    // The list source's shown values and keys, read when it opens.
    TStrings* ListValues() const { return FListValues.get(); }
    TStrings* ListKeys() const { return FListKeys.get(); }

    // Copies DataField, Visible, KeyField, ListField and ListSource.
    void Assign(const TPersistent* Source) override;

private:
    class TListLink;
    TCustomDBGridLt* Grid() const;
    TField* ColumnField() const;
    TField* LookupField() const;
    void ReadListValues();

    TColumnLt* FColumn;
    std::string FDataField;
    std::string FKeyField;
    std::string FListField;
    TComponentRef<TDataSource> FListSource;
    bool FVisible = true;
    TSTFilterExpressionLt FExpression;
    std::string FFilterText;
    Variant FFilterKeys = Variant::Null();
    int FDropDownWidth = 0;
    int FDropDownRows = 0;
    std::unique_ptr<TStringList> FListValues;
    std::unique_ptr<TStringList> FListKeys;
    std::unique_ptr<TListLink> FListLink;
    std::unique_ptr<TDatasetFieldValueListLt> FValueList;
};
