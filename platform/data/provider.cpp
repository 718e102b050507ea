#include "platform/data/provider.h"

#include <map>
#include <tuple>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"

LT_IMPLEMENT_CLASS(TDataSetProvider, TComponent)
{
    P.Property("DataSet", &TDataSetProvider::DataSet, &TDataSetProvider::SetDataSet);
    P.Property("Options", &TDataSetProvider::Options, &TDataSetProvider::SetOptions).Default(0);
}

TDataSetProvider::TDataSetProvider(TComponent* AOwner) : TComponent(AOwner) {}

void TDataSetProvider::SetDataSet(TDataSet* Value)
{
    FDataSet = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TDataSetProvider::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDataSet)
        FDataSet = nullptr;
}

namespace {
// A table of the source's tree as it goes into a packet: the packet's
// columns the source's data fields fill, and the tables of its details.
// Worked out once, not at every master row.
struct TSourceTable {
    TDataSet* DataSet;
    std::vector<std::pair<int, const TField*>> Columns;
    std::vector<TSourceTable> Details;
};

TSourceTable SourceTable(TDataSet& dataSet, const TPacketMeta& meta, const std::vector<TDataSet*>& details)
{
    TSourceTable table{&dataSet, {}, {}};
    for (std::size_t i = 0; i < meta.Fields.size(); ++i)
        if (const TField* field = dataSet.FindField(meta.Fields[i].Name); field && field->FieldKind() == fkData)
            table.Columns.emplace_back(static_cast<int>(i), field);
    for (std::size_t d = 0; d < details.size() && d < meta.Nested.size(); ++d)
        table.Details.push_back(SourceTable(*details[d], meta.Nested[d].Meta[0], details[d]->DetailDataSets()));
    return table;
}

// The rows of a table without details, read where they are (its cursor
// stays): natively when the source keeps them in a row store.
void CopyRows(const TSourceTable& table, TRowStore& rows)
{
    const TDataSet& dataSet = *table.DataSet;
    const TRowStore* source = dataSet.PSRows();
    // Each column from the source's column of the same place: whole rows.
    bool whole = source && source->Layout()->SameRows(*rows.Layout()) &&
                 static_cast<int>(table.Columns.size()) == rows.Layout()->ColumnCount();
    for (const auto& [column, field] : table.Columns)
        whole = whole && column == field->FieldNo() - 1;
    const int count = dataSet.RecordCount();
    for (int r = 0; r < count; ++r) {
        TStoredRow& row = rows.Add();
        if (whole) {
            rows.CopyRow(row, *source, source->Row(static_cast<std::size_t>(r)));
        } else if (source) {
            const TStoredRow& from = source->Row(static_cast<std::size_t>(r));
            for (const auto& [column, field] : table.Columns)
                rows.CopyValue(row, column, *source, from, field->FieldNo() - 1);
        } else {
            for (const auto& [column, field] : table.Columns)
                rows.SetValue(row, column, dataSet.GetFieldValueAt(*field, r));
        }
    }
}

// The rows of a table; at each row its details follow it and their rows go
// into the row's nested stores.
void PackRows(const TSourceTable& table, TRowStore& rows)
{
    TDataSet& dataSet = *table.DataSet;
    rows.Reserve(static_cast<std::size_t>(dataSet.RecordCount()));
    if (table.Details.empty()) {
        CopyRows(table, rows);
        return;
    }
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next()) {
        TStoredRow& row = rows.Add();
        for (const auto& [column, field] : table.Columns)
            rows.SetValue(row, column, field->Value());
        for (std::size_t d = 0; d < table.Details.size(); ++d) {
            table.Details[d].DataSet->MasterChanged();
            PackRows(table.Details[d], *rows.Nested(row, static_cast<int>(d)));
        }
    }
}
} // namespace

