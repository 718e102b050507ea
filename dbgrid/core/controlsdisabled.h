#pragma once
// Keeps a dataset's controls disabled for the life of a scope, so that a
// walk over the records repaints nothing until it is done.
#include "platform/data/dataset.h"

class TControlsDisabled {
public:
    explicit TControlsDisabled(TDataSet* DataSet) : FDataSet(DataSet) { FDataSet->DisableControls(); }
    TControlsDisabled(const TControlsDisabled&) = delete;
    TControlsDisabled& operator=(const TControlsDisabled&) = delete;
    ~TControlsDisabled() { FDataSet->EnableControls(); }

private:
    TDataSet* FDataSet;
};
