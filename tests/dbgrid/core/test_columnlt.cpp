// Columns and titles on a client table: the kind decision, key images,
// stepping to the next value, check states with ';' lists, explicit
// flags and storing, what Assign copies, multi-sort numbering and the sort
// marker's room.
#include <gtest/gtest.h>

#include "dbgrid/core/columndefvalueslt.h"
#include "dbgrid/filter/columnfilterlt.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/imglist.h"
#include "tests/dbgrid/core/dbgridtesting.h"

namespace {
void SetList(TStrings* List, std::initializer_list<const char*> Items)
{
    List->Clear();
    for (const char* item : Items)
        List->Add(item);
}
} // namespace

TEST(ColumnLt, KindFollowsTheSettingsInOrder)
{
    TStepsGrid f;
    TColumnLt& c = *f.Column(3);
    auto* images = new TImageList(f.Form.get());
    struct Case {
        bool Checkboxes;
        bool Pick;
        bool Key;
        bool Images;
        bool ImageAndText;
        TColumnKindLt Kind;
    };
    const Case cases[] = {
        {true, true, true, true, false, ckCheckBoxesLt},  {false, true, false, true, false, ckPickListLt},
        {false, false, true, true, false, ckKeyImagesLt}, {false, true, true, true, true, ckKeyPickListLt},
        {false, true, true, true, false, ckKeyImagesLt},  {false, false, true, false, false, ckPlainLt},
        {false, false, false, false, false, ckPlainLt},
    };
    for (const Case& k : cases) {
        c.SetCheckboxes(k.Checkboxes);
        SetList(c.PickList(), {});
        SetList(c.KeyList(), {});
        if (k.Pick)
            SetList(c.PickList(), {"Вкл", "Выкл"});
        if (k.Key)
            SetList(c.KeyList(), {"1", "0"});
        c.SetImageList(k.Images ? images : nullptr);
        c.SetShowImageAndText(k.ImageAndText);
        EXPECT_EQ(c.ColumnKind(), k.Kind) << static_cast<int>(k.Kind);
    }
    // A Boolean field's column shows check boxes until told otherwise.
    EXPECT_FALSE(f.Column(0)->Checkboxes());
}

TEST(ColumnLt, KeyImagesAndPickTextsOfTheCurrentRow)
{
    TStepsGrid f;
    TColumnLt& c = *f.Column(3);
    SetList(c.KeyList(), {"1", "0"});
    c.SetImageList(new TImageList(f.Form.get()));
    EXPECT_EQ(c.CellImageIndex(), 0);   // row 1 holds '1'
    EXPECT_EQ(c.CellText(), "");
    f.Table->Next();
    EXPECT_EQ(c.CellImageIndex(), 1);
    f.Table->Edit();
    f.Channel->SetAsString("x");
    EXPECT_EQ(c.CellImageIndex(), -1);
    c.SetNotInKeyListIndex(1);
    EXPECT_EQ(c.CellImageIndex(), 1);
    // Keys with fewer pick texts show NotInKeyListIndex's text.
    c.SetImageList(nullptr);
    SetList(c.KeyList(), {"1", "0", "x"});
    SetList(c.PickList(), {"Вкл", "Выкл"});
    EXPECT_EQ(c.CellText(), "Выкл");
    c.SetNotInKeyListIndex(-1);
    EXPECT_EQ(c.CellText(), "");
    // A DisplayFormat on a string field shows nothing; on a number it formats.
    c.SetDisplayFormat("0.0");
    SetList(c.KeyList(), {});
    EXPECT_EQ(c.CellText(), "");
    f.Column(1)->SetDisplayFormat("0.0");
    EXPECT_EQ(f.Column(1)->CellText(), "200.0");
}

