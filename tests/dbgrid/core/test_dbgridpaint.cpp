// The data grid's painting checked on its pixels: the record the cell
// handlers see, the current record kept, handler order, odd and even rows
// (numbered by the dataset or the sum list), the required-value mark,
// indicator marks by dataset state, sort markers and their index,
// multi-level and vertical titles, a column's edit buttons, and where each
// cell belongs.
#include <gtest/gtest.h>

#include <QImage>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "dbgrid/core/colcellparamslt.h"
#include "dbgrid/core/gridimageslt.h"
#include "dbgrid/filter/filterrowcolor.h"
#include "dbgrid/footers/dbgridsumlist.h"
#include "platform/ui/imglist.h"
#include "platform/ui/sysmetrics.h"
#include "tests/dbgrid/core/dbgridtesting.h"
#include "tests/dbgrid/footers/sumlisttable.h"

namespace {
QRgb Rgb(TColor Color)
{
    return ToQColor(ColorToRGB(Color)).rgb() & 0xFFFFFFu;
}

int CountPixels(const QImage& Image, const TRect& R, TColor Color)
{
    int count = 0;
    for (int y = std::max(R.Top, 0); y < std::min(R.Bottom, Image.height()); ++y)
        for (int x = std::max(R.Left, 0); x < std::min(R.Right, Image.width()); ++x)
            count += (Image.pixel(x, y) & 0xFFFFFFu) == Rgb(Color) ? 1 : 0;
    return count;
}

// Pixels of R darker than mid grey: text and marks.
int InkPixels(const QImage& Image, const TRect& R)
{
    int count = 0;
    for (int y = std::max(R.Top, 0); y < std::min(R.Bottom, Image.height()); ++y)
        for (int x = std::max(R.Left, 0); x < std::min(R.Right, Image.width()); ++x)
            count += qGray(Image.pixel(x, y)) < 100 ? 1 : 0;
    return count;
}

// Whether picture Index of the indicator list shows at the right edge of
// the indicator cell of Row, vertically centred inside its frame: its
// opaque pixels, and where it is see-through what the unmarked indicator cell
// of PlainRow shows.
bool ShowsIndicator(const QImage& Image, const TDBGridLt& Grid, int Row, int Index, int PlainRow)
{
    const int plainShift = Grid.CellBounds(0, PlainRow).Top - Grid.CellBounds(0, Row).Top;
    const QImage picture = GridIndicatorImages()->Picture(Index);
    TRect r = Grid.CellBounds(0, Row);
    InflateRect(r, -1, -1);
    const int left = r.Right - picture.width();
    const int top = r.Top + (r.Height() - picture.height()) / 2;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb expected =
                qAlpha(picture.pixel(x, y)) == 255 ? picture.pixel(x, y) : Image.pixel(left + x, top + y + plainShift);
            if ((Image.pixel(left + x, top + y) & 0xFFFFFFu) != (expected & 0xFFFFFFu))
                return false;
        }
    return true;
}

// A glyph of 8 x 8 red pixels but its see-through bottom-left corner.
std::unique_ptr<TBitmap> RedGlyph()
{
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetSize(8, 8);
    glyph->MutableImage()->fill(qRgb(255, 0, 0));
    glyph->MutableImage()->setPixel(0, 7, qRgb(255, 0, 255));
    return glyph;
}

// The messages the application shows while alive (the exceptions that
// reach its handler).
struct TShownMessages {
    std::vector<std::string> Messages;
    TShownMessages()
    {
        TApplication::SetMessageBoxHook([this](const std::string& Text, const std::string&, unsigned) {
            Messages.push_back(Text);
            return IDOK;
        });
    }
    ~TShownMessages() { TApplication::SetMessageBoxHook(nullptr); }
};
} // namespace

