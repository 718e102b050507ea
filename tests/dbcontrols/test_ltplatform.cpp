// The platform layer of the edit controls: data sources behind published
// properties, the data link's owner callback, variant arrays, text.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "dbcontrols/datalinklt.h"
#include "dbcontrols/ltplatform.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/picture.h"
#include "platform/ui/stdctrls.h"
#include "tests/platform/ui/controltesting.h"
#include "tests/dbcontrols/tablefields.h"

// A component that publishes a data source, as bound controls do.
class TSourceHolder : public TComponent {
    LT_CLASS(TSourceHolder)
public:
    explicit TSourceHolder(TComponent* AOwner) : TComponent(AOwner) {}
    TDataSource* DataSource() const { return FDataSource; }
    void SetDataSource(TDataSource* Value) { FDataSource = Value; }
    int Count() const { return FCount; }
    void SetCount(int Value) { FCount = Value; }

private:
    TDataSource* FDataSource = nullptr;
    int FCount = 0;
};

LT_IMPLEMENT_CLASS(TSourceHolder, TComponent)
{
    P.Property("DataSource", &TSourceHolder::DataSource, &TSourceHolder::SetDataSource);
    P.Property("Count", &TSourceHolder::Count, &TSourceHolder::SetCount);
}

namespace {

class BoundTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        Owner = std::make_unique<TComponent>(nullptr);
        Table = new TClientDataSet(Owner.get());
        auto* id = AddTableField<TIntegerField>(Table, "ID");
        Table->CreateDataSet();
        for (int i = 1; i <= 3; ++i) {
            Table->Append();
            id->SetAsInteger(i);
            Table->Post();
        }
        Source = new TDataSource(Owner.get());
        Source->SetDataSet(Table);
    }

    std::unique_ptr<TComponent> Owner;
    TClientDataSet* Table = nullptr;
    TDataSource* Source = nullptr;
};

TEST_F(BoundTable, DataSetBehindAPublishedDataSource)
{
    auto* holder = new TSourceHolder(Owner.get());
    const TClassInfo* info = &holder->ClassType();
    const TPropInfo* sourceProp = info->FindProperty("DataSource");
    const TPropInfo* countProp = info->FindProperty("Count");
    ASSERT_TRUE(sourceProp && countProp);
    EXPECT_EQ(DataSetOfDataSourceProperty(holder, sourceProp), nullptr);
    holder->SetDataSource(Source);
    EXPECT_EQ(DataSetOfDataSourceProperty(holder, sourceProp), Table);
    EXPECT_EQ(DataSetOfDataSourceProperty(holder, countProp), nullptr);
    EXPECT_EQ(DataSetOfDataSourceProperty(holder, nullptr), nullptr);
    Source->SetDataSet(nullptr);
    EXPECT_EQ(DataSetOfDataSourceProperty(holder, sourceProp), nullptr);
}

TEST_F(BoundTable, DataLinkTellsItsOwnerEveryEventAfterItsOwnHandling)
{
    std::vector<TDataEvent> events;
    bool activeSeen = false;
    TDataLinkLt link([&](TDataEvent Event, intptr_t) { events.push_back(Event); });
    link.SetDataSource(Source);
    Table->First();
    Table->Next();
    EXPECT_NE(std::find(events.begin(), events.end(), deDataSetScroll), events.end());
    link.SetOnDataEvent([&](TDataEvent Event, intptr_t) {
        if (Event == deUpdateState)
            activeSeen = link.Editing();
    });
    Table->Edit();
    EXPECT_TRUE(activeSeen);
    Table->Cancel();
}

TEST(LtPlatform, VariantArrayRedimKeepsElements)
{
    Variant a = Variant::ArrayOf({1, 2, 3});
    PlatformVarArrayRedim(a, 4);
    ASSERT_EQ(a.HighBound(), 4);
    EXPECT_EQ(a[2], Variant(3));
    EXPECT_TRUE(a[4].IsEmpty());
    PlatformVarArrayRedim(a, 0);
    EXPECT_EQ(a.HighBound(), 0);
    EXPECT_EQ(a[0], Variant(1));
}

TEST(LtPlatform, EditSelectionAsStartAndEnd)
{
    TestApplication();
    TEdit edit(nullptr);
    edit.SetText("lighting");
    int start = -1, end = -1;
    const struct {
        int SelStart, SelLength, Start, End;
    } cases[] = {{2, 3, 2, 5}, {8, 0, 8, 8}, {0, 8, 0, 8}};
    for (const auto& c : cases) {
        edit.SetSelStart(c.SelStart);
        edit.SetSelLength(c.SelLength);
        PlatformGetEditSel(&edit, start, end);
        EXPECT_EQ(start, c.Start) << c.SelStart << "+" << c.SelLength;
        EXPECT_EQ(end, c.End) << c.SelStart << "+" << c.SelLength;
    }
}

TEST(LtPlatform, LocaleComparisonAndCase)
{
    EXPECT_EQ(PlatformCompareText("привет", "ПРИВЕТ"), 0);
    EXPECT_NE(PlatformCompareStr("привет", "ПРИВЕТ"), 0);
    EXPECT_EQ(PlatformUpperCase("схема"), "СХЕМА");
    EXPECT_EQ(PlatformLowerCase("СХЕМА"), "схема");
}

TEST(LtPlatform, PolygonRegionTakesCountPoints)
{
    const std::vector<TPoint> points{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_EQ(PlatformCreatePolygonRgn(points, 3, WINDING).Points.size(), 3u);
    EXPECT_EQ(PlatformCreatePolygonRgn(points, 9, ALTERNATE).Points.size(), 4u);
    EXPECT_TRUE(PlatformCreatePolygonRgn(points, -1, ALTERNATE).Points.empty());
}

TEST(LtPlatform, DrawTextExLaysOutInsideTheMargins)
{
    TBitmap bitmap;
    bitmap.SetSize(100, 30);
    TRect plain{0, 0, 100, 30};
    PlatformDrawText(bitmap.Canvas(), "Wide", plain, DT_CALCRECT | DT_SINGLELINE);
    TRect withMargins{0, 0, 100, 30};
    TDrawTextParams params;
    params.iLeftMargin = 5;
    params.iRightMargin = 7;
    PlatformDrawTextEx(bitmap.Canvas(), "Wide", withMargins, DT_CALCRECT | DT_SINGLELINE, params);
    EXPECT_EQ(withMargins.Right, plain.Right + 5 + 7);
}

} // namespace
