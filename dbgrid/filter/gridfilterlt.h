#pragma once
// The data grid's filter row settings: whether the row of filter cells
// shows under the titles, and a plain flag for the data service's handlers.
#include "platform/rtl/persistent.h"

class TCustomDBGridLt;

class TSTDBGridLtFilter : public TPersistent {
    LT_CLASS(TSTDBGridLtFilter)
public:
    explicit TSTDBGridLtFilter(TCustomDBGridLt* Grid) : FGrid(Grid) {}

    TCustomDBGridLt* Grid() const { return FGrid; }
    bool Local() const { return FLocal; }
    void SetLocal(bool Value) { FLocal = Value; }
    bool Visible() const { return FVisible; }
    // Hiding the row hides its editor; the grid lays out again.
    void SetVisible(bool Value);

    // While updates are under way the filter editor is not hidden.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate() { --FUpdateCount; }
    int UpdateCount() const { return FUpdateCount; }

    // Copies Visible and Local.
    void Assign(const TPersistent* Source) override;

private:
    TCustomDBGridLt* FGrid;
    bool FLocal = false;
    bool FVisible = false;
    int FUpdateCount = 0;
};
