#pragma once
// A statement straight on the Firebird client's C API, with buffers of its
// own and no conversion of values: the floor the data layer is measured
// against. Parameters are integers or texts; rows are fetched into the
// buffers and read as integers.
#include <ibase.h>

#include <string>
#include <vector>

class TRawStatement {
public:
    TRawStatement(isc_db_handle* Database, isc_tr_handle* Transaction, const std::string& SQL);
    TRawStatement(const TRawStatement&) = delete;
    TRawStatement& operator=(const TRawStatement&) = delete;
    ~TRawStatement();

    void SetInteger(int Index, int Value);
    // The text stays the caller's until the statement has run.
    void SetText(int Index, const std::string& Text);
    void Execute();
    bool Fetch();
    // An integer column (SMALLINT or INTEGER) of the fetched row.
    int Integer(int Column) const;

private:
    struct TArea {
        std::vector<char> Sqlda;
        std::vector<std::vector<char>> Data;
        std::vector<short> Nulls;
        XSQLDA* Get() { return reinterpret_cast<XSQLDA*>(Sqlda.data()); }
        const XSQLDA* Get() const { return reinterpret_cast<const XSQLDA*>(Sqlda.data()); }
    };
    void Describe(TArea& Area, bool Input);

    isc_tr_handle* FTransaction;
    isc_stmt_handle FHandle = 0;
    TArea FInput;
    TArea FOutput;
};

// Raises std::runtime_error with the client's text when the status says so.
void RawCheck(const ISC_STATUS* Status);
