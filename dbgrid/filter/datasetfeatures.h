#pragma once
// The registry of what the grid's data service can do with datasets of a
// class (filter, sort, move records, locate text, find). A dataset gets the
// record registered for its own class or its nearest ancestor.
#include <memory>
#include <string>

class TClassInfo;
class TDataSet;

// The data service's side derives the records with what it does.
class TDatasetFeaturesLt {
public:
    // DataSetClassName: the registered class name of the datasets served.
    explicit TDatasetFeaturesLt(std::string DataSetClassName) : FDataSetClassName(std::move(DataSetClassName)) {}
    virtual ~TDatasetFeaturesLt() = default;
    const std::string& DataSetClassName() const { return FDataSetClassName; }

private:
    std::string FDataSetClassName;
};

// The registry owns the records; an unregistered record is freed.
TDatasetFeaturesLt* RegisterDatasetFeaturesLt(std::unique_ptr<TDatasetFeaturesLt> Features);
void UnregisterDatasetFeaturesLt(const TDatasetFeaturesLt* Features);

// The record whose class is DataSetClass or its nearest ancestor (class
// names compared without regard to case; the first registered of equally
// near ones); nullptr when none serves it.
TDatasetFeaturesLt* FindFeaturesForDataSetClass(const TClassInfo& DataSetClass);
TDatasetFeaturesLt* FindFeaturesForDataSet(const TDataSet* DataSet);
