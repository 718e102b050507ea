// Text drawn turned about its corner, for vertical captions.
#include <QFontMetrics>

#include "platform/ui/canvas.h"
#include "platform/ui/canvasstate.h"
#include "platform/ui/qtconvert.h"

void TCanvas::RotatedTextOut(int X, int Y, int Escapement, const std::string& Text)
{
    Apply();
    QPainter& p = *FState->Painter;
    const QString text = ToQString(Text);
    const QFontMetrics fm = p.fontMetrics();
    p.save();
    p.translate(X, Y);
    p.rotate(-Escapement / 10.0);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (FBrush->Style() != bsClear)
        p.fillRect(QRect(0, 0, fm.horizontalAdvance(text), fm.height()), ToQColor(FBrush->Color()));
    p.setPen(ToQColor(FFont->Color()));
    p.drawText(QPoint(0, fm.ascent()), text);
    p.restore();
    FState->MarkDirty();
    Changed();
}
