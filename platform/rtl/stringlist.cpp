#include "platform/rtl/stringlist.h"

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/strutils.h"
#include "platform/rtl/writer.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <utility>

LT_IMPLEMENT_CLASS(TStrings, TPersistent) {}
LT_IMPLEMENT_CLASS(TStringList, TStrings) {}


namespace {

// Runs body between BeginUpdate and EndUpdate, ending the update on an
// exception too.
template <class F>
void WithUpdate(TStrings& strings, F&& body)
{
    strings.BeginUpdate();
    try {
        body();
    } catch (...) {
        strings.EndUpdate();
        throw;
    }
    strings.EndUpdate();
}

bool IsBlank(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= ' ';
}

std::string JoinDelimited(const TStrings& strings, char delimiter, char quote, bool strict)
{
    const int count = strings.Count();
    if (count == 1 && strings.Get(0).empty())
        return std::string(2, quote);
    std::string result;
    for (int i = 0; i < count; ++i) {
        const std::string item = strings.Get(i);
        const bool needsQuotes = std::any_of(item.begin(), item.end(), [&](char c) {
            return c == quote || c == delimiter || (!strict && IsBlank(c));
        });
        if (i > 0)
            result += delimiter;
        result += needsQuotes ? AnsiQuotedStr(item, quote) : item;
    }
    return result;
}

void ParseDelimited(TStrings& strings, const std::string& text, char delimiter, char quote, bool strict)
{
    // A NUL ends the text.
    const std::string_view input(text.c_str());
    const auto at = [&input](std::size_t pos) { return pos < input.size() ? input[pos] : '\0'; };
    const auto skipBlanks = [&](std::size_t& pos) {
        if (!strict)
            while (IsBlank(at(pos)))
                ++pos;
    };

    WithUpdate(strings, [&] {
        strings.Clear();
        std::size_t pos = 0;
        skipBlanks(pos);
        while (pos < input.size()) {
            if (input[pos] == quote) {
                strings.Add(AnsiExtractQuotedStr(input, pos, quote));
            } else {
                const std::size_t start = pos;
                while (pos < input.size() && input[pos] != delimiter &&
                       (strict || static_cast<unsigned char>(input[pos]) > ' '))
                    ++pos;
                strings.Add(std::string(input.substr(start, pos - start)));
            }
            skipBlanks(pos);
            if (pos < input.size() && input[pos] == delimiter) {
                // A delimiter at the very end leaves one empty item after it.
                if (pos + 1 == input.size())
                    strings.Add("");
                ++pos;
                skipBlanks(pos);
            }
        }
    });
}

[[noreturn]] void ListIndexError(int index)
{
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

// ---- TStrings -------------------------------------------------------------

void TStrings::Put(int index, const std::string& s)
{
    TObject* const object = GetObject(index);
    WithUpdate(*this, [&] {
        Delete(index);
        InsertObject(index, s, object);
    });
}

TObject* TStrings::GetObject(int) const
{
    return nullptr;
}

void TStrings::PutObject(int, TObject*)
{
}

int TStrings::Add(const std::string& s)
{
    const int index = Count();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const std::string& s, TObject* object)
{
    const int index = Add(s);
    PutObject(index, object);
    return index;
}

void TStrings::InsertObject(int index, const std::string& s, TObject* object)
{
    Insert(index, s);
    PutObject(index, object);
}

void TStrings::Exchange(int index1, int index2)
{
    const std::string s1 = Get(index1);
    TObject* const object1 = GetObject(index1);
    const std::string s2 = Get(index2);
    TObject* const object2 = GetObject(index2);
    WithUpdate(*this, [&] {
        Put(index1, s2);
        PutObject(index1, object2);
        Put(index2, s1);
        PutObject(index2, object1);
    });
}

void TStrings::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    const std::string s = Get(curIndex);
    TObject* const object = GetObject(curIndex);
    WithUpdate(*this, [&] {
        Delete(curIndex);
        InsertObject(newIndex, s, object);
    });
}

int TStrings::IndexOf(const std::string& s) const
{
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Get(i), s) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfName(const std::string& name) const
{
    for (int i = 0; i < Count(); ++i) {
        const std::string line = Get(i);
        const std::size_t separator = line.find(FNameValueSeparator);
        if (separator != std::string::npos && CompareStrings(line.substr(0, separator), name) == 0)
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == object)
            return i;
    return -1;
}

std::string TStrings::Names(int index) const
{
    const std::string line = Get(index);
    const std::size_t separator = line.find(FNameValueSeparator);
    return separator == std::string::npos ? std::string() : line.substr(0, separator);
}

std::string TStrings::Values(const std::string& name) const
{
    const int index = IndexOfName(name);
    return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValues(const std::string& name, const std::string& value)
{
    const int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0)
            Delete(index);
        return;
    }
    const std::string line = name + FNameValueSeparator + value;
    if (index < 0)
        Add(line);
    else
        Put(index, line);
}

