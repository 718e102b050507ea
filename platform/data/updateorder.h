#pragma once
// The order in which the change logs of several tables are written in one
// transaction. Each log keeps its own order (a row's key may move through
// several values); between the logs, a change goes first when it was made
// first, unless the rows one table refers to would be missing for it: a row
// that refers to a key waits until a row holds that key, and a key row
// leaves (deleted, or its key changed) only after no row refers to it.
#include <cstdint>
#include <vector>

#include "platform/data/provider.h"

// A change waiting to be written.
struct TPendingChange {
    TProviderChange Change;
    int Log;          // the log it comes from
    int64_t Stamp;    // when it was made: smaller is earlier
};

// Rows of one table that refer, by the From columns, to the row of another
// table whose To columns hold the same values.
struct TRowReference {
    const TPacketMeta* From;
    std::vector<int> FromColumns;
    const TPacketMeta* To;
    std::vector<int> ToColumns;
    // The rows of both tables as the database holds them before the changes.
    std::vector<std::vector<Variant>> StoredFrom;
    std::vector<std::vector<Variant>> StoredTo;
};

// The changes in the order to write them. Where no order keeps every
// reference whole, the earliest change goes next and the database decides.
std::vector<TProviderChange> OrderChanges(std::vector<TPendingChange> Changes,
                                          const std::vector<TRowReference>& References);
