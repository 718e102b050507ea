#pragma once
// The dataset: an ordered set of rows seen through a cursor, with typed
// fields over the current row, the browse/edit/insert states, bookmarks,
// locate and lookup, filters, the Before/After events, and the data links
// that controls attach through data sources.
//
// Storage is the descendants' work: they present their rows, in the order
// the dataset shows them, through the Internal* hooks. The dataset adds the
// row being inserted (not yet stored) at its place in that order while the
// state is insert.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/data/datatypes.h"
#include "platform/data/field.h"
#include "platform/data/filterexpression.h"
#include "platform/rtl/component.h"
#include "platform/rtl/variant.h"

class TDataSource;
class TDataLink;
class TDataSetField;
class TDataSet;
class TRowStore;

struct TFieldDef {
    std::string Name;
    TFieldType DataType = ftUnknown;
    int Size = 0;
    bool Required = false;
    int Precision = 0;
    TProviderFlags ProviderFlags{pfInUpdate, pfInWhere};
};

using TDataSetNotifyEvent = std::function<void(TDataSet* DataSet)>;
using TFilterRecordEvent = std::function<void(TDataSet* DataSet, bool& Accept)>;

class TDataSet : public TComponent {
    LT_CLASS(TDataSet)
public:
    explicit TDataSet(TComponent* AOwner);
    ~TDataSet() override;
    // Persistent fields are written inside their dataset.
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const override;

    // Opening and state.
    bool Active() const { return FState != dsInactive; }
    void SetActive(bool Value);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    TDataSetState State() const { return FState; }
    void CheckActive() const;

    // Fields: persistent ones from the description, or default ones made
    // from the field definitions at open and freed at close.
    int FieldCount() const { return static_cast<int>(FFields.size()); }
    TField* Fields(int Index) const;
    const std::vector<TField*>& FieldList() const { return FFields; }
    TField* FindField(const std::string& FieldName) const;
    TField* FieldByName(const std::string& FieldName) const;   // raises "Field 'X' not found"
    std::vector<TField*> GetFieldList(const std::string& FieldNames) const;
    // One field's value, or a Variant array of the values of "A;B".
    Variant FieldValues(const std::string& FieldNames) const;
    void SetFieldValues(const std::string& FieldNames, const Variant& Value);
    bool DefaultFields() const { return FDefaultFields; }
    std::vector<TFieldDef>& FieldDefs() { return FFieldDefs; }
    const std::vector<TFieldDef>& FieldDefs() const { return FFieldDefs; }
    TDataSetField* DataSetField() const { return FDataSetField; }
    virtual void SetDataSetField(TDataSetField* Value);

    // Navigation. Moving posts a pending edit first.
    void First();
    void Last();
    void Next();
    void Prior();
    int MoveBy(int Distance);
    bool Bof() const { return FBof; }
    bool Eof() const { return FEof; }
    bool IsEmpty() const;
    int RecNo() const;                 // 1-based position of the active row, -1 while inserting
    void SetRecNo(int Value);
    int RecordCount() const;
    virtual bool IsSequenced() const { return true; }

    // Bookmarks: opaque strings that stay the same for a row as long as it
    // exists; CompareBookmarks orders them as the rows are shown and puts
    // the empty bookmark first.
    std::string Bookmark() const;
    void SetBookmark(const std::string& Value) { GotoBookmark(Value); }
    void GotoBookmark(const std::string& Value);
    bool BookmarkValid(const std::string& Value) const;
    int CompareBookmarks(const std::string& Bookmark1, const std::string& Bookmark2) const;

    // Editing.
    void Edit();
    void Insert();
    void Append();
    void Post();
    void Cancel();
    void Delete();
    void CheckBrowseMode();
    bool CanModify() const;
    bool Modified() const { return FModified; }
    void UpdateRecord();
    TUpdateStatus UpdateStatus() const;
    // Re-reads the rows and tells the controls.
    void Resync();

    // Moves to the first row whose KeyFields hold KeyValues (one value, or a
    // Variant array for several fields); leaves the cursor alone when none does.
    bool Locate(const std::string& KeyFields, const Variant& KeyValues, TLocateOptions Options);
    // ResultFields of the first row whose KeyFields hold KeyValues, without
    // moving; Null when none does.
    Variant Lookup(const std::string& KeyFields, const Variant& KeyValues, const std::string& ResultFields) const;

