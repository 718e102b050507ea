#include "tests/app/dependentedits.h"

#include <algorithm>
#include <stdexcept>

namespace {

void AppendStep(TDM& dm, int fid, int delay)
{
    dm.cdsLighting->Append();
    dm.cdsLightingFID->SetAsInteger(fid);
    dm.cdsLightingFDELAY->SetAsInteger(delay);
    for (int c = 1; c <= 16; ++c)
        dm.ChannelField(c)->SetAsString("0");
    dm.cdsLighting->Post();
}

void Find(TDataSet& table, const char* field, int value)
{
    if (!table.Locate(field, Variant(value), {}))
        throw std::runtime_error(table.Name() + ": no row with " + field + " " + std::to_string(value));
}

void AppendScheme(TDM& dm, int id, const std::string& name)
{
    dm.cdsSchemes->Append();
    dm.cdsSchemesFSCHEME->SetAsInteger(id);
    dm.cdsSchemesFNAME->SetAsString(name);
}

void AppendProgrammeRow(TDM& dm, int id, int scheme)
{
    dm.cdsProgramm->Append();
    dm.cdsProgrammFID->SetAsInteger(id);
    dm.cdsProgrammFSCHEME->SetAsInteger(scheme);
    dm.cdsProgrammFCOUNT->SetAsInteger(1);
    dm.cdsProgramm->Post();
}

} // namespace

void StoreTwoPlayedSchemes(TDM& dm)
{
    AppendScheme(dm, 1, "A");
    AppendStep(dm, 1, 10);
    AppendStep(dm, 2, 20);
    AppendScheme(dm, 2, "B");
    AppendStep(dm, 1, 30);
    dm.cdsSchemes->ApplyUpdates(-1);
    AppendProgrammeRow(dm, 1, 1);
    AppendProgrammeRow(dm, 2, 2);
    dm.cdsProgramm->ApplyUpdates(-1);
}

void DeleteBAfterItsProgrammeRow(TDM& dm)
{
    Find(*dm.cdsProgramm, "FID", 2);
    dm.cdsProgramm->Delete();
    Find(*dm.cdsSchemes, "FSCHEME", 2);
    dm.cdsSchemes->Delete();
    Find(*dm.cdsSchemes, "FSCHEME", 1);
    Find(*dm.cdsLighting, "FID", 2);
    dm.cdsLighting->Edit();
    dm.cdsLightingFDELAY->SetAsInteger(777);
    dm.cdsLighting->Post();
}

void AddCWithAProgrammeRow(TDM& dm, bool SchemeFirst)
{
    AppendScheme(dm, 3, "C");
    if (SchemeFirst)
        AppendStep(dm, 1, 40);
    AppendProgrammeRow(dm, 3, 3);
    if (!SchemeFirst)
        AppendStep(dm, 1, 40);   // posts the scheme first
}

TStoredTables ReadStoredTables(TDM& dm)
{
    TStoredTables stored;
    TSQLQuery& schemes = *dm.qrySchemes;
    schemes.Close();
    schemes.Open();
    for (schemes.First(); !schemes.Eof(); schemes.Next()) {
        std::string text = schemes.FieldByName("FSCHEME")->AsString() + ":" + schemes.FieldByName("FNAME")->AsString() + ":";
        TSQLQuery& steps = *dm.qryLighting;
        steps.Close();
        steps.Open();
        std::vector<std::pair<int, int>> delays;
        for (steps.First(); !steps.Eof(); steps.Next())
            delays.emplace_back(steps.FieldByName("FID")->AsInteger(), steps.FieldByName("FDELAY")->AsInteger());
        std::sort(delays.begin(), delays.end());
        for (std::size_t i = 0; i < delays.size(); ++i)
            text += (i ? "," : "") + std::to_string(delays[i].second);
        stored.Schemes.push_back(text);
    }
    std::sort(stored.Schemes.begin(), stored.Schemes.end());
    TSQLQuery& programme = *dm.qryProgramm;
    programme.Close();
    programme.Open();
    for (programme.First(); !programme.Eof(); programme.Next())
        stored.Programme.push_back(programme.FieldByName("FID")->AsString() + ":" +
                                   programme.FieldByName("FSCHEME")->AsString());
    std::sort(stored.Programme.begin(), stored.Programme.end());
    return stored;
}
