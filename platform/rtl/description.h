#pragma once
// The text form of stored descriptions, as a tree: parsing text into it and
// printing it back. Reading a tree into components and writing components
// into a tree are the reader's and the writer's work.
//
//   object frmMain: TfrmMain
//     Caption = '  Lighting'
//     Font.Style = [fsBold]
//     object grdSchemes: TDBGridLt
//       Columns = <
//         item
//           FieldName = 'FNAME'
//         end>
//     end
//   end
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TDescValueKind { Integer, Float, String, Ident, Set, List, Collection, Binary };

struct TDescItem;

struct TDescValue {
    TDescValueKind Kind = TDescValueKind::Integer;
    int Line = 0;
    int64_t Integer = 0;
    double Float = 0;
    std::string Text;                 // a string, an identifier, or the bytes of a binary block
    std::vector<std::string> Set;     // the names in "[a, b]"
    std::vector<TDescValue> List;     // the values in "( ... )"
    std::vector<TDescItem> Items;     // the items in "< item ... end >"
};

struct TDescProperty {
    std::string Name;                 // may be a path: "Font.Name"
    TDescValue Value;
    int Line = 0;
};

struct TDescItem {
    std::vector<TDescProperty> Properties;
    int Line = 0;
};

struct TDescObject {
    std::string Name;
    std::string ClassName;
    std::vector<TDescProperty> Properties;
    std::vector<TDescObject> Children;
    int Line = 0;
};

// Raises EReadError "<resourceName>(<line>): <what is wrong>" for text that
// is not a well-formed description.
TDescObject ParseDescription(std::string_view text, const std::string& resourceName);

// The canonical text: two blanks of indent per level, one property a line.
std::string PrintDescription(const TDescObject& root);
