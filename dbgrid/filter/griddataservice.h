#pragma once
// The data grid's data service: it filters, sorts, moves records, locates
// text and opens the find dialog for a grid, each through the features
// registered for the class of the grid's dataset. A program may replace the
// filtering and the sorting with handlers of its own.
#include <functional>
#include <string>
#include <vector>

#include "dbgrid/filter/datasetfeatures.h"
#include "platform/rtl/persistent.h"
#include "platform/rtl/variant.h"

class TCustomDBGridLt;
class TDataSet;

// What the data service can do with the datasets of one class. Registered
// with RegisterDatasetFeaturesLt; every operation does nothing here.
class TDBGridLtDatasetFeaturesLt : public TDatasetFeaturesLt {
public:
    using TDatasetFeaturesLt::TDatasetFeaturesLt;

    // Applies the column filters of Grid to DataSet.
    virtual void ApplyFilter(TCustomDBGridLt* Grid, TDataSet* DataSet, bool IsReopen);
    // Orders DataSet by the grid's sort-marked columns.
    virtual void ApplySorting(TCustomDBGridLt* Grid, TDataSet* DataSet, bool IsReopen);
    // Moves the rows of Bookmarks before row ToRecNo (CheckOnly: only says
    // whether it could).
    virtual bool MoveRecords(TCustomDBGridLt* Grid, const std::vector<std::string>& Bookmarks, int ToRecNo,
                             bool CheckOnly);
    // The grid's default text search (LocateTextInDataSet).
    virtual bool LocateText(TCustomDBGridLt* Grid, const std::string& FieldName, const Variant& TreeFindRange,
                            int Matching, int Direction, unsigned Options, const std::string& Text);
    // The find dialog for the grid.
    virtual void ExecuteFindDialog(TCustomDBGridLt* Grid, const std::string& Text, const std::string& FieldName,
                                   bool Modal);
};

using TDBGridLtServiceEvent = std::function<void(TCustomDBGridLt* Grid)>;

class TDBGridLtDataService : public TPersistent {
    LT_CLASS(TDBGridLtDataService)
public:
    // Replace the features' filtering and sorting when set.
    const TDBGridLtServiceEvent& OnFilterGrid() const { return FOnFilterGrid; }
    void SetOnFilterGrid(TDBGridLtServiceEvent Value) { FOnFilterGrid = std::move(Value); }
    const TDBGridLtServiceEvent& OnSortGrid() const { return FOnSortGrid; }
    void SetOnSortGrid(TDBGridLtServiceEvent Value) { FOnSortGrid = std::move(Value); }

    virtual bool FindTextDefault(TCustomDBGridLt* Grid, const std::string& FieldName, const Variant& TreeFindRange,
                                 int Matching, int Direction, unsigned Options, const std::string& Text);
    virtual bool MoveGridRecordsDefault(TCustomDBGridLt* Grid, const std::vector<std::string>& Bookmarks,
                                        int ToRecNo, bool CheckOnly);
    // The registered features' search, else FindTextDefault.
    virtual bool FindText(TCustomDBGridLt* Grid, const std::string& FieldName, const Variant& TreeFindRange,
                          int Matching, int Direction, unsigned Options, const std::string& Text);
    // The registered features' answer; False without them.
    virtual bool MoveGridRecords(TCustomDBGridLt* Grid, const std::vector<std::string>& Bookmarks, int ToRecNo,
                                 bool CheckOnly);
    // OnFilterGrid when set, else FilterGridDefault.
    virtual void FilterGrid(TCustomDBGridLt* Grid);
    // OnSortGrid when set, else SortGridDefault.
    virtual void SortGrid(TCustomDBGridLt* Grid);
    // The dataset's features filter (sort) the grid's dataset; nothing
    // without a data source or a dataset.
    virtual void FilterGridDefault(TCustomDBGridLt* Grid);
    virtual void SortGridDefault(TCustomDBGridLt* Grid);
    // The registered features' dialog, else the grid's find dialog.
    virtual void ShowFindDialog(TCustomDBGridLt* Grid, const std::string& Text, const std::string& FieldName,
                                bool Modal);

private:
    TDBGridLtServiceEvent FOnFilterGrid;
    TDBGridLtServiceEvent FOnSortGrid;
};

// The one data service of the program.
TDBGridLtDataService& DBGridLtDataService();
// The features registered for the class of the grid's dataset, else those
// that filter through the dataset's Filter; nullptr without a dataset.
TDBGridLtDatasetFeaturesLt* GridDatasetFeatures(const TCustomDBGridLt* Grid);
