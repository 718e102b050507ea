#pragma once
// What a provider hands a client dataset (the rows and their description,
// nested detail rows inside their master rows) and what the client dataset
// hands back to apply (its change log, in the order the changes were made).
#include <string>
#include <utility>
#include <vector>

#include "platform/data/dataset.h"

struct TPacketMeta;

struct TNestedMeta {
    std::string FieldName;                                    // the nested field of the master
    std::vector<std::pair<std::string, std::string>> Links;   // master field -> detail field
    std::vector<TPacketMeta> Meta;                            // exactly one: the detail's description
};

struct TPacketMeta {
    std::vector<TFieldDef> Fields;
    std::string TableName;
    std::vector<TNestedMeta> Nested;
};

struct TPacketRow {
    std::vector<Variant> Values;
    std::vector<std::vector<TPacketRow>> Nested;              // one list per nested field
};

struct TDataPacket {
    TPacketMeta Meta;
    std::vector<TPacketRow> Rows;
};

enum class TUpdateKind { ukInsert, ukModify, ukDelete };

// One change: the row's values before and after it (owned by the change log).
struct TDeltaEntry {
    const TPacketMeta* Meta;
    TUpdateKind Kind;
    const std::vector<Variant>* Before;
    const std::vector<Variant>* After;
};
