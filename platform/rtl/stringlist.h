#pragma once
// String lists: TStrings, the abstract list of strings each paired with an
// object pointer, and TStringList, the list that stores them (optionally
// sorted).
//
// Text joins the lines with LF ("\n"), the line break of this platform, and
// ends the last line with one as well. SetText, LoadFromFile and
// LoadFromStream accept CR, LF and CRLF line breaks. Files and streams hold
// UTF-8 without a byte order mark; one at the start of a loaded file is
// skipped.
#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/persistent.h"

class TStream;

class TStrings;
using TStringsEvent = std::function<void(TStrings*)>;

class TStrings : public TPersistent {
    LT_CLASS(TStrings)
public:
    TStrings() = default;
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;
    ~TStrings() override = default;

    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    // Replaces the string at index, keeping its object.
    virtual void Put(int index, const std::string& s);
    virtual TObject* GetObject(int index) const;
    virtual void PutObject(int index, TObject* object);

    std::string Strings(int index) const { return Get(index); }
    void SetStrings(int index, const std::string& s) { Put(index, s); }
    std::string operator[](int index) const { return Get(index); }
    TObject* Objects(int index) const { return GetObject(index); }
    void SetObjects(int index, TObject* object) { PutObject(index, object); }

    // Add returns the index the string landed at.
    virtual int Add(const std::string& s);
    virtual int AddObject(const std::string& s, TObject* object);
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void InsertObject(int index, const std::string& s, TObject* object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual void Exchange(int index1, int index2);
    virtual void Move(int curIndex, int newIndex);

    // Searches compare with CompareStrings; -1 when nothing matches.
    virtual int IndexOf(const std::string& s) const;
    int IndexOfName(const std::string& name) const;
    int IndexOfObject(const TObject* object) const;

    // "name=value" lines. Names(i) is "" for a line without the separator.
    std::string Names(int index) const;
    std::string Values(const std::string& name) const;
    // Replaces the value of the line with that name, adds a line when there is
    // none; an empty value deletes the line.
    void SetValues(const std::string& name, const std::string& value);
    std::string ValueFromIndex(int index) const;
    char NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(char separator) { FNameValueSeparator = separator; }

    std::string Text() const;
    virtual void SetText(const std::string& text);

    // DelimitedText quotes an item with QuoteChar when it contains the
    // delimiter, the quote or (unless StrictDelimiter) a blank or control
    // character. Parsing takes quoted items with doubled quotes inside; unless
    // StrictDelimiter, blanks also separate items and are dropped around them.
    std::string DelimitedText() const;
    void SetDelimitedText(const std::string& text);
    char Delimiter() const { return FDelimiter; }
    void SetDelimiter(char delimiter) { FDelimiter = delimiter; }
    char QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(char quote) { FQuoteChar = quote; }
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool strict) { FStrictDelimiter = strict; }
    // DelimitedText with ',' and '"' and blanks as separators, whatever the
    // list's own settings.
    std::string CommaText() const;
    void SetCommaText(const std::string& text);

    void AddStrings(const TStrings& strings);
    // From another TStrings: copies the strings, objects and the delimiter,
    // quote and name-value settings.
    void Assign(const TPersistent* Source) override;
    // In a description the lines are the list "Strings = ( 'a' 'b' )".
    void DefineProperties(TFiler& Filer) override;
    // Same strings in the same order (compared exactly); objects are ignored.
    bool Equals(const TStrings& other) const;

    // Between the outermost BeginUpdate and EndUpdate, OnChanging fires once
    // before the first change and OnChange once at the end, only if something
    // changed. Outside an update both fire around every change.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }
    TStringsEvent OnChange;
    TStringsEvent OnChanging;

    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;
    // Loads from the stream's position to its end.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;

protected:
    // The comparison used by IndexOf and IndexOfName: AnsiCompareText here.
    virtual int CompareStrings(const std::string& s1, const std::string& s2) const;
    // Descendants call these around each modification.
    void Changing();
    void Changed();

private:
    char FDelimiter = ',';
    char FQuoteChar = '"';
    char FNameValueSeparator = '=';
    bool FStrictDelimiter = false;
    int FUpdateCount = 0;
    bool FChangingSent = false;
    bool FChangePending = false;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
// Returns <0, 0 or >0 comparing the items at index1 and index2 of list.
using TStringListSortCompare = std::function<int(const TStringList& list, int index1, int index2)>;

// Index errors raise EStringListError "List index out of bounds (N)"; Put,
// Insert, Exchange and Move on a sorted list raise EStringListError
// "Operation not allowed on sorted list".
class TStringList : public TStrings {
    LT_CLASS(TStringList)
public:
    TStringList() = default;

    int Count() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;

    // In a sorted list the string goes to its place: a duplicate is skipped
    // (dupIgnore, returning the index of the existing one), inserted before
    // the equal ones (dupAccept) or refused with EStringListError "String list
    // does not allow duplicates" (dupError). Unsorted lists append.
    int Add(const std::string& s) override;
    int AddObject(const std::string& s, TObject* object) override;
    void Insert(int index, const std::string& s) override;
    void InsertObject(int index, const std::string& s, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int index1, int index2) override;
    void Move(int curIndex, int newIndex) override;
    int IndexOf(const std::string& s) const override;
    // From another TStringList also copies Sorted, Duplicates and
    // CaseSensitive.
    void Assign(const TPersistent* Source) override;

    // Binary search of a sorted list: true when s is present, with index set
    // to the first equal item; otherwise index is where s would be inserted.
    bool Find(const std::string& s, int& index) const;
    // Stable sorts, by CompareStrings or by compare. A list with Sorted set
    // is already in order and is left alone.
    void Sort();
    void CustomSort(const TStringListSortCompare& compare);

    bool Sorted() const { return FSorted; }
    // Turning Sorted on sorts the list.
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates duplicates) { FDuplicates = duplicates; }
    // Case-insensitive by default (AnsiCompareText); AnsiCompareStr when set.
    // Changing it re-sorts a sorted list.
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool caseSensitive);

protected:
    int CompareStrings(const std::string& s1, const std::string& s2) const override;

private:
    struct TStringItem {
        std::string FString;
        TObject* FObject = nullptr;
    };

    void CheckIndex(int index, int limit) const;
    void CheckNotSorted() const;
    void InsertItem(int index, const std::string& s, TObject* object);
    void SortItems(const TStringListSortCompare& compare);

    std::vector<TStringItem> FItems;
    bool FSorted = false;
    bool FCaseSensitive = false;
    TDuplicates FDuplicates = TDuplicates::dupIgnore;
};
