#include "app/programmeread.h"

TProgramme ReadProgramme(TDM& Module)
{
    TProgramme programme;
    TClientDataSet& rows = *Module.cdsProgramm;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        TProgrammeRow row{};
        row.Number = rows.RecNo();
        row.Scheme = Module.cdsProgrammFSCHEME->AsInteger();
        row.Count = Module.cdsProgrammFCOUNT->AsInteger();
        // The schemes table leads its nested steps table to the scheme found.
        Module.cdsSchemes->First();
        row.SchemeFound = Module.cdsSchemes->Locate("FSCHEME", row.Scheme, TLocateOptions{loCaseInsensitive});
        if (row.SchemeFound) {
            row.SchemeName = Module.cdsSchemesFNAME->AsString();
            row.Steps = ReadSchemeSteps(Module);
        }
        programme.push_back(std::move(row));
    }
    return programme;
}

std::vector<TTimeRow> ReadTimeTable(TDM& Module)
{
    std::vector<TTimeRow> table;
    TClientDataSet& rows = *Module.cdsTime;
    for (rows.First(); !rows.Eof(); rows.Next())
        table.push_back({Module.cdsTimeFONHOUR->AsInteger(), Module.cdsTimeFONMINUTE->AsInteger(),
                         Module.cdsTimeFTOHOUR->AsInteger(), Module.cdsTimeFTOMINUTE->AsInteger()});
    return table;
}

std::vector<TProgrammeStep> ReadSchemeSteps(TDM& Module)
{
    std::vector<TProgrammeStep> steps;
    TClientDataSet& rows = *Module.cdsLighting;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        uint16_t mask = 0;
        for (int channel = 1; channel <= 16; ++channel)
            if (Module.ChannelField(channel)->AsString() == "1")
                mask |= static_cast<uint16_t>(1u << (channel - 1));
        steps.push_back({rows.RecNo(), Module.cdsLightingFDELAY->AsInteger(), mask});
    }
    return steps;
}