TEST(ColumnLt, StepValueMovesForwardOnlyForAStepOfOne)
{
    TStepsGrid f;
    TColumnLt& c = *f.Column(3);
    SetList(c.KeyList(), {"1", "0"});
    c.SetImageList(new TImageList(f.Form.get()));
    struct Case {
        const char* From;
        double Step;
        const char* To;
    };
    for (const Case k : {Case{"1", 1, "0"}, Case{"0", 1, "1"}, Case{"x", 1, "1"}, Case{"", 1, "1"},
                         Case{"x", -1, "0"}, Case{"", -1, "0"}, Case{"1", -1, "0"}, Case{"0", 2, "1"},
                         Case{"0", -2, "1"}}) {
        f.Table->Edit();
        if (*k.From)
            f.Channel->SetAsString(k.From);
        else
            f.Channel->Clear();
        c.StepValue(k.Step);
        EXPECT_EQ(f.Channel->AsString(), k.To) << k.From << " " << k.Step;
        EXPECT_EQ(f.Table->State(), dsEdit);
    }
    // Numbers: null counts as 0.
    f.Table->Edit();
    f.Delay->Clear();
    f.Column(1)->StepValue(5);
    EXPECT_EQ(f.Delay->AsInteger(), 5);
    f.Column(1)->StepValue(-2);
    EXPECT_EQ(f.Delay->AsInteger(), 3);
    // Nothing moves in a read-only grid.
    f.Table->Cancel();
    f.Grid->SetReadOnly(true);
    c.StepValue(1);
    EXPECT_EQ(f.Table->State(), dsBrowse);
}

TEST(ColumnLt, CheckStateMatchesSemicolonSeparatedKeys)
{
    TStepsGrid f;
    TColumnLt& c = *f.Column(2);
    c.SetCheckboxes(true);
    SetList(c.KeyList(), {"да;yes", "нет"});
    f.Table->Edit();
    struct Case {
        const char* Text;
        TCheckBoxState State;
    };
    for (const Case k : {Case{"да", cbChecked}, Case{"yes", cbChecked}, Case{"нет", cbUnchecked},
                         Case{"может", cbGrayed}, Case{"да;yes", cbGrayed}}) {
        f.Name->SetAsString(k.Text);
        EXPECT_EQ(c.CheckState(), k.State) << k.Text;
    }
    f.Name->Clear();
    EXPECT_EQ(c.CheckState(), cbGrayed);
    c.SetCheckState(cbChecked);
    EXPECT_EQ(f.Name->AsString(), "да");
    c.StepValue(1);
    EXPECT_EQ(f.Name->AsString(), "нет");
    c.SetCheckState(cbGrayed);
    EXPECT_TRUE(f.Name->IsNull());
    SetList(c.KeyList(), {"да"});
    f.Name->SetAsString("нет");
    EXPECT_EQ(c.CheckState(), cbGrayed);
}

TEST(ColumnLt, ExplicitFlagsDecideWhatIsStored)
{
    TStepsGrid f;
    TDBGridLt& g = *f.Grid;
    g.Columns()->Clear();
    TColumnLt& c = *g.Columns()->Add();
    c.SetFieldName("FNAME");
    EXPECT_EQ(c.Color(), g.Color());
    g.SetColor(clYellow);
    EXPECT_EQ(c.Color(), clYellow);   // follows the grid while not set
    c.SetColor(clYellow);
    EXPECT_TRUE(c.IsExplicit(cevColor));
    g.SetColor(clWindow);
    EXPECT_EQ(c.Color(), clYellow);
    c.SetReadOnly(false);
    EXPECT_TRUE(c.IsExplicit(cevReadOnly));
    c.Title()->SetCaption("Наименование схемы");
    c.Font()->SetSize(12);
    EXPECT_TRUE(c.IsExplicit(cevFont));
    EXPECT_FALSE(c.IsExplicit(cevTitleFont));
    c.SetDblClickNextVal(true);
    const std::string text = WriteComponentToText(g);
    EXPECT_NE(text.find("Color = clYellow"), std::string::npos) << text;
    EXPECT_NE(text.find("Title.Caption = 'Наименование схемы'"), std::string::npos) << text;
    EXPECT_NE(text.find("Font.Height"), std::string::npos) << text;
    EXPECT_NE(text.find("DblClickNextVal = True"), std::string::npos) << text;
    EXPECT_EQ(text.find("ReadOnly"), std::string::npos) << text;   // equal to its default
    EXPECT_EQ(text.find("Alignment"), std::string::npos) << text;
    // A default column's title writes through to the field and sets no flag.
    TStepsGrid d;
    d.Column(1)->Title()->SetCaption("мс");
    EXPECT_EQ(d.Delay->DisplayLabel(), "мс");
    EXPECT_FALSE(d.Column(1)->IsExplicit(cevTitleCaption));
    EXPECT_EQ(WriteComponentToText(*d.Grid).find("Columns"), std::string::npos);
}

