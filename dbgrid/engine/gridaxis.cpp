#include "dbgrid/engine/gridaxis.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr int kScrollScale = 127;
// A line's hot zone is at least this wide, centred on the line.
constexpr int kHotZone = 7;
} // namespace

int MulDiv(int A, int B, int C)
{
    const int64_t product = static_cast<int64_t>(A) * B;
    const int64_t half = (product < 0) == (C < 0) ? C / 2 : -C / 2;
    return static_cast<int>((product + half) / C);
}

int TGridAxisLt::Extent(int Index) const
{
    if (Extents && !Extents->empty())
        return (*Extents)[static_cast<std::size_t>(Index)];
    return DefaultExtent;
}

int TGridAxisLt::Span(int Index) const
{
    const int extent = Extent(Index);
    return extent > 0 ? extent + LineWidth : 0;
}

void TGridAxisLt::Calc()
{
    FixedBoundary = Origin;
    for (int i = 0; i < FixedCount; ++i)
        FixedBoundary += Span(i);
    FrozenBoundary = FixedBoundary;
    for (int i = FixedCount - FrozenCount; i < FixedCount; ++i)
        FrozenBoundary -= Span(i);
    ContraBoundary = Origin + ClientExtent;
    for (int i = Count; i < Count + ContraCount; ++i)
        ContraBoundary -= Span(i);
    if (ContraCount > 0)
        ContraBoundary -= LineWidth;
    GridExtent = ContraCount > 0 ? ContraBoundary : Origin + ClientExtent;

    int pos = FixedBoundary;
    LastShown = FirstShown - 1;
    LastFullShown = FirstShown - 1;
    for (int i = FirstShown; i < Count && pos < GridExtent; ++i) {
        if (Hidden(i))
            continue;
        if (pos + Extent(i) <= ContraBoundary)
            LastFullShown = i;
        LastShown = i;
        pos += Span(i);
    }
    GridBoundary = std::min(pos, GridExtent);
}

int TGridAxisLt::CellStart(int Index) const
{
    if (Index < 0 || Index >= Count + ContraCount || Hidden(Index))
        return -1;
    if (Index < FixedCount)
        return Origin + Distance(0, Index);
    if (Index >= Count)
        return ContraBoundary + (ContraCount > 0 ? LineWidth : 0) + Distance(Count, Index);
    if (Index < FirstShown || Index > LastShown)
        return -1;
    return FixedBoundary + Distance(FirstShown, Index);
}

int TGridAxisLt::CellAt(int Pos) const
{
    const auto walk = [this, Pos](int start, int first, int last) {
        for (int i = first; i <= last; ++i) {
            start += Span(i);
            if (Pos < start)
                return i;
        }
        return -1;
    };
    if (Pos < Origin)
        return -1;
    if (Pos < FixedBoundary)
        return walk(Origin, 0, FixedCount - 1);
    if (Pos < GridBoundary)
        return walk(FixedBoundary, FirstShown, LastShown);
    const int contraStart = ContraBoundary + (ContraCount > 0 ? LineWidth : 0);
    if (ContraCount > 0 && Pos >= contraStart && Pos < Origin + ClientExtent)
        return walk(contraStart, Count, Count + ContraCount - 1);
    return -1;
}

bool TGridAxisLt::ShownInterval(int First, int Last, int& From, int& To) const
{
    bool any = false;
    const auto take = [&](int low, int high) {
        low = std::max(First, low);
        high = std::min(Last, high);
        while (low <= high && Hidden(low))
            ++low;
        while (high >= low && Hidden(high))
            --high;
        if (low > high)
            return;
        const int start = CellStart(low), end = CellStart(high) + Extent(high);
        From = any ? std::min(From, start) : start;
        To = any ? std::max(To, end) : end;
        any = true;
    };
    take(0, FixedCount - 1);
    take(FirstShown, LastShown);
    take(Count, Count + ContraCount - 1);
    return any;
}

int TGridAxisLt::Distance(int From, int To) const
{
    int result = 0;
    for (int i = From; i < To; ++i)
        result += Span(i);
    return result;
}

int TGridAxisLt::FirstShowingFully(int Index) const
{
    const int room = ContraBoundary - FixedBoundary;
    int result = std::max(Index, FixedCount);
    int need = Hidden(Index) ? 0 : Extent(Index);
    for (int i = Index - 1; i >= FixedCount; --i) {
        if (Hidden(i))
            continue;
        if (need + Span(i) > room)
            break;
        need += Span(i);
        result = i;
    }
    return result;
}

int TGridAxisLt::PageSize() const
{
    return std::max(1, LastFullShown - FirstShown + 1);
}

int TGridAxisLt::ScrollBarPosition() const
{
    const int last = LastScrollPosition();
    if (last <= FixedCount)
        return 0;
    return std::clamp(MulDiv(FirstShown - FixedCount, kScrollScale, last - FixedCount), 0, kScrollScale);
}

int TGridAxisLt::ScrollBarMax() const
{
    return CanScroll() ? kScrollScale : 0;
}

int TGridAxisLt::FirstFromThumb(int Thumb) const
{
    const int last = LastScrollPosition();
    const int target = FixedCount + MulDiv(std::clamp(Thumb, 0, kScrollScale), last - FixedCount, kScrollScale);
    const int shown = StepOverHidden(target, target >= FirstShown ? 1 : -1);
    return shown < 0 ? FirstShown : std::min(shown, last);
}

int TGridAxisLt::StepOverHidden(int Target, int Direction) const
{
    const int low = FixedCount, high = Count - 1;
    Target = std::clamp(Target, low, high);
    for (int i = Target; i >= low && i <= high; i += Direction)
        if (!Hidden(i))
            return i;
    for (int i = Target - Direction; i >= low && i <= high; i -= Direction)
        if (!Hidden(i))
            return i;
    return -1;
}

TGridAxisLt::TSizingHit TGridAxisLt::SizingLineAt(int Pos) const
{
    TSizingHit hit;
    const auto test = [&](int index, int cellStart) {
        const int line = cellStart + Extent(index);
        int from = line, to = line + LineWidth;
        if (LineWidth <= 6) {
            from = line + LineWidth / 2 - kHotZone / 2;
            to = from + kHotZone;
        }
        if (Pos < from || Pos >= to)
            return false;
        hit = {index, line, line - Pos};
        return true;
    };
    int start = FrozenBoundary;
    for (int i = FixedCount - FrozenCount; i < FixedCount; ++i) {
        if (!Hidden(i) && test(i, start))
            return hit;
        start += Span(i);
    }
    start = FixedBoundary;
    for (int i = FirstShown; i <= LastShown; ++i) {
        if (!Hidden(i) && test(i, start))
            return hit;
        start += Span(i);
    }
    start = ContraBoundary + (ContraCount > 0 ? LineWidth : 0);
    for (int i = Count; i < Count + ContraCount; ++i) {
        if (!Hidden(i) && test(i, start))
            return hit;
        start += Span(i);
    }
    return hit;
}
