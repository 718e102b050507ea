// A lookup column's drop-down box on the programme table: the box's columns,
// options and list source shape the popup lookup list the editor opens, the
// column's rows, width and titles size it, the column's special row stands
// for keys that are not in the list, and the box is copied and stored with
// its column.
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include "dbcontrols/extravaluerow.h"
#include "dbgrid/core/columnslt.h"
#include "dbgrid/lookup/columndropdownboxlt.h"
#include "dbgrid/lookup/popupdatagridlt.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "tests/dbgrid/editor/inplaceeditgrid.h"

namespace {
QWidget* EditorWidget(TDBGridInplaceEdit* Editor)
{
    return Editor->Widget();
}

TPopupDataGridLt* OpenList(TDBGridInplaceEdit* Editor)
{
    QTest::keyClick(EditorWidget(Editor), Qt::Key_Down, Qt::AltModifier);
    return Editor->ListShown() ? Editor->DataListControl() : nullptr;
}

// Goes to the table's record RecNo and answers the column's cell text.
std::string CellTextAt(TProgrammeGrid& F, int RecNo)
{
    F.Table->SetRecNo(RecNo);
    return F.Column(TProgrammeGrid::cSchemeName)->CellText();
}
} // namespace

TEST(ColumnDropDownBox, BoxColumnsAndOptionsShapeTheListAndThePickReachesTheField)
{
    TProgrammeGrid f;
    TColumnLt* column = f.Column(TProgrammeGrid::cSchemeName);
    TColumnDropDownBoxLt* box = column->DropDownBox();
    EXPECT_TRUE(box->AutoFitColWidths());
    EXPECT_EQ(box->Options(), TDBLookupGridLtOptions{dlgColLinesLt});
    EXPECT_FALSE(box->Columns()->Customized());
    box->Columns()->Add()->SetFieldName("FNAME");
    box->Columns()->Add()->SetFieldName("FSCHEME");
    box->Columns()->Items(1)->Title()->SetCaption("Номер");
    box->SetOptions({dlgColLinesLt, dlgRowLinesLt});
    box->SetAutoFitColWidths(false);
    column->SetDropDownRows(2);
    column->SetDropDownWidth(320);
    column->SetDropDownShowTitles(true);

    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cSchemeName);
    TPopupDataGridLt* list = OpenList(editor);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list, column->LookupPopupGrid());
    ASSERT_EQ(list->Columns()->Count(), 2);
    EXPECT_EQ(list->Columns()->Items(0)->FieldName(), "FNAME");
    EXPECT_EQ(list->Columns()->Items(1)->BoundField(), f.Schemes->FieldByName("FSCHEME"));
    EXPECT_EQ(list->Options(), (TDBLookupGridLtOptions{dlgColLinesLt, dlgRowLinesLt}));
    EXPECT_TRUE(list->TCustomDBGridLt::Options().Contains(dgRowLines));
    EXPECT_EQ(list->RowCount(), 2) << "the column's DropDownRows";
    EXPECT_EQ(list->Width(), 320) << "the column's DropDownWidth";
    EXPECT_TRUE(list->ShowTitles());
    EXPECT_FALSE(list->AutoFitColWidths());
    EXPECT_EQ(list->SelectedKey().AsInteger(), 1);
    QTest::keyClick(EditorWidget(editor), Qt::Key_Down);
    QTest::keyClick(EditorWidget(editor), Qt::Key_Down);
    EXPECT_EQ(editor->Text(), "Ночь");
    list->Widget()->grab().toImage().save("dropdownbox_list.png");

    QTest::keyClick(EditorWidget(editor), Qt::Key_Return);
    EXPECT_FALSE(editor->ListShown());
    f.Grid->SetEditorMode(false);
    f.Table->Post();
    EXPECT_EQ(f.Scheme->AsInteger(), 3);
    EXPECT_EQ(f.SchemeName->AsString(), "Ночь");
}

