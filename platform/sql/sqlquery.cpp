#include "platform/sql/sqlquery.h"

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/strutils.h"

LT_IMPLEMENT_CLASS(TSQLQuery, TDataSet)
{
    P.Property("DataSource", &TSQLQuery::DataSource, &TSQLQuery::SetDataSource);
    P.Property("Params", &TSQLQuery::Params);
    P.Property("SQL", &TSQLQuery::SQL);
    P.Property("SQLConnection", &TSQLQuery::SQLConnection, &TSQLQuery::SetSQLConnection);
}

namespace {
TFieldType FieldTypeOf(const TFbColumn& column)
{
    switch (column.Type) {
    case TFbType::Smallint: return ftSmallint;
    case TFbType::Integer: return ftInteger;
    case TFbType::Bigint: return ftLargeint;
    case TFbType::Float:
    case TFbType::Double: return ftFloat;
    case TFbType::Numeric: return column.Scale >= -4 ? ftBCD : ftFloat;
    case TFbType::Char: return ftFixedChar;
    case TFbType::Varchar: return ftString;
    case TFbType::Date: return ftDate;
    case TFbType::Time: return ftTime;
    case TFbType::Timestamp: return ftTimeStamp;
    case TFbType::TextBlob: return ftMemo;
    case TFbType::BinaryBlob: return ftBlob;
    case TFbType::Boolean: return ftBoolean;
    }
    return ftUnknown;
}
} // namespace

TSQLQuery::TSQLQuery(TComponent* AOwner) : TDataSet(AOwner), FParams(this), FMasterLink(this) {}

TSQLQuery::~TSQLQuery()
{
    FStatement.reset();
}

void TSQLQuery::SetSQLConnection(TSQLConnection* Value)
{
    if (Value == FConnection)
        return;
    Close();
    FStatement.reset();
    FPreparedText.clear();
    FConnection = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TSQLQuery::SetDataSource(TDataSource* Value)
{
    if (Value && Value->IsLinkedTo(this))
        DatabaseError("Circular datalinks are not allowed", this);
    FMasterLink.SetDataSource(Value);
}

void TSQLQuery::Notification(TComponent* AComponent, TOperation Operation)
{
    TDataSet::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FConnection) {
        FStatement.reset();
        FConnection = nullptr;
    }
    if (AComponent == FMasterLink.DataSource())
        FMasterLink.SetDataSource(nullptr);
}

TSQLConnection& TSQLQuery::Connection() const
{
    if (!FConnection)
        DatabaseError("Missing SQLConnection property", this);
    return *FConnection;
}

std::vector<std::string> TSQLQuery::PSGetParamNames() const
{
    std::vector<std::string> names;
    ConvertNamedParams(FSQL.Text(), names);
    return names;
}

void TSQLQuery::Prepare()
{
    const std::string text = FSQL.Text();
    if (FStatement && text == FPreparedText)
        return;
    FStatement.reset();
    FParamNames.clear();
    const std::string sql = ConvertNamedParams(text, FParamNames);
    TSQLConnection& connection = Connection();
    auto statement = std::make_unique<TFbStatement>(connection.Database(), connection.ReadTransaction());
    statement->Prepare(sql, connection.Dialect());
    FStatement = std::move(statement);
    FPreparedText = text;
}

std::vector<Variant> TSQLQuery::CurrentParamValues() const
{
    std::vector<Variant> values;
    const TDataSet* master = DataSource() ? DataSource()->DataSet() : nullptr;
    for (const std::string& name : FParamNames) {
        if (const TParam* param = FParams.FindParam(name); param && !master) {
            values.push_back(param->Value());
            continue;
        }
        const TField* field = master && master->Active() ? master->FindField(name) : nullptr;
        if (field)
            values.push_back(master->GetFieldValueAt(*field, master->CurrentRow()));
        else if (const TParam* param = FParams.FindParam(name))
            values.push_back(param->Value());
        else if (master)
            values.push_back(Variant::Null());
        else
            DatabaseError("No value for parameter '" + name + "'", this);
    }
    return values;
}

