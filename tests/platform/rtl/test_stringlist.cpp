#include "platform/rtl/stringlist.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <vector>

#include <unistd.h>

namespace {

using Lines = std::vector<std::string>;

Lines Items(const TStrings& strings)
{
    Lines result;
    for (int i = 0; i < strings.Count(); ++i)
        result.push_back(strings[i]);
    return result;
}

void Fill(TStrings& strings, std::initializer_list<const char*> items)
{
    strings.Clear();
    for (const char* item : items)
        strings.Add(item);
}

// Distinct object pointers for checking that objects travel with their
// strings; never dereferenced.
TObject* Tag(uintptr_t n)
{
    return reinterpret_cast<TObject*>(n * 16);
}

void ExpectListError(const std::function<void()>& action, const std::string& message)
{
    try {
        action();
        ADD_FAILURE() << "no exception, expected: " << message;
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), message);
    }
}

TEST(StringList, DelimitedTextParsing)
{
    struct Case {
        std::string text;
        char delimiter;
        char quote;
        bool strict;
        Lines expected;
    };
    const Case cases[] = {
        {"a,b,c", ',', '"', false, {"a", "b", "c"}},
        {"a b,c", ',', '"', false, {"a", "b", "c"}},
        {"a b,c", ',', '"', true, {"a b", "c"}},
        {"a\tb", ',', '"', false, {"a", "b"}},
        {" a , b ", ',', '"', false, {"a", "b"}},
        {" a , b ", ',', '"', true, {" a ", " b "}},
        {"a,,b", ',', '"', false, {"a", "", "b"}},
        {"a,", ',', '"', false, {"a", ""}},
        {",a", ',', '"', false, {"", "a"}},
        {"", ',', '"', false, {}},
        {"   ", ',', '"', false, {}},
        {"\"\"", ',', '"', false, {""}},
        {"\"a b\",c", ',', '"', false, {"a b", "c"}},
        {"\"say \"\"hi\"\"\",x", ',', '"', false, {"say \"hi\"", "x"}},
        {"\"a,b\" , c", ',', '"', false, {"a,b", "c"}},
        {"\"a\"b", ',', '"', false, {"a", "b"}},
        {"\"unterminated, still", ',', '"', false, {"unterminated, still"}},
        {"x;\"y;z\"", ';', '"', false, {"x", "y;z"}},
        {"'a b' c", ',', '\'', false, {"a b", "c"}},
        {"x|y z|", '|', '"', true, {"x", "y z", ""}},
        {"x\"y\"|z", '|', '"', true, {"x\"y\"", "z"}},  // quotes count only at the start
        {std::string("cut\0here", 8), ',', '"', false, {"cut"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TStringList list;
        list.Add("previous contents");
        list.SetDelimiter(c.delimiter);
        list.SetQuoteChar(c.quote);
        list.SetStrictDelimiter(c.strict);
        list.SetDelimitedText(c.text);
        EXPECT_EQ(Items(list), c.expected);
    }
}

TEST(StringList, DelimitedTextJoining)
{
    struct Case {
        Lines items;
        bool strict;
        std::string expected;
    };
    const Case cases[] = {
        {{"a", "b"}, false, "a,b"},
        {{"a b", "c"}, false, "\"a b\",c"},
        {{"a b", "c"}, true, "a b,c"},
        {{"x,y"}, true, "\"x,y\""},
        {{"say \"hi\""}, false, "\"say \"\"hi\"\"\""},
        {{"tab\there"}, false, "\"tab\there\""},
        {{""}, false, "\"\""},
        {{"a", "", "b"}, false, "a,,b"},
        {{}, false, ""},
        {{"привет", "мир"}, false, "привет,мир"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        TStringList list;
        for (const std::string& item : c.items)
            list.Add(item);
        list.SetStrictDelimiter(c.strict);
        EXPECT_EQ(list.DelimitedText(), c.expected);

        // What was written reads back as the same list.
        TStringList parsed;
        parsed.SetStrictDelimiter(c.strict);
        parsed.SetDelimitedText(c.expected);
        EXPECT_EQ(Items(parsed), c.items);
    }
}

TEST(StringList, CommaTextUsesItsOwnSettings)
{
    TStringList list;
    list.SetDelimiter(';');
    list.SetQuoteChar('\'');
    list.SetStrictDelimiter(true);
    list.SetCommaText("a b;c,\"d e\"");
    EXPECT_EQ(Items(list), (Lines{"a", "b;c", "d e"}));
    EXPECT_EQ(list.CommaText(), "a,b;c,\"d e\"");
    EXPECT_EQ(list.DelimitedText(), "a;'b;c';d e");
    EXPECT_EQ(list.Delimiter(), ';');
    EXPECT_EQ(list.QuoteChar(), '\'');
    EXPECT_TRUE(list.StrictDelimiter());
}

TEST(StringList, TextSplitsOnAnyLineBreak)
{
    struct Case {
        std::string text;
        Lines expected;
    };
    const Case cases[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\n", {"a"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\n\r", {"a", ""}},
        {"\n", {""}},
        {"", {}},
        {"no break", {"no break"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        TStringList list;
        list.SetText(c.text);
        EXPECT_EQ(Items(list), c.expected);
    }

    TStringList list;
    Fill(list, {"a", "", "b"});
    EXPECT_EQ(list.Text(), "a\n\nb\n");
    list.Clear();
    EXPECT_EQ(list.Text(), "");
}

TEST(StringList, NamesAndValues)
{
    TStringList list;
    Fill(list, {"a=1", "Key=2", "no separator", "empty=", "eq=x=y"});
    EXPECT_EQ(list.Names(0), "a");
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.ValueFromIndex(1), "2");
    EXPECT_EQ(list.ValueFromIndex(2), "");
    EXPECT_EQ(list.Values("KEY"), "2");
    EXPECT_EQ(list.Values("eq"), "x=y");
    EXPECT_EQ(list.Values("empty"), "");
    EXPECT_EQ(list.Values("missing"), "");
    EXPECT_EQ(list.IndexOfName("EMPTY"), 3);
    EXPECT_EQ(list.IndexOfName("no separator"), -1);

    list.SetValues("key", "9");
    list.SetValues("new", "5");
    list.SetValues("a", "");
    list.SetValues("absent", "");
    EXPECT_EQ(Items(list), (Lines{"key=9", "no separator", "empty=", "eq=x=y", "new=5"}));

    list.SetNameValueSeparator(':');
    list.Add("host:example");
    EXPECT_EQ(list.Values("host"), "example");
    EXPECT_EQ(list.Values("key"), "");
}

TEST(StringList, SortedListHonoursDuplicates)
{
    struct Case {
        TDuplicates duplicates;
        bool caseSensitive;
        Lines expected;
        bool raises;
    };
    const Case cases[] = {
        {TDuplicates::dupIgnore, false, {"a", "b", "c"}, false},
        {TDuplicates::dupAccept, false, {"a", "B", "b", "c"}, false},
        {TDuplicates::dupError, false, {"a", "b", "c"}, true},
        {TDuplicates::dupError, true, {"a", "b", "B", "c"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.duplicates));
        TStringList list;
        list.SetSorted(true);
        list.SetDuplicates(c.duplicates);
        list.SetCaseSensitive(c.caseSensitive);
        list.Add("b");
        list.Add("a");
        list.Add("c");
        if (c.raises) {
            ExpectListError([&] { list.Add("B"); }, "String list does not allow duplicates");
        } else {
            const int index = list.Add("B");
            EXPECT_EQ(list[index], c.duplicates == TDuplicates::dupIgnore ? "b" : "B");
        }
        EXPECT_EQ(Items(list), c.expected);
    }
}

TEST(StringList, CaseInsensitiveSortOrdersRussianByLetter)
{
    TStringList list;
    Fill(list, {"Гамма", "вектор", "Бета", "альфа", "Альфа2", "ёж"});
    list.Sort();
    EXPECT_EQ(Items(list), (Lines{"альфа", "Альфа2", "Бета", "вектор", "Гамма", "ёж"}));

    list.SetSorted(true);
    EXPECT_EQ(list.Add("БАРАН"), 2);
    EXPECT_EQ(list.IndexOf("ВЕКТОР"), 4);

    TStringList cased;
    cased.SetCaseSensitive(true);
    Fill(cased, {"b", "B", "A", "a"});
    cased.Sort();
    EXPECT_EQ(Items(cased), (Lines{"a", "A", "b", "B"}));
    EXPECT_EQ(cased.IndexOf("A"), 1);
    EXPECT_EQ(cased.IndexOf("c"), -1);
}

TEST(StringList, FindInSortedList)
{
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(TDuplicates::dupAccept);
    for (const char* s : {"d", "b", "f", "b", "B"})
        list.Add(s);
    ASSERT_EQ(Items(list), (Lines{"B", "b", "b", "d", "f"}));

    struct Case {
        std::string s;
        bool found;
        int index;
    };
    const Case cases[] = {
        {"b", true, 0},  // the first of the equal ones
        {"D", true, 3},
        {"f", true, 4},
        {"a", false, 0},
        {"c", false, 3},
        {"z", false, 5},
    };
    for (const Case& c : cases) {
        int index = -1;
        EXPECT_EQ(list.Find(c.s, index), c.found) << c.s;
        EXPECT_EQ(index, c.index) << c.s;
    }
}

TEST(StringList, TogglingCaseSensitivityResorts)
{
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(TDuplicates::dupAccept);
    for (const char* s : {"B", "a", "A", "b"})
        list.Add(s);
    list.SetCaseSensitive(true);
    EXPECT_EQ(Items(list), (Lines{"a", "A", "b", "B"}));
    int index = -1;
    EXPECT_TRUE(list.Find("B", index));
    EXPECT_EQ(index, 3);
}

TEST(StringList, IndexAndSortedListErrors)
{
    TStringList list;
    Fill(list, {"a", "b"});
    ExpectListError([&] { list.Get(2); }, "List index out of bounds (2)");
    ExpectListError([&] { list.Get(-1); }, "List index out of bounds (-1)");
    ExpectListError([&] { list.Delete(5); }, "List index out of bounds (5)");
    ExpectListError([&] { list.Insert(3, "x"); }, "List index out of bounds (3)");
    ExpectListError([&] { list.Objects(2); }, "List index out of bounds (2)");
    ExpectListError([&] { list.Move(0, 2); }, "List index out of bounds (2)");
    list.Insert(2, "end");  // inserting at Count appends
    EXPECT_EQ(list[2], "end");

    list.SetSorted(true);
    const std::string sortedError = "Operation not allowed on sorted list";
    ExpectListError([&] { list.Insert(0, "x"); }, sortedError);
    ExpectListError([&] { list.SetStrings(0, "x"); }, sortedError);
    ExpectListError([&] { list.Exchange(0, 1); }, sortedError);
    ExpectListError([&] { list.Move(0, 1); }, sortedError);
    EXPECT_EQ(Items(list), (Lines{"a", "b", "end"}));
}

TEST(StringList, ObjectsTravelWithTheirStrings)
{
    TStringList list;
    for (uintptr_t i = 0; i < 4; ++i)
        list.AddObject(std::string(1, static_cast<char>('a' + i)), Tag(i + 1));

    list.Move(0, 2);
    EXPECT_EQ(Items(list), (Lines{"b", "c", "a", "d"}));
    list.Move(3, 1);
    EXPECT_EQ(Items(list), (Lines{"b", "d", "c", "a"}));
    list.Exchange(0, 3);
    EXPECT_EQ(Items(list), (Lines{"a", "d", "c", "b"}));
    list.SetStrings(1, "D");
    for (int i = 0; i < list.Count(); ++i) {
        const char letter = static_cast<char>(list[i][0] | 0x20);
        EXPECT_EQ(list.Objects(i), Tag(static_cast<uintptr_t>(letter - 'a' + 1))) << i;
    }
    EXPECT_EQ(list.IndexOfObject(Tag(3)), 2);
    EXPECT_EQ(list.IndexOfObject(nullptr), -1);

    list.InsertObject(0, "z", Tag(26));
    list.SetObjects(1, nullptr);
    EXPECT_EQ(list.Objects(0), Tag(26));
    EXPECT_EQ(list.IndexOfObject(nullptr), 1);
}

TEST(StringList, CustomSortIsStable)
{
    TStringList list;
    Fill(list, {"ccc", "a", "bb", "dd", "e", "fff"});
    list.CustomSort([](const TStringList& l, int i1, int i2) {
        return static_cast<int>(l[i1].size()) - static_cast<int>(l[i2].size());
    });
    EXPECT_EQ(Items(list), (Lines{"a", "e", "bb", "dd", "ccc", "fff"}));
}

TEST(StringList, ChangeEventsAndUpdates)
{
    TStringList list;
    std::vector<std::string> events;
    list.OnChanging = [&](TStrings* s) { events.push_back("changing " + std::to_string(s->Count())); };
    list.OnChange = [&](TStrings* s) { events.push_back("change " + std::to_string(s->Count())); };

    list.Add("a");
    EXPECT_EQ(events, (Lines{"changing 0", "change 1"}));

    events.clear();
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("b");
    list.Add("c");
    list.EndUpdate();
    list.Delete(0);
    EXPECT_EQ(events, (Lines{"changing 1"}));
    list.EndUpdate();
    EXPECT_EQ(events, (Lines{"changing 1", "change 2"}));

    events.clear();
    list.BeginUpdate();
    list.IndexOf("b");
    list.EndUpdate();
    EXPECT_TRUE(events.empty());  // nothing changed, nothing fired

    list.SetText("x\ny\nz");
    list.SetCommaText("p,q");
    EXPECT_EQ(events, (Lines{"changing 2", "change 3", "changing 3", "change 2"}));

    events.clear();
    list.Clear();
    list.Clear();  // already empty: no change
    EXPECT_EQ(events, (Lines{"changing 2", "change 0"}));
}

TEST(StringList, AssignAddStringsAndEquals)
{
    TStringList source;
    source.SetSorted(true);
    source.SetDuplicates(TDuplicates::dupError);
    source.SetDelimiter(';');
    source.AddObject("b", Tag(2));
    source.AddObject("a", Tag(1));

    TStringList copy;
    copy.Add("old");
    copy.Assign(&source);
    EXPECT_EQ(Items(copy), (Lines{"a", "b"}));
    EXPECT_EQ(copy.Objects(1), Tag(2));
    EXPECT_TRUE(copy.Sorted());
    EXPECT_EQ(copy.Duplicates(), TDuplicates::dupError);
    EXPECT_EQ(copy.Delimiter(), ';');
    EXPECT_TRUE(copy.Equals(source));
    EXPECT_THROW(copy.Add("A"), EStringListError);

    TStringList other;
    Fill(other, {"a", "B"});
    EXPECT_FALSE(other.Equals(source));  // Equals compares exactly
    other.AddStrings(other);
    EXPECT_EQ(Items(other), (Lines{"a", "B", "a", "B"}));
    EXPECT_FALSE(other.Equals(source));
}

TEST(StringList, StreamsAndFiles)
{
    TStringList list;
    TStringStream input("\xEF\xBB\xBFпервая\r\nвторая\rтретья");
    list.LoadFromStream(input);
    EXPECT_EQ(Items(list), (Lines{"первая", "вторая", "третья"}));

    TStringStream output;
    list.SaveToStream(output);
    EXPECT_EQ(output.DataString(), "первая\nвторая\nтретья\n");

    const std::string fileName =
        (std::filesystem::temp_directory_path() / ("rtl-stringlist-" + std::to_string(::getpid()) + ".txt")).string();
    list.SaveToFile(fileName);
    TStringList loaded;
    loaded.LoadFromFile(fileName);
    std::filesystem::remove(fileName);
    EXPECT_TRUE(loaded.Equals(list));

    TStringStream partial("skip|a\nb");
    partial.SetPosition(5);
    list.LoadFromStream(partial);
    EXPECT_EQ(Items(list), (Lines{"a", "b"}));
}

// A list implementing only the abstract members relies on TStrings for the
// rest.
class TVectorStrings : public TStrings {
public:
    int Count() const override { return static_cast<int>(FLines.size()); }
    std::string Get(int index) const override { return FLines.at(static_cast<std::size_t>(index)); }
    void Insert(int index, const std::string& s) override
    {
        Changing();
        FLines.insert(FLines.begin() + index, s);
        Changed();
    }
    void Delete(int index) override
    {
        Changing();
        FLines.erase(FLines.begin() + index);
        Changed();
    }
    void Clear() override
    {
        Changing();
        FLines.clear();
        Changed();
    }

private:
    std::vector<std::string> FLines;
};

TEST(Strings, DefaultsBuildOnTheAbstractMembers)
{
    TVectorStrings strings;
    int changes = 0;
    strings.OnChange = [&](TStrings*) { ++changes; };
    strings.SetCommaText("x=1,y=2,z=3");
    EXPECT_EQ(changes, 1);
    strings.Move(0, 2);
    strings.Exchange(0, 1);
    strings.SetValues("y", "20");
    EXPECT_EQ(Items(strings), (Lines{"z=3", "y=20", "x=1"}));
    EXPECT_EQ(strings.IndexOf("Y=20"), 1);
    EXPECT_EQ(changes, 4);  // one per operation, not per step

    TStringList list;
    list.Assign(&strings);
    EXPECT_TRUE(list.Equals(strings));
    EXPECT_EQ(list.Text(), "z=3\ny=20\nx=1\n");
}

}  // namespace
