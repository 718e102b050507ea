#pragma once
// What a provider hands a client dataset (the rows and their description,
// nested detail rows inside their master rows) and what the client dataset
// hands back to apply (its change log, in the order the changes were made).
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/data/dataset.h"
#include "platform/data/rowstore.h"

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

// The layout of rows that Meta describes, its nested tables' inside.
std::shared_ptr<const TRowLayout> LayoutOf(const TPacketMeta& Meta);

struct TDataPacket {
    TPacketMeta Meta;
    std::shared_ptr<TRowStore> Rows;                          // in LayoutOf(Meta); nested rows in each row
};

enum class TUpdateKind { ukInsert, ukModify, ukDelete };

// One change: the row's values before and after it (owned by the change log).
struct TDeltaEntry {
    const TPacketMeta* Meta;
    TUpdateKind Kind;
    const std::vector<Variant>* Before;
    const std::vector<Variant>* After;
};
