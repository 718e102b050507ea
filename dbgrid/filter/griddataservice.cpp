#include "dbgrid/filter/griddataservice.h"

#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/filter/datasetfilterfeatures.h"
#include "dbgrid/filter/dbgridltfinddlg.h"
#include "dbgrid/filter/locatetext.h"
#include "platform/data/datasource.h"
#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TDBGridLtDataService, TPersistent) {}

void TDBGridLtDatasetFeaturesLt::ApplyFilter(TCustomDBGridLt*, TDataSet*, bool) {}

void TDBGridLtDatasetFeaturesLt::ApplySorting(TCustomDBGridLt*, TDataSet*, bool) {}

bool TDBGridLtDatasetFeaturesLt::MoveRecords(TCustomDBGridLt*, const std::vector<std::string>&, int, bool)
{
    return false;
}

bool TDBGridLtDatasetFeaturesLt::LocateText(TCustomDBGridLt* Grid, const std::string& FieldName,
                                            const Variant& TreeFindRange, int Matching, int Direction,
                                            unsigned Options, const std::string& Text)
{
    return LocateTextInDataSet(Grid, FieldName, TreeFindRange, Matching, Direction, Options, Text);
}

void TDBGridLtDatasetFeaturesLt::ExecuteFindDialog(TCustomDBGridLt* Grid, const std::string& Text,
                                                   const std::string& FieldName, bool Modal)
{
    OpenDBGridLtFindDlg(Grid, Text, FieldName, {}, Modal);
}

TDBGridLtDataService& DBGridLtDataService()
{
    static TDBGridLtDataService service;
    return service;
}

TDBGridLtDatasetFeaturesLt* GridDatasetFeatures(const TCustomDBGridLt* Grid)
{
    const TDataSource* source = Grid ? Grid->DataSource() : nullptr;
    const TDataSet* dataSet = source ? source->DataSet() : nullptr;
    if (!dataSet)
        return nullptr;
    if (auto* registered = dynamic_cast<TDBGridLtDatasetFeaturesLt*>(FindFeaturesForDataSet(dataSet)))
        return registered;
    static TDataSetFilterFeaturesLt plain;
    return &plain;
}

bool TDBGridLtDataService::FindTextDefault(TCustomDBGridLt* Grid, const std::string& FieldName,
                                           const Variant& TreeFindRange, int Matching, int Direction,
                                           unsigned Options, const std::string& Text)
{
    return LocateTextInDataSet(Grid, FieldName, TreeFindRange, Matching, Direction, Options, Text);
}

bool TDBGridLtDataService::MoveGridRecordsDefault(TCustomDBGridLt*, const std::vector<std::string>&, int, bool)
{
    return false;
}

bool TDBGridLtDataService::FindText(TCustomDBGridLt* Grid, const std::string& FieldName,
                                    const Variant& TreeFindRange, int Matching, int Direction, unsigned Options,
                                    const std::string& Text)
{
    if (TDBGridLtDatasetFeaturesLt* features = GridDatasetFeatures(Grid))
        return features->LocateText(Grid, FieldName, TreeFindRange, Matching, Direction, Options, Text);
    return FindTextDefault(Grid, FieldName, TreeFindRange, Matching, Direction, Options, Text);
}

bool TDBGridLtDataService::MoveGridRecords(TCustomDBGridLt* Grid, const std::vector<std::string>& Bookmarks,
                                           int ToRecNo, bool CheckOnly)
{
    if (TDBGridLtDatasetFeaturesLt* features = GridDatasetFeatures(Grid))
        return features->MoveRecords(Grid, Bookmarks, ToRecNo, CheckOnly);
    return MoveGridRecordsDefault(Grid, Bookmarks, ToRecNo, CheckOnly);
}

void TDBGridLtDataService::FilterGrid(TCustomDBGridLt* Grid)
{
    if (FOnFilterGrid)
        FOnFilterGrid(Grid);
    else
        FilterGridDefault(Grid);
}

void TDBGridLtDataService::SortGrid(TCustomDBGridLt* Grid)
{
    if (FOnSortGrid)
        FOnSortGrid(Grid);
    else
        SortGridDefault(Grid);
}

void TDBGridLtDataService::FilterGridDefault(TCustomDBGridLt* Grid)
{
    if (TDBGridLtDatasetFeaturesLt* features = GridDatasetFeatures(Grid))
        features->ApplyFilter(Grid, Grid->DataSource()->DataSet(), true);
}

void TDBGridLtDataService::SortGridDefault(TCustomDBGridLt* Grid)
{
    if (TDBGridLtDatasetFeaturesLt* features = GridDatasetFeatures(Grid))
        features->ApplySorting(Grid, Grid->DataSource()->DataSet(), true);
}

void TDBGridLtDataService::ShowFindDialog(TCustomDBGridLt* Grid, const std::string& Text,
                                          const std::string& FieldName, bool Modal)
{
    if (TDBGridLtDatasetFeaturesLt* features = GridDatasetFeatures(Grid))
        features->ExecuteFindDialog(Grid, Text, FieldName, Modal);
    else
        OpenDBGridLtFindDlg(Grid, Text, FieldName, {}, Modal);
}
