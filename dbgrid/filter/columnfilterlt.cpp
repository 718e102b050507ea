// A column's filter: parsing the typed text, finding the key of a listed
// value, the shown text, the list's fields and values, and the published
// record.
#include "dbgrid/filter/columnfilterlt.h"

#include "dbcontrols/fieldvaluelistlt.h"
#include "dbcontrols/ltinterfaces.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/controlsdisabled.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/fieldkinds.h"
#include "dbgrid/filter/filterexprtext.h"
#include "platform/data/datasource.h"
#include "platform/rtl/classbuilder.h"

// Reads the list source's values and keys each time it opens.
class TSTColumnFilterLt::TListLink : public TDataLink {
public:
    explicit TListLink(TSTColumnFilterLt* Filter) : FFilter(Filter) {}

protected:
    void ActiveChanged() override
    {
        if (Active())
            FFilter->ReadListValues();
    }

private:
    TSTColumnFilterLt* FFilter;
};

LT_IMPLEMENT_CLASS(TSTColumnFilterLt, TPersistent)
{
    using F = TSTColumnFilterLt;
    P.Property("DataField", &F::DataField, &F::SetDataField);
    P.Property("KeyField", &F::KeyField, &F::SetKeyField);
    P.Property("ListField", &F::ListField, &F::SetListField);
    P.Property("ListSource", &F::ListSource, &F::SetListSource);
    P.Property("Visible", &F::Visible, &F::SetVisible).Default(1);
}

namespace {
uint8_t ExpressionTypeOf(const TField* Field)
{
    if (!Field)
        return fetOtherLt;
    const TFieldType type = Field->DataType();
    switch (type) {
    case ftString:
    case ftFixedChar:
    case ftWideString:
    case ftMemo:
    case ftFmtMemo:
        return fetStringLt;
    case ftAutoInc:
    case ftLargeint:
        return fetNumberLt;
    default:
        break;
    }
    if (IsNumericType(type))
        return fetNumberLt;
    return IsDateTimeType(type) ? fetDateTimeLt : fetOtherLt;
}
} // namespace

TSTColumnFilterLt::TSTColumnFilterLt(TColumnLt* Column)
    : FColumn(Column), FListValues(std::make_unique<TStringList>()), FListKeys(std::make_unique<TStringList>()),
      FListLink(std::make_unique<TListLink>(this))
{
    FListSource.SetOnFreed([this] { FValueList.reset(); });
}

TSTColumnFilterLt::~TSTColumnFilterLt()
{
    FListLink->SetDataSource(nullptr);
}

TCustomDBGridLt* TSTColumnFilterLt::Grid() const
{
    return FColumn ? FColumn->OwnerGrid() : nullptr;
}

TField* TSTColumnFilterLt::ColumnField() const
{
    return FColumn ? FColumn->BoundField() : nullptr;
}

TField* TSTColumnFilterLt::LookupField() const
{
    TField* field = ColumnField();
    return field && field->Lookup() ? field : nullptr;
}

TDataSource* TSTColumnFilterLt::ListSource() const
{
    return FListSource.Get();
}

void TSTColumnFilterLt::SetListSource(TDataSource* Value)
{
    if (Value == FListSource.Get())
        return;
    FValueList.reset();
    FListSource.Set(Value);
    FListLink->SetDataSource(Value);
}

void TSTColumnFilterLt::SetVisible(bool Value)
{
    if (FVisible == Value)
        return;
    FVisible = Value;
    if (FColumn)
        FColumn->ColumnChanged(false);
}

void TSTColumnFilterLt::SetFilterText(const std::string& Value)
{
    TSTFilterExpressionLt expression;
    const std::string keyField = FilterKeyField();
    TField* target = nullptr;
    if (TCustomDBGridLt* grid = Grid(); grid && grid->DataSource() && grid->DataSource()->DataSet())
        target = grid->DataSource()->DataSet()->FindField(TargetFieldName());
    // With a key field the text is a listed value, whatever the key's type.
    expression.ExpressionType = keyField.empty() ? ExpressionTypeOf(target ? target : ColumnField()) : fetStringLt;
    ParseFilterText(Value, expression);
    Variant keys = Variant::Null();
    if (!keyField.empty() && expression.Operator1 != foIsNullLt && expression.Operator1 != foIsNotNullLt) {
        const TDataSet* list = FilterListDataSet();
        if (!Value.empty() && list && list->Active())
            keys = list->Lookup(FilterListField(), Variant(Value), keyField);
        expression = TSTFilterExpressionLt();
        expression.ExpressionType = fetStringLt;
        if (!keys.IsNull()) {
            expression.Operator1 = foInLt;
            expression.Operand1 = Variant(Value);
        } else if (!Value.empty()) {
            expression.Operator1 = foIsNullLt;
        }
    }
    FExpression = expression;
    FFilterKeys = keys;
    FFilterText = Value;
    if (TCustomDBGridLt* grid = Grid())
        grid->FilterTextChanged(this);
}

