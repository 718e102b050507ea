#include "bench/rawstatement.h"

#include <cstring>
#include <stdexcept>

namespace {
constexpr unsigned short kDialect = 1;
} // namespace

void RawCheck(const ISC_STATUS* Status)
{
    if (Status[0] != isc_arg_gds || Status[1] == 0)
        return;
    char line[512];
    std::string text;
    const ISC_STATUS* cursor = Status;
    while (fb_interpret(line, sizeof line, &cursor) > 0)
        text += std::string(text.empty() ? "" : "\n") + line;
    throw std::runtime_error(text);
}

TRawStatement::TRawStatement(isc_db_handle* Database, isc_tr_handle* Transaction, const std::string& SQL)
    : FTransaction(Transaction)
{
    ISC_STATUS_ARRAY status;
    isc_dsql_allocate_statement(status, Database, &FHandle);
    RawCheck(status);
    isc_dsql_prepare(status, FTransaction, &FHandle, 0, SQL.c_str(), kDialect, nullptr);
    RawCheck(status);
    Describe(FOutput, false);
    Describe(FInput, true);
}

TRawStatement::~TRawStatement()
{
    ISC_STATUS_ARRAY status;
    isc_dsql_free_statement(status, &FHandle, DSQL_drop);
}

void TRawStatement::Describe(TArea& Area, bool Input)
{
    for (short count = 1;;) {
        Area.Sqlda.assign(XSQLDA_LENGTH(count), 0);
        XSQLDA* sqlda = Area.Get();
        sqlda->version = SQLDA_VERSION1;
        sqlda->sqln = count;
        ISC_STATUS_ARRAY status;
        if (Input)
            isc_dsql_describe_bind(status, &FHandle, kDialect, sqlda);
        else
            isc_dsql_describe(status, &FHandle, kDialect, sqlda);
        RawCheck(status);
        if (sqlda->sqld <= count)
            break;
        count = sqlda->sqld;
    }
    XSQLDA* sqlda = Area.Get();
    Area.Data.resize(static_cast<std::size_t>(sqlda->sqld));
    Area.Nulls.assign(static_cast<std::size_t>(sqlda->sqld), 0);
    for (int i = 0; i < sqlda->sqld; ++i) {
        XSQLVAR& var = sqlda->sqlvar[i];
        const auto index = static_cast<std::size_t>(i);
        Area.Data[index].assign(static_cast<std::size_t>(var.sqllen) + 2, 0);
        var.sqldata = Area.Data[index].data();
        var.sqlind = &Area.Nulls[index];
        var.sqltype |= 1;
    }
}

void TRawStatement::SetInteger(int Index, int Value)
{
    XSQLVAR& var = FInput.Get()->sqlvar[Index];
    if ((var.sqltype & ~1) == SQL_SHORT) {
        const auto value = static_cast<short>(Value);
        std::memcpy(var.sqldata, &value, sizeof value);
    } else {
        const auto value = static_cast<ISC_LONG>(Value);
        std::memcpy(var.sqldata, &value, sizeof value);
    }
}

void TRawStatement::SetText(int Index, const std::string& Text)
{
    XSQLVAR& var = FInput.Get()->sqlvar[Index];
    var.sqltype = SQL_TEXT | 1;
    var.sqllen = static_cast<short>(Text.size());
    var.sqldata = const_cast<char*>(Text.data());
}

void TRawStatement::Execute()
{
    ISC_STATUS_ARRAY status;
    isc_dsql_execute(status, FTransaction, &FHandle, kDialect, FInput.Get()->sqld > 0 ? FInput.Get() : nullptr);
    RawCheck(status);
}

bool TRawStatement::Fetch()
{
    ISC_STATUS_ARRAY status;
    if (isc_dsql_fetch(status, &FHandle, kDialect, FOutput.Get()) == 100) {
        isc_dsql_free_statement(status, &FHandle, DSQL_close);
        return false;
    }
    RawCheck(status);
    return true;
}

int TRawStatement::Integer(int Column) const
{
    const XSQLVAR& var = FOutput.Get()->sqlvar[Column];
    if ((var.sqltype & ~1) == SQL_SHORT) {
        short value = 0;
        std::memcpy(&value, var.sqldata, sizeof value);
        return value;
    }
    ISC_LONG value = 0;
    std::memcpy(&value, var.sqldata, sizeof value);
    return value;
}
