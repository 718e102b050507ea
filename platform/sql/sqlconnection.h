#pragma once
// The connection component: attaches to the database named by its
// parameter list (Database, User_Name, Password, RoleName, ServerCharSet,
// SQLDialect ...), gives queries a read-committed transaction that waits on
// locks, and runs the statements of an apply in a transaction of their own,
// keeping each statement prepared for the next time it is needed.
#include <unordered_map>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/component.h"
#include "platform/rtl/stringlist.h"
#include "platform/sql/fbclient.h"

class TSQLConnection : public TComponent {
    LT_CLASS(TSQLConnection)
public:
    explicit TSQLConnection(TComponent* AOwner);
    ~TSQLConnection() override;

    const std::string& ConnectionName() const { return FConnectionName; }
    void SetConnectionName(const std::string& Value) { FConnectionName = Value; }
    const std::string& DriverName() const { return FDriverName; }
    void SetDriverName(const std::string& Value) { FDriverName = Value; }
    const std::string& GetDriverFunc() const { return FGetDriverFunc; }
    void SetGetDriverFunc(const std::string& Value) { FGetDriverFunc = Value; }
    const std::string& LibraryName() const { return FLibraryName; }
    void SetLibraryName(const std::string& Value) { FLibraryName = Value; }
    const std::string& VendorLib() const { return FVendorLib; }
    void SetVendorLib(const std::string& Value) { FVendorLib = Value; }
    bool LoginPrompt() const { return FLoginPrompt; }
    void SetLoginPrompt(bool Value) { FLoginPrompt = Value; }
    TStringList* Params() const { return &FParams; }

    bool Connected() const { return FDatabase.Attached(); }
    void SetConnected(bool Value);
    void Open() { SetConnected(true); }
    void Close() { SetConnected(false); }
    int Dialect() const;

    // The transaction queries read in; started when first needed.
    TFbTransaction& ReadTransaction();
    // A read: the reads between BeginRead and its EndRead share one
    // transaction (reads nest), which the outermost EndRead commits.
    void BeginRead();
    void EndRead();

    // The transaction of an apply.
    void StartTransaction();
    void Commit();
    void Rollback();
    bool InTransaction() const { return FWriteTransaction && FWriteTransaction->Active(); }
    // Runs a statement in the apply's transaction; returns the rows it affected.
    int64_t Execute(const std::string& SQL, const std::vector<Variant>& Params);

    TFbDatabase& Database();
    void Loaded() override;

private:
    void CloseStatements();

    std::string FConnectionName;
    std::string FDriverName;
    std::string FGetDriverFunc;
    std::string FLibraryName;
    std::string FVendorLib;
    bool FLoginPrompt = true;
    bool FConnectPending = false;
    mutable TStringList FParams;
    TFbDatabase FDatabase;
    std::unique_ptr<TFbTransaction> FReadTransaction;
    int FReads = 0;
    std::unique_ptr<TFbTransaction> FWriteTransaction;
    std::unordered_map<std::string, std::unique_ptr<TFbStatement>> FStatements;
};
