// The filter row's lists: which cells drop one down, the values and special
// items they offer, what choosing a special item does, the list's size kept
// per column, and filters through list and lookup keys.
#include <gtest/gtest.h>

#include "dbcontrols/popuplistboxlt.h"
#include "dbcontrols/sizegriplt.h"
#include "dbgrid/core/gridlibrarysetup.h"
#include "dbgrid/core/gridstylelt.h"
#include "dbgrid/filter/columnfilterlt.h"
#include "dbgrid/filter/griddataservice.h"
#include "dbgrid/filter/inplacefilteredit.h"
#include "tests/dbgrid/core/lookupgrid.h"

namespace {
struct TListsGrid : TLookupGrid {
    TListsGrid()
    {
        Grid->STFilter()->SetVisible(true);
        // The programme's own scheme number, chosen by the scheme's name.
        TSTColumnFilterLt* scheme = Column("FSCHEME")->STFilter();
        scheme->SetListSource(SchemesSource);
        scheme->SetListField("FNAME");
        scheme->SetKeyField("FID");
        Grid->SetFocus();
    }

    TInplaceFilterEditLt* Editor() const { return Grid->FilterEditor(); }

    // Drops the list of the column's filter cell down.
    TPopupListboxLt* DropDown(const std::string& FieldName)
    {
        Grid->ShowFilterEditor(Column(FieldName));
        Editor()->DropDown();
        return Editor()->PopupList();
    }

    void Choose(const std::string& Item)
    {
        TStrings* items = Editor()->Items();
        Editor()->PopupList()->SetItemIndex(items->IndexOf(Item));
        Editor()->CloseUp(true);
    }

