#include "platform/sql/sqlstoredproc.h"

#include "platform/data/dataset.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"

LT_IMPLEMENT_CLASS(TSQLStoredProc, TComponent)
{
    P.Property("Params", &TSQLStoredProc::Params);
    P.Property("SQLConnection", &TSQLStoredProc::SQLConnection, &TSQLStoredProc::SetSQLConnection);
    P.Property("StoredProcName", &TSQLStoredProc::StoredProcName, &TSQLStoredProc::SetStoredProcName);
}

TSQLStoredProc::TSQLStoredProc(TComponent* AOwner) : TComponent(AOwner), FParams(this) {}

void TSQLStoredProc::SetSQLConnection(TSQLConnection* Value)
{
    FConnection = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TSQLStoredProc::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FConnection)
        FConnection = nullptr;
}

void TSQLStoredProc::ExecProc()
{
    if (!FConnection)
        DatabaseError("Missing SQLConnection property", this);
    if (FStoredProcName.empty())
        DatabaseError("No stored procedure name", this);
    std::string sql = "execute procedure " + FStoredProcName;
    std::vector<Variant> inputs;
    for (int i = 0; i < FParams.Count(); ++i) {
        const TParam* param = FParams.Items(i);
        if (param->ParamType() == ptInput || param->ParamType() == ptInputOutput) {
            sql += inputs.empty() ? " ?" : ", ?";
            inputs.push_back(param->Value());
        }
    }
    TFbDatabase& db = FConnection->Database();
    TFbTransaction transaction(db);
    transaction.Start();
    TFbStatement statement(db, transaction);
    statement.Prepare(sql, FConnection->Dialect());
    for (std::size_t i = 0; i < inputs.size(); ++i)
        statement.SetParam(static_cast<int>(i), inputs[i]);
    statement.Execute();
    const std::vector<TFbColumn>& outputs = statement.Columns();
    std::vector<Variant> values;
    if (statement.Fetch())
        for (std::size_t c = 0; c < outputs.size(); ++c)
            values.push_back(statement.Value(static_cast<int>(c)));
    transaction.Commit();
    for (std::size_t c = 0; c < outputs.size() && c < values.size(); ++c) {
        TParam* param = FParams.FindParam(outputs[c].Name);
        if (!param) {
            param = FParams.AddParam();
            param->SetName(outputs[c].Name);
            param->SetParamType(ptOutput);
        }
        param->SetValue(values[c]);
    }
}