std::string TStrings::ValueFromIndex(int index) const
{
    const std::string line = Get(index);
    const std::size_t separator = line.find(FNameValueSeparator);
    return separator == std::string::npos ? std::string() : line.substr(separator + 1);
}

std::string TStrings::Text() const
{
    std::string result;
    for (int i = 0; i < Count(); ++i) {
        result += Get(i);
        result += '\n';
    }
    return result;
}

void TStrings::SetText(const std::string& text)
{
    WithUpdate(*this, [&] {
        Clear();
        std::size_t pos = 0;
        while (pos < text.size()) {
            const std::size_t end = text.find_first_of("\r\n", pos);
            if (end == std::string::npos) {
                Add(text.substr(pos));
                break;
            }
            Add(text.substr(pos, end - pos));
            pos = end + 1;
            if (text[end] == '\r' && pos < text.size() && text[pos] == '\n')
                ++pos;
        }
    });
}

std::string TStrings::DelimitedText() const
{
    return JoinDelimited(*this, FDelimiter, FQuoteChar, FStrictDelimiter);
}

void TStrings::SetDelimitedText(const std::string& text)
{
    ParseDelimited(*this, text, FDelimiter, FQuoteChar, FStrictDelimiter);
}

std::string TStrings::CommaText() const
{
    return JoinDelimited(*this, ',', '"', false);
}

void TStrings::SetCommaText(const std::string& text)
{
    ParseDelimited(*this, text, ',', '"', false);
}

void TStrings::AddStrings(const TStrings& strings)
{
    std::vector<std::pair<std::string, TObject*>> items;
    items.reserve(static_cast<std::size_t>(strings.Count()));
    for (int i = 0; i < strings.Count(); ++i)
        items.emplace_back(strings.Get(i), strings.GetObject(i));
    WithUpdate(*this, [&] {
        for (const auto& [s, object] : items)
            AddObject(s, object);
    });
}

void TStrings::Assign(const TPersistent* Source)
{
    const auto* other = dynamic_cast<const TStrings*>(Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    const TStrings& source = *other;
    if (&source == this)
        return;
    WithUpdate(*this, [&] {
        Clear();
        FDelimiter = source.FDelimiter;
        FQuoteChar = source.FQuoteChar;
        FNameValueSeparator = source.FNameValueSeparator;
        FStrictDelimiter = source.FStrictDelimiter;
        AddStrings(source);
    });
}

bool TStrings::Equals(const TStrings& other) const
{
    if (Count() != other.Count())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != other.Get(i))
            return false;
    return true;
}

void TStrings::BeginUpdate()
{
    ++FUpdateCount;
}

void TStrings::EndUpdate()
{
    if (FUpdateCount == 0 || --FUpdateCount > 0)
        return;
    FChangingSent = false;
    if (std::exchange(FChangePending, false) && OnChange)
        OnChange(this);
}

void TStrings::LoadFromFile(const std::string& fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TStrings::SaveToFile(const std::string& fileName) const
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

void TStrings::LoadFromStream(TStream& stream)
{
    const int64_t size = std::max<int64_t>(0, stream.Size() - stream.Position());
    std::string text(static_cast<std::size_t>(size), '\0');
    stream.ReadBuffer(text.data(), size);
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark))
        text.erase(0, kByteOrderMark.size());
    SetText(text);
}