TPacketMeta TDataSetProvider::DescribeDataSet(TDataSet& dataSet)
{
    TPacketMeta meta;
    meta.TableName = dataSet.PSGetTableName();
    meta.Fields = dataSet.FieldDefs();
    for (TFieldDef& def : meta.Fields)
        if (const TField* field = dataSet.FindField(def.Name); field && field->FieldKind() == fkData)
            def.ProviderFlags = field->ProviderFlags();
    return meta;
}

TDataPacket TDataSetProvider::GetData()
{
    if (!FDataSet)
        DatabaseError("Missing data provider or data packet: no dataset", this);
    TDataSet& source = *FDataSet;
    source.PSBeginRead();
    try {
        TDataPacket packet = ReadPacket(source);
        source.PSEndRead();
        return packet;
    } catch (...) {
        source.PSEndRead();
        throw;
    }
}

TDataPacket TDataSetProvider::ReadPacket(TDataSet& source)
{
    // Every fetch reads the database anew.
    source.Close();
    source.Open();
    TDataPacket packet;
    packet.Meta = DescribeDataSet(source);
    const std::vector<TDataSet*> details = source.DetailDataSets();
    for (TDataSet* detail : details) {
        detail->Close();
        detail->Open();
        TNestedMeta nested;
        nested.FieldName = detail->Name();
        nested.Meta.push_back(DescribeDataSet(*detail));
        // A detail parameter takes the master field of its name, and the
        // detail field of that name holds the same value in every nested row.
        for (const std::string& param : detail->PSGetParamNames())
            if (source.FindField(param) && detail->FindField(param))
                nested.Links.emplace_back(source.FindField(param)->FieldName(), detail->FindField(param)->FieldName());
        TFieldDef field;
        field.Name = nested.FieldName;
        field.DataType = ftDataSet;
        field.ProviderFlags = {};
        packet.Meta.Fields.push_back(field);
        packet.Meta.Nested.push_back(std::move(nested));
    }
    packet.Rows = std::make_shared<TRowStore>(LayoutOf(packet.Meta));
    PackRows(SourceTable(source, packet.Meta, details), *packet.Rows);
    return packet;
}

namespace {
std::string KindName(TUpdateKind kind)
{
    switch (kind) {
    case TUpdateKind::ukInsert: return "inserting";
    case TUpdateKind::ukModify: return "updating";
    case TUpdateKind::ukDelete: return "deleting";
    }
    return "changing";
}

bool IsNullValue(const Variant& v)
{
    return v.IsNull() || v.IsEmpty();
}

bool Writes(const TFieldDef& def)
{
    return def.DataType != ftDataSet && def.ProviderFlags.Contains(pfInUpdate);
}

// The fields that find a row: its key when the table has one, else the
// pfInWhere fields.
TProviderFlag Finder(const TPacketMeta& meta)
{
    for (const TFieldDef& def : meta.Fields)
        if (def.ProviderFlags.Contains(pfInKey))
            return pfInKey;
    return pfInWhere;
}

bool Finds(const TFieldDef& def, TProviderFlag finder)
{
    return def.DataType != ftDataSet && def.ProviderFlags.Contains(finder);
}

// The statements of one table and kind differ only by which finding values
// are null ("is null" instead of "= ?"); each shape is built once.
class TStatementTexts {
public:
    const std::string& Text(const TDeltaEntry& entry)
    {
        const TPacketMeta& meta = *entry.Meta;
        std::string nulls;
        if (entry.Kind != TUpdateKind::ukInsert) {
            const TProviderFlag finder = Finder(meta);
            for (std::size_t i = 0; i < meta.Fields.size(); ++i)
                if (Finds(meta.Fields[i], finder))
                    nulls += IsNullValue((*entry.Before)[i]) ? '1' : '0';
        }
        std::string& text = FTexts[{&meta, static_cast<int>(entry.Kind), nulls}];
        if (text.empty())
            text = Build(entry);
        return text;
    }

private:
    static std::string Build(const TDeltaEntry& entry)
    {
        const TPacketMeta& meta = *entry.Meta;
        std::string sql;
        if (entry.Kind == TUpdateKind::ukInsert) {
            std::string names, marks;
            for (const TFieldDef& def : meta.Fields)
                if (Writes(def)) {
                    names += (names.empty() ? "" : ", ") + def.Name;
                    marks += marks.empty() ? "?" : ", ?";
                }
            return "insert into " + meta.TableName + " (" + names + ") values (" + marks + ")";
        }
        if (entry.Kind == TUpdateKind::ukModify) {
            std::string sets;
            for (const TFieldDef& def : meta.Fields)
                if (Writes(def))
                    sets += (sets.empty() ? "" : ", ") + def.Name + " = ?";
            sql = "update " + meta.TableName + " set " + sets;
        } else {
            sql = "delete from " + meta.TableName;
        }
        const TProviderFlag finder = Finder(meta);
        std::string where;
        for (std::size_t i = 0; i < meta.Fields.size(); ++i) {
            if (!Finds(meta.Fields[i], finder))
                continue;
            where += (where.empty() ? "" : " and ") + meta.Fields[i].Name +
                     (IsNullValue((*entry.Before)[i]) ? " is null" : " = ?");
        }
        if (where.empty())
            DatabaseError("No fields to find the row in " + meta.TableName + " by");
        return sql + " where " + where;
    }

