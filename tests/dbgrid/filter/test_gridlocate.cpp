// The data grid as the text search and the find dialog see it: its visible
// columns, its record position, and both going through the data service.
#include <gtest/gtest.h>

#include "dbcontrols/dbcombobox.h"
#include "dbgrid/filter/dbgridltfinddlg.h"
#include "dbgrid/filter/griddataservice.h"
#include "dbgrid/filter/locatetext.h"
#include "tests/dbgrid/core/dbgridtesting.h"

namespace {
enum { kFid, kDelay, kName, kChannel };

TEST(GridLocate, SearchesTheVisibleColumnsOfTheGrid)
{
    TStepsGrid f;
    f.Column(kDelay)->SetVisible(false);
    EXPECT_EQ(f.Grid->FullyVisibleColumnCount(), 3);
    EXPECT_EQ(f.Grid->ColumnField(1), f.Name) << "the hidden column is not a position";
    f.Grid->SetSelectedIndex(kName);
    EXPECT_EQ(f.Grid->CurrentColumnPosition(), 1);
    EXPECT_EQ(f.Grid->ColumnDisplayText(1), "Схема 1");

    EXPECT_TRUE(LocateTextInDataSet(f.Grid, "", Variant::Null(), ltmWholeFieldLt, ltdDownLt, ltoAllColumnsLt,
                                    "Схема 4"));
    EXPECT_EQ(f.Fid->AsInteger(), 4);
    EXPECT_TRUE(f.Grid->LocateText("", Variant::Null(), ltmFieldStartLt, ltdAllLt, ltoCaseInsensitiveLt, "СХЕМА 2"));
    EXPECT_EQ(f.Fid->AsInteger(), 2);
    EXPECT_EQ(f.Grid->SelectedColumn(), f.Column(kName));
    EXPECT_FALSE(f.Grid->LocateText("", Variant::Null(), ltmAnyPartLt, ltdDownLt, 0, "нет"));
    EXPECT_EQ(f.Fid->AsInteger(), 2) << "back on the record the search began on";
}

// Features that record the searches and dialogs asked of them.
class TFindFeatures : public TDBGridLtDatasetFeaturesLt {
public:
    TFindFeatures() : TDBGridLtDatasetFeaturesLt("TClientDataSet") {}
    bool LocateText(TCustomDBGridLt*, const std::string& FieldName, const Variant&, int, int, unsigned,
                    const std::string& Text) override
    {
        Searches.push_back(FieldName + ":" + Text);
        return true;
    }
    void ExecuteFindDialog(TCustomDBGridLt*, const std::string& Text, const std::string& FieldName, bool) override
    {
        Dialogs.push_back(FieldName + ":" + Text);
    }
    std::vector<std::string> Searches;
    std::vector<std::string> Dialogs;
};

TEST(GridLocate, RegisteredFeaturesSearchAndFindInstead)
{
    TStepsGrid f;
    auto* features = static_cast<TFindFeatures*>(RegisterDatasetFeaturesLt(std::make_unique<TFindFeatures>()));
    f.Grid->SetSelectedIndex(kName);
    const bool found = f.Grid->LocateText("FNAME", Variant::Null(), 0, 1, 0, "x");
    f.Grid->ShowFindDialog("y", false);
    const TFindFeatures seen = *features;
    UnregisterDatasetFeaturesLt(features);
    EXPECT_TRUE(found);
    EXPECT_EQ(seen.Searches, (std::vector<std::string>{"FNAME:x"}));
    EXPECT_EQ(seen.Dialogs, (std::vector<std::string>{"FNAME:y"}));
}

TEST(GridLocate, TheFindDialogSearchesTheGrid)
{
    TStepsGrid f;
    f.Grid->SetSelectedIndex(kName);
    f.Grid->ShowFindDialog("Схема 3", false);
    TDBGridLtFindDlg* dialog = DBGridLtFindDlg();
    ASSERT_NE(dialog, nullptr);
    TStrings* columns = dialog->cbFindIn->Items();
    ASSERT_EQ(columns->Count(), 5) << "four columns and <All>";
    EXPECT_EQ(columns->Strings(2), f.Column(kName)->Title()->Caption());
    EXPECT_EQ(dialog->cbFindIn->ItemIndex(), 2) << "the grid's current column";
    dialog->bFindClick(nullptr);
    EXPECT_EQ(f.Fid->AsInteger(), 3);
    EXPECT_FALSE(dialog->FirstTry());
    delete dialog;
}

TEST(GridLocate, TheFindDialogSearchesTheColumnChosenInIt)
{
    TStepsGrid f;
    f.Grid->SetSelectedIndex(kFid);
    f.Grid->ShowFindDialog("Схема 4", false);
    TDBGridLtFindDlg* dialog = DBGridLtFindDlg();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->cbFindIn->ItemIndex(), kFid);
    dialog->cbFindIn->SetItemIndex(kName);
    dialog->bFindClick(nullptr);
    EXPECT_EQ(f.Fid->AsInteger(), 4);
    EXPECT_EQ(f.Grid->SelectedColumn(), f.Column(kName)) << "the column of the match";
    // Down from there finds the next name containing the pattern.
    dialog->cbText->SetText("Схема");
    dialog->cbFindDirection->SetText("Вниз");
    dialog->bFindClick(nullptr);
    EXPECT_EQ(f.Fid->AsInteger(), 5);
    delete dialog;
}
} // namespace