TEST(DBGridPaint, HandlersSeeThePaintedRecordAndTheCurrentOneStays)
{
    TStepsGrid f(4, 320, 140);
    TDBGridLt& g = *f.Grid;
    // One record changed since the log was merged: its update status differs.
    f.Table->MergeChangeLog();
    f.Table->RecNo();
    f.Table->MoveBy(2);
    f.Delay->DataSet()->Edit();
    f.Delay->SetAsInteger(999);
    f.Table->Post();
    f.Table->First();
    f.Table->MoveBy(1);
    const int current = f.Table->RecNo();

    std::map<int, TUpdateStatus> seen;
    g.SetOnGetCellParams([&](TObject*, TColumnLt* Column, TFont*, TColor& Background, TGridDrawState) {
        seen[f.Fid->AsInteger()] = f.Table->UpdateStatus();
        if (Column->FieldName() == "FNAME" && f.Table->UpdateStatus() == usModified)
            Background = clAqua;
    });
    const QImage image = Grab(g);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[1], usUnmodified);
    EXPECT_EQ(seen[3], usModified);
    EXPECT_EQ(f.Table->RecNo(), current);
    // The colour chosen from the painted record shows in that record's row only.
    EXPECT_GT(CountPixels(image, g.CellBounds(3, 3), clAqua), 20);
    EXPECT_EQ(CountPixels(image, g.CellBounds(3, 2), clAqua), 0);

    // A handler that raises: the message goes to the application, the
    // current record is the one it was.
    TShownMessages caught;
    g.SetOnGetCellParams([&](TObject*, TColumnLt*, TFont*, TColor&, TGridDrawState) {
        if (f.Fid->AsInteger() == 3)
            throw std::runtime_error("handler failed");
    });
    Grab(g);
    ASSERT_FALSE(caught.Messages.empty());
    EXPECT_NE(caught.Messages.front().find("handler failed"), std::string::npos);
    EXPECT_EQ(f.Table->RecNo(), current);
    EXPECT_EQ(f.Fid->AsInteger(), current);
}

TEST(DBGridPaint, GridHandlerRunsBeforeColumnHandler)
{
    TStepsGrid f(2, 320, 100);
    TDBGridLt& g = *f.Grid;
    std::vector<std::string> calls;
    g.SetOnGetCellParams([&](TObject*, TColumnLt* Column, TFont* AFont, TColor& Background, TGridDrawState) {
        if (Column->FieldName() != "FNAME")
            return;
        calls.push_back("grid");
        Background = clYellow;
        AFont->SetColor(clRed);
    });
    TColor seenBackground = clNone, seenFont = clNone;
    f.Column(2)->SetOnGetCellParams([&](TObject* Sender, bool EditMode, TColCellParamsLt* Params) {
        EXPECT_EQ(Sender, f.Column(2));
        EXPECT_FALSE(EditMode);
        calls.push_back("column " + Params->Text);
        seenBackground = Params->Background;
        seenFont = Params->Font->Color();
        Params->Background = clLime;
    });
    const QImage image = Grab(g);
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0], "grid");
    EXPECT_EQ(calls[1], "column Схема 1");
    EXPECT_EQ(seenBackground, clYellow);
    EXPECT_EQ(seenFont, clRed);
    // The column's handler has the last word on the colour.
    EXPECT_GT(CountPixels(image, g.CellBounds(3, 2), clLime), 20);
    EXPECT_EQ(CountPixels(image, g.CellBounds(3, 2), clYellow), 0);
}

TEST(DBGridPaint, OddAndEvenRowsUnlessTheColumnHasItsOwnColour)
{
    TStepsGrid f(4, 320, 140);
    TDBGridLt& g = *f.Grid;
    g.SetOddRowColor(RGBColor(255, 230, 230));
    g.SetEvenRowColor(RGBColor(230, 255, 230));
    f.Column(1)->SetColor(clSilver);
    const QImage image = Grab(g);
    for (int row = 1; row <= 4; ++row) {
        const TColor expected = row % 2 ? g.OddRowColor() : g.EvenRowColor();
        const TRect plain = g.CellBounds(3, row);
        EXPECT_GT(CountPixels(image, plain, expected), plain.Width() * plain.Height() / 3) << row;
        EXPECT_GT(CountPixels(image, g.CellBounds(2, row), clSilver), 20) << row;
        EXPECT_EQ(CountPixels(image, g.CellBounds(2, row), expected), 0) << row;
    }
}

