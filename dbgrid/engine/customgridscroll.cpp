// The grid's window scroll bars (positions on a 0..127 scale), the scroll
// requests they and the window messages make, and the wheel.
#include <algorithm>

#include "dbgrid/engine/customgridlt.h"
#include "platform/ui/sysmetrics.h"

void TCustomGridLt::ApplyScrollBarState(TScrollBar& Bar, const TScrollBarStateLt& State)
{
    if (Bar.Min() != State.Min || Bar.Max() != State.Max || Bar.Position() != State.Position)
        Bar.SetParams(State.Position, State.Min, State.Max);
    if (Bar.PageSize() != State.Page)
        Bar.SetPageSize(State.Page);
    if (Bar.Enabled() != State.Enabled)
        Bar.SetEnabled(State.Enabled);
}

void TCustomGridLt::ScrollFromBar(const TScrollBar& Bar, bool Vertical, TScrollCode Code, int& Pos)
{
    const int before = Bar.Position();
    ScrollRequest(Vertical, Code, Pos);
    // A drag that scrolled nothing leaves the thumb under the mouse.
    if (Code != scTrack || Bar.Position() != before)
        Pos = Bar.Position();
}

void TCustomGridLt::UpdateScrollBars()
{
    if (!HasBridge() || FUpdatingScrollBars)
        return;
    FUpdatingScrollBars = true;
    const auto make = [this](TScrollBar*& bar, bool vertical) {
        if (bar)
            return;
        bar = new TScrollBar(this);
        bar->SetSubComponent(true);
        bar->SetVisible(false);
        bar->SetTabStop(false);
        bar->SetKind(vertical ? sbVertical : sbHorizontal);
        bar->SetParent(this);
        bar->SetOnScroll([this, vertical](TObject*, TScrollCode code, int& pos) {
            ScrollFromBar(vertical ? *FVertBar : *FHorzBar, vertical, code, pos);
        });
    };
    make(FHorzBar, false);
    make(FVertBar, true);
    const bool wantHorz = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    const bool wantVert = FScrollBars == ssVertical || FScrollBars == ssBoth;
    const bool pixelScroll = FullColCount() == 1;
    // Showing one bar narrows the room of the other: twice settles both.
    for (int pass = 0; pass < 2; ++pass) {
        TGridAxisLt v = VertAxis();
        if (FTopLeft.Y > v.LastScrollPosition())
            FTopLeft.Y = v.LastScrollPosition();
        FVertBar->SetVisible(wantVert && VertScrollBarState(v).Shown);
        const int client = ClientWidth();
        const int columnWidth = ColWidths(0);
        if (pixelScroll) {
            FHorzPixelOffset = std::clamp(FHorzPixelOffset, 0, std::max(0, columnWidth - client));
            FHorzBar->SetVisible(wantHorz && columnWidth > client);
        } else {
            TGridAxisLt h = HorzAxis();
            if (FTopLeft.X > h.LastScrollPosition())
                FTopLeft.X = h.LastScrollPosition();
            FHorzBar->SetVisible(wantHorz && h.CanScroll());
        }
        PlaceScrollBars();
    }
    ApplyScrollBarState(*FVertBar, FVertBar->Visible() ? VertScrollBarState(VertAxis()) : TScrollBarStateLt{});
    if (pixelScroll) {
        FHorzBar->SetParams(FHorzPixelOffset, 0, std::max(0, ColWidths(0) - ClientWidth()));
    } else {
        const TGridAxisLt h = HorzAxis();
        FHorzBar->SetParams(h.ScrollBarPosition(), 0, h.ScrollBarMax());
    }
    ScrollBarsUpdated();
    FUpdatingScrollBars = false;
}

TScrollBarStateLt TCustomGridLt::VertScrollBarState(const TGridAxisLt& V)
{
    const bool scrolls = V.CanScroll();
    return {0, V.ScrollBarMax(), 0, V.ScrollBarPosition(), scrolls, true};
}

void TCustomGridLt::PlaceScrollBars()
{
    const int border = BorderWidth();
    const int size = GetSystemMetrics(SM_CXVSCROLL);
    const int right = Width() - border, bottom = Height() - border;
    const int horzSpace = FHorzBar->Visible() ? size : 0;
    const int vertSpace = FVertBar->Visible() ? size : 0;
    FVertBar->SetBounds(right - size, border, size, std::max(0, bottom - border - horzSpace));
    FHorzBar->SetBounds(border, bottom - size, std::max(0, right - border - vertSpace), size);
}

void TCustomGridLt::ScrollRequest(bool Vertical, TScrollCode Code, int Thumb)
{
    if (!Vertical && FullColCount() == 1) {
        const int line = Canvas()->TextWidth("0");
        const int page = ClientWidth();
        int offset = FHorzPixelOffset;
        switch (Code) {
        case scLineUp: offset -= line; break;
        case scLineDown: offset += line; break;
        case scPageUp: offset -= page; break;
        case scPageDown: offset += page; break;
        case scPosition:
        case scTrack: offset = Thumb; break;
        case scTop: offset = 0; break;
        case scBottom: offset = ColWidths(0); break;
        default: return;
        }
        offset = std::clamp(offset, 0, std::max(0, ColWidths(0) - page));
        if (offset == FHorzPixelOffset)
            return;
        FHorzPixelOffset = offset;
        Invalidate();
        UpdateScrollBars();
        TopLeftChanged();
        return;
    }
    const TGridAxisLt axis = Vertical ? VertAxis() : HorzAxis();
    const int first = axis.FirstShown, last = axis.LastScrollPosition();
    int target = first, direction = 1;
    switch (Code) {
    case scLineUp: target = first - 1, direction = -1; break;
    case scLineDown: target = first + 1; break;
    case scPageUp: target = first - axis.PageSize(), direction = -1; break;
    case scPageDown: target = first + axis.PageSize(); break;
    case scTrack:
        if (!FOptions.Contains(goThumbTracking))
            return;
        target = axis.FirstFromThumb(Thumb);
        break;
    case scPosition: target = axis.FirstFromThumb(Thumb); break;
    case scTop: target = axis.FixedCount, direction = -1; break;
    case scBottom: target = last; break;
    default: return;
    }
    target = std::clamp(target, axis.FixedCount, std::max(axis.FixedCount, last));
    target = axis.StepOverHidden(target, direction);
    if (target < 0)
        return;
    if (Vertical)
        MoveTopLeft(FTopLeft.X, target);
    else
        MoveTopLeft(target, FTopLeft.Y);
    UpdateScrollBars();
}

void TCustomGridLt::Resize()
{
    TCustomControl::Resize();
    UpdateScrollBars();
    Invalidate();
}