void TSQLQuery::Fetch(const std::vector<Variant>& params)
{
    TSQLConnection& connection = Connection();
    connection.BeginRead();
    try {
        for (std::size_t i = 0; i < params.size(); ++i)
            FStatement->SetParam(static_cast<int>(i), params[i]);
        FStatement->Execute();
        // The rows of the previous fetch leave their room to the new ones:
        // a detail query fetches again at every move of its master.
        FRows->Clear();
        while (FStatement->Fetch())
            FStatement->StoreRow(*FRows, FRows->Add());
        FStatement->CloseCursor();
    } catch (...) {
        connection.EndRead();
        throw;
    }
    connection.EndRead();
    FLastParams = params;
}

void TSQLQuery::InternalOpen()
{
    Prepare();
    FieldDefs().clear();
    FTableName.clear();
    bool oneTable = true;
    for (const TFbColumn& column : FStatement->Columns()) {
        TFieldDef def;
        def.Name = column.Name;
        def.DataType = FieldTypeOf(column);
        def.Size = (def.DataType == ftString || def.DataType == ftFixedChar) ? column.Size : 0;
        def.Required = !column.Nullable;
        FieldDefs().push_back(def);
        if (FTableName.empty())
            FTableName = column.Relation;
        oneTable = oneTable && (column.Relation == FTableName);
    }
    if (!oneTable)
        FTableName.clear();
    FRows = std::make_unique<TRowStore>(std::make_shared<const TRowLayout>(FieldDefs()));
    Fetch(CurrentParamValues());
}

void TSQLQuery::InternalClose()
{
    FRows.reset();
    FLastParams.clear();
}

void TSQLQuery::MasterChanged()
{
    if (!Active() || !DataSource())
        return;
    std::vector<Variant> params = CurrentParamValues();
    if (params.size() == FLastParams.size()) {
        bool same = true;
        for (std::size_t i = 0; i < params.size() && same; ++i)
            same = params[i].VarType() == FLastParams[i].VarType() && params[i] == FLastParams[i];
        if (same)
            return;
    }
    Fetch(params);
    ResetCursor();
    DataEvent(deDataSetChange, 0);
}

Variant TSQLQuery::InternalValue(int Row, int Column) const
{
    return FRows->Value(FRows->Row(static_cast<std::size_t>(Row)), Column);
}

std::string TSQLQuery::InternalBookmark(int Row) const
{
    return std::to_string(Row);
}

int TSQLQuery::InternalFindBookmark(const std::string& Bookmark) const
{
    int row = -1;
    return TryStrToInt(Bookmark, row) && row >= 0 && row < InternalRowCount() ? row : -1;
}

int64_t TSQLQuery::ExecSQL()
{
    CheckBrowseMode();
    Prepare();
    TSQLConnection& connection = Connection();
    const bool own = !connection.InTransaction();
    if (own)
        connection.StartTransaction();
    int64_t rows = 0;
    try {
        rows = connection.Execute(ConvertNamedParams(FSQL.Text(), FParamNames), CurrentParamValues());
    } catch (...) {
        if (own)
            connection.Rollback();
        throw;
    }
    if (own)
        connection.Commit();
    return rows;
}

void TSQLQuery::PSBeginRead()
{
    Connection().BeginRead();
}

void TSQLQuery::PSEndRead()
{
    Connection().EndRead();
}

void TSQLQuery::PSStartTransaction()
{
    Connection().StartTransaction();
}

void TSQLQuery::PSEndTransaction(bool Commit)
{
    if (Commit)
        Connection().Commit();
    else
        Connection().Rollback();
}

int64_t TSQLQuery::PSExecuteStatement(const std::string& SQL, const std::vector<Variant>& Params)
{
    return Connection().Execute(SQL, Params);
}