TEST(ColumnDropDownBox, ADropDownWidthOfMinusOneGivesTheListTheWidthItsColumnsNeed)
{
    struct TCase {
        const char* Name;
        bool AutoFit;
        int Rows;   // DropDownRows: 2 of the 3 schemes need the bar
    };
    for (const TCase& c : {TCase{"own widths", false, 7}, TCase{"fitted widths", true, 7},
                           TCase{"with the bar", true, 2}}) {
        SCOPED_TRACE(c.Name);
        TProgrammeGrid f;
        TColumnLt* column = f.Column(TProgrammeGrid::cSchemeName);
        column->SetWidth(50);
        TColumnDropDownBoxLt* box = column->DropDownBox();
        box->Columns()->Add()->SetFieldName("FNAME");
        box->Columns()->Add()->SetFieldName("FSCHEME");
        box->Columns()->Items(0)->SetWidth(130);
        box->Columns()->Items(1)->SetWidth(45);
        box->SetAutoFitColWidths(c.AutoFit);
        column->SetDropDownRows(c.Rows);
        column->SetDropDownWidth(-1);

        TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cSchemeName);
        TPopupDataGridLt* list = OpenList(editor);
        ASSERT_NE(list, nullptr);
        const int lines = 2 * list->GridLineWidth();
        EXPECT_GE(list->ClientWidth(), 130 + 45 + lines);
        EXPECT_LE(list->ClientWidth(), 130 + 45 + lines + 2);
        EXPECT_EQ(list->Columns()->Items(0)->Width(), 130) << "nothing narrowed";
        EXPECT_EQ(list->RowCount(), std::min(3, c.Rows)) << "no row more than the records";
        const bool bar = list->VertScrollBarControl() && list->VertScrollBarControl()->Visible();
        EXPECT_EQ(bar, c.Rows == 2);
        // Every column shows whole: nothing to scroll sideways.
        EXPECT_EQ(list->HorzAxis().LastFullShown, list->ColCount() - 1);
    }
}

TEST(ColumnDropDownBox, ListSourceReplacesTheLookupDatasetUntilItIsFreed)
{
    TProgrammeGrid f;
    auto* later = new TClientDataSet(f.Form.get());
    auto* id = AddTableField<TIntegerField>(later, "FSCHEME");
    auto* name = AddTableField<TStringField>(later, "FNAME", 20);
    later->CreateDataSet();
    for (const auto& [key, text] : {std::pair{2, "Вечер"}, std::pair{3, "Ночь"}}) {
        later->Append();
        id->SetAsInteger(key);
        name->SetAsString(text);
        later->Post();
    }
    auto* source = new TDataSource(f.Form.get());
    source->SetDataSet(later);
    TColumnLt* column = f.Column(TProgrammeGrid::cSchemeName);
    column->DropDownBox()->SetListSource(source);
    EXPECT_EQ(column->LookupSourceDataSet(), later);

    f.Table->SetRecNo(2);   // scheme 3
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cSchemeName);
    TPopupDataGridLt* list = OpenList(editor);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->RowCount(), 2) << "two records in the box's list";
    EXPECT_EQ(list->ListSource()->DataSet(), later);
    EXPECT_EQ(list->SelectedKey().AsInteger(), 3);
    QTest::keyClick(EditorWidget(editor), Qt::Key_Up);
    EXPECT_EQ(editor->Text(), "Вечер");
    QTest::keyClick(EditorWidget(editor), Qt::Key_Return);
    f.Grid->SetEditorMode(false);
    f.Table->Post();
    EXPECT_EQ(f.Scheme->AsInteger(), 2);

    delete source;
    EXPECT_EQ(column->DropDownBox()->ListSource(), nullptr);
    EXPECT_EQ(column->LookupSourceDataSet(), f.Schemes);
}

