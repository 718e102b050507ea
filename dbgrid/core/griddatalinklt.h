#pragma once
// The data grid's link to its dataset: it hands every notification to the
// grid, keeps whether the grid's current cell holds an edit not yet written
// to its field, and maps grid columns (by position) to dataset fields. Its
// buffer window is the window of records the grid shows.
#include <string>
#include <vector>

#include "platform/data/datasource.h"

class TCustomDBGridLt;
class TField;

class TGridDataLinkLt : public TDataLink {
public:
    // Entries the field map can hold.
    static constexpr int kMaxMapCount = 0x0FFFFFFF;

    explicit TGridDataLinkLt(TCustomDBGridLt* Grid) : FGrid(Grid) {}
    ~TGridDataLinkLt() override;

    TCustomDBGridLt* OwnerGrid() const { return FGrid; }
    // An unknown field name maps to no field instead of raising.
    bool LenientMap() const { return FLenientMap; }
    void SetLenientMap(bool Value) { FLenientMap = Value; }
    // The current cell holds an edit not yet written to its field.
    bool IsCellModified() const { return FCellModified; }
    void CellModified() { FCellModified = true; }

    // Appends the field of FieldName to the map.
    bool MapField(const std::string& FieldName);
    void ClearFieldMap();
    int MapCount() const { return static_cast<int>(FFieldMap.size()); }
    int MapCapacity() const { return static_cast<int>(FFieldMap.capacity()); }
    // The field of map entry Index; nullptr out of range or for no field.
    TField* MappedField(int Index) const;
    // The capacity after growing a full map of Capacity entries: 8 from
    // none, else twice as many, at least Count + 1, at most kMaxMapCount.
    static int GrownMapCapacity(int Capacity, int Count);
    bool UsesDefaultFields() const;

    // A pending cell edit is reloaded from the field; without one the
    // dataset's edit is cancelled.
    void Reset();

protected:
    void ActiveChanged() override;
    void DataSetChanged() override;
    void DataSetScrolled(int Distance) override;
    void LayoutChanged() override;
    void FocusControl(TField** Field) override;
    void EditingChanged() override;
    void RecordChanged(TField* Field) override;
    void UpdateData() override;

public:
    void DataEvent(TDataEvent Event, intptr_t Info) override;

private:
    TCustomDBGridLt* FGrid;
    std::vector<int> FFieldMap;
    bool FLenientMap = false;
    bool FCellModified = false;
    bool FInUpdateData = false;
};
