#include "platform/sql/sqlconnection.h"

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/strutils.h"

LT_IMPLEMENT_CLASS(TSQLConnection, TComponent)
{
    P.Property("ConnectionName", &TSQLConnection::ConnectionName, &TSQLConnection::SetConnectionName);
    P.Property("DriverName", &TSQLConnection::DriverName, &TSQLConnection::SetDriverName);
    P.Property("GetDriverFunc", &TSQLConnection::GetDriverFunc, &TSQLConnection::SetGetDriverFunc);
    P.Property("LibraryName", &TSQLConnection::LibraryName, &TSQLConnection::SetLibraryName);
    P.Property("LoginPrompt", &TSQLConnection::LoginPrompt, &TSQLConnection::SetLoginPrompt).Default(1);
    P.Property("Params", &TSQLConnection::Params);
    P.Property("VendorLib", &TSQLConnection::VendorLib, &TSQLConnection::SetVendorLib);
    P.Property("Connected", &TSQLConnection::Connected, &TSQLConnection::SetConnected).Default(0);
}

TSQLConnection::TSQLConnection(TComponent* AOwner) : TComponent(AOwner) {}

TSQLConnection::~TSQLConnection()
{
    CloseStatements();
}

void TSQLConnection::Loaded()
{
    TComponent::Loaded();
    if (FConnectPending) {
        FConnectPending = false;
        Open();
    }
}

TFbDatabase& TSQLConnection::Database()
{
    if (!Connected())
        Open();
    return FDatabase;
}

int TSQLConnection::Dialect() const
{
    const std::string dialect = Trim(FParams.Values("SQLDialect"));
    return dialect.empty() ? 3 : StrToInt(dialect);
}

void TSQLConnection::SetConnected(bool Value)
{
    if (Value == Connected())
        return;
    if (ComponentState().Contains(csLoading)) {
        FConnectPending = Value;
        return;
    }
    if (!Value) {
        CloseStatements();
        FDatabase.Detach();
        return;
    }
    const std::string database = FParams.Values("Database");
    if (Trim(database).empty())
        throw EDatabaseError(Name() + ": no database given (parameter Database)");
    std::string role = FParams.Values("RoleName");
    // The stored default names the parameter itself: it stands for no role.
    if (SameText(role, "RoleName"))
        role.clear();
    std::string charset = Trim(FParams.Values("ServerCharSet"));
    if (charset.empty())
        charset = "UTF8";
    FDatabase.Attach(database, FParams.Values("User_Name"), FParams.Values("Password"), role, charset);
}

void TSQLConnection::CloseStatements()
{
    FStatements.clear();
    FReads = 0;
    if (FWriteTransaction && FWriteTransaction->Active())
        FWriteTransaction->Rollback();
    FWriteTransaction.reset();
    if (FReadTransaction && FReadTransaction->Active())
        FReadTransaction->Commit();
    FReadTransaction.reset();
}

TFbTransaction& TSQLConnection::ReadTransaction()
{
    TFbDatabase& db = Database();
    if (!FReadTransaction)
        FReadTransaction = std::make_unique<TFbTransaction>(db);
    if (!FReadTransaction->Active())
        FReadTransaction->Start();
    return *FReadTransaction;
}

void TSQLConnection::BeginRead()
{
    ReadTransaction();
    ++FReads;
}

void TSQLConnection::EndRead()
{
    if (FReads > 0 && --FReads > 0)
        return;
    if (FReadTransaction && FReadTransaction->Active())
        FReadTransaction->Commit();
}

void TSQLConnection::StartTransaction()
{
    TFbDatabase& db = Database();
    if (!FWriteTransaction)
        FWriteTransaction = std::make_unique<TFbTransaction>(db);
    if (FWriteTransaction->Active())
        throw EDatabaseError(Name() + ": a transaction is already active");
    FWriteTransaction->Start();
}

void TSQLConnection::Commit()
{
    if (InTransaction())
        FWriteTransaction->Commit();
}

void TSQLConnection::Rollback()
{
    if (InTransaction())
        FWriteTransaction->Rollback();
}

int64_t TSQLConnection::Execute(const std::string& SQL, const std::vector<Variant>& Params)
{
    if (!InTransaction())
        throw EDatabaseError(Name() + ": no transaction is active");
    std::unique_ptr<TFbStatement>& statement = FStatements[SQL];
    if (!statement) {
        auto prepared = std::make_unique<TFbStatement>(FDatabase, *FWriteTransaction);
        prepared->Prepare(SQL, Dialect());
        statement = std::move(prepared);
    }
    for (std::size_t i = 0; i < Params.size(); ++i)
        statement->SetParam(static_cast<int>(i), Params[i]);
    statement->Execute();
    return statement->RowsAffected();
}