TEST(ColumnDropDownBox, SpecialRowStandsForItsValueAndForKeysNotInTheList)
{
    TProgrammeGrid f;
    f.AddRow(9, EncodeDate(2024, 6, 1), 1, "1", "нет такой");
    f.Table->Append();
    f.Note->SetAsString("без схемы");
    f.Table->Post();
    TColumnLt* column = f.Column(TProgrammeGrid::cSchemeName);
    TSpecRowLt* spec = column->DropDownSpecRow();
    spec->SetCellsText("<нет схемы>");

    struct TCase {
        int RecNo;
        bool Visible, ShowIfNotInKeyList;
        const char* Text;
    };
    const TCase cases[] = {
        {1, true, true, "Утро"},         {3, true, true, "<нет схемы>"}, {3, true, false, ""},
        {3, false, true, ""},            {4, true, false, "<нет схемы>"},   // Null is the row's Value
        {4, false, true, ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.RecNo);
        spec->SetVisible(c.Visible);
        spec->SetShowIfNotInKeyList(c.ShowIfNotInKeyList);
        EXPECT_EQ(CellTextAt(f, c.RecNo), c.Text);
    }

    spec->SetVisible(true);
    spec->SetShowIfNotInKeyList(true);
    f.Table->First();
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cSchemeName);
    TPopupDataGridLt* list = OpenList(editor);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->SpecRow()->Visible());
    EXPECT_EQ(list->SpecRow()->CellsText(), "<нет схемы>");
    EXPECT_FALSE(list->SpecRowSelected());
    // Up from the first scheme reaches the special row above the list.
    QTest::keyClick(EditorWidget(editor), Qt::Key_Up);
    EXPECT_TRUE(list->SpecRowSelected());
    EXPECT_EQ(editor->Text(), "<нет схемы>");
    list->Widget()->grab().toImage().save("dropdownbox_specrow.png");
    QTest::keyClick(EditorWidget(editor), Qt::Key_Return);
    f.Grid->SetEditorMode(false);
    f.Table->Post();
    EXPECT_TRUE(f.Scheme->IsNull());
    EXPECT_EQ(column->CellText(), "<нет схемы>");

    // The row's shortcut (Alt+Delete) writes it without opening the list.
    f.Table->SetRecNo(2);
    ASSERT_EQ(f.Scheme->AsInteger(), 3);
    editor = f.EditColumn(TProgrammeGrid::cSchemeName);
    QTest::keyClick(EditorWidget(editor), Qt::Key_Delete, Qt::AltModifier);
    EXPECT_FALSE(editor->ListShown());
    EXPECT_EQ(editor->Text(), "<нет схемы>");
    f.Grid->SetEditorMode(false);
    f.Table->Post();
    EXPECT_TRUE(f.Scheme->IsNull());

    // A later change of the column's row reaches the list.
    spec->SetCellsText("<пусто>");
    EXPECT_EQ(list->SpecRow()->CellsText(), "<пусто>");

    // The editor of a cell the row stands for shows the row's text and
    // holds the row's value as its key: a key not in the list, and Null.
    for (const int recNo : {3, 4}) {
        SCOPED_TRACE(recNo);
        f.Table->SetRecNo(recNo);
        editor = f.EditColumn(TProgrammeGrid::cSchemeName);
        EXPECT_EQ(editor->Text(), "<пусто>");
        EXPECT_TRUE(f.Grid->EditKeyValue().IsNull());
        f.Grid->SetEditorMode(false);
    }
    f.Table->SetRecNo(2);
    f.Table->Edit();
    f.Scheme->SetAsInteger(2);
    f.Table->Post();
    editor = f.EditColumn(TProgrammeGrid::cSchemeName);
    EXPECT_EQ(editor->Text(), "Вечер");
    EXPECT_EQ(f.Grid->EditKeyValue().AsInteger(), 2);
}

TEST(ColumnDropDownBox, MovingTheListsColumnsCarriesTheSpecialRowCellsBackToTheColumn)
{
    TProgrammeGrid f;
    TColumnLt* column = f.Column(TProgrammeGrid::cSchemeName);
    column->DropDownBox()->Columns()->Add()->SetFieldName("FNAME");
    column->DropDownBox()->Columns()->Add()->SetFieldName("FSCHEME");
    column->DropDownSpecRow()->SetCellsText("<нет схемы>;0");
    column->DropDownSpecRow()->SetVisible(true);
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cSchemeName);
    TPopupDataGridLt* list = OpenList(editor);
    ASSERT_NE(list, nullptr);
    list->MoveColumn(0, 1);
    ASSERT_EQ(list->Columns()->Items(0)->FieldName(), "FSCHEME");
    EXPECT_EQ(list->SpecRow()->CellsText(), "0;<нет схемы>");
    QTest::keyClick(EditorWidget(editor), Qt::Key_Escape);
    EXPECT_FALSE(editor->ListShown());
    EXPECT_EQ(column->DropDownSpecRow()->CellsText(), "0;<нет схемы>");
}

