#include "platform/data/updateorder.h"

#include <algorithm>
#include <string>
#include <unordered_map>

namespace {

// The values of the columns as one text; false when any is Null (such a row
// refers to nothing).
bool KeyOf(const std::vector<Variant>& values, const std::vector<int>& columns, std::string& key)
{
    key.clear();
    for (const int column : columns) {
        const Variant& value = values[static_cast<std::size_t>(column)];
        if (value.IsNull() || value.IsEmpty())
            return false;
        key += VarToStr(value);
        key += '\x1f';
    }
    return true;
}

// One reference as the changes written so far leave it: how many rows hold
// each key and how many rows refer to it.
class TReferenceState {
public:
    explicit TReferenceState(const TRowReference& reference) : FReference(reference)
    {
        std::string key;
        for (const std::vector<Variant>& row : reference.StoredTo)
            if (KeyOf(row, reference.ToColumns, key))
                ++FHolders[key];
        for (const std::vector<Variant>& row : reference.StoredFrom)
            if (KeyOf(row, reference.FromColumns, key))
                ++FReferrers[key];
    }

    bool Allows(const TDeltaEntry& entry) const
    {
        std::string key;
        if (entry.Meta == FReference.From && Takes(entry, FReference.FromColumns, key) && Count(FHolders, key) == 0)
            return false;
        if (entry.Meta == FReference.To && Gives(entry, FReference.ToColumns, key) && Count(FReferrers, key) > 0 &&
            Count(FHolders, key) == 1)
            return false;
        return true;
    }

    void Write(const TDeltaEntry& entry)
    {
        if (entry.Meta == FReference.From)
            Move(FReferrers, entry, FReference.FromColumns);
        if (entry.Meta == FReference.To)
            Move(FHolders, entry, FReference.ToColumns);
    }

private:
    using TCounts = std::unordered_map<std::string, int>;

    static int Count(const TCounts& counts, const std::string& key)
    {
        const auto it = counts.find(key);
        return it == counts.end() ? 0 : it->second;
    }

    // The key the row comes to hold, when it did not hold it before.
    static bool Takes(const TDeltaEntry& entry, const std::vector<int>& columns, std::string& key)
    {
        if (entry.Kind == TUpdateKind::ukDelete || !KeyOf(*entry.After, columns, key))
            return false;
        std::string before;
        return entry.Kind == TUpdateKind::ukInsert || !KeyOf(*entry.Before, columns, before) || before != key;
    }

    // The key the row stops holding.
    static bool Gives(const TDeltaEntry& entry, const std::vector<int>& columns, std::string& key)
    {
        if (entry.Kind == TUpdateKind::ukInsert || !KeyOf(*entry.Before, columns, key))
            return false;
        std::string after;
        return entry.Kind == TUpdateKind::ukDelete || !KeyOf(*entry.After, columns, after) || after != key;
    }

    static void Move(TCounts& counts, const TDeltaEntry& entry, const std::vector<int>& columns)
    {
        std::string key;
        if (entry.Kind != TUpdateKind::ukInsert && KeyOf(*entry.Before, columns, key))
            --counts[key];
        if (entry.Kind != TUpdateKind::ukDelete && KeyOf(*entry.After, columns, key))
            ++counts[key];
    }

    const TRowReference& FReference;
    TCounts FHolders;
    TCounts FReferrers;
};

} // namespace

std::vector<TProviderChange> OrderChanges(std::vector<TPendingChange> Changes,
                                          const std::vector<TRowReference>& References)
{
    std::stable_sort(Changes.begin(), Changes.end(), [](const TPendingChange& a, const TPendingChange& b) {
        return a.Log != b.Log ? a.Log < b.Log : a.Stamp < b.Stamp;
    });
    // Each log from its first change on: [begin, end) of Changes.
    std::vector<std::pair<std::size_t, std::size_t>> logs;
    for (std::size_t i = 0; i < Changes.size(); ++i)
        if (i == 0 || Changes[i].Log != Changes[i - 1].Log)
            logs.emplace_back(i, i);
    for (std::size_t l = 0; l < logs.size(); ++l)
        logs[l].second = l + 1 < logs.size() ? logs[l + 1].first : Changes.size();
    std::vector<TReferenceState> states;
    states.reserve(References.size());
    for (const TRowReference& reference : References)
        states.emplace_back(reference);
    const auto allowed = [&states](const TDeltaEntry& entry) {
        return std::all_of(states.begin(), states.end(), [&entry](const TReferenceState& s) { return s.Allows(entry); });
    };

    std::vector<TProviderChange> ordered;
    ordered.reserve(Changes.size());
    while (ordered.size() < Changes.size()) {
        const TPendingChange* earliest = nullptr;
        const TPendingChange* next = nullptr;
        std::size_t* nextLog = nullptr;
        std::size_t* earliestLog = nullptr;
        for (auto& [begin, end] : logs) {
            if (begin == end)
                continue;
            const TPendingChange& head = Changes[begin];
            if (!earliest || head.Stamp < earliest->Stamp) {
                earliest = &head;
                earliestLog = &begin;
            }
            if ((!next || head.Stamp < next->Stamp) && allowed(head.Change.Entry)) {
                next = &head;
                nextLog = &begin;
            }
        }
        if (!next) {
            next = earliest;
            nextLog = earliestLog;
        }
        for (TReferenceState& state : states)
            state.Write(next->Change.Entry);
        ordered.push_back(next->Change);
        ++*nextLog;
    }
    return ordered;
}
