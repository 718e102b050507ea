#include "tests/app/datamoduletesting.h"

#include "resources/resources.h"

void DataModuleTest::SetUp()
{
    InitLightingResources();
    Database = Dir.File("lighting.gdb");
    ASSERT_EQ(RunCreateDatabase(SourceFile("resources/lighting.sql"), Database), 0);
    OpenModule();
}

void DataModuleTest::TearDown()
{
    Module.reset();
}

void DataModuleTest::OpenModule()
{
    Module = std::make_unique<TDM>(nullptr);
    Module->SetDatabase(Database);
    Module->conLighting->Open();
    Module->cdsSchemes->Open();
    Module->cdsLighting->First();
    Module->cdsProgramm->Open();
    Module->cdsTime->Open();
}

void DataModuleTest::Reopen()
{
    Module.reset();
    OpenModule();
}

void DataModuleTest::SetChannels(const std::string& channels)
{
    for (int c = 1; c <= 16; ++c)
        Module->ChannelField(c)->SetAsString(std::string(1, channels[static_cast<std::size_t>(c - 1)]));
}

void DataModuleTest::AddScheme(int id, const std::string& name, const std::vector<std::pair<int, std::string>>& steps)
{
    TDM& dm = *Module;
    dm.cdsSchemes->Append();
    dm.cdsSchemesFSCHEME->SetAsInteger(id);
    dm.cdsSchemesFNAME->SetAsString(name);
    int fid = 1;
    for (const auto& [delay, channels] : steps) {
        dm.cdsLighting->Append();
        dm.cdsLightingFID->SetAsInteger(fid++);
        dm.cdsLightingFDELAY->SetAsInteger(delay);
        SetChannels(channels);
    }
    dm.cdsSchemes->CheckBrowseMode();
    dm.cdsLighting->CheckBrowseMode();
    dm.cdsSchemes->ApplyUpdates(-1);
}

std::vector<DataModuleTest::TStep> DataModuleTest::Steps() const
{
    std::vector<TStep> steps;
    TClientDataSet& cds = *Module->cdsLighting;
    for (cds.First(); !cds.Eof(); cds.Next()) {
        std::string channels;
        for (int c = 1; c <= 16; ++c)
            channels += Module->ChannelField(c)->AsString();
        steps.push_back({Module->cdsLightingFID->AsInteger(), Module->cdsLightingFDELAY->AsInteger(), channels});
    }
    return steps;
}
