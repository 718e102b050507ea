#include <gtest/gtest.h>

#include <memory>

#include "dbgrid/filter/datasetfeatures.h"
#include "platform/data/clientdataset.h"

namespace {
// Records registered for one test and taken out again.
class FeaturesRegistry : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (const TDatasetFeaturesLt* record : Registered)
            UnregisterDatasetFeaturesLt(record);
    }

    TDatasetFeaturesLt* Register(const std::string& ClassName)
    {
        Registered.push_back(RegisterDatasetFeaturesLt(std::make_unique<TDatasetFeaturesLt>(ClassName)));
        return Registered.back();
    }

    std::vector<TDatasetFeaturesLt*> Registered;
};

TEST_F(FeaturesRegistry, TheNearestAncestorWins)
{
    EXPECT_EQ(FindFeaturesForDataSetClass(TClientDataSet::StaticClassInfo()), nullptr);
    TDatasetFeaturesLt* component = Register("TComponent");
    TDatasetFeaturesLt* dataSet = Register("tdataset");
    EXPECT_EQ(FindFeaturesForDataSetClass(TClientDataSet::StaticClassInfo()), dataSet) << "one step beats two";
    TDatasetFeaturesLt* client = Register("TClientDataSet");
    Register("TClientDataSet");
    EXPECT_EQ(FindFeaturesForDataSetClass(TClientDataSet::StaticClassInfo()), client) << "the first of equals";
    EXPECT_EQ(FindFeaturesForDataSetClass(TDataSet::StaticClassInfo()), dataSet) << "never a descendant's";
    EXPECT_EQ(FindFeaturesForDataSetClass(TComponent::StaticClassInfo()), component);
    EXPECT_EQ(FindFeaturesForDataSetClass(TPersistent::StaticClassInfo()), nullptr);
}

TEST_F(FeaturesRegistry, ADatasetIsLookedUpByItsClass)
{
    TDatasetFeaturesLt* client = Register("TClientDataSet");
    TClientDataSet table(nullptr);
    EXPECT_EQ(FindFeaturesForDataSet(&table), client);
    EXPECT_EQ(FindFeaturesForDataSet(nullptr), nullptr);
    UnregisterDatasetFeaturesLt(client);
    Registered.clear();
    EXPECT_EQ(FindFeaturesForDataSet(&table), nullptr);
}
} // namespace
