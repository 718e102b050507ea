#pragma once
// The programme as it goes into the controller: the programme rows in their
// order, each with its repeat count and the steps of its scheme.
#include <cstdint>
#include <string>
#include <vector>

struct TProgrammeStep {
    int Number;     // 1-based, in the scheme's order
    int Delay;      // milliseconds
    uint16_t Mask;  // bit c-1 set when channel c is on
};

struct TProgrammeRow {
    int Number;   // 1-based, in the programme's order
    int Scheme;   // the scheme's id
    bool SchemeFound;
    std::string SchemeName;
    int Count;    // how often the scheme plays
    std::vector<TProgrammeStep> Steps;
};

using TProgramme = std::vector<TProgrammeRow>;

// Why the controller cannot take the programme as it stands, or "" when it
// can: a programme with nothing to play, a row whose scheme is missing, a
// repeat count outside 1..255 (0 is the byte that ends the programme), a step
// delay outside 1..65535 ms (0 is the pair of bytes that ends a scheme).
std::string ProgrammeFault(const TProgramme& Programme);
