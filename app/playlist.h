#pragma once
// What the preview plays: the programme as it stood when the preview was
// switched on, each entry with its repeat count and its scheme's steps.
#include <bitset>
#include <cstdint>
#include <vector>

#include "app/fDM.h"

struct TPlayRow {
    uint16_t Delay;        // milliseconds until the next row
    std::bitset<16> On;    // bit c-1: channel c lit
};

struct TPlayEntry {
    uint8_t Count;         // passes through the rows; 0 skips the entry
    std::vector<TPlayRow> Rows;
};

using TPlaylist = std::vector<TPlayEntry>;

// Reads the programme in its order. A row whose scheme is missing plays the
// scheme current at that moment (the previous row's, or for the first row
// the one chosen in the schemes grid). Without open tables the playlist is
// empty. The tables' controls stay disabled while it reads, and the
// programme, the schemes and the steps are back on their rows afterwards.
TPlaylist ReadPlaylist(TDM& Module);
