#include <cstring>
#include <string>

#include "platform/sql/fbarea.h"
#include "platform/sql/fbblob.h"
#include "platform/sql/fbstatus.h"
#include "platform/sql/fbvalues.h"

namespace {

// Reads a little-endian integer of `length` bytes from an info buffer.
int64_t InfoInteger(const char* data, int length)
{
    return isc_portable_integer(reinterpret_cast<const ISC_UCHAR*>(data), static_cast<short>(length));
}

int StatementType(isc_stmt_handle handle)
{
    static const char items[] = {isc_info_sql_stmt_type};
    char buffer[16] = {};
    ISC_STATUS_ARRAY status;
    isc_dsql_sql_info(status, &handle, sizeof items, items, sizeof buffer, buffer);
    FbCheck(status);
    if (buffer[0] != isc_info_sql_stmt_type)
        throw EDatabaseError("The client did not report the statement type");
    const int length = static_cast<int>(InfoInteger(buffer + 1, 2));
    return static_cast<int>(InfoInteger(buffer + 3, length));
}

// The columns (or with `input` the parameters) of a prepared statement.
std::unique_ptr<TFbArea> Describe(isc_stmt_handle* handle, unsigned short dialect, bool input)
{
    auto describe = [&](TFbArea& area) {
        ISC_STATUS_ARRAY status;
        if (input)
            isc_dsql_describe_bind(status, handle, dialect, area.Sqlda());
        else
            isc_dsql_describe(status, handle, dialect, area.Sqlda());
        FbCheck(status);
    };
    auto area = std::make_unique<TFbArea>(1);
    describe(*area);
    if (area->Count() > 1) {
        area = std::make_unique<TFbArea>(area->Count());
        describe(*area);
    }
    return area;
}

[[noreturn]] void RaiseIndex(const char* what, int index, size_t count)
{
    throw EDatabaseError(std::string(what) + " index " + std::to_string(index) + " out of range (0.."
                         + std::to_string(static_cast<int64_t>(count) - 1) + ")");
}

} // namespace

TFbStatement::TFbStatement(TFbDatabase& database, TFbTransaction& transaction)
    : FDatabase(database), FTransaction(transaction)
{
}

TFbStatement::~TFbStatement()
{
    // Detaching released the handle of a statement of that attachment.
    if (FHandle == 0 || !FDatabase.Attached() || FAttachment != FDatabase.FAttachment)
        return;
    ISC_STATUS_ARRAY status;
    isc_dsql_free_statement(status, &FHandle, DSQL_drop);
}

void TFbStatement::Release()
{
    CloseCursor();
    FRowPending = false;
    FOutput.reset();
    FInput.reset();
    FType = 0;
}

void TFbStatement::Prepare(const std::string& sql, int dialect)
{
    Release();
    ISC_STATUS_ARRAY status;
    if (FAttachment != FDatabase.FAttachment)
        FHandle = 0;
    if (FHandle == 0) {
        isc_dsql_allocate_statement(status, FDatabase.Handle(), &FHandle);
        FbCheck(status);
        FAttachment = FDatabase.FAttachment;
    }
    const auto d = static_cast<unsigned short>(dialect);
    isc_dsql_prepare(status, FTransaction.Handle(), &FHandle, 0, sql.c_str(), d, nullptr);
    FbCheck(status);
    auto output = Describe(&FHandle, d, false);
    auto input = Describe(&FHandle, d, true);
    output->BindOutput();
    input->BindInput();
    FType = StatementType(FHandle);
    FDialect = dialect;
    FOutput = std::move(output);
    FInput = std::move(input);
}

TFbArea& TFbStatement::Output() const
{
    if (!FOutput)
        throw EDatabaseError("The statement is not prepared");
    return *FOutput;
}

const std::vector<TFbColumn>& TFbStatement::Columns() const
{
    return Output().Columns;
}

const std::vector<TFbColumn>& TFbStatement::Params() const
{
    Output();
    return FInput->Columns;
}