// A client table that numbers no records itself.
class TUnnumberedTable : public TClientDataSet {
public:
    using TClientDataSet::TClientDataSet;
    bool IsSequenced() const override { return false; }
};

TEST(DBGridPaint, OddAndEvenRowsOfADatasetWithoutNumbersFollowTheSumListsNumbers)
{
    TestApplication();
    TSumListTable<TUnnumberedTable> t;
    for (const int id : {1, 2, 3, 4})
        t.Add(id, 1.0, 1);
    t.Table->First();
    TDataSource source(nullptr);
    source.SetDataSet(t.Table);
    TForm form(nullptr);
    auto* g = new TDBGridLt(&form);
    g->SetParent(&form);
    g->SetBorderStyle(bsNone);
    g->SetBounds(0, 0, 320, 140);
    g->SetOddRowColor(RGBColor(255, 230, 230));
    g->SetEvenRowColor(RGBColor(230, 255, 230));
    g->SetDataSource(&source);
    ShowForm(form, 340, 160);
    for (const bool numbered : {false, true}) {
        SCOPED_TRACE(numbered ? "virtual records" : "no numbers");
        g->SumList()->SetVirtualRecords(numbered);
        g->SumList()->SetActive(numbered);
        const QImage image = Grab(*g);
        for (int row = 1; row <= 4; ++row) {
            const TColor expected = !numbered ? g->Color() : row % 2 ? g->OddRowColor() : g->EvenRowColor();
            const TRect cell = g->CellBounds(3, row);
            EXPECT_GT(CountPixels(image, cell, expected), cell.Width() * cell.Height() / 3) << row;
        }
    }
}

TEST(DBGridPaint, TheRequiredMarkOfACellAsksTheColumn)
{
    TStepsGrid f(3, 320, 140);
    TDBGridLt& g = *f.Grid;
    TColumnLt* column = f.Column(2);
    column->SetHighlightRequired(true);
    f.Name->SetRequired(true);
    f.Table->Edit();
    f.Name->Clear();
    const TRect cell = g.CellBounds(g.DataToRawColumn(2), 1);
    const auto redPixels = [&] {
        const QImage image = Grab(g);
        return CountPixels(image, TRect{cell.Left, cell.Bottom - 2, cell.Right, cell.Bottom}, clRed);
    };
    EXPECT_GT(redPixels(), (cell.Width() - 5) / 3) << "a required value missing";
    std::vector<TObject*> asked;
    bool answer = false;
    column->SetOnCheckDrawRequiredState([&](TObject* Sender, bool& DrawState) {
        asked.push_back(Sender);
        DrawState = answer;
    });
    EXPECT_EQ(redPixels(), 0) << "the column's handler says no";
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.front(), column);
    f.Name->SetAsString("есть");
    answer = true;
    EXPECT_GT(redPixels(), (cell.Width() - 5) / 3) << "the handler marks a given value";
}

TEST(DBGridPaint, IndicatorShowsTheStateOfTheCurrentRecord)
{
    TStepsGrid f(3, 320, 140);
    TDBGridLt& g = *f.Grid;
    f.Table->MoveBy(1);
    struct TCase {
        const char* Name;
        std::function<void()> Enter;
        int Row;
        int Image;
    } cases[] = {
        {"browse", [] {}, 2, iiCurrentLt},
        {"edit", [&] { f.Table->Edit(); }, 2, iiEditLt},
        {"insert", [&] { f.Table->Insert(); }, 2, iiInsertLt},
        {"search", [&] { g.SetIncSearchState(true, "Сх"); }, 2, iiSearchLt},
    };
    for (const TCase& c : cases) {
        c.Enter();
        const QImage image = Grab(g);
        for (int index = iiCurrentLt; index <= iiSearchLt; ++index)
            EXPECT_EQ(ShowsIndicator(image, g, c.Row, index, 1), index == c.Image) << c.Name << " image " << index;
        EXPECT_FALSE(ShowsIndicator(image, g, 1, c.Image, 3)) << c.Name;
        if (f.Table->State() != dsBrowse)
            f.Table->Cancel();
        g.SetIncSearchState(false, "");
    }
}

