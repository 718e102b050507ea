#include "dbgrid/filter/datasetfeatures.h"

#include <algorithm>
#include <vector>

#include "platform/data/dataset.h"
#include "platform/rtl/strutils.h"

namespace {
std::vector<std::unique_ptr<TDatasetFeaturesLt>>& Registry()
{
    static std::vector<std::unique_ptr<TDatasetFeaturesLt>> registry;
    return registry;
}

// Steps from Class up to the class named Name; -1 when Name is not Class or
// an ancestor.
int Distance(const TClassInfo& Class, const std::string& Name)
{
    int steps = 0;
    for (const TClassInfo* c = &Class; c; c = c->Parent(), ++steps)
        if (AnsiSameText(c->Name(), Name))
            return steps;
    return -1;
}
} // namespace

TDatasetFeaturesLt* RegisterDatasetFeaturesLt(std::unique_ptr<TDatasetFeaturesLt> Features)
{
    Registry().push_back(std::move(Features));
    return Registry().back().get();
}

void UnregisterDatasetFeaturesLt(const TDatasetFeaturesLt* Features)
{
    auto& registry = Registry();
    registry.erase(std::remove_if(registry.begin(), registry.end(),
                                  [&](const auto& record) { return record.get() == Features; }),
                   registry.end());
}

TDatasetFeaturesLt* FindFeaturesForDataSetClass(const TClassInfo& DataSetClass)
{
    TDatasetFeaturesLt* best = nullptr;
    int bestDistance = -1;
    for (const auto& record : Registry()) {
        const int distance = Distance(DataSetClass, record->DataSetClassName());
        if (distance >= 0 && (bestDistance < 0 || distance < bestDistance)) {
            best = record.get();
            bestDistance = distance;
        }
    }
    return best;
}

TDatasetFeaturesLt* FindFeaturesForDataSet(const TDataSet* DataSet)
{
    return DataSet ? FindFeaturesForDataSetClass(DataSet->ClassType()) : nullptr;
}
