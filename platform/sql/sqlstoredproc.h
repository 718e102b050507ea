#pragma once
// A stored procedure run with EXECUTE PROCEDURE: input parameters are sent
// in their order, output parameters are read back by name.
#include <string>

#include "platform/data/params.h"
#include "platform/rtl/component.h"
#include "platform/sql/sqlconnection.h"

class TSQLStoredProc : public TComponent {
    LT_CLASS(TSQLStoredProc)
public:
    explicit TSQLStoredProc(TComponent* AOwner);

    TSQLConnection* SQLConnection() const { return FConnection; }
    void SetSQLConnection(TSQLConnection* Value);
    const std::string& StoredProcName() const { return FStoredProcName; }
    void SetStoredProcName(const std::string& Value) { FStoredProcName = Value; }
    TParams* Params() const { return &FParams; }
    TParam* ParamByName(const std::string& Name) const { return FParams.ParamByName(Name); }

    // Runs the procedure in a transaction of its own and fills the output
    // parameters (adding those the description does not list).
    void ExecProc();

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TSQLConnection* FConnection = nullptr;
    std::string FStoredProcName;
    mutable TParams FParams;
};
