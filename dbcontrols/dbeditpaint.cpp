// What the editor draws over its edit window: the flat or plain frame, the
// image, the required-value mark; the text of a painted copy; tool tips for
// clipped text.
#include "dbcontrols/buttonpaint.h"
#include "dbcontrols/dbeditlt.h"
#include "dbcontrols/tooltipswindow.h"
#include <QWidget>

#include "platform/data/dataset.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/imglist.h"

void TCustomDBEditLt::PaintFrameAndMarks()
{
    TCanvas canvas;
    canvas.BeginPaint(Widget());
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
            const TRect area{client.Left + 2, client.Top + 1, client.Left + FImageWidth - 2, client.Bottom - 1};
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
    const int y = ClientRect().Bottom - 2;
    Canvas->Pen()->SetColor(clRed);
    Canvas->Pen()->SetStyle(psDot);
    Canvas->Pen()->SetWidth(1);
    Canvas->MoveTo(area.Left + 2, y);
    Canvas->LineTo(area.Right - 3, y);
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
