// The classic frame controls: check boxes, radio buttons, push buttons and
// scroll arrows, drawn in the system colours.
#include <algorithm>

#include "platform/ui/canvas.h"
#include "platform/ui/canvasstate.h"
#include "platform/ui/qtconvert.h"

namespace {

// The largest square centred in R.
TRect CentredSquare(const TRect& R)
{
    const int side = std::min(R.Width(), R.Height());
    return Bounds(R.Left + (R.Width() - side) / 2, R.Top + (R.Height() - side) / 2, side, side);
}

// The check mark: seven columns three pixels tall, scaled to the box.
void DrawCheckMark(QPainter& Painter, const TRect& Box, const QColor& Color)
{
    static constexpr int tops[7] = {2, 3, 4, 3, 2, 1, 0};
    const int scale = std::max(1, std::min(Box.Width(), Box.Height()) / 9);
    const int left = Box.Left + (Box.Width() - 7 * scale) / 2;
    const int top = Box.Top + (Box.Height() - 7 * scale) / 2;
    for (int column = 0; column < 7; ++column)
        Painter.fillRect(left + column * scale, top + tops[column] * scale, scale, 3 * scale, Color);
}

// A triangle pointing in Direction (DFCS_SCROLLUP ...), centred in R.
void DrawArrow(QPainter& Painter, const TRect& R, unsigned Direction, const QColor& Color)
{
    const int size = std::max(2, std::min(R.Width(), R.Height()) / 4);
    const int cx = R.Left + R.Width() / 2, cy = R.Top + R.Height() / 2;
    for (int i = 0; i < size; ++i) {
        // Row i of the triangle, counted from its point: 2i + 1 pixels long.
        switch (Direction) {
        case DFCS_SCROLLUP:
            Painter.fillRect(cx - i, cy - size / 2 + i, 2 * i + 1, 1, Color);
            break;
        case DFCS_SCROLLDOWN:
        case DFCS_SCROLLCOMBOBOX:
            Painter.fillRect(cx - i, cy + size / 2 - i, 2 * i + 1, 1, Color);
            break;
        case DFCS_SCROLLLEFT:
            Painter.fillRect(cx - size / 2 + i, cy - i, 1, 2 * i + 1, Color);
            break;
        case DFCS_SCROLLRIGHT:
            Painter.fillRect(cx + size / 2 - i, cy - i, 1, 2 * i + 1, Color);
            break;
        default:
            break;
        }
    }
}

unsigned EdgeStyle(unsigned State)
{
    return ((State & DFCS_FLAT) ? BF_FLAT : 0) | ((State & DFCS_MONO) ? BF_MONO : 0);
}

} // namespace

bool TCanvas::DrawFrameControl(const TRect& Rect, unsigned Type, unsigned State)
{
    if (Type != DFC_BUTTON && Type != DFC_SCROLL)
        return false;
    const unsigned kind = State & 0xFF;
    const bool inactive = State & DFCS_INACTIVE, pushed = State & DFCS_PUSHED, checked = State & DFCS_CHECKED;
    if (Type == DFC_BUTTON && kind != DFCS_BUTTONCHECK && kind != DFCS_BUTTON3STATE && kind != DFCS_BUTTONRADIO &&
        kind != DFCS_BUTTONPUSH)
        return false;
    if (Type == DFC_SCROLL && kind != DFCS_SCROLLUP && kind != DFCS_SCROLLDOWN && kind != DFCS_SCROLLLEFT &&
        kind != DFCS_SCROLLRIGHT && kind != DFCS_SCROLLCOMBOBOX)
        return false;

    Apply();
    QPainter& p = *FState->Painter;
    const QColor mark = ToQColor(inactive ? clGrayText : clWindowText);

    if (Type == DFC_BUTTON && (kind == DFCS_BUTTONCHECK || kind == DFCS_BUTTON3STATE)) {
        // A three-state box in its third state: a shadow-coloured mark on a
        // dithered face (a plain face while pushed).
        const bool third = kind == DFCS_BUTTON3STATE && checked;
        TRect box = CentredSquare(Rect);
        DrawEdge(box, EDGE_SUNKEN, BF_RECT | BF_ADJUST | EdgeStyle(State));
        p.fillRect(ToQRect(box), ToQColor(inactive || pushed || third ? clBtnFace : clWindow));
        if (third && !pushed)
            for (int y = box.Top; y < box.Bottom; ++y)
                for (int x = box.Left + (y - box.Top) % 2; x < box.Right; x += 2)
                    p.fillRect(x, y, 1, 1, ToQColor(clBtnHighlight));
        if (checked)
            DrawCheckMark(p, box, third && !inactive ? ToQColor(clBtnShadow) : mark);
    } else if (Type == DFC_BUTTON && kind == DFCS_BUTTONRADIO) {
        const TRect box = CentredSquare(Rect);
        const QRect outer(box.Left, box.Top, box.Width() - 1, box.Height() - 1);
        const bool flat = State & (DFCS_FLAT | DFCS_MONO);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setBrush(ToQColor(inactive || pushed ? clBtnFace : clWindow));
        p.setPen(Qt::NoPen);
        p.drawEllipse(outer);
        p.setBrush(Qt::NoBrush);
        const auto arc = [&](const QRect& r, TColor lt, TColor rb) {
            p.setPen(ToQColor(lt));
            p.drawArc(r, 45 * 16, 180 * 16);
            p.setPen(ToQColor(rb));
            p.drawArc(r, 225 * 16, 180 * 16);
        };
        if (flat) {
            arc(outer, clBtnShadow, clBtnShadow);
        } else {
            arc(outer, clBtnShadow, clBtnHighlight);
            arc(outer.adjusted(1, 1, -1, -1), cl3DDkShadow, cl3DLight);
        }
        if (checked) {
            const int dot = std::max(2, box.Width() / 3);
            const int left = box.Left + (box.Width() - dot) / 2, top = box.Top + (box.Height() - dot) / 2;
            p.setPen(Qt::NoPen);
            p.setBrush(mark);
            p.drawEllipse(QRect(left, top, dot, dot));
        }
        FState->PenDirty = FState->BrushDirty = true;
    } else {
        // Push buttons and scroll arrows: raised, or sunken while pushed
        // (a flat frame for scroll arrows, whose arrow then moves a pixel).
        TRect face = Rect;
        const bool down = pushed || checked;
        if (!down)
            DrawEdge(face, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST | BF_SOFT | EdgeStyle(State));
        else if (Type == DFC_SCROLL || (State & DFCS_FLAT))
            DrawEdge(face, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST | BF_FLAT);
        else
            DrawEdge(face, EDGE_SUNKEN, BF_RECT | BF_MIDDLE | BF_ADJUST);
        if (Type == DFC_BUTTON && checked && !pushed)
            p.fillRect(ToQRect(face), ToQColor(cl3DLight));
        if (Type == DFC_SCROLL) {
            if (down)
                OffsetRect(face, 1, 1);
            if (inactive) {
                TRect shadow = face;
                OffsetRect(shadow, 1, 1);
                DrawArrow(p, shadow, kind, ToQColor(clBtnHighlight));
                DrawArrow(p, face, kind, ToQColor(clBtnShadow));
            } else {
                DrawArrow(p, face, kind, ToQColor(clBtnText));
            }
        }
    }
    Changed();
    return true;
}
