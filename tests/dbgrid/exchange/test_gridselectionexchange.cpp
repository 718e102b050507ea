// Export, import and clearing of what is selected in the grid: marked
// records, a rectangle of cells, columns; and the footer rows of an export.
#include <gtest/gtest.h>

#include "dbgrid/exchange/gridclipboard.h"
#include "dbgrid/exchange/gridexporttext.h"
#include "dbgrid/exchange/gridexportvcldbif.h"
#include "dbgrid/exchange/gridimportvcldbif.h"
#include "dbgrid/footers/columnfooterlt.h"
#include "dbgrid/selection/dbgridselection.h"
#include "tests/dbgrid/exchange/exchangegrid.h"

namespace {

// Marks the records with these keys.
void MarkRecords(TExchangeGrid& f, std::initializer_list<int> Keys)
{
    for (const int key : Keys) {
        ASSERT_TRUE(f.Table->Locate("FID", key, {}));
        f.Grid->SelectedRows()->SelectCurrentRow(true);
    }
}

std::string BookmarkOf(TExchangeGrid& f, int Key)
{
    EXPECT_TRUE(f.Table->Locate("FID", Key, {}));
    return f.Table->Bookmark();
}

// Selects the cells of column Col from the record with key Top to Bottom.
void SelectCells(TExchangeGrid& f, int Col, int Top, int Bottom)
{
    f.Grid->Selection()->Rect()->Select(Col, BookmarkOf(f, Bottom), false);
    f.Grid->Selection()->Rect()->Select(Col, BookmarkOf(f, Top), true);
}

} // namespace

TEST(GridSelectionExchange, EachKindExportsItsColumnsAndRecords)
{
    struct TCase {
        const char* Label;
        std::function<void(TExchangeGrid&)> Select;
        std::string Text;
    };
    const TCase cases[] = {
        {"marked records", [](TExchangeGrid& f) { MarkRecords(f, {7, 5}); }, "FID\tFNAME\r\n5\ta\"b\r\n7\t"},
        {"rectangle", [](TExchangeGrid& f) { SelectCells(f, 1, 6, 7); }, "FNAME\r\nЯ {}\\\r\n"},
        {"rectangle of one row", [](TExchangeGrid& f) {
             f.Grid->Selection()->Rect()->Select(0, BookmarkOf(f, 6), false);
             f.Grid->Selection()->Rect()->Select(1, BookmarkOf(f, 6), true);
         }, "FID\tFNAME\r\n6\tЯ {}\\"},
        {"column", [](TExchangeGrid& f) { f.Grid->Selection()->ColumnList()->SelectColumn(f.Column(1), false); },
         "FNAME\r\na\"b\r\nЯ {}\\\r\n"},
        {"everything", [](TExchangeGrid& f) { f.Grid->Selection()->SelectAll(); },
         "FID\tFNAME\r\n5\ta\"b\r\n6\tЯ {}\\\r\n7\t"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Label);
        TExchangeGrid f;
        c.Select(f);
        f.Table->First();
        EXPECT_EQ(Exported<TDBGridLtExportAsText>(f.Grid, false), c.Text);
        EXPECT_EQ(f.Fid->AsInteger(), 5);
    }
}

TEST(GridSelectionExchange, FootersSumAndCountTheExportedRecords)
{
    TExchangeGrid f;
    f.Grid->SetFooterRowCount(2);
    TColumnFooterLt* sum = f.Column(0)->Footers()->Add();
    sum->SetValueType(fvtSum);
    f.Column(0)->Footers()->Add()->SetValueType(fvtCount);
    TColumnFooterLt* label = f.Column(1)->Footers()->Add();
    label->SetValueType(fvtStaticText);
    label->SetValue("Итого");
    EXPECT_EQ(Exported<TDBGridLtExportAsText>(f.Grid), "FID\tFNAME\r\n5\ta\"b\r\n6\tЯ {}\\\r\n7\t\r\n18\tИтого\r\n3\t");
    MarkRecords(f, {5, 7});
    EXPECT_EQ(Exported<TDBGridLtExportAsCSV>(f.Grid, false),
              "\"FID\";\"FNAME\"\r\n\"5\";\"a\"\"b\"\r\n\"7\";\"\"\r\n\"12\";\"Итого\"\r\n\"2\";\"\"");
    // The binary format holds no footers.
    EXPECT_EQ(Exported<TDBGridLtExportAsVCLDBIF>(f.Grid, false).size(), 16u + 13 + 6 + 1);
}

TEST(GridSelectionExchange, APasteFillsTheMarkedRecordsOrTheRectangle)
{
    TExchangeGrid source;
    source.Grid->Selection()->SelectAll();
    CopyGridToClipboard(source.Grid, false);
    // Values go to the columns by position, one record into each marked
    // record.
    TExchangeGrid marked;
    MarkRecords(marked, {6, 7});
    PasteGridFromClipboard(marked.Grid, false);
    EXPECT_EQ(marked.Records(), "5:a\"b\n5:a\"b\n6:Я\t{}\\\n");

    source.Grid->Selection()->ColumnList()->SelectColumn(source.Column(1), false);
    CopyGridToClipboard(source.Grid, false);
    TExchangeGrid cells;
    SelectCells(cells, 1, 6, 7);
    PasteGridFromClipboard(cells.Grid, false);
    EXPECT_EQ(cells.Records(), "5:a\"b\n6:a\"b\n7:Я\t{}\\\n");
    EXPECT_FALSE(cells.Table->ControlsDisabled());
}

TEST(GridSelectionExchange, ClearingAsksAndEmptiesOrDeletesWhatIsSelected)
{
    struct TCase {
        const char* Label;
        std::function<void(TExchangeGrid&)> Select;
        std::string Question;
        std::string Records;
    };
    const TCase cases[] = {
        {"one record", [](TExchangeGrid& f) { MarkRecords(f, {6}); }, "Delete record?", "5:a\"b\n7:-\n"},
        {"records", [](TExchangeGrid& f) { MarkRecords(f, {5, 7}); }, "Delete all selected records?",
         "6:Я\t{}\\\n"},
        {"cells", [](TExchangeGrid& f) { SelectCells(f, 1, 5, 6); }, "Очистить выделенные ячейки?",
         "5:-\n6:-\n7:-\n"},
        {"column", [](TExchangeGrid& f) { f.Grid->Selection()->ColumnList()->SelectColumn(f.Column(1), false); },
         "Очистить выделенные ячейки?", "5:-\n6:-\n7:-\n"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Label);
        TExchangeGrid f;
        c.Select(f);
        std::string question;
        TApplication::SetMessageBoxHook([&](const std::string& Text, const std::string&, unsigned) {
            question = Text;
            return IDOK;
        });
        ClearGridSelection(f.Grid, false);
        EXPECT_EQ(question, c.Question);
        EXPECT_EQ(f.Records(), c.Records);
        EXPECT_FALSE(f.Table->ControlsDisabled());
    }
}
