#include <cstdint>
#include <string>

#include "platform/sql/fbclient.h"
#include "platform/sql/fbstatus.h"

namespace {

// A database parameter block: version byte, then tagged items.
class TParamBlock {
public:
    TParamBlock() { FData.push_back(static_cast<char>(isc_dpb_version1)); }

    void AddString(char tag, const std::string& value)
    {
        if (value.empty())
            return;
        if (value.size() > 255)
            throw EDatabaseError("Connection parameter too long: " + value.substr(0, 32) + "...");
        FData.push_back(tag);
        FData.push_back(static_cast<char>(value.size()));
        FData += value;
    }

    void AddInteger(char tag, uint32_t value)
    {
        FData.push_back(tag);
        FData.push_back(4);
        for (int i = 0; i < 4; ++i)
            FData.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }

    const char* Data() const { return FData.data(); }
    short Length() const { return static_cast<short>(FData.size()); }

private:
    std::string FData;
};

TParamBlock Credentials(const std::string& user, const std::string& password, const std::string& charset)
{
    TParamBlock block;
    block.AddString(isc_dpb_user_name, user);
    block.AddString(isc_dpb_password, password);
    block.AddString(isc_dpb_lc_ctype, charset);
    return block;
}

} // namespace

TFbDatabase::~TFbDatabase()
{
    if (FHandle == 0)
        return;
    ISC_STATUS_ARRAY status;
    for (TFbTransaction* transaction : FTransactions)
        if (transaction->Active())
            isc_rollback_transaction(status, transaction->Handle());
    isc_detach_database(status, &FHandle);
}

void TFbDatabase::Attach(const std::string& database, const std::string& user, const std::string& password,
                         const std::string& role, const std::string& charset)
{
    if (Attached())
        throw EDatabaseError("The database is attached already");
    TParamBlock block = Credentials(user, password, charset);
    block.AddString(isc_dpb_sql_role_name, role);
    ISC_STATUS_ARRAY status;
    isc_attach_database(status, 0, database.c_str(), &FHandle, block.Length(), block.Data());
    if (FbFailed(status))
        FHandle = 0;
    FbCheck(status);
    ++FAttachment;
}

void TFbDatabase::Detach()
{
    if (!Attached())
        return;
    for (TFbTransaction* transaction : FTransactions)
        if (transaction->Active())
            transaction->Rollback();
    ISC_STATUS_ARRAY status;
    isc_detach_database(status, &FHandle);
    FbCheck(status);
    FHandle = 0;
}

void TFbDatabase::Create(const std::string& database, const std::string& user, const std::string& password,
                         int dialect, const std::string& charset)
{
    if (Attached())
        throw EDatabaseError("The database is attached already");
    if (dialect != 1 && dialect != 3)
        throw EDatabaseError("SQL dialect must be 1 or 3, not " + std::to_string(dialect));
    TParamBlock block = Credentials(user, password, charset);
    block.AddString(isc_dpb_set_db_charset, charset);
    block.AddInteger(isc_dpb_sql_dialect, static_cast<uint32_t>(dialect));
    ISC_STATUS_ARRAY status;
    isc_create_database(status, 0, database.c_str(), &FHandle, block.Length(), block.Data(), 0);
    if (FbFailed(status))
        FHandle = 0;
    FbCheck(status);
    ++FAttachment;
}
