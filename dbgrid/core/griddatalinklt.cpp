// The data grid's link: notifications passed to the grid, the pending-edit
// flag and the field map.
#include "dbgrid/core/griddatalinklt.h"

#include <algorithm>

#include "dbgrid/core/dbgridlt.h"
#include "platform/data/field.h"

TGridDataLinkLt::~TGridDataLinkLt()
{
    ClearFieldMap();
}

int TGridDataLinkLt::GrownMapCapacity(int Capacity, int Count)
{
    int64_t grown = Capacity == 0 ? 8 : int64_t{Capacity} * 2;
    grown = std::max<int64_t>(grown, int64_t{Count} + 1);
    return static_cast<int>(std::min<int64_t>(grown, kMaxMapCount));
}

bool TGridDataLinkLt::MapField(const std::string& FieldName)
{
    if (MapCount() >= kMaxMapCount)
        throw EInvalidGridOperationLt("Grid requested to display more than 256 columns");
    TDataSet* dataSet = DataSet();
    TField* field = FLenientMap ? dataSet->FindField(FieldName) : dataSet->FieldByName(FieldName);
    if (MapCount() == MapCapacity())
        FFieldMap.reserve(static_cast<std::size_t>(GrownMapCapacity(MapCapacity(), MapCount())));
    if (field) {
        FFieldMap.push_back(field->Index());
        FGrid->FreeNotification(field);
    } else {
        FFieldMap.push_back(-1);
    }
    return true;
}

void TGridDataLinkLt::ClearFieldMap()
{
    FFieldMap.clear();
    FFieldMap.shrink_to_fit();
}

TField* TGridDataLinkLt::MappedField(int Index) const
{
    TDataSet* dataSet = DataSet();
    if (!dataSet || Index < 0 || Index >= MapCount())
        return nullptr;
    const int fieldIndex = FFieldMap[static_cast<std::size_t>(Index)];
    return fieldIndex < 0 || fieldIndex >= dataSet->FieldCount() ? nullptr : dataSet->Fields(fieldIndex);
}

bool TGridDataLinkLt::UsesDefaultFields() const
{
    TDataSet* dataSet = DataSet();
    if (!dataSet)
        return true;
    if (FLenientMap && std::find(FFieldMap.begin(), FFieldMap.end(), -1) != FFieldMap.end())
        return false;
    return dataSet->DefaultFields();
}

void TGridDataLinkLt::Reset()
{
    if (FCellModified)
        RecordChanged(nullptr);
    else if (TDataSet* dataSet = DataSet())
        dataSet->Cancel();
}

void TGridDataLinkLt::ActiveChanged()
{
    FGrid->LinkActive(Active());
    FCellModified = false;
}

void TGridDataLinkLt::DataEvent(TDataEvent Event, intptr_t Info)
{
    TDataLink::DataEvent(Event, Info);
    if (Event == deDisabledStateChange)
        FGrid->Columns()->DropBoundFields();
}

void TGridDataLinkLt::DataSetChanged()
{
    FGrid->DataChanged();
    FCellModified = false;
}

void TGridDataLinkLt::DataSetScrolled(int Distance)
{
    FGrid->Scroll(Distance);
}

void TGridDataLinkLt::LayoutChanged()
{
    const bool saved = FGrid->FLayoutFromLink;
    FGrid->FLayoutFromLink = true;
    try {
        FGrid->LayoutChanged();
    } catch (...) {
        FGrid->FLayoutFromLink = saved;
        throw;
    }
    FGrid->FLayoutFromLink = saved;
    TDataLink::LayoutChanged();
}

void TGridDataLinkLt::FocusControl(TField** Field)
{
    if (!Field || !*Field)
        return;
    FGrid->SetSelectedField(*Field);
    if (FGrid->SelectedField() == *Field && FGrid->CanFocus()) {
        *Field = nullptr;
        FGrid->ShowEditor();
    }
}

void TGridDataLinkLt::EditingChanged()
{
    FGrid->EditingChanged();
}

void TGridDataLinkLt::RecordChanged(TField* Field)
{
    FGrid->RecordChanged(Field);
    FCellModified = false;
}

void TGridDataLinkLt::UpdateData()
{
    if (FInUpdateData)
        return;
    FInUpdateData = true;
    try {
        if (FCellModified)
            FGrid->UpdateData();
    } catch (...) {
        FInUpdateData = false;
        throw;
    }
    FInUpdateData = false;
    FCellModified = false;
}
