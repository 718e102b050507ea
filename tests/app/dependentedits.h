#pragma once
// Edits of schemes and programme rows that depend on each other, made in the
// orders an operator may make them, for the tests of saving them.
#include <string>
#include <vector>

#include "app/fDM.h"

// Stores schemes 1 "A" (steps of 10 and 20 ms) and 2 "B" (one step of 30 ms)
// and programme rows 1 (plays A) and 2 (plays B).
void StoreTwoPlayedSchemes(TDM& dm);

// Deletes programme row 2, then scheme B, then sets step 2 of A to 777 ms.
void DeleteBAfterItsProgrammeRow(TDM& dm);

// Adds scheme 3 "C" (one step of 40 ms) and programme row 3 playing it. With
// SchemeFirst the scheme is posted first; otherwise the programme row is
// posted while the scheme is still being added, and the scheme after it.
void AddCWithAProgrammeRow(TDM& dm, bool SchemeFirst);

// What the database holds, read anew and sorted: "FSCHEME:FNAME:delay,..."
// per scheme (the delays in FID order), "FID:FSCHEME" per programme row.
struct TStoredTables {
    std::vector<std::string> Schemes;
    std::vector<std::string> Programme;
};
TStoredTables ReadStoredTables(TDM& dm);
