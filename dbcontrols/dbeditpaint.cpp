// What the editor draws over its edit window: the flat or plain frame, the
// image, the required-value mark; its text while unfocused and aligned right
// or centred, and a painted copy of itself (a grid's cell); tool tips for
// clipped text.
#include "dbcontrols/buttonpaint.h"
#include "dbcontrols/dbeditlt.h"
#include "dbcontrols/tooltipswindow.h"
#include <QWidget>

#include "platform/data/dataset.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/imglist.h"
#include "platform/ui/qtconvert.h"

namespace {
// The room left of and right of the text inside the text area.
constexpr int kTextMargin = 2;
} // namespace

void TCustomDBEditLt::PaintFrameAndMarks()
{
    TCanvas canvas;
    canvas.BeginPaint(FaceWidget());
    try {
        const TRect client = ClientRect();
        if (FBorderStyle == bsSingle && FFlat) {
            // Outer ring sunken while the border is active, inner ring in the
            // button face.
            TRect outer = client;
            if (FBorderActive) {
                canvas.DrawEdge(outer, BDR_SUNKENOUTER, BF_RECT);
            } else {
                canvas.Brush()->SetColor(clBtnFace);
                canvas.FrameRect(outer);
            }
            canvas.Brush()->SetColor(clBtnFace);
            canvas.FrameRect(Rect(client.Left + 1, client.Top + 1, client.Right - 1, client.Bottom - 1));
        } else if (FBorderStyle == bsSingle && !FCtl3D) {
            canvas.Brush()->SetColor(clWindowFrame);
            canvas.FrameRect(client);
        }
        const TEditImageLt* image = EditImage();
        if (image->Visible() && image->Images() && image->ImageIndex() >= 0 && FImageWidth > 0) {
            const TRect inner = InnerClientRect();
            const TRect area{inner.Left + 2, inner.Top + 1, inner.Left + FImageWidth - 2, inner.Bottom - 1};
            PaintImageCentered(&canvas, area, image->Images(), false, image->ImageIndex());
        }
        PaintRequiredMark(&canvas);
    } catch (...) {
        canvas.EndPaint();
        throw;
    }
    canvas.EndPaint();
}

bool TCustomDBEditLt::RequiredMarkDue() const
{
    const TFieldDataLinkLt* link = FieldLink();
    bool due = false;
    if (FHighlightRequired && link->ActiveLt()) {
        if (link->Unbound()) {
            due = CurrentValue().IsNull() || Text().empty();
        } else if (const TField* field = link->Field()) {
            const TDataSet* dataSet = link->DataSet();
            const bool editing = dataSet && (dataSet->State() == dsEdit || dataSet->State() == dsInsert);
            due = editing && field->Required() && field->IsNull();
        }
    }
    if (FOnCheckDrawRequiredState)
        FOnCheckDrawRequiredState(const_cast<TCustomDBEditLt*>(this), due);
    return due;
}

void TCustomDBEditLt::PaintRequiredMark(TCanvas* Canvas)
{
    if (!RequiredMarkDue())
        return;
    const TRect area = TextAreaRect();
    const int y = InnerClientRect().Bottom - 2;
    Canvas->Pen()->SetColor(clRed);
    Canvas->Pen()->SetStyle(psDot);
    Canvas->Pen()->SetWidth(1);
    Canvas->MoveTo(area.Left + 2, y);
    Canvas->LineTo(area.Right - 3, y);
}

bool TCustomDBEditLt::PaintsItsText() const
{
    return Alignment() != taLeftJustify && !FFocused && !FWordWrap;
}

void TCustomDBEditLt::PaintCopy(TCanvas* Canvas, const TRect& Rect) const
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color());
    Canvas->FillRect(Rect);
    DrawCopyText(Canvas, Rect, Enabled() ? Font()->Color() : clGrayText);
}

void TCustomDBEditLt::PaintItsText()
{
    const QPalette& palette = Widget()->palette();
    TCanvas canvas;
    canvas.BeginPaint(Widget());
    try {
        const TRect client = ClientRect();
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(FromQColor(palette.color(QPalette::Base)));
        canvas.FillRect(client);
        if (FBorderStyle == bsSingle && FCtl3D && !FFlat) {
            TThemedState state;
            state.Disabled = !Enabled();
            canvas.DrawThemed(TThemedElement::EditFrame, state, client);
        }
        DrawCopyText(&canvas, TextAreaRect(), FromQColor(palette.color(QPalette::Text)));
    } catch (...) {
        canvas.EndPaint();
        throw;
    }
    canvas.EndPaint();
}

void TCustomDBEditLt::DrawCopyText(TCanvas* Canvas, const TRect& Area, TColor TextColor) const
{
    std::string text = PaintCopyText();
    if (PasswordChar() != '\0')
        text.assign(static_cast<std::size_t>(Utf8Length(text)), PasswordChar());
    Canvas->SetFont(Font());
    Canvas->Font()->SetColor(TextColor);
    Canvas->Brush()->SetStyle(bsClear);
    const TAlignment alignment = Alignment();
    const unsigned align = alignment == taRightJustify ? DT_RIGHT : alignment == taCenter ? DT_CENTER : DT_LEFT;
    TRect r{Area.Left + kTextMargin, Area.Top, Area.Right - kTextMargin, Area.Bottom};
    Canvas->DrawText(text, r, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    Canvas->Brush()->SetStyle(bsSolid);
}

std::string TCustomDBEditLt::PaintCopyText() const
{
    if (ComponentState().Contains(csDesigning) && !FieldLink()->ActiveLt())
        return Name();
    if (const TField* field = FieldLink()->Field()) {
        const std::string text = field->DisplayText();
        switch (CharCase()) {
        case ecUpperCase: return AnsiUpperCase(text);
        case ecLowerCase: return AnsiLowerCase(text);
        default: return text;
        }
    }
    return EditText();
}

void TCustomDBEditLt::HandleHintShow(TMessage& Message)
{
    auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
    if (FTooltips && info) {
        TBitmap measure;
        measure.SetSize(1, 1);
        measure.Canvas()->SetFont(Font());
        const TRect area = TextAreaRect();
        const std::string text = Text();
        TRect needed{0, 0, area.Width() - 2, 0};
        measure.Canvas()->DrawText(text, needed, DT_CALCRECT | DT_NOPREFIX | (FWordWrap ? DT_WORDBREAK : DT_SINGLELINE));
        if (needed.Width() > area.Width() - 2 || needed.Height() > area.Height()) {
            info->HintStr = text;
            info->HintPos = ClientToScreen(TPoint{0, Height()});
            const TFont* font = Font();
            info->HintWindowClass = [font](TComponent* Owner) { return new TToolTipsWindow(Owner, font); };
            Message.Result = 0;
            return;
        }
    }
    if (!FShowHintLt) {
        Message.Result = 1;
        return;
    }
    TCustomMaskEdit::Dispatch(Message);
}