    // Rows are left out while Filtered is on and the Filter expression or
    // OnFilterRecord rejects them.
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& Value);
    bool Filtered() const { return FFiltered; }
    void SetFiltered(bool Value);
    const TFilterRecordEvent& OnFilterRecord() const { return FOnFilterRecord; }
    void SetOnFilterRecord(TFilterRecordEvent Value);

    // While controls are disabled the data links hear nothing; the outermost
    // EnableControls tells them the data changed. Calls nest.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return FDisableCount > 0; }

#define LT_DATASET_EVENT(Name)                                               \
    const TDataSetNotifyEvent& Name() const { return F##Name; }              \
    void Set##Name(TDataSetNotifyEvent Value) { F##Name = std::move(Value); }
    LT_DATASET_EVENT(BeforeOpen)
    LT_DATASET_EVENT(AfterOpen)
    LT_DATASET_EVENT(BeforeClose)
    LT_DATASET_EVENT(AfterClose)
    LT_DATASET_EVENT(BeforeInsert)
    LT_DATASET_EVENT(AfterInsert)
    LT_DATASET_EVENT(BeforeEdit)
    LT_DATASET_EVENT(AfterEdit)
    LT_DATASET_EVENT(BeforePost)
    LT_DATASET_EVENT(AfterPost)
    LT_DATASET_EVENT(BeforeCancel)
    LT_DATASET_EVENT(AfterCancel)
    LT_DATASET_EVENT(BeforeDelete)
    LT_DATASET_EVENT(AfterDelete)
    LT_DATASET_EVENT(BeforeScroll)
    LT_DATASET_EVENT(AfterScroll)
    // The rows were read anew from where the dataset keeps them (a change
    // log taken back or merged): values may have changed without a post.
    LT_DATASET_EVENT(AfterRefresh)
    LT_DATASET_EVENT(OnNewRecord)
#undef LT_DATASET_EVENT

    // For fields: the value of a field in the active row, and writing it.
    Variant GetFieldValue(const TField& Field) const;
    void SetFieldValue(TField& Field, const Variant& Value);
    // The value a field has in any shown row (0-based in the dataset's order).
    Variant GetFieldValueAt(const TField& Field, int Row) const;

    // For data sources and links.
    void DataEvent(TDataEvent Event, intptr_t Info);
    void AddDataSource(TDataSource* Source);
    void RemoveDataSource(TDataSource* Source);
    const std::vector<TDataSource*>& DataSources() const { return FDataSources; }
    // The row the fields read: the cursor's, unless a data link points the
    // fields at another shown row while it paints it.
    int ActiveRow() const { return FActiveRow >= 0 ? FActiveRow : FCurrent; }
    void SetActiveRow(int Row);
    int CurrentRow() const { return FCurrent; }
    int RowCount() const;              // the shown rows, the one being inserted included
    // Datasets that take parameters from this one through a data source.
    std::vector<TDataSet*> DetailDataSets() const;
    // The data source this dataset takes parameters from, if any.
    virtual TDataSource* ParamsSource() const { return nullptr; }
    // Called when the master row of ParamsSource moved.
    virtual void MasterChanged() {}
    // The value of an aggregate field over the rows.
    virtual Variant GetAggregateValue(const TField& Field) const;

    // What a provider needs of the dataset it reads and writes through.
    virtual std::string PSGetTableName() const { return {}; }
    // The names of the parameters the dataset takes from its ParamsSource.
    virtual std::vector<std::string> PSGetParamNames() const { return {}; }
    // The rows in the order shown, when the dataset keeps them all in a row
    // store and shows every one: a provider copies their values natively.
    virtual const TRowStore* PSRows() const { return nullptr; }
    // A provider reads the dataset and its details in one read of the
    // database: the fetches between these calls share it.
    virtual void PSBeginRead() {}
    virtual void PSEndRead() {}
    virtual void PSStartTransaction();
    virtual void PSEndTransaction(bool Commit);
    // Runs one statement with '?' parameters; returns the rows it affected.
    virtual int64_t PSExecuteStatement(const std::string& SQL, const std::vector<Variant>& Params);

    // Field list changes.
    void FieldAdded(TField* Field);
    void FieldRemoved(TField* Field);
    void SetFieldIndex(TField* Field, int Index);
    int FieldIndex(const TField* Field) const;

protected:
    // Storage hooks.
    virtual void InternalOpen() = 0;
    virtual void InternalClose() = 0;
    virtual int InternalRowCount() const = 0;
    // The value of a stored row's column (0-based, in the order of the field
    // definitions).
    virtual Variant InternalValue(int Row, int Column) const = 0;
    // All values of a stored row, for editing it.
    virtual std::vector<Variant> InternalRowValues(int Row) const;
    virtual std::string InternalBookmark(int Row) const = 0;
    virtual int InternalFindBookmark(const std::string& Bookmark) const = 0;
    virtual TUpdateStatus InternalUpdateStatus(int) const { return usUnmodified; }
    virtual bool InternalCanModify() const { return false; }
    // Stores the edited or new row (Row is its stored position, or the
    // position it is inserted at) and returns its position afterwards.
    virtual int InternalPost(const std::vector<Variant>& Values, bool Inserting, int Row);
    // Deletes the stored row; returns the row to make current.
    virtual int InternalDelete(int Row);
    // A new row starts: fill in its first values.
    virtual void InternalInitRecord(std::vector<Variant>& Values);
    virtual void InternalCancel() {}
    // The filter settings changed; rebuild the shown rows.
    virtual void FilterChanged() {}
    // Whether a candidate row passes the filter (the expression and
    // OnFilterRecord); its values (by column) are what the fields read
    // meanwhile.
    bool AcceptRow(const std::function<Variant(int Column)>& Values);
    // Keeps the cursor on the row it was on after the descendant moved rows.
    void SetCurrentRow(int Row);
    // Puts the cursor on the first row, as after opening.
    void ResetCursor();
    // The fields are bound to the definitions: the rows can be shown.
    virtual void InternalFieldsBound() {}
    // The datasets shown by this one's nested fields.
    std::vector<TDataSet*> NestedDataSets() const;
    // Creates fields for the definitions when the description made none.
    void CreateFields();
    void BindFields();
    void DoAfterScroll();
    void DoBeforeScroll();
    void DoAfterRefresh();
    // Called before the dataset changes its data: a nested detail posts its
    // master's pending row first.
    virtual void CheckParentState() {}
    void SetState(TDataSetState Value);
    void ScrollTo(int Row);
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    int StoredRow(int Row) const;      // -1 for the row being inserted
    // Whether Row is a shown row (or the filter's candidate is being read).
    bool HasRow(int Row) const;
    Variant ValueAt(int Row, int Column) const;
    void MoveTo(int Row, bool ResetBofEof);
    void CheckRequired() const;
    void NotifyLinks(TDataEvent Event, intptr_t Info);
    bool RowMatches(int Row, const std::vector<TField*>& Fields, const Variant& Values,
                    TLocateOptions Options) const;

    TDataSetState FState = dsInactive;
    std::vector<TField*> FFields;
    std::vector<TFieldDef> FFieldDefs;
    bool FDefaultFields = false;
    TDataSetField* FDataSetField = nullptr;
    std::vector<TDataSource*> FDataSources;

    int FCurrent = -1;
    int FActiveRow = -1;
    bool FBof = true;
    bool FEof = true;
    int FInsertRow = -1;
    std::vector<Variant> FEditValues;
    bool FModified = false;
    int FDisableCount = 0;
    TDataSetState FDisableState = dsInactive;
    bool FOpenPending = false;

    const std::function<Variant(int Column)>* FFilterValues = nullptr;
    std::string FFilter;
    bool FFiltered = false;
    TFilterRecordEvent FOnFilterRecord;
    std::unique_ptr<TDatasetFilter> FFilterExpression;

    TDataSetNotifyEvent FBeforeOpen, FAfterOpen, FBeforeClose, FAfterClose, FBeforeInsert, FAfterInsert,
        FBeforeEdit, FAfterEdit, FBeforePost, FAfterPost, FBeforeCancel, FAfterCancel, FBeforeDelete,
        FAfterDelete, FBeforeScroll, FAfterScroll, FAfterRefresh, FOnNewRecord;
};

[[noreturn]] void DatabaseError(const std::string& Message, const TComponent* Component = nullptr);