TEST(DBGridPaint, SortIndexShowsOnlyWithTwoMarkedColumns)
{
    TStepsGrid f(2, 360, 100);
    TDBGridLt& g = *f.Grid;
    g.SetOptionsLt(g.OptionsLt() + TDBGridLtOptions{dghMultiSortMarking});
    for (int i = 0; i < 4; ++i)
        f.Column(i)->SetWidth(80);
    // The marker strip: the 16 pixels at the right of the title, inside its frame.
    const auto strip = [&](int Col) {
        const TRect r = g.CellBounds(Col, 0);
        return TRect{r.Right - 17, r.Top + 1, r.Right - 1, r.Bottom - 1};
    };
    const QImage marker = GridSortMarkerImages()->Picture(smiDownLt);
    int markerInk = 0;
    for (int y = 0; y < marker.height(); ++y)
        for (int x = 0; x < marker.width(); ++x)
            markerInk += qAlpha(marker.pixel(x, y)) == 255 && qGray(marker.pixel(x, y)) < 100 ? 1 : 0;

    QImage image = Grab(g);
    EXPECT_EQ(InkPixels(image, strip(2)), 0);
    f.Column(1)->Title()->SetSortMarker(smDownLt);
    image = Grab(g);
    // The marker alone: no index beside it.
    EXPECT_EQ(InkPixels(image, strip(2)), markerInk);

    f.Column(2)->Title()->SetSortMarker(smUpLt);
    ASSERT_EQ(f.Column(2)->Title()->SortIndex(), 2);
    image = Grab(g);
    EXPECT_GT(InkPixels(image, strip(2)), markerInk + 3);
    EXPECT_GT(InkPixels(image, strip(3)), markerInk + 3);
    // Up and down markers differ.
    const QImage down = image.copy(strip(2).Left, strip(2).Top, 16, strip(2).Height());
    const QImage up = image.copy(strip(3).Left, strip(3).Top, 16, strip(3).Height());
    EXPECT_NE(down, up);
}

TEST(DBGridPaint, MultiLevelTitleSharesTheFirstWordAcrossItsColumns)
{
    TStepsGrid f(2, 360, 140);
    TDBGridLt& g = *f.Grid;
    f.Column(0)->SetVisible(false);
    f.Column(1)->Title()->SetCaption("Задержка|мс");
    f.Column(2)->Title()->SetCaption("Задержка|имя");
    g.SetUseMultiTitle(true);
    ASSERT_EQ(g.TitleLeaves().size(), 4u);
    const THeadTreeNode* group = g.TitleLeaves()[1]->Parent;
    ASSERT_EQ(group, g.TitleLeaves()[2]->Parent);
    EXPECT_EQ(group->Caption, "Задержка");

    const QImage image = Grab(g);
    const TRect left = g.CellBounds(2, 0), right = g.CellBounds(3, 0);
    const int leafTop = left.Bottom - (g.TitleLeaves()[1]->Height - 3);
    // The shared word is centred over both columns: ink on each side of
    // their border inside the band, and the border itself is not drawn there.
    const TRect bandLeft{left.Right - 20, left.Top + 2, left.Right, leafTop - 2};
    const TRect bandRight{right.Left, left.Top + 2, right.Left + 20, leafTop - 2};
    EXPECT_GT(InkPixels(image, bandLeft) + InkPixels(image, bandRight), 10);
    EXPECT_GT(InkPixels(image, bandLeft), 0);
    EXPECT_GT(InkPixels(image, bandRight), 0);
    // Each leaf shows its own word.
    EXPECT_GT(InkPixels(image, TRect{left.Left + 2, leafTop + 1, left.Right - 2, left.Bottom - 1}), 10);
    EXPECT_GT(InkPixels(image, TRect{right.Left + 2, leafTop + 1, right.Right - 2, right.Bottom - 1}), 10);
    EXPECT_TRUE(group->Painted);
}

