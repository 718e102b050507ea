#pragma once
// A query over the connection: its SQL (with ":name" parameters) runs when
// it opens and all its rows are fetched at once into a row store (which a
// provider copies from natively); parameters come from
// Params or, when DataSource is set, from the fields of that source's
// current row with the parameters' names, and the query runs again when
// that row changes. The query itself is read-only: a provider writes
// through it.
#include <memory>
#include <string>
#include <vector>

#include "platform/data/dataset.h"
#include "platform/data/datasource.h"
#include "platform/data/params.h"
#include "platform/data/rowstore.h"
#include "platform/rtl/stringlist.h"
#include "platform/sql/sqlconnection.h"

class TSQLQuery : public TDataSet {
    LT_CLASS(TSQLQuery)
public:
    explicit TSQLQuery(TComponent* AOwner);
    ~TSQLQuery() override;

    TSQLConnection* SQLConnection() const { return FConnection; }
    void SetSQLConnection(TSQLConnection* Value);
    TStringList* SQL() const { return &FSQL; }
    TParams* Params() const { return &FParams; }
    TParam* ParamByName(const std::string& Name) const { return FParams.ParamByName(Name); }
    TDataSource* DataSource() const { return FMasterLink.DataSource(); }
    void SetDataSource(TDataSource* Value);

    // Runs a statement that returns no rows; returns the rows it affected.
    int64_t ExecSQL();

    TDataSource* ParamsSource() const override { return DataSource(); }
    void MasterChanged() override;
    std::string PSGetTableName() const override { return FTableName; }
    const TRowStore* PSRows() const override { return FRows.get(); }
    std::vector<std::string> PSGetParamNames() const override;
    void PSBeginRead() override;
    void PSEndRead() override;
    void PSStartTransaction() override;
    void PSEndTransaction(bool Commit) override;
    int64_t PSExecuteStatement(const std::string& SQL, const std::vector<Variant>& Params) override;

protected:
    void InternalOpen() override;
    void InternalClose() override;
    int InternalRowCount() const override { return FRows ? static_cast<int>(FRows->Count()) : 0; }
    Variant InternalValue(int Row, int Column) const override;
    std::string InternalBookmark(int Row) const override;
    int InternalFindBookmark(const std::string& Bookmark) const override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TSQLConnection& Connection() const;
    void Prepare();
    std::vector<Variant> CurrentParamValues() const;
    void Fetch(const std::vector<Variant>& params);

    TSQLConnection* FConnection = nullptr;
    mutable TStringList FSQL;
    mutable TParams FParams;
    TMasterDataLink FMasterLink;
    std::string FPreparedText;
    std::vector<std::string> FParamNames;
    std::unique_ptr<TFbStatement> FStatement;
    std::unique_ptr<TRowStore> FRows;
    std::vector<Variant> FLastParams;
    std::string FTableName;
};