TEST(ColumnDropDownBox, AssignCopiesTheBoxButNotTheSpecialRow)
{
    TProgrammeGrid f;
    TColumnLt* source = f.Column(TProgrammeGrid::cSchemeName);
    TColumnDropDownBoxLt* box = source->DropDownBox();
    box->Columns()->Add()->SetFieldName("FNAME");
    box->SetOptions({dlgRowLinesLt});
    box->SetUseMultiTitle(true);
    box->SetAutoFitColWidths(false);
    box->SetRows(3);
    box->SetListSource(f.Source);
    source->DropDownSpecRow()->SetVisible(true);

    TColumnLt* copy = f.Grid->Columns()->Add();
    copy->Assign(source);
    const TColumnDropDownBoxLt* copied = copy->DropDownBox();
    ASSERT_TRUE(copied->Columns()->Customized());
    EXPECT_EQ(copied->Columns()->Items(0)->FieldName(), "FNAME");
    EXPECT_EQ(copied->Options(), TDBLookupGridLtOptions{dlgRowLinesLt});
    EXPECT_TRUE(copied->UseMultiTitle());
    EXPECT_FALSE(copied->AutoFitColWidths());
    EXPECT_EQ(copied->Rows(), 3);
    EXPECT_EQ(copied->ListSource(), f.Source);
    EXPECT_FALSE(copy->DropDownSpecRow()->Visible());

    box->Columns()->Clear();
    ASSERT_FALSE(box->Columns()->Customized());
    ASSERT_TRUE(copy->DropDownBox()->Columns()->Customized());
    copy->Assign(source);
    EXPECT_FALSE(copy->DropDownBox()->Columns()->Customized()) << "columns that are not customized are cleared";
}

TEST(ColumnDropDownBox, StoredWithItsColumnOnlyWhenSet)
{
    const char* const form = R"(object Form1: TForm
  object grdProgramm: TDBGridLt
    Columns = <
      item
        FieldName = 'FSCHEME'
      end
      item
        DropDownBox.Columns = <
          item
            FieldName = 'FNAME'
          end>
        DropDownBox.Options = [dlgColLinesLt, dlgRowLinesLt]
        DropDownBox.UseMultiTitle = True
        DropDownSpecRow.CellsText = '<нет схемы>'
        DropDownSpecRow.Visible = True
        FieldName = 'FSCHEMENAME'
      end>
  end
end
)";
    TestApplication();
    TForm read(nullptr);
    ReadComponentFromText(read, form, "programm");
    auto* grid = dynamic_cast<TDBGridLt*>(read.FindComponent("grdProgramm"));
    ASSERT_NE(grid, nullptr);
    TColumnLt* lookup = grid->Columns()->Items(1);
    ASSERT_EQ(lookup->DropDownBox()->Columns()->Count(), 1);
    EXPECT_EQ(lookup->DropDownBox()->Columns()->Items(0)->FieldName(), "FNAME");
    EXPECT_EQ(lookup->DropDownBox()->Options(), (TDBLookupGridLtOptions{dlgColLinesLt, dlgRowLinesLt}));
    EXPECT_TRUE(lookup->DropDownBox()->UseMultiTitle());
    EXPECT_TRUE(lookup->DropDownSpecRow()->Visible());
    EXPECT_EQ(lookup->DropDownSpecRow()->CellsText(), "<нет схемы>");
    EXPECT_FALSE(grid->Columns()->Items(0)->LookupPopupGridMade()) << "a plain column makes no list";

    const std::string written = WriteComponentToText(read);
    const std::size_t firstItem = written.find("item");
    const std::string plainItem = written.substr(firstItem, written.find("end", firstItem) - firstItem);
    EXPECT_EQ(plainItem.find("DropDown"), std::string::npos) << plainItem;
    TForm again(nullptr);
    ReadComponentFromText(again, written, "written");
    EXPECT_EQ(WriteComponentToText(again), written);
    for (const char* line : {"DropDownBox.UseMultiTitle = True", "DropDownSpecRow.Visible = True",
                             "DropDownBox.Options = [dlgColLinesLt, dlgRowLinesLt]"})
        EXPECT_NE(written.find(line), std::string::npos) << line;
}
