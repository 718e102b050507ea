// Painting one page of the grid engine into an offscreen image: a grid of
// 1,000,000 rows x 50 columns against one of 1,000 rows, in the same run.
// The cost must not depend on the row count ("ratio" = big / small, goal
// <= 1.2) and a page must take at most 5 ms. The same for the data grid
// over a client table of 100,000 rows against one of 1,000: painting a page
// and paging down (moving the table a page and painting). Shortening long
// texts with "..." (a column's EndEllipsis) against drawing them clipped:
// ten cells of 8,000 characters on one line (argument 0) or word-wrapped
// (1), "ratio" = shortened / clipped, goal <= 3.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/engine/customgridlt.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/application.h"

namespace {
using Clock = std::chrono::steady_clock;

// Every cell shows its coordinates.
class TTextGrid : public TCustomGridLt {
public:
    using TCustomGridLt::TCustomGridLt;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState) override
    {
        Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, std::to_string(ARow) + ":" + std::to_string(ACol));
    }
};

std::unique_ptr<TTextGrid> MakeGrid(int Rows)
{
    auto grid = std::make_unique<TTextGrid>(nullptr);
    grid->SetBounds(0, 0, 1024, 768);
    grid->SetColCount(50);
    grid->SetRowCount(Rows);
    grid->Widget();
    grid->SetFirstShownRow(Rows / 2);
    grid->SetFirstShownCol(10);
    grid->FocusCell(12, Rows / 2 + 3, true, false);
    return grid;
}

