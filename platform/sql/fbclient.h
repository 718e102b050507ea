#pragma once
// A thin layer over the Firebird client's C API: one attachment, one
// transaction, one prepared statement with its own buffers.
//
// Errors: every failure the client reports raises EFbError (an
// EDatabaseError) whose message is the client's full text, its lines joined
// with "\n" in the order the client gives them ("violation of FOREIGN KEY
// constraint ...\nForeign key reference target does not exist\n...").
// Misuse this layer detects itself (an index out of range, a column type it
// cannot read) raises a plain EDatabaseError.
//
// Lifetimes: transactions and statements keep a reference to their database
// (and statements to their transaction); they must not outlive it. Declaring
// the database first and the statements last gives the right order.
// Destructors never raise: they release what the client still holds and
// ignore its complaints.
#include <ibase.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/variant.h"
#include "platform/sql/namedparams.h"

class EFbError : public EDatabaseError {
public:
    EFbError(std::string message, ISC_STATUS errorCode, int sqlCode)
        : EDatabaseError(std::move(message)), FErrorCode(errorCode), FSqlCode(sqlCode)
    {
    }
    // The client's first error code (isc_unique_key_violation, isc_except, ...).
    ISC_STATUS ErrorCode() const { return FErrorCode; }
    // The SQLCODE the client derives from the status (-803, -836, ...).
    int SqlCode() const { return FSqlCode; }

private:
    ISC_STATUS FErrorCode;
    int FSqlCode;
};

class TFbTransaction;

class TFbDatabase {
public:
    TFbDatabase() = default;
    TFbDatabase(const TFbDatabase&) = delete;
    TFbDatabase& operator=(const TFbDatabase&) = delete;
    // Detaches (see Detach), ignoring the client's complaints.
    ~TFbDatabase();

    // `database` goes to the client unchanged: a local path attaches in
    // embedded mode, "host:path" or "host/port:path" reaches a server. Empty
    // user, password, role or charset are left out of the request.
    // EDatabaseError when attached already.
    void Attach(const std::string& database, const std::string& user, const std::string& password,
                const std::string& role, const std::string& charset);
    // Rolls back the transactions of this database still active, then
    // detaches. Does nothing when not attached.
    void Detach();
    bool Attached() const { return FHandle != 0; }
    // Creates a new database file with the given SQL dialect (1 or 3) and
    // default character set, the server's default page size, and leaves it
    // attached with `charset` as the connection character set.
    void Create(const std::string& database, const std::string& user, const std::string& password, int dialect,
                const std::string& charset);
    isc_db_handle* Handle() { return &FHandle; }

private:
    friend class TFbTransaction;
    friend class TFbStatement;

    isc_db_handle FHandle = 0;
    // Counts attachments, so statements know when their handle went with an earlier one.
    uint64_t FAttachment = 0;
    std::vector<TFbTransaction*> FTransactions;
};

// Read committed, record versions, waiting on locks; read-write.
class TFbTransaction {
public:
    explicit TFbTransaction(TFbDatabase& database);
    TFbTransaction(const TFbTransaction&) = delete;
    TFbTransaction& operator=(const TFbTransaction&) = delete;
    // Rolls back when still active.
    ~TFbTransaction();

    void Start();
    void Commit();
    void Rollback();
    bool Active() const { return FHandle != 0; }
    isc_tr_handle* Handle() { return &FHandle; }

private:
    TFbDatabase& FDatabase;
    isc_tr_handle FHandle = 0;
};

enum class TFbType {
    Smallint,
    Integer,
    Bigint,
    Float,
    Double,
    Numeric, // a scaled integer, or in dialect 1 a double with a scale
    Char,
    Varchar,
    Date, // dialect 3 only: in dialect 1 DATE columns are Timestamp
    Time,
    Timestamp,
    TextBlob,
    BinaryBlob,
    Boolean
};

struct TFbColumn {
    std::string Name;     // alias as the statement gives it (upper case for unquoted names)
    std::string Relation; // table it comes from, empty for expressions
    std::string Field;    // column name in that table
    TFbType Type = TFbType::Integer;
    int Size = 0; // characters for text, bytes otherwise
    int Scale = 0; // 0 or negative: the number of decimals of a Numeric
    bool Nullable = true;
};

struct TFbArea;
class TRowStore;
struct TStoredRow;

class TFbStatement {
public:
    TFbStatement(TFbDatabase& database, TFbTransaction& transaction);
    TFbStatement(const TFbStatement&) = delete;
    TFbStatement& operator=(const TFbStatement&) = delete;
    ~TFbStatement();

    // Prepares `sql` (placeholders are '?') in the transaction, which must be
    // active, and describes its columns and parameters. Preparing again
    // replaces the previous statement (also after the database was detached
    // and attached again); all parameters start as NULL.
    void Prepare(const std::string& sql, int dialect);
    const std::vector<TFbColumn>& Columns() const;
    const std::vector<TFbColumn>& Params() const;

    // Indexes are 0-based. Null or Unassigned send SQL NULL; other values
    // convert to the parameter's type by the Variant's rules (EConvertError
    // when they cannot). Exact numbers and text go to the server as they are,
    // so a value out of the column's range or too long is the server's error
    // at Execute. A value stays set for the following executions.
    void SetParam(int index, const Variant& value);
    // Runs the statement with the current parameters; for a select it opens
    // the cursor (closing the previous one first). A statement that returns
    // one row without a cursor (EXECUTE PROCEDURE, ... RETURNING) has that
    // row ready for one Fetch.
    void Execute();
    // The next row; false at the end (the cursor is closed then).
    bool Fetch();
    // A column of the current row, 0-based. Null for SQL NULL; Smallint and
    // Integer give int, Bigint int64; Numeric gives Currency when the scale
    // is at most 4 decimals, otherwise double; Float gives the double of the
    // float's shortest decimal form (0.1f reads as 0.1); Double gives double;
    // text gives std::string in UTF-8, a CHAR padded with blanks to its
    // length in characters; dates and times give Variant::FromDateTime
    // (milliseconds, the finer part dropped); blobs give their bytes as
    // std::string, read from the server on each call; Boolean gives bool.
    Variant Value(int column) const;
    // The current row's columns in a row of a store whose columns are the
    // statement's, as Value gives them; integers and texts go there without
    // a Variant.
    void StoreRow(TRowStore& rows, TStoredRow& row) const;
    // Rows inserted, updated and deleted by the last execution: the
    // statement's own rows, not those a foreign key's cascade changed.
    int64_t RowsAffected() const;
    // True for a statement with a cursor (select, select from a selectable
    // procedure).
    bool IsSelect() const;
    // Closes the open cursor, if any. A cursor the server has closed already
    // (its transaction ended) is not an error.
    void CloseCursor();

private:
    void Release();
    void CreateBlobs();
    TFbArea& Output() const;

    TFbDatabase& FDatabase;
    TFbTransaction& FTransaction;
    isc_stmt_handle FHandle = 0;
    uint64_t FAttachment = 0; // the database's attachment the handle belongs to
    int FDialect = 3;
    int FType = 0;
    bool FCursorOpen = false;
    bool FRowPending = false;
    std::unique_ptr<TFbArea> FOutput;
    std::unique_ptr<TFbArea> FInput;
};