TEST(DBGridPaint, AHiddenColumnInsideATitleGroupLeavesTheGroupsBandWhereItIs)
{
    // The same two shown columns under one group, once with a hidden
    // column between them: the titles look the same.
    const auto titles = [](bool WithHidden) {
        TStepsGrid f(3, 320, 140);
        TDBGridLt& g = *f.Grid;
        g.SetUseMultiTitle(true);
        const auto add = [&](const char* Field, const char* Caption, bool Visible) {
            TColumnLt* column = g.Columns()->Add();
            column->SetFieldName(Field);
            column->Title()->SetCaption(Caption);
            column->SetWidth(70);
            column->SetVisible(Visible);
        };
        add("FID", "Группа|a", true);
        if (WithHidden)
            add("FDELAY", "Группа|скрытый", false);
        add("FNAME", "Группа|b", true);
        const TRect title = g.CellBounds(TGridRectLt{0, 0, g.ColCount() - 1, 0});
        return Grab(g).copy(title.Left, title.Top, title.Width(), title.Height());
    };
    const QImage plain = titles(false), withHidden = titles(true);
    ASSERT_EQ(plain.size(), withHidden.size());
    EXPECT_TRUE(plain == withHidden);
}

TEST(DBGridPaint, VerticalTitleReadsUpwards)
{
    TStepsGrid f(2, 360, 200);
    TDBGridLt& g = *f.Grid;
    g.SetTitleHeight(70);
    f.Column(2)->Title()->SetCaption("Название");
    f.Column(2)->Title()->SetOrientation(tohVertical);
    const QImage image = Grab(g);
    const TRect title = g.CellBounds(3, 0);
    QImage cell = image.copy(title.Left + 2, title.Top + 2, title.Width() - 4, title.Height() - 4);
    TRect ink{cell.width(), cell.height(), 0, 0};
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (qGray(cell.pixel(x, y)) < 100) {
                ink.Left = std::min(ink.Left, x);
                ink.Top = std::min(ink.Top, y);
                ink.Right = std::max(ink.Right, x + 1);
                ink.Bottom = std::max(ink.Bottom, y + 1);
            }
    ASSERT_LT(ink.Left, ink.Right);
    EXPECT_GT(ink.Height(), 2 * ink.Width());
}

TEST(DBGridPaint, EmptyTablePaintsTitlesIndicatorAndNoData)
{
    TStepsGrid f(0, 320, 120);
    TDBGridLt& g = *f.Grid;
    bool asked = false;
    g.SetOnGetCellParams([&](TObject*, TColumnLt*, TFont*, TColor&, TGridDrawState) { asked = true; });
    const QImage image = Grab(g);
    EXPECT_FALSE(asked);
    EXPECT_GT(InkPixels(image, g.CellBounds(3, 0)), 10);
    EXPECT_EQ(InkPixels(image, g.CellBounds(3, 1)), 0);
    for (int index = iiCurrentLt; index <= iiSearchLt; ++index)
        EXPECT_FALSE(ShowsIndicator(image, g, 1, index, 2)) << index;
}

TEST(DBGridPaint, CellTypesSplitTheGridIntoParts)
{
    TStepsGrid f(3, 320, 160);
    TDBGridLt& g = *f.Grid;
    g.SetFooterRowCount(2);
    const int dataRows = g.RowCount() - 1;
    struct TCase {
        int Col, Row;
        TCellColPartLt ColPart;
        int ColIndex;
        TCellRowPartLt RowPart;
        int RowIndex;
    } cases[] = {
        {0, 0, ccpIndicatorLt, 0, crpTitleLt, 0},      {2, 0, ccpDataColLt, 1, crpTitleLt, 0},
        {1, 1, ccpDataColLt, 0, crpDataLt, 0},         {3, dataRows, ccpDataColLt, 2, crpDataLt, dataRows - 1},
        {1, g.RowCount(), ccpDataColLt, 0, crpFooterLt, 0}, {0, g.RowCount() + 1, ccpIndicatorLt, 0, crpFooterLt, 1},
    };
    for (const TCase& c : cases) {
        const TDBGridCellTypeLt cell = g.GetCellType(c.Col, c.Row);
        EXPECT_EQ(cell.ColPart, c.ColPart) << c.Col << "," << c.Row;
        EXPECT_EQ(cell.ColIndex, c.ColIndex) << c.Col << "," << c.Row;
        EXPECT_EQ(cell.RowPart, c.RowPart) << c.Col << "," << c.Row;
        EXPECT_EQ(cell.RowIndex, c.RowIndex) << c.Col << "," << c.Row;
    }
    for (const int row : {-1, g.RowCount() + 2})
        EXPECT_THROW(g.GetCellType(1, row), EInvalidGridOperationLt) << row;
}

