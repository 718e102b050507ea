// Painting one page of the grid engine into an offscreen image: a grid of
// 1,000,000 rows x 50 columns against one of 1,000 rows, in the same run.
// The cost must not depend on the row count ("ratio" = big / small, goal
// <= 1.2) and a page must take at most 5 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <chrono>
#include <memory>
#include <string>

#include "dbgrid/customgridlt.h"
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
double PaintOnce(TTextGrid& Grid, QImage& Image)
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

void PaintRatio(benchmark::State& state)
{
    auto big = MakeGrid(1000000);
    auto small = MakeGrid(1000);
    QImage image(1024, 768, QImage::Format_ARGB32_Premultiplied);
    PaintOnce(*big, image);
    PaintOnce(*small, image);
    double bigTotal = 0, smallTotal = 0;
    for (auto _ : state) {
        const double b = PaintOnce(*big, image);
        const double s = PaintOnce(*small, image);
        bigTotal += b;
        smallTotal += s;
        state.SetIterationTime(b + s);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["page_ms_1m"] = bigTotal / n * 1000;
    state.counters["page_ms_1k"] = smallTotal / n * 1000;
    state.counters["ratio"] = bigTotal / smallTotal;
}
} // namespace

BENCHMARK(PaintPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Arg(1000)->Arg(1000000);
BENCHMARK(PaintRatio)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

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
