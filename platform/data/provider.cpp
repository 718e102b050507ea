#include "platform/data/provider.h"

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

void TDataSetProvider::PackRows(TDataSet& dataSet, const TPacketMeta& meta, std::vector<TPacketRow>& rows,
                                const std::vector<TDataSet*>& details)
{
    std::vector<const TField*> fields;
    for (const TFieldDef& def : meta.Fields) {
        const TField* field = dataSet.FindField(def.Name);
        fields.push_back(field && field->FieldKind() == fkData ? field : nullptr);
    }
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next()) {
        TPacketRow row;
        row.Values.reserve(fields.size());
        for (std::size_t i = 0; i < fields.size(); ++i)
            row.Values.push_back(fields[i] ? fields[i]->Value() : Variant::Null());
        for (std::size_t d = 0; d < details.size(); ++d) {
            details[d]->MasterChanged();
            row.Nested.emplace_back();
            PackRows(*details[d], meta.Nested[d].Meta[0], row.Nested.back(), details[d]->DetailDataSets());
        }
        rows.push_back(std::move(row));
    }
}

TDataPacket TDataSetProvider::GetData()
{
    if (!FDataSet)
        DatabaseError("Missing data provider or data packet: no dataset", this);
    TDataSet& source = *FDataSet;
    source.Open();
    TDataPacket packet;
    packet.Meta = DescribeDataSet(source);
    const std::vector<TDataSet*> details = source.DetailDataSets();
    for (TDataSet* detail : details) {
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
    PackRows(source, packet.Meta, packet.Rows, details);
    return packet;
}

namespace {
struct TStatement {
    std::string SQL;
    std::vector<Variant> Params;
};

std::string KindName(TUpdateKind kind)
{
    switch (kind) {
    case TUpdateKind::ukInsert: return "inserting";
    case TUpdateKind::ukModify: return "updating";
    case TUpdateKind::ukDelete: return "deleting";
    }
    return "changing";
}

// The WHERE clause that finds the row as it was before the change.
void AppendWhere(const TPacketMeta& meta, const std::vector<Variant>& before, TStatement& st)
{
    bool byKey = false;
    for (const TFieldDef& def : meta.Fields)
        byKey = byKey || def.ProviderFlags.Contains(pfInKey);
    const TProviderFlag finder = byKey ? pfInKey : pfInWhere;
    std::string where;
    for (std::size_t i = 0; i < meta.Fields.size(); ++i) {
        const TFieldDef& def = meta.Fields[i];
        if (def.DataType == ftDataSet || !def.ProviderFlags.Contains(finder))
            continue;
        if (!where.empty())
            where += " and ";
        if (before[i].IsNull() || before[i].IsEmpty()) {
            where += def.Name + " is null";
        } else {
            where += def.Name + " = ?";
            st.Params.push_back(before[i]);
        }
    }
    if (where.empty())
        DatabaseError("No fields to find the row in " + meta.TableName + " by");
    st.SQL += " where " + where;
}

TStatement BuildStatement(const TDeltaEntry& entry)
{
    const TPacketMeta& meta = *entry.Meta;
    TStatement st;
    const auto writes = [&](std::size_t i) {
        const TFieldDef& def = meta.Fields[i];
        return def.DataType != ftDataSet && def.ProviderFlags.Contains(pfInUpdate);
    };
    switch (entry.Kind) {
    case TUpdateKind::ukInsert: {
        std::string names, marks;
        for (std::size_t i = 0; i < meta.Fields.size(); ++i) {
            if (!writes(i))
                continue;
            names += (names.empty() ? "" : ", ") + meta.Fields[i].Name;
            marks += marks.empty() ? "?" : ", ?";
            st.Params.push_back(entry.After[i]);
        }
        st.SQL = "insert into " + meta.TableName + " (" + names + ") values (" + marks + ")";
        break;
    }
    case TUpdateKind::ukModify: {
        std::string sets;
        for (std::size_t i = 0; i < meta.Fields.size(); ++i) {
            if (!writes(i))
                continue;
            sets += (sets.empty() ? "" : ", ") + meta.Fields[i].Name + " = ?";
            st.Params.push_back(entry.After[i]);
        }
        st.SQL = "update " + meta.TableName + " set " + sets;
        AppendWhere(meta, entry.Before, st);
        break;
    }
    case TUpdateKind::ukDelete:
        st.SQL = "delete from " + meta.TableName;
        AppendWhere(meta, entry.Before, st);
        break;
    }
    return st;
}
} // namespace

void TDataSetProvider::ApplyUpdates(const std::vector<TDeltaEntry>& Delta)
{
    if (!FDataSet)
        DatabaseError("Missing data provider or data packet: no dataset", this);
    if (Delta.empty())
        return;
    FDataSet->PSStartTransaction();
    std::size_t index = 0;
    try {
        for (; index < Delta.size(); ++index) {
            const TDeltaEntry& entry = Delta[index];
            if (entry.Meta->TableName.empty())
                DatabaseError("Unable to find the table to update", this);
            const TStatement st = BuildStatement(entry);
            const int64_t rows = FDataSet->PSExecuteStatement(st.SQL, st.Params);
            if (entry.Kind != TUpdateKind::ukInsert && rows != 1)
                throw EDatabaseError(rows == 0 ? "Record not found or changed by another user"
                                               : "More than one record changed");
        }
    } catch (const Exception& e) {
        FDataSet->PSEndTransaction(false);
        throw EDatabaseError("Changes were not applied: " + KindName(Delta[index].Kind) + " " +
                             Delta[index].Meta->TableName + " (change " +
                             std::to_string(index + 1) + " of " + std::to_string(Delta.size()) + "): " + e.Message());
    }
    FDataSet->PSEndTransaction(true);
}