    std::map<std::tuple<const TPacketMeta*, int, std::string>, std::string> FTexts;
};

// The parameter values of an entry, in the order its statement takes them.
void FillParams(const TDeltaEntry& entry, std::vector<Variant>& params)
{
    const TPacketMeta& meta = *entry.Meta;
    params.clear();
    if (entry.Kind != TUpdateKind::ukDelete)
        for (std::size_t i = 0; i < meta.Fields.size(); ++i)
            if (Writes(meta.Fields[i]))
                params.push_back((*entry.After)[i]);
    if (entry.Kind == TUpdateKind::ukInsert)
        return;
    const TProviderFlag finder = Finder(meta);
    for (std::size_t i = 0; i < meta.Fields.size(); ++i)
        if (Finds(meta.Fields[i], finder) && !IsNullValue((*entry.Before)[i]))
            params.push_back((*entry.Before)[i]);
}
} // namespace

void TDataSetProvider::ApplyUpdates(const std::vector<TDeltaEntry>& Delta)
{
    if (!FDataSet)
        DatabaseError("Missing data provider or data packet: no dataset", this);
    std::vector<TProviderChange> changes;
    changes.reserve(Delta.size());
    for (const TDeltaEntry& entry : Delta)
        changes.push_back({this, entry});
    WriteChanges(changes, true);
}

void WriteChanges(const std::vector<TProviderChange>& Changes, bool Commit)
{
    if (Changes.empty())
        return;
    for (const TProviderChange& change : Changes)
        if (!change.Provider->DataSet())
            DatabaseError("Missing data provider or data packet: no dataset", change.Provider);
    TDataSet& transaction = *Changes.front().Provider->DataSet();
    transaction.PSStartTransaction();
    TStatementTexts texts;
    std::vector<Variant> params;
    std::size_t index = 0;
    try {
        for (; index < Changes.size(); ++index) {
            const TDeltaEntry& entry = Changes[index].Entry;
            if (entry.Meta->TableName.empty())
                DatabaseError("Unable to find the table to update", Changes[index].Provider);
            FillParams(entry, params);
            const int64_t rows = Changes[index].Provider->DataSet()->PSExecuteStatement(texts.Text(entry), params);
            if (entry.Kind != TUpdateKind::ukInsert && rows != 1)
                throw EDatabaseError(rows == 0 ? "Record not found or changed by another user"
                                               : "More than one record changed");
        }
    } catch (const Exception& e) {
        transaction.PSEndTransaction(false);
        const TDeltaEntry& failed = Changes[index].Entry;
        throw EApplyError("Changes were not applied: " + KindName(failed.Kind) + " " + failed.Meta->TableName +
                              " (change " + std::to_string(index + 1) + " of " + std::to_string(Changes.size()) +
                              "): " + e.Message(),
                          index, e.Message());
    }
    transaction.PSEndTransaction(Commit);
}