TEST(DBGridPaint, SelectedColumnsAndRecordsHighlightTheirFixedCells)
{
    TStepsGrid f(4, 360, 160);
    TDBGridLt& g = *f.Grid;
    const TColor dark = RGBColor(64, 64, 64);
    QImage image = Grab(g);
    EXPECT_EQ(CountPixels(image, g.CellBounds(2, 0), dark), 0);

    // A selected column: its title turns dark, its neighbour's does not.
    g.Selection()->ColumnList()->SelectColumn(f.Column(1), false);
    image = Grab(g);
    const TRect title = g.CellBounds(2, 0);
    EXPECT_GT(CountPixels(image, title, dark), title.Width() * title.Height() / 2);
    int light = 0;
    for (int y = title.Top + 2; y < title.Bottom - 2; ++y)
        for (int x = title.Left + 2; x < title.Right - 2; ++x)
            light += qGray(image.pixel(x, y)) > 180 ? 1 : 0;
    EXPECT_GT(light, 3);   // the caption in white
    EXPECT_EQ(CountPixels(image, g.CellBounds(3, 0), dark), 0);

    // Selected records with multi-select: dark indicator cells, the current
    // one with the light arrow, the others without a mark.
    g.SetOptions(g.Options() + TDBGridOptions{dgMultiSelect});
    g.SelectedRows()->SelectCurrentRow(true);
    f.Table->Next();
    g.SelectedRows()->SelectCurrentRow(true);
    f.Table->First();
    image = Grab(g);
    const TRect first = g.CellBounds(0, 1), second = g.CellBounds(0, 2), third = g.CellBounds(0, 3);
    EXPECT_GT(CountPixels(image, first, dark), 10);
    EXPECT_GT(CountPixels(image, second, dark), 10);
    EXPECT_EQ(CountPixels(image, third, dark), 0);
    EXPECT_TRUE(ShowsIndicator(image, g, 1, iiCurrentSelectedLt, 2));
    EXPECT_FALSE(ShowsIndicator(image, g, 1, iiCurrentLt, 2));
    EXPECT_EQ(CountPixels(image, second, clWhite), 0);
}

TEST(DBGridPaint, FootersShowTheirValuesAndHandlersChangeThem)
{
    TStepsGrid f(3, 360, 160);
    TDBGridLt& g = *f.Grid;
    g.SetFooterRowCount(1);
    g.SumList()->SetActive(true);
    f.Column(1)->Footer()->SetValueType(fvtSum);
    f.Column(2)->Footer()->SetValueType(fvtStaticText);
    f.Column(2)->Footer()->SetValue("Итого");
    f.Column(0)->Footer()->SetValueType(fvtCount);
    EXPECT_EQ(f.Column(1)->Footer()->SumItem() != nullptr, true);
    std::map<int, std::string> texts;
    int drawn = 0;
    g.SetOnGetFooterParams([&](TObject*, int DataCol, int Row, TColumnLt*, TFont*, TColor& Background, TAlignment&,
                               TGridDrawState, std::string& Text) {
        EXPECT_EQ(Row, 0);
        texts[DataCol] = Text;
        if (DataCol == 2)
            Background = clAqua;
    });
    g.SetOnDrawFooterCell([&](TObject*, int, int, TColumnLt*, const TRect&, TGridDrawState) { ++drawn; });
    const QImage image = Grab(g);
    EXPECT_EQ(texts[0], "3");
    EXPECT_EQ(texts[1], "600");
    EXPECT_EQ(texts[2], "Итого");
    EXPECT_EQ(texts[3], "");
    EXPECT_EQ(drawn, 4);
    const TRect footer = g.CellBounds(3, g.RowCount());
    EXPECT_GT(CountPixels(image, footer, clAqua), footer.Width() * footer.Height() / 3);
    EXPECT_GT(InkPixels(image, footer), 10);
}

