#pragma once
// Reading what goes into the controller from the data module's client
// tables, pending changes included. Reading moves the tables' cursors as the
// programming always has: the programme to its end, the schemes to the last
// row's scheme.
#include <vector>

#include "app/fDM.h"
#include "app/programme.h"
#include "app/protocolframes.h"

TProgramme ReadProgramme(TDM& Module);
std::vector<TTimeRow> ReadTimeTable(TDM& Module);
// The steps of the current scheme in their order; the steps table ends on
// its last row.
std::vector<TProgrammeStep> ReadSchemeSteps(TDM& Module);