TEST(ColumnLt, AssignLeavesTheFilterSettingsOfTheColumnAlone)
{
    TStepsGrid f;
    TColumnLt* source = f.Grid->Columns()->Add();
    source->SetFieldName("FNAME");
    source->SetWidth(140);
    source->Title()->SetCaption("Название");
    TSTColumnFilterLt* filter = source->STFilter();
    filter->SetDataField("FID");
    filter->SetKeyField("FID");
    filter->SetListField("FNAME");
    filter->SetVisible(false);
    TColumnLt* copy = f.Grid->Columns()->Add();
    copy->STFilter()->SetDataField("FDELAY");
    copy->Assign(source);
    EXPECT_EQ(copy->FieldName(), "FNAME");
    EXPECT_EQ(copy->Width(), 140);
    EXPECT_EQ(copy->Title()->Caption(), "Название");
    EXPECT_EQ(copy->STFilter()->DataField(), "FDELAY");
    EXPECT_EQ(copy->STFilter()->KeyField(), "");
    EXPECT_EQ(copy->STFilter()->ListField(), "");
    EXPECT_TRUE(copy->STFilter()->Visible());
}

TEST(ColumnLt, MultiSortNumbersTheMarkersAndRenumbersOnRemoval)
{
    TStepsGrid f;
    TDBGridLt& g = *f.Grid;
    g.SetOptionsLt(g.OptionsLt() + TDBGridLtOptions{dghMultiSortMarking});
    f.Column(1)->Title()->SetSortMarker(smDownLt);
    f.Column(2)->Title()->SetSortMarker(smUpLt);
    EXPECT_EQ(f.Column(1)->Title()->SortIndex(), 1);
    EXPECT_EQ(f.Column(2)->Title()->SortIndex(), 2);
    ASSERT_EQ(g.SortMarkedColumns().Count(), 2);
    f.Column(1)->Title()->SetSortMarker(smNoneLt);
    EXPECT_EQ(f.Column(1)->Title()->SortIndex(), 0);
    EXPECT_EQ(f.Column(2)->Title()->SortIndex(), 1);
    EXPECT_EQ(g.SortMarkedColumns().Count(), 1);
    // Without multi-sort a marker clears the others.
    g.SetOptionsLt(g.OptionsLt() - TDBGridLtOptions{dghMultiSortMarking});
    f.Column(0)->Title()->AdvanceSortMarker(false);
    EXPECT_EQ(f.Column(0)->Title()->SortMarker(), smDownLt);
    EXPECT_EQ(f.Column(2)->Title()->SortMarker(), smNoneLt);
    f.Column(0)->Title()->AdvanceSortMarker(false);
    EXPECT_EQ(f.Column(0)->Title()->SortMarker(), smUpLt);
    f.Column(0)->Title()->AdvanceSortMarker(false);
    EXPECT_EQ(f.Column(0)->Title()->SortMarker(), smDownLt);
}

TEST(ColumnLt, ANarrowTitleDropsTheArrowThenTheNumber)
{
    TStepsGrid f;
    TDBGridLt& g = *f.Grid;
    g.SetOptionsLt(g.OptionsLt() + TDBGridLtOptions{dghMultiSortMarking});
    TColumnTitleLt& t = *f.Column(1)->Title();
    EXPECT_EQ(t.SortMarkerWidth(), 0);
    f.Column(2)->Title()->SetSortMarker(smDownLt);
    t.SetSortMarker(smUpLt);
    TCanvas canvas;
    canvas.Font()->Assign(t.Font());
    const int number = canvas.TextWidth("2");
    f.Column(1)->SetWidth(100);
    EXPECT_EQ(t.SortMarkerWidth(), 16 + number);
    f.Column(1)->SetWidth(16 + number + 4 - 1);
    EXPECT_EQ(t.SortMarkerWidth(), 2 + number);
    f.Column(1)->SetWidth(4);
    EXPECT_EQ(t.SortMarkerWidth(), 0);
}