void TFbStatement::SetParam(int index, const Variant& value)
{
    Output();
    if (index < 0 || static_cast<size_t>(index) >= FInput->Slots.size())
        RaiseIndex("Parameter", index, FInput->Slots.size());
    WriteParam(FInput->Var(index), FInput->Slots[static_cast<size_t>(index)], value);
}

void TFbStatement::CreateBlobs()
{
    for (int i = 0; i < FInput->Count(); ++i) {
        XSQLVAR& var = FInput->Var(i);
        TFbSlot& slot = FInput->Slots[static_cast<size_t>(i)];
        if ((var.sqltype & ~1) != SQL_BLOB || slot.Null != 0)
            continue;
        const ISC_QUAD id = FbWriteBlob(FDatabase.Handle(), FTransaction.Handle(), slot.BlobText);
        std::memcpy(slot.Data.data(), &id, sizeof id);
    }
}

void TFbStatement::Execute()
{
    Output();
    CloseCursor();
    FRowPending = false;
    CreateBlobs();
    XSQLDA* input = FInput->Count() > 0 ? FInput->Sqlda() : nullptr;
    const auto dialect = static_cast<unsigned short>(FDialect);
    ISC_STATUS_ARRAY status;
    if (IsSelect() || FOutput->Count() == 0) {
        isc_dsql_execute(status, FTransaction.Handle(), &FHandle, dialect, input);
        FbCheck(status);
        FCursorOpen = IsSelect();
        return;
    }
    isc_dsql_execute2(status, FTransaction.Handle(), &FHandle, dialect, input, FOutput->Sqlda());
    FbCheck(status);
    FRowPending = true;
}

bool TFbStatement::Fetch()
{
    if (FRowPending) {
        FRowPending = false;
        return true;
    }
    if (!FCursorOpen)
        return false;
    ISC_STATUS_ARRAY status;
    const ISC_STATUS result = isc_dsql_fetch(status, &FHandle, static_cast<unsigned short>(FDialect), FOutput->Sqlda());
    if (result == 100) {
        CloseCursor();
        return false;
    }
    FbCheck(status);
    return true;
}

Variant TFbStatement::Value(int column) const
{
    const TFbArea& output = Output();
    if (column < 0 || static_cast<size_t>(column) >= output.Slots.size())
        RaiseIndex("Column", column, output.Slots.size());
    const auto i = static_cast<size_t>(column);
    return ReadVar(output.Var(column), output.Columns[i], output.Slots[i], FDatabase, FTransaction);
}

void TFbStatement::StoreRow(TRowStore& rows, TStoredRow& row) const
{
    const TFbArea& output = Output();
    for (int i = 0; i < output.Count(); ++i) {
        const auto c = static_cast<size_t>(i);
        StoreVar(output.Var(i), output.Columns[c], output.Slots[c], FDatabase, FTransaction, rows, row, i);
    }
}

int64_t TFbStatement::RowsAffected() const
{
    Output();
    static const char items[] = {isc_info_sql_records};
    char buffer[64] = {};
    isc_stmt_handle handle = FHandle;
    ISC_STATUS_ARRAY status;
    isc_dsql_sql_info(status, &handle, sizeof items, items, sizeof buffer, buffer);
    FbCheck(status);
    if (buffer[0] != isc_info_sql_records)
        return 0;
    int64_t rows = 0;
    const char* item = buffer + 3;
    const char* const end = buffer + 3 + InfoInteger(buffer + 1, 2);
    while (item < end && *item != isc_info_end) {
        const char code = item[0];
        const int length = static_cast<int>(InfoInteger(item + 1, 2));
        if (code == isc_info_req_insert_count || code == isc_info_req_update_count
            || code == isc_info_req_delete_count)
            rows += InfoInteger(item + 3, length);
        item += 3 + length;
    }
    return rows;
}

bool TFbStatement::IsSelect() const
{
    return FType == isc_info_sql_stmt_select || FType == isc_info_sql_stmt_select_for_upd;
}

void TFbStatement::CloseCursor()
{
    if (!FCursorOpen)
        return;
    FCursorOpen = false;
    ISC_STATUS_ARRAY status;
    isc_dsql_free_statement(status, &FHandle, DSQL_close);
}
