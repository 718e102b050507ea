#include <algorithm>

#include <QFontMetrics>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/imglist.h"
#include "platform/ui/qtconvert.h"

LT_IMPLEMENT_CLASS(TToolBar, TCustomControl)
{
    P.Property("AutoSize", &TToolBar::AutoSize, &TToolBar::SetAutoSize).Default(0);
    P.Property("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight).Default(22);
    P.Property("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth).Default(23);
    P.Property("EdgeBorders", &TToolBar::EdgeBorders, &TToolBar::SetEdgeBorders)
        .Default(static_cast<int64_t>(TEdgeBorders{ebTop}.Bits()));
    P.Property("Flat", &TToolBar::Flat, &TToolBar::SetFlat).Default(0);
    P.Property("Images", &TToolBar::Images, &TToolBar::SetImages);
    P.Property("Indent", &TToolBar::Indent, &TToolBar::SetIndent).Default(0);
    P.Property("PopupMenu", &TToolBar::PopupMenu, &TToolBar::SetPopupMenu);
    P.Property("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions).Default(0);
    P.Property("Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable).Default(1);
}

namespace {
// The width of an etched edge.
constexpr int kEdge = 2;
} // namespace

TToolBar::TToolBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption, csClickEvents});
    SetAlign(alTop);
    SetBounds(0, 0, 150, 29);
    FImages.SetOnFreed([this] {
        FImagesLink = 0;
        ImagesChanged();
    });
}

TToolBar::~TToolBar()
{
    if (FImages && FImagesLink)
        FImages->UnRegisterChanges(FImagesLink);
}

TToolButton* TToolBar::Buttons(int Index) const
{
    if (Index < 0 || Index >= ButtonCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FButtons[static_cast<std::size_t>(Index)];
}

void TToolBar::InsertButton(TToolButton* Button)
{
    FButtons.push_back(Button);
    ArrangeButtons();
}

void TToolBar::RemoveButton(TToolButton* Button)
{
    std::erase(FButtons, Button);
    ArrangeButtons();
}

void TToolBar::SetButtonHeight(int Value)
{
    FButtonHeight = std::max(1, Value);
    ArrangeButtons();
}

void TToolBar::SetButtonWidth(int Value)
{
    FButtonWidth = std::max(1, Value);
    ArrangeButtons();
}

void TToolBar::SetImages(TCustomImageList* Value)
{
    if (FImages && FImagesLink)
        FImages->UnRegisterChanges(FImagesLink);
    FImagesLink = 0;
    FImages.Set(Value);
    if (Value)
        FImagesLink = Value->RegisterChanges([this] { ImagesChanged(); });
    ImagesChanged();
}

void TToolBar::ImagesChanged()
{
    ArrangeButtons();
    for (TToolButton* button : FButtons)
        button->Invalidate();
}

void TToolBar::SetShowCaptions(bool Value)
{
    FShowCaptions = Value;
    ImagesChanged();
}

void TToolBar::SetFlat(bool Value)
{
    FFlat = Value;
    for (TToolButton* button : FButtons)
        button->Invalidate();
}

void TToolBar::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    ArrangeButtons();
}

void TToolBar::SetWrapable(bool Value)
{
    FWrapable = Value;
    ArrangeButtons();
}

void TToolBar::SetIndent(int Value)
{
    FIndent = std::max(0, Value);
    ArrangeButtons();
}

void TToolBar::SetEdgeBorders(TEdgeBorders Value)
{
    FEdgeBorders = Value;
    AlignControls();
    ArrangeButtons();
    Invalidate();
}

TRect TToolBar::ClientRect() const
{
    TRect r = Rect(0, 0, Width(), Height());
    if (FEdgeBorders.Contains(ebLeft))
        r.Left += kEdge;
    if (FEdgeBorders.Contains(ebTop))
        r.Top += kEdge;
    if (FEdgeBorders.Contains(ebRight))
        r.Right -= kEdge;
    if (FEdgeBorders.Contains(ebBottom))
        r.Bottom -= kEdge;
    r.Right = std::max(r.Left, r.Right);
    r.Bottom = std::max(r.Top, r.Bottom);
    return r;
}

// Buttons share one size: ButtonWidth x ButtonHeight, or what the widest
// caption below the image needs.
TSize TToolBar::ButtonSize(const TToolButton& Button) const
{
    if (Button.Style() == tbsSeparator || Button.Style() == tbsDivider)
        return {Button.Width(), FButtonHeight};
    TSize size{FButtonWidth, FButtonHeight};
    if (!FShowCaptions)
        return size;
    const QFontMetrics metrics(ToQFont(*Font()));
    const int imageHeight = FImages ? FImages->Height() : 0;
    for (const TToolButton* b : FButtons) {
        if (b->Style() == tbsSeparator || b->Style() == tbsDivider || b->Caption().empty())
            continue;
        size.cx = std::max(size.cx, metrics.horizontalAdvance(ToQString(b->Caption())) + 8);
        size.cy = std::max(size.cy, imageHeight + metrics.height() + 8);
    }
    return size;
}

void TToolBar::ArrangeButtons()
{
    if (FArranging || ComponentState().Contains(csLoading))
        return;
    FArranging = true;
    const TRect area = ClientRect();
    int x = area.Left + FIndent, y = area.Top, rowHeight = FButtonHeight;
    for (TToolButton* button : FButtons) {
        if (!button->Visible())
            continue;
        const TSize size = ButtonSize(*button);
        rowHeight = std::max(rowHeight, size.cy);
        if (FWrapable && x > area.Left + FIndent && x + size.cx > area.Right) {
            x = area.Left + FIndent;
            y += rowHeight;
        }
        button->SetBounds(x, y, size.cx, size.cy);
        x += size.cx;
        if (button->Wrap()) {
            x = area.Left + FIndent;
            y += rowHeight;
        }
    }
    if (FAutoSize) {
        const int bottomEdge = Height() - area.Bottom;
        const bool wrappedLast = !FButtons.empty() && FButtons.back()->Visible() && FButtons.back()->Wrap();
        SetHeight(y + (wrappedLast ? 0 : rowHeight) + bottomEdge);
    }
    FArranging = false;
}

void TToolBar::Resize()
{
    TCustomControl::Resize();
    ArrangeButtons();
}

// Buttons read from a description stand in the order of their places,
// row by row.
void TToolBar::Loaded()
{
    TCustomControl::Loaded();
    std::stable_sort(FButtons.begin(), FButtons.end(), [](const TToolButton* a, const TToolButton* b) {
        return a->Top() != b->Top() ? a->Top() < b->Top() : a->Left() < b->Left();
    });
    ArrangeButtons();
}

void TToolBar::FontChanged()
{
    TCustomControl::FontChanged();
    if (FShowCaptions)
        ArrangeButtons();
}

void TToolBar::Paint()
{
    TCanvas* canvas = Canvas();
    TRect r = Rect(0, 0, Width(), Height());
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(r);
    unsigned sides = 0;
    if (FEdgeBorders.Contains(ebLeft))
        sides |= BF_LEFT;
    if (FEdgeBorders.Contains(ebTop))
        sides |= BF_TOP;
    if (FEdgeBorders.Contains(ebRight))
        sides |= BF_RIGHT;
    if (FEdgeBorders.Contains(ebBottom))
        sides |= BF_BOTTOM;
    if (sides)
        canvas->DrawEdge(r, EDGE_ETCHED, sides);
}