TEST(DBGridPaint, FilterRowShowsEachColumnsConditionInBlue)
{
    TStepsGrid f(2, 360, 140);
    TDBGridLt& g = *f.Grid;
    g.STFilter()->SetVisible(true);
    f.Column(1)->STFilter()->SetFilterText(">100");
    f.Column(3)->STFilter()->SetVisible(false);
    ASSERT_EQ(g.FilterRow(), 1);
    EXPECT_EQ(g.GetCellType(2, 1).RowPart, crpFilterLt);
    const QImage image = Grab(g);
    const TRect filtered = g.CellBounds(2, 1), empty = g.CellBounds(3, 1), none = g.CellBounds(4, 1);
    const TColor ground = FilterRowBackground(g.FixedColor());
    EXPECT_GT(CountPixels(image, filtered, ground), filtered.Width() * filtered.Height() / 2);
    int blue = 0;
    for (int y = filtered.Top; y < filtered.Bottom; ++y)
        for (int x = filtered.Left; x < filtered.Right; ++x) {
            const QColor c(image.pixel(x, y));
            blue += c.blue() > 150 && c.red() < 100 && c.green() < 100 ? 1 : 0;
        }
    EXPECT_GT(blue, 5);
    EXPECT_EQ(InkPixels(image, empty), 0);
    // Inside its raised frame, a column without a filter cell keeps the fixed colour.
    EXPECT_EQ(CountPixels(image, TRect{none.Left + 2, none.Top + 2, none.Right - 2, none.Bottom - 2}, ground), 0);
}

TEST(DBGridPaint, AColumnsOwnEditButtonsStandBesideItsDefaultButton)
{
    TStepsGrid f(3, 360, 120);
    TDBGridLt& g = *f.Grid;
    TColumnLt* delay = f.Column(1);
    delay->SetWidth(150);
    delay->SetButtonStyle(cbsUpDown);
    delay->SetAlwaysShowEditButton(true);
    TEditButtonLt* plus = delay->EditButtons()->Add();
    plus->SetStyle(ebsPlusLt);
    plus->SetWidth(20);
    delay->EditButtons()->Add()->SetVisible(false);
    TEditButtonLt* picture = delay->EditButtons()->Add();
    picture->SetStyle(ebsGlyphLt);
    picture->SetGlyph(RedGlyph().get());
    const int scroll = GetSystemMetrics(SM_CXVSCROLL);
    ASSERT_EQ(delay->EditButtonsWidth(), scroll + 20 + scroll);

    const QImage image = Grab(g);
    for (int row = 1; row <= 3; ++row) {
        const TRect cell = g.CellBounds(2, row);
        const int strip = cell.Right - delay->EditButtonsWidth();
        const int middle = (cell.Top + cell.Bottom) / 2;
        // From the right: the up-down arrows, the plus sign, the glyph.
        EXPECT_GT(InkPixels(image, TRect{cell.Right - scroll + 3, cell.Top + 2, cell.Right - 3, cell.Bottom - 2}), 4)
            << row;
        EXPECT_GT(InkPixels(image, TRect{strip + scroll + 5, middle - 4, strip + scroll + 15, middle + 4}), 4) << row;
        EXPECT_EQ(CountPixels(image, TRect{strip, cell.Top, strip + scroll, cell.Bottom}, clRed), 63) << row;
        EXPECT_EQ(CountPixels(image, cell, clRed), 63) << row;
        // The right-aligned value ends left of the buttons.
        EXPECT_GT(InkPixels(image, TRect{strip - 20, cell.Top + 1, strip, cell.Bottom - 1}), 5) << row;
    }
}
