#pragma once
// The lookup grid's link to the data source whose fields the key value is
// read from and written to.
#include "platform/data/datasource.h"

class TDBLookupGridLt;

class TLookupGridDataLinkLt : public TDataLink {
public:
    explicit TLookupGridDataLinkLt(TDBLookupGridLt* Grid) : FGrid(Grid) {}
    ~TLookupGridDataLinkLt() override;

    TDBLookupGridLt* LookupGrid() const { return FGrid; }

protected:
    void ActiveChanged() override;
    void LayoutChanged() override;
    void RecordChanged(TField* Field) override;
    void FocusControl(TField** Field) override;

private:
    TDBLookupGridLt* FGrid;
};