void TStrings::SaveToStream(TStream& stream) const
{
    const std::string text = Text();
    stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

int TStrings::CompareStrings(const std::string& s1, const std::string& s2) const
{
    return AnsiCompareText(s1, s2);
}

void TStrings::Changing()
{
    if (FUpdateCount > 0) {
        if (std::exchange(FChangingSent, true))
            return;
    }
    if (OnChanging)
        OnChanging(this);
}

void TStrings::Changed()
{
    if (FUpdateCount > 0)
        FChangePending = true;
    else if (OnChange)
        OnChange(this);
}

// ---- TStringList ----------------------------------------------------------

int TStringList::Count() const
{
    return static_cast<int>(FItems.size());
}

std::string TStringList::Get(int index) const
{
    CheckIndex(index, Count());
    return FItems[static_cast<std::size_t>(index)].FString;
}

void TStringList::Put(int index, const std::string& s)
{
    CheckNotSorted();
    CheckIndex(index, Count());
    Changing();
    FItems[static_cast<std::size_t>(index)].FString = s;
    Changed();
}

TObject* TStringList::GetObject(int index) const
{
    CheckIndex(index, Count());
    return FItems[static_cast<std::size_t>(index)].FObject;
}

void TStringList::PutObject(int index, TObject* object)
{
    CheckIndex(index, Count());
    Changing();
    FItems[static_cast<std::size_t>(index)].FObject = object;
    Changed();
}

int TStringList::Add(const std::string& s)
{
    return AddObject(s, nullptr);
}

int TStringList::AddObject(const std::string& s, TObject* object)
{
    int index = Count();
    if (FSorted && Find(s, index)) {
        if (FDuplicates == TDuplicates::dupIgnore)
            return index;
        if (FDuplicates == TDuplicates::dupError)
            throw EStringListError("String list does not allow duplicates");
    }
    InsertItem(index, s, object);
    return index;
}

void TStringList::Insert(int index, const std::string& s)
{
    InsertObject(index, s, nullptr);
}

void TStringList::InsertObject(int index, const std::string& s, TObject* object)
{
    CheckNotSorted();
    CheckIndex(index, Count() + 1);
    InsertItem(index, s, object);
}

void TStringList::Delete(int index)
{
    CheckIndex(index, Count());
    Changing();
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TStringList::Clear()
{
    if (FItems.empty())
        return;
    Changing();
    FItems.clear();
    Changed();
}

void TStringList::Exchange(int index1, int index2)
{
    CheckNotSorted();
    CheckIndex(index1, Count());
    CheckIndex(index2, Count());
    Changing();
    std::swap(FItems[static_cast<std::size_t>(index1)], FItems[static_cast<std::size_t>(index2)]);
    Changed();
}

void TStringList::Move(int curIndex, int newIndex)
{
    CheckNotSorted();
    CheckIndex(curIndex, Count());
    CheckIndex(newIndex, Count());
    if (curIndex == newIndex)
        return;
    Changing();
    const auto from = FItems.begin() + curIndex;
    const auto to = FItems.begin() + newIndex;
    if (curIndex < newIndex)
        std::rotate(from, from + 1, to + 1);
    else
        std::rotate(to, from, from + 1);
    Changed();
}

int TStringList::IndexOf(const std::string& s) const
{
    if (!FSorted)
        return TStrings::IndexOf(s);
    int index = 0;
    return Find(s, index) ? index : -1;
}

void TStringList::Assign(const TPersistent* Source)
{
    const auto* list = dynamic_cast<const TStringList*>(Source);
    if (list == nullptr || list == this) {
        TStrings::Assign(Source);
        return;
    }
    WithUpdate(*this, [&] {
        // Unsorted while copying: the source's order is already right for
        // the settings copied after it.
        FSorted = false;
        TStrings::Assign(Source);
        FCaseSensitive = list->FCaseSensitive;
        FDuplicates = list->FDuplicates;
        FSorted = list->FSorted;
    });
}

bool TStringList::Find(const std::string& s, int& index) const
{
    int low = 0;
    int high = Count() - 1;
    bool found = false;
    while (low <= high) {
        const int middle = low + (high - low) / 2;
        const int order = CompareStrings(FItems[static_cast<std::size_t>(middle)].FString, s);
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle - 1;
            found = found || order == 0;
        }
    }
    index = low;
    return found;
}

void TStringList::Sort()
{
    CustomSort([](const TStringList& list, int index1, int index2) {
        return list.CompareStrings(list.FItems[static_cast<std::size_t>(index1)].FString,
                                   list.FItems[static_cast<std::size_t>(index2)].FString);
    });
}

void TStringList::CustomSort(const TStringListSortCompare& compare)
{
    if (!FSorted && Count() > 1)
        SortItems(compare);
}

void TStringList::SetSorted(bool sorted)
{
    if (sorted == FSorted)
        return;
    if (sorted)
        Sort();
    FSorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive)
{
    if (caseSensitive == FCaseSensitive)
        return;
    FCaseSensitive = caseSensitive;
    if (FSorted) {
        FSorted = false;
        Sort();
        FSorted = true;
    }
}

int TStringList::CompareStrings(const std::string& s1, const std::string& s2) const
{
    return FCaseSensitive ? AnsiCompareStr(s1, s2) : AnsiCompareText(s1, s2);
}

void TStringList::CheckIndex(int index, int limit) const
{
    if (index < 0 || index >= limit)
        ListIndexError(index);
}

void TStringList::CheckNotSorted() const
{
    if (FSorted)
        throw EStringListError("Operation not allowed on sorted list");
}

void TStringList::InsertItem(int index, const std::string& s, TObject* object)
{
    Changing();
    FItems.insert(FItems.begin() + index, TStringItem{s, object});
    Changed();
}

void TStringList::SortItems(const TStringListSortCompare& compare)
{
    // The comparison reads the list by index, so order a permutation while
    // the items stay where they are, then rearrange them once.
    std::vector<int> order(FItems.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return compare(*this, a, b) < 0; });
    Changing();
    std::vector<TStringItem> sorted;
    sorted.reserve(FItems.size());
    for (const int i : order)
        sorted.push_back(std::move(FItems[static_cast<std::size_t>(i)]));
    FItems = std::move(sorted);
    Changed();
}

void TStrings::DefineProperties(TFiler& Filer)
{
    Filer.DefineProperty(
        "Strings",
        [this](TReader& reader) {
            WithUpdate(*this, [&] {
                Clear();
                reader.ReadListBegin();
                while (!reader.EndOfList())
                    Add(reader.ReadString());
                reader.ReadListEnd();
            });
        },
        [this](TWriter& writer) {
            writer.WriteListBegin();
            for (int i = 0; i < Count(); ++i)
                writer.WriteString(Get(i));
            writer.WriteListEnd();
        },
        Count() > 0);
}