void TSTColumnFilterLt::Clear()
{
    FFilterKeys = Variant::Null();
    SetFilterText(std::string());
}

std::string TSTColumnFilterLt::DisplayFilterText() const
{
    if (FExpression.Operator1 == foNoneLt)
        return {};
    if (ListSource() && !FFilterKeys.IsNull()) {
        if (!FFilterKeys.IsArray())
            return FFilterKeys.AsString();
        std::string text;
        for (int i = FFilterKeys.LowBound(); i <= FFilterKeys.HighBound(); ++i)
            text += (i > FFilterKeys.LowBound() ? "," : "") + FilterValueText(Variant(FFilterKeys[i].AsString()));
        return text;
    }
    return FilterExpressionText(FExpression);
}

bool TSTColumnFilterLt::HasDropDown() const
{
    if (ListSource())
        return true;
    const TCustomDBGridLt* grid = Grid();
    TDataSet* dataSet = grid && grid->DataSource() ? grid->DataSource()->DataSet() : nullptr;
    return Supports<IMemTableLt>(dataSet) != nullptr;
}

std::string TSTColumnFilterLt::TargetFieldName() const
{
    if (!FDataField.empty())
        return FDataField;
    if (const TField* lookup = LookupField())
        return lookup->KeyFields();
    return FColumn ? FColumn->FieldName() : std::string();
}

std::string TSTColumnFilterLt::FilterKeyField() const
{
    if (!FKeyField.empty())
        return FKeyField;
    const TField* lookup = LookupField();
    return lookup ? lookup->LookupKeyFields() : std::string();
}

std::string TSTColumnFilterLt::FilterListField() const
{
    if (!FListField.empty())
        return FListField;
    const TField* lookup = LookupField();
    return lookup ? lookup->LookupResultField() : std::string();
}

TDataSet* TSTColumnFilterLt::FilterListDataSet() const
{
    if (ListSource())
        return ListSource()->DataSet();
    const TField* lookup = LookupField();
    return lookup ? lookup->LookupDataSet() : nullptr;
}

Variant TSTColumnFilterLt::FirstOperand() const
{
    return FilterKeyField().empty() ? FExpression.Operand1 : FFilterKeys;
}

IMemTableDataFieldValueListLt* TSTColumnFilterLt::ValueList()
{
    const TCustomDBGridLt* grid = Grid();
    TDataSet* list = ListSource() ? ListSource()->DataSet() : nullptr;
    if (!grid || !grid->DataLinkActive() || !list || !list->Active())
        return nullptr;
    if (!FValueList)
        FValueList = std::make_unique<TDatasetFieldValueListLt>();
    FValueList->BindDataSet(list);
    FValueList->BindField(FListField.empty() && FColumn ? FColumn->FieldName() : FListField);
    return FValueList.get();
}

void TSTColumnFilterLt::ReadListValues()
{
    TDataSet* list = FListLink->DataSet();
    if (!list || FListField.empty() || FKeyField.empty())
        return;
    const TField* shown = list->FieldByName(FListField);
    const TField* key = list->FieldByName(FKeyField);
    TControlsDisabled disabled(list);
    for (list->First(); !list->Eof(); list->Next()) {
        FListValues->Add(shown->Text());
        FListKeys->Add(key->Text());
    }
    list->First();
}

void TSTColumnFilterLt::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TSTColumnFilterLt*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    FDataField = source->FDataField;
    SetVisible(source->FVisible);
    FKeyField = source->FKeyField;
    FListField = source->FListField;
    SetListSource(source->ListSource());
}
