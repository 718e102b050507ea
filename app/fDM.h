#pragma once
// The data module: the connection, one query, provider, client table and
// data source for each of the four tables (the steps nested in the schemes),
// and the stored procedure that checks the time table. Everything about it
// stands in its stored description.
#include <string>

#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "platform/data/provider.h"
#include "platform/rtl/datamodule.h"
#include "platform/sql/sqlconnection.h"
#include "platform/sql/sqlquery.h"
#include "platform/sql/sqlstoredproc.h"

class TDM : public TDataModule {
    LT_CLASS(TDM)
public:
    explicit TDM(TComponent* AOwner);
    ~TDM() override;

    TSQLConnection* conLighting;
    TSQLQuery* qrySchemes;
    TDataSetProvider* dspSchemes;
    TClientDataSet* cdsSchemes;
    TSmallintField* cdsSchemesFSCHEME;
    TStringField* cdsSchemesFNAME;
    TDataSetField* cdsSchemesqryLighting;
    TAggregateField* cdsSchemesFMAXID;
    TDataSource* dsSchemes;
    TDataSource* dsSchemesLink;
    TSQLQuery* qryLighting;
    TClientDataSet* cdsLighting;
    TIntegerField* cdsLightingFID;
    TSmallintField* cdsLightingFSCHEME;
    TIntegerField* cdsLightingFDELAY;
    TAggregateField* cdsLightingFMAXID;
    TDataSource* dsLighting;
    TSQLQuery* qryProgramm;
    TDataSetProvider* dspProgramm;
    TClientDataSet* cdsProgramm;
    TSmallintField* cdsProgrammFID;
    TSmallintField* cdsProgrammFSCHEME;
    TSmallintField* cdsProgrammFCOUNT;
    TStringField* cdsProgrammFSCHEMENAME;
    TAggregateField* cdsProgrammFMAXID;
    TDataSource* dsProgramm;
    TSQLQuery* qryTime;
    TDataSetProvider* dspTime;
    TClientDataSet* cdsTime;
    TIntegerField* cdsTimeFID;
    TSmallintField* cdsTimeFONHOUR;
    TSmallintField* cdsTimeFONMINUTE;
    TSmallintField* cdsTimeFTOHOUR;
    TSmallintField* cdsTimeFTOMINUTE;
    TAggregateField* cdsTimeFMaxID;
    TDataSource* dsTime;
    TSQLStoredProc* sprTestTime;

    // The channel state field of channel 1..16 of the steps table.
    TField* ChannelField(int Channel) const;
    // Switches every channel of the current step off ("0").
    void SetChannelsOff();
    // Points the connection at a database file (or "host:path").
    void SetDatabase(const std::string& Path);
    // Writes the pending changes of all tables in one transaction, whatever
    // order they were made in (programme rows go after the schemes they
    // play, and before the schemes they no longer play are deleted).
    void ApplyAllUpdates();

private:
    template <class T>
    T* Bind(const char* name);
};

// The single data module, set while it exists.
extern TDM* DM;

// "lighting.gdb" in the executable's folder, or the path in the environment
// variable LIGHTING_DATABASE when it is set.
std::string DefaultDatabasePath();