// Seconds to paint one page of the grid into Image (the grid alone: its
// scroll bars are widgets of their own).
double PaintOnce(TCustomGridLt& Grid, QImage& Image)
{
    const auto start = Clock::now();
    Grid.Widget()->render(&Image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void PaintPage(benchmark::State& state)
{
    auto grid = MakeGrid(static_cast<int>(state.range(0)));
    QImage image(1024, 768, QImage::Format_ARGB32_Premultiplied);
    PaintOnce(*grid, image);
    for (auto _ : state)
        state.SetIterationTime(PaintOnce(*grid, image));
}

// Paints First and Second once each per iteration (after one paint each
// to warm up); counters: their mean milliseconds under their names, and
// "ratio" = First / Second.
void ComparePaints(benchmark::State& state, const std::function<double()>& First, const char* FirstName,
                   const std::function<double()>& Second, const char* SecondName)
{
    First();
    Second();
    double firstTotal = 0, secondTotal = 0;
    for (auto _ : state) {
        const double first = First(), second = Second();
        firstTotal += first;
        secondTotal += second;
        state.SetIterationTime(first + second);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters[FirstName] = firstTotal / n * 1000;
    state.counters[SecondName] = secondTotal / n * 1000;
    state.counters["ratio"] = firstTotal / secondTotal;
}

void PaintRatio(benchmark::State& state)
{
    auto big = MakeGrid(1000000);
    auto small = MakeGrid(1000);
    QImage image(1024, 768, QImage::Format_ARGB32_Premultiplied);
    ComparePaints(state, [&] { return PaintOnce(*big, image); }, "page_ms_1m",
                  [&] { return PaintOnce(*small, image); }, "page_ms_1k");
}
// A data grid on a table of steps (number, delay, name, on/off), its
// OnGetCellParams reading the painted record as the program's grids do.
struct TTableGrid {
    std::unique_ptr<TComponent> Owner = std::make_unique<TComponent>(nullptr);
    TClientDataSet* Table = nullptr;
    TDBGridLt* Grid = nullptr;

    explicit TTableGrid(int Rows)
    {
        Table = new TClientDataSet(Owner.get());
        const auto add = [&](TField* Field, const char* Name, int Size) {
            Field->SetFieldName(Name);
            if (Size > 0)
                Field->SetSize(Size);
            Field->SetDataSet(Table);
            return Field;
        };
        auto* id = static_cast<TIntegerField*>(add(new TIntegerField(Owner.get()), "FID", 0));
        auto* delay = static_cast<TIntegerField*>(add(new TIntegerField(Owner.get()), "FDELAY", 0));
        auto* name = static_cast<TStringField*>(add(new TStringField(Owner.get()), "FNAME", 20));
        auto* on = static_cast<TBooleanField*>(add(new TBooleanField(Owner.get()), "FON", 0));
        Table->CreateDataSet();
        for (int i = 1; i <= Rows; ++i) {
            Table->Append();
            id->SetAsInteger(i);
            delay->SetAsInteger(i * 10 % 5000);
            name->SetAsString("Шаг " + std::to_string(i));
            on->SetAsBoolean(i % 3 != 0);
            Table->Post();
        }
        Table->MergeChangeLog();
        auto* source = new TDataSource(Owner.get());
        source->SetDataSet(Table);
        Grid = new TDBGridLt(Owner.get());
        Grid->SetBounds(0, 0, 1024, 768);
        Grid->SetOddRowColor(RGBColor(255, 250, 235));
        Grid->SetDataSource(source);
        Grid->SetOnGetCellParams([delay](TObject*, TColumnLt*, TFont*, TColor& Background, TGridDrawState) {
            if (delay->AsInteger() > 4000)
                Background = clYellow;
        });
        Grid->Widget();
        Table->RecNo();
        Table->MoveBy(Rows / 2);
    }

    // Seconds to paint one page into Image.
    double Paint(QImage& Image) const { return PaintOnce(*Grid, Image); }

    // Seconds to move a page down (back to the start near the end) and paint.
    double PageDown(QImage& Image) const
    {
        const int page = Grid->DataLink()->RecordCount();
        const auto start = Clock::now();
        if (Table->RecNo() + 2 * page > Table->RecordCount())
            Table->MoveBy(-Table->RecordCount() / 2);
        Table->MoveBy(page);
        Grid->Widget()->render(&Image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        return std::chrono::duration<double>(Clock::now() - start).count();
    }
};

void DataGridRatio(benchmark::State& state)
{
    const TTableGrid big(100000), small(1000);
    QImage image(1024, 768, QImage::Format_ARGB32_Premultiplied);
    big.Paint(image);
    small.Paint(image);
    double bigPaint = 0, smallPaint = 0, bigPage = 0, smallPage = 0;
    for (auto _ : state) {
        const double bp = big.Paint(image), sp = small.Paint(image);
        const double bd = big.PageDown(image), sd = small.PageDown(image);
        bigPaint += bp;
        smallPaint += sp;
        bigPage += bd;
        smallPage += sd;
        state.SetIterationTime(bp + sp + bd + sd);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["paint_ms_100k"] = bigPaint / n * 1000;
    state.counters["paint_ms_1k"] = smallPaint / n * 1000;
    state.counters["paint_ratio"] = bigPaint / smallPaint;
    state.counters["pagedown_ms_100k"] = bigPage / n * 1000;
    state.counters["pagedown_ms_1k"] = smallPage / n * 1000;
    state.counters["pagedown_ratio"] = bigPage / smallPage;
}

// Ten records whose names are 8,000 characters long, the name column
// shortening them with "..." or not; on one line, or word-wrapped in rows
// of two lines (the names then one word, which no break shortens).
struct TLongTextGrid {
    std::unique_ptr<TComponent> Owner = std::make_unique<TComponent>(nullptr);
    TDBGridLt* Grid = nullptr;

    TLongTextGrid(bool EndEllipsis, bool WordWrap)
    {
        constexpr int kLength = 8000;
        auto* table = new TClientDataSet(Owner.get());
        auto* name = new TStringField(Owner.get());
        name->SetFieldName("FNAME");
        name->SetSize(4 * kLength);
        name->SetDataSet(table);
        table->CreateDataSet();
        for (int i = 0; i < 10; ++i) {
            std::string text = std::to_string(i) + " ";
            while (Utf8Length(text) < kLength)
                text += WordWrap ? "Шагвключитьвсеканалы" : "Шаг включить все каналы ";
            table->Append();
            name->SetAsString(Utf8Copy(text, 1, kLength));
            table->Post();
        }
        table->First();
        auto* source = new TDataSource(Owner.get());
        source->SetDataSet(table);
        Grid = new TDBGridLt(Owner.get());
        Grid->SetBounds(0, 0, 400, 300);
        Grid->SetDataSource(source);
        Grid->Columns()->Items(0)->SetWidth(300);
        Grid->Columns()->Items(0)->SetEndEllipsis(EndEllipsis);
        if (WordWrap) {
            Grid->SetRowLines(2);
            Grid->Columns()->Items(0)->SetWordWrap(true);
        }
        Grid->Widget();
    }
};

void EndEllipsisRatio(benchmark::State& state)
{
    const bool wordWrap = state.range(0) != 0;
    const TLongTextGrid clipped(false, wordWrap), shortened(true, wordWrap);
    QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
    ComparePaints(state, [&] { return PaintOnce(*shortened.Grid, image); }, "shortened_ms",
                  [&] { return PaintOnce(*clipped.Grid, image); }, "clipped_ms");
}
} // namespace

BENCHMARK(PaintPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Arg(1000)->Arg(1000000);
BENCHMARK(PaintRatio)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(DataGridRatio)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(EndEllipsisRatio)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0)->Arg(0)->Arg(1);

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TApplication application(nullptr);
    application.Initialize();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