    std::vector<std::string> Items() const
    {
        std::vector<std::string> items;
        for (int i = 0; i < Editor()->Items()->Count(); ++i)
            items.push_back(Editor()->Items()->Strings(i));
        return items;
    }
};

TEST(FilterLists, OnlyCellsWithAListSourceDropOneDown)
{
    TListsGrid f;
    EXPECT_TRUE(f.Column("FSCHEME")->STFilter()->HasDropDown());
    EXPECT_FALSE(f.Column("FID")->STFilter()->HasDropDown()) << "a client table gives no value lists";
    f.Grid->ShowFilterEditor(f.Column("FID"));
    EXPECT_FALSE(f.Editor()->EditButton()->Visible());
    f.Grid->ShowFilterEditor(f.Column("FSCHEME"));
    EXPECT_TRUE(f.Editor()->EditButton()->Visible());
    EXPECT_TRUE(f.Editor()->DropDownBox()->Sizable());
}

TEST(FilterLists, OfferTheListValuesThenTheSpecialItems)
{
    TListsGrid f;
    f.DropDown("FSCHEME");
    EXPECT_EQ(f.Items(), (std::vector<std::string>{"Вторая", "Первая", "Третья", "(Пустые)", "(Не пустые)", "(Все)",
                                                   "(Очистить фильтр)"}));
    f.Editor()->CloseUp(false);
    f.Column("FSCHEME")->Title()->SetTitleButton(true);
    f.Grid->SetOptionsLt(f.Grid->OptionsLt() + TDBGridLtOptions{dghAutoSortMarking});
    f.DropDown("FSCHEME");
    EXPECT_EQ(f.Items().size(), 10u);
    EXPECT_EQ(f.Items().back(), "(Сортировка по возрастанию)");
    EXPECT_EQ(f.Editor()->SpecialItem(7), fsiSeparatorLt);
}

TEST(FilterLists, SpecialItemsSetTheTextOrAct)
{
    TListsGrid f;
    f.DropDown("FSCHEME");
    f.Choose("(Пустые)");
    EXPECT_EQ(f.Editor()->Text(), "=Null");
    EXPECT_FALSE(f.Editor()->ListVisible());
    f.Grid->ApplyFilter();
    EXPECT_EQ(f.Ids(), (std::vector<int>{3}));
    f.DropDown("FSCHEME");
    f.Choose("(Не пустые)");
    EXPECT_EQ(f.Editor()->Text(), "<>Null");
    f.DropDown("FSCHEME");
    f.Choose("(Все)");
    EXPECT_EQ(f.Editor()->Text(), "");
    f.DropDown("FSCHEME");
    f.Choose("Вторая");
    EXPECT_EQ(f.Editor()->Text(), "Вторая") << "a value is taken as typed";
    f.Grid->ApplyFilter();
    EXPECT_EQ(f.Ids(), (std::vector<int>{2, 4}));
    EXPECT_EQ(f.Column("FSCHEME")->STFilter()->DisplayFilterText(), "2") << "the key the name stands for";
    f.Grid->ShowFilterEditor(f.Column("FID"));
    f.Editor()->SetText("<4");
    f.Grid->ApplyFilter();
    EXPECT_EQ(f.Ids(), (std::vector<int>{2}));

    f.DropDown("FSCHEME");
    f.Choose("(Очистить фильтр)");
    EXPECT_FALSE(f.Grid->FilterEditMode());
    EXPECT_EQ(f.Column("FSCHEME")->STFilter()->FilterText(), "");
    EXPECT_EQ(f.Column("FID")->STFilter()->FilterText(), "");
    EXPECT_EQ(f.Ids(), (std::vector<int>{1, 2, 3, 4})) << "applied at once";
}

TEST(FilterLists, TheStyleMayApplyAChoiceAtOnce)
{
    TListsGrid f;
    DefaultGridStyle()->SetFilterApplyOnCloseUp(true);
    f.DropDown("FSCHEME");
    f.Choose("Первая");
    const std::vector<int> byValue = f.Ids();
    f.DropDown("FSCHEME");
    f.Choose("(Пустые)");
    const std::vector<int> byEmpty = f.Ids();
    f.DropDown("FSCHEME");
    f.Editor()->CloseUp(false);
    const std::vector<int> afterCancel = f.Ids();
    DefaultGridStyle()->SetFilterApplyOnCloseUp(false);
    EXPECT_EQ(byValue, (std::vector<int>{1}));
    EXPECT_EQ(byEmpty, (std::vector<int>{3}));
    EXPECT_EQ(afterCancel, (std::vector<int>{3})) << "a closed list without a choice applies nothing";
    f.DropDown("FSCHEME");
    f.Choose("(Все)");
    EXPECT_EQ(f.Ids(), (std::vector<int>{3})) << "without the style the choice waits for Enter";
}

TEST(FilterLists, SortItemsMarkTheColumnAndSort)
{
    TListsGrid f;
    std::vector<TCustomDBGridLt*> sorted;
    DBGridLtDataService().SetOnSortGrid([&](TCustomDBGridLt* Grid) { sorted.push_back(Grid); });
    f.Grid->SetOptionsLt(f.Grid->OptionsLt() + TDBGridLtOptions{dghAutoSortMarking});
    f.Column("FSCHEME")->Title()->SetTitleButton(true);
    f.Column("FID")->Title()->SetSortMarker(smUpLt);
    f.DropDown("FSCHEME");
    f.Choose("(Сортировка по убыванию)");
    EXPECT_EQ(f.Column("FSCHEME")->Title()->SortMarker(), smDownLt);
    EXPECT_EQ(f.Column("FID")->Title()->SortMarker(), smNoneLt);
    f.DropDown("FSCHEME");
    f.Choose("(Сортировка по возрастанию)");
    DBGridLtDataService().SetOnSortGrid(nullptr);
    EXPECT_EQ(f.Column("FSCHEME")->Title()->SortMarker(), smUpLt);
    EXPECT_EQ(sorted, (std::vector<TCustomDBGridLt*>{f.Grid, f.Grid}));
    EXPECT_EQ(f.Editor()->Text(), "") << "a sort item is not a filter";
}

TEST(FilterLists, AResizedListKeepsItsSizeInItsColumn)
{
    TListsGrid f;
    TSTColumnFilterLt* name = f.Column("FSCHEMENAME")->STFilter();
    name->SetListSource(f.SchemesSource);
    f.DropDown("FSCHEME");
    EXPECT_EQ(f.Editor()->DropDownBox()->Width(), 100) << "a fresh list";
    EXPECT_EQ(f.Editor()->DropDownBox()->Rows(), 17);
    TPopupListboxLt* list = f.Editor()->PopupList();
    list->SetWidth(160);
    list->SetRowCount(5);
    list->SizeGrip()->OnParentResized()(list->SizeGrip());
    f.Editor()->CloseUp(false);
    EXPECT_EQ(f.Column("FSCHEME")->STFilter()->DropDownWidth(), 160);
    EXPECT_EQ(f.Column("FSCHEME")->STFilter()->DropDownRows(), 5);

    f.DropDown("FSCHEMENAME");
    EXPECT_EQ(f.Editor()->DropDownBox()->Width(), 100) << "another column's list";
    f.Editor()->CloseUp(false);
    f.DropDown("FSCHEME");
    EXPECT_EQ(f.Editor()->DropDownBox()->Width(), 160);
    EXPECT_EQ(f.Editor()->DropDownBox()->Rows(), 5);
    EXPECT_EQ(f.Editor()->PopupList()->Width(), 160);
}

TEST(FilterLists, ALookupColumnFiltersByTheKeyOfTheTypedName)
{
    TListsGrid f;
    TSTColumnFilterLt* filter = f.Column("FSCHEMENAME")->STFilter();
    EXPECT_EQ(filter->TargetFieldName(), "FSCHEME");
    EXPECT_EQ(filter->FilterKeyField(), "FID");
    EXPECT_EQ(filter->FilterListField(), "FNAME");
    EXPECT_EQ(filter->FilterListDataSet(), f.Schemes);
    filter->SetFilterText("Вторая");
    EXPECT_EQ(filter->FilterKeys().AsInteger(), 2);
    EXPECT_EQ(filter->ParsedExpression().Operator1, foInLt);
    f.Grid->ApplyFilter();
    EXPECT_EQ(f.Ids(), (std::vector<int>{2, 4}));
    filter->SetFilterText("Нет такой");
    EXPECT_TRUE(filter->FilterKeys().IsNull());
    EXPECT_EQ(filter->ParsedExpression().Operator1, foIsNullLt);
    f.Grid->ApplyFilter();
    EXPECT_EQ(f.Ids(), (std::vector<int>{3})) << "a name not in the list filters for a null key";
    filter->SetFilterText("<>Null");
    f.Grid->ApplyFilter();
    EXPECT_EQ(f.Ids(), (std::vector<int>{1, 2, 4}));
}

TEST(FilterLists, AListSourceReadsItsValuesAndKeysWhenItOpens)
{
    TListsGrid f;
    TSTColumnFilterLt* filter = f.Column("FID")->STFilter();
    filter->SetListField("FNAME");
    filter->SetKeyField("FID");
    auto* source = new TDataSource(f.Form.get());
    filter->SetListSource(source);
    EXPECT_EQ(filter->ListValues()->Count(), 0);
    f.Schemes->Last();
    source->SetDataSet(f.Schemes);
    EXPECT_EQ(filter->ListValues()->CommaText(), "Первая,Вторая,Третья");
    EXPECT_EQ(filter->ListKeys()->CommaText(), "1,2,3");
    EXPECT_EQ(f.Schemes->RecNo(), 1);
}
} // namespace
