#include "app/fDM.h"

#include <cstdlib>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/resources.h"

TDM* DM = nullptr;

LT_IMPLEMENT_CLASS(TDM, TDataModule) {}

template <class T>
T* TDM::Bind(const char* name)
{
    return ComponentByName<T>(*this, name);
}

TDM::TDM(TComponent* AOwner) : TDataModule(AOwner)
{
    InitFromResource("fDM.dfm");
    conLighting = Bind<TSQLConnection>("conLighting");
    qrySchemes = Bind<TSQLQuery>("qrySchemes");
    dspSchemes = Bind<TDataSetProvider>("dspSchemes");
    cdsSchemes = Bind<TClientDataSet>("cdsSchemes");
    cdsSchemesFSCHEME = Bind<TSmallintField>("cdsSchemesFSCHEME");
    cdsSchemesFNAME = Bind<TStringField>("cdsSchemesFNAME");
    cdsSchemesqryLighting = Bind<TDataSetField>("cdsSchemesqryLighting");
    cdsSchemesFMAXID = Bind<TAggregateField>("cdsSchemesFMAXID");
    dsSchemes = Bind<TDataSource>("dsSchemes");
    dsSchemesLink = Bind<TDataSource>("dsSchemesLink");
    qryLighting = Bind<TSQLQuery>("qryLighting");
    cdsLighting = Bind<TClientDataSet>("cdsLighting");
    cdsLightingFID = Bind<TIntegerField>("cdsLightingFID");
    cdsLightingFSCHEME = Bind<TSmallintField>("cdsLightingFSCHEME");
    cdsLightingFDELAY = Bind<TIntegerField>("cdsLightingFDELAY");
    cdsLightingFMAXID = Bind<TAggregateField>("cdsLightingFMAXID");
    dsLighting = Bind<TDataSource>("dsLighting");
    qryProgramm = Bind<TSQLQuery>("qryProgramm");
    dspProgramm = Bind<TDataSetProvider>("dspProgramm");
    cdsProgramm = Bind<TClientDataSet>("cdsProgramm");
    cdsProgrammFID = Bind<TSmallintField>("cdsProgrammFID");
    cdsProgrammFSCHEME = Bind<TSmallintField>("cdsProgrammFSCHEME");
    cdsProgrammFCOUNT = Bind<TSmallintField>("cdsProgrammFCOUNT");
    cdsProgrammFSCHEMENAME = Bind<TStringField>("cdsProgrammFSCHEMENAME");
    cdsProgrammFMAXID = Bind<TAggregateField>("cdsProgrammFMAXID");
    dsProgramm = Bind<TDataSource>("dsProgramm");
    qryTime = Bind<TSQLQuery>("qryTime");
    dspTime = Bind<TDataSetProvider>("dspTime");
    cdsTime = Bind<TClientDataSet>("cdsTime");
    cdsTimeFID = Bind<TIntegerField>("cdsTimeFID");
    cdsTimeFONHOUR = Bind<TSmallintField>("cdsTimeFONHOUR");
    cdsTimeFONMINUTE = Bind<TSmallintField>("cdsTimeFONMINUTE");
    cdsTimeFTOHOUR = Bind<TSmallintField>("cdsTimeFTOHOUR");
    cdsTimeFTOMINUTE = Bind<TSmallintField>("cdsTimeFTOMINUTE");
    cdsTimeFMaxID = Bind<TAggregateField>("cdsTimeFMaxID");
    dsTime = Bind<TDataSource>("dsTime");
    sprTestTime = Bind<TSQLStoredProc>("sprTestTime");
    for (int channel = 1; channel <= 16; ++channel)
        ChannelField(channel);
    DM = this;
}

TDM::~TDM()
{
    if (DM == this)
        DM = nullptr;
}

TField* TDM::ChannelField(int Channel) const
{
    return cdsLighting->FieldByName("F" + std::to_string(Channel));
}

void TDM::SetChannelsOff()
{
    for (int channel = 1; channel <= 16; ++channel)
        ChannelField(channel)->SetAsString("0");
}

void TDM::SetDatabase(const std::string& Path)
{
    conLighting->Params()->SetValues("Database", Path);
}

void TDM::ApplyAllUpdates()
{
    TClientDataSet::ApplyUpdatesTogether({cdsSchemes, cdsProgramm, cdsTime});
}

std::string DefaultDatabasePath()
{
    // Tests and unusual set-ups point the program at another database.
    if (const char* path = std::getenv("LIGHTING_DATABASE"); path && *path)
        return path;
    return ExecutableFolder() + "/lighting.gdb";
}
