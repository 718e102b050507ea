// Text on the canvas: TextOut, TextRect, measuring, and DrawText's layout
// (lines, word breaks, prefixes, tabs, ellipses, alignment).
#include <algorithm>
#include <vector>

#include <QFontMetrics>

#include "platform/ui/canvas.h"
#include "platform/ui/canvasstate.h"
#include "platform/ui/qtconvert.h"

namespace {

const QString Ellipsis = QStringLiteral("...");

QFontMetrics MetricsOf(const TFont& Font)
{
    return QFontMetrics(ToQFont(Font));
}

// Fills the box behind text with the brush, as an opaque background does,
// unless the brush is clear.
void FillTextBox(QPainter& Painter, const TBrush& Brush, const QRect& Box)
{
    if (Brush.Style() != bsClear)
        Painter.fillRect(Box, ToQColor(Brush.Color()));
}

// One line of DrawText: its characters and the one a prefix underlines.
struct TTextLine {
    QString Text;
    int Prefix = -1;
};

class TTextLayout {
public:
    TTextLayout(const QFontMetrics& Metrics, unsigned Format) : FMetrics(Metrics), FFormat(Format) {}

    // The width of Text, tabs at every eighth average character width when
    // tabs are expanded.
    int Width(const QString& Text) const
    {
        if (!(FFormat & DT_EXPANDTABS) || !Text.contains(u'\t'))
            return FMetrics.horizontalAdvance(Text);
        int x = 0;
        const QStringList parts = Text.split(u'\t');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                x = (x / TabWidth() + 1) * TabWidth();
            x += FMetrics.horizontalAdvance(parts[i]);
        }
        return x;
    }

    void Draw(QPainter& Painter, int X, int Baseline, const QString& Text) const
    {
        if (!(FFormat & DT_EXPANDTABS) || !Text.contains(u'\t')) {
            Painter.drawText(QPoint(X, Baseline), Text);
            return;
        }
        int x = 0;
        const QStringList parts = Text.split(u'\t');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                x = (x / TabWidth() + 1) * TabWidth();
            Painter.drawText(QPoint(X + x, Baseline), parts[i]);
            x += FMetrics.horizontalAdvance(parts[i]);
        }
    }

    // Splits Text into the lines drawn in a box Avail pixels wide.
    std::vector<TTextLine> Lines(const QString& Text, int Avail) const
    {
        std::vector<TTextLine> lines;
        for (const QString& paragraph : Paragraphs(Text)) {
            int prefix = -1;
            const QString clean = (FFormat & DT_NOPREFIX) ? paragraph : StripPrefix(paragraph, prefix);
            if (!(FFormat & DT_WORDBREAK) || (FFormat & DT_SINGLELINE)) {
                lines.push_back({clean, prefix});
                continue;
            }
            Wrap(clean, prefix, Avail, lines);
        }
        return lines;
    }

    // Shortens a line wider than Avail by the ellipsis flags; Kept is the
    // number of leading characters left as they were.
    QString Elide(const QString& Text, int Avail, int& Kept) const
    {
        Kept = static_cast<int>(Text.size());
        if (Width(Text) <= Avail)
            return Text;
        if (FFormat & DT_PATH_ELLIPSIS) {
            const qsizetype separator = std::max(Text.lastIndexOf(u'\\'), Text.lastIndexOf(u'/'));
            if (separator > 0) {
                const QString tail = Text.mid(separator);
                const int k = LongestFit(Text, separator, Avail, tail, false);
                if (k >= 0) {
                    Kept = k;
                    return Text.left(k) + Ellipsis + tail;
                }
            }
        }
        if (FFormat & DT_WORD_ELLIPSIS) {
            const int k = LongestFit(Text, Text.size(), Avail, {}, true);
            if (k > 0) {
                Kept = k;
                return Text.left(k) + Ellipsis;
            }
        }
        Kept = std::max(0, LongestFit(Text, Text.size(), Avail, {}, false));
        return Text.left(Kept) + Ellipsis;
    }

private:
    int TabWidth() const { return std::max(1, 8 * FMetrics.averageCharWidth()); }

    // Lines end at CR LF, LF or CR; a break at the very end starts no line.
    QStringList Paragraphs(const QString& Text) const
    {
        QString text = Text;
        if (FFormat & DT_SINGLELINE) {
            text.remove(u'\r');
            text.remove(u'\n');
            return {text};
        }
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
        if (text.endsWith(u'\n'))
            text.chop(1);
        return text.split(u'\n');
    }

    // "&x" underlines x, "&&" is one ampersand.
    static QString StripPrefix(const QString& Text, int& Prefix)
    {
        QString clean;
        for (qsizetype i = 0; i < Text.size(); ++i) {
            if (Text[i] != u'&') {
                clean += Text[i];
            } else if (i + 1 < Text.size() && Text[i + 1] == u'&') {
                clean += u'&';
                ++i;
            } else if (i + 1 < Text.size()) {
                Prefix = static_cast<int>(clean.size());
            }
        }
        return clean;
    }

    // Greedy breaking between words; spaces at a break are dropped. A word
    // wider than the box stands alone on its line, broken between characters
    // only for an edit control.
    void Wrap(const QString& Text, int Prefix, int Avail, std::vector<TTextLine>& Out) const
    {
        const qsizetype n = Text.size();
        if (n == 0) {
            Out.push_back({});
            return;
        }
        qsizetype pos = 0;
        while (pos < n) {
            qsizetype end = -1;
            for (qsizetype e = pos; e <= n; ++e) {
                const bool breakHere = e == n || (Text[e] == u' ' && (e == pos || Text[e - 1] != u' '));
                if (!breakHere || e == pos)
                    continue;
                if (Width(Text.mid(pos, e - pos)) > Avail)
                    break;
                end = e;
            }
            if (end < 0) {
                qsizetype wordEnd = pos;
                while (wordEnd < n && Text[wordEnd] != u' ')
                    ++wordEnd;
                end = wordEnd;
                if (FFormat & DT_EDITCONTROL) {
                    end = pos + 1;
                    while (end < wordEnd && Width(Text.mid(pos, end + 1 - pos)) <= Avail)
                        ++end;
                }
            }
            Out.push_back({Text.mid(pos, end - pos), Prefix >= pos && Prefix < end ? static_cast<int>(Prefix - pos) : -1});
            pos = end;
            while (pos < n && Text[pos] == u' ')
                ++pos;
        }
    }

    // The most characters of Text before Limit that fit in Avail followed by
    // the ellipsis and Tail (at a word's end when AtWord); -1 when none do.
    int LongestFit(const QString& Text, qsizetype Limit, int Avail, const QString& Tail, bool AtWord) const
    {
        std::vector<qsizetype> heads;
        for (qsizetype k = 0; k <= Limit; ++k)
            if (!AtWord || k == 0 || k == Text.size() || Text[k] == u' ')
                heads.push_back(k);
        // A longer head is never narrower: the heads that fit come first,
        // and halving finds where they end.
        const auto end = std::partition_point(heads.begin(), heads.end(), [&](qsizetype k) {
            return Width(Text.left(k) + Ellipsis + Tail) <= Avail;
        });
        return end == heads.begin() ? -1 : static_cast<int>(*(end - 1));
    }

    const QFontMetrics& FMetrics;
    unsigned FFormat;
};

} // namespace

void TCanvas::TextOut(int X, int Y, const std::string& Text)
{
    Apply();
    QPainter& p = *FState->Painter;
    const QString text = ToQString(Text);
    const QFontMetrics fm = p.fontMetrics();
    const int width = fm.horizontalAdvance(text);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    FillTextBox(p, *FBrush, QRect(X, Y, width, fm.height()));
    p.setPen(ToQColor(FFont->Color()));
    FState->PenDirty = true;
    p.drawText(QPoint(X, Y + fm.ascent()), text);
    FPenPos = {X + width, Y};
    Changed();
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, const std::string& Text)
{
    Apply();
    QPainter& p = *FState->Painter;
    p.save();
    p.setClipRect(ToQRect(Rect), p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    FillTextBox(p, *FBrush, ToQRect(Rect));
    p.setPen(ToQColor(FFont->Color()));
    p.drawText(QPoint(X, Y + p.fontMetrics().ascent()), ToQString(Text));
    p.restore();
    FState->MarkDirty();
    Changed();
}

int TCanvas::TextWidth(const std::string& Text) const
{
    return MetricsOf(*FFont).horizontalAdvance(ToQString(Text));
}

int TCanvas::TextHeight(const std::string& Text) const
{
    return TextExtent(Text).cy;
}

TSize TCanvas::TextExtent(const std::string& Text) const
{
    const QFontMetrics fm = MetricsOf(*FFont);
    return {fm.horizontalAdvance(ToQString(Text)), fm.height()};
}

TTextMetric TCanvas::TextMetrics() const
{
    const QFont font = ToQFont(*FFont);
    const QFontMetrics fm(font);
    TTextMetric tm;
    tm.tmHeight = fm.height();
    tm.tmAscent = fm.ascent();
    tm.tmDescent = fm.descent();
    tm.tmInternalLeading = std::max(0, fm.height() - font.pixelSize());
    tm.tmExternalLeading = std::max(0, fm.leading());
    tm.tmAveCharWidth = fm.averageCharWidth();
    tm.tmMaxCharWidth = fm.maxWidth();
    return tm;
}

int TCanvas::DrawText(const std::string& Text, TRect& Rect, unsigned Format)
{
    const QFontMetrics fm = MetricsOf(*FFont);
    const TTextLayout layout(fm, Format);
    const std::vector<TTextLine> lines = Text.empty() ? std::vector<TTextLine>() : layout.Lines(ToQString(Text), Rect.Width());
    const int lineHeight = fm.height();
    const int height = static_cast<int>(lines.size()) * lineHeight;

    if (Format & DT_CALCRECT) {
        int width = 0;
        for (const TTextLine& line : lines)
            width = std::max(width, layout.Width(line.Text));
        Rect.Right = Rect.Left + width;
        Rect.Bottom = Rect.Top + height;
        return height;
    }

    int top = Rect.Top;
    if (Format & DT_SINGLELINE) {
        if (Format & DT_VCENTER)
            top = Rect.Top + (Rect.Height() - lineHeight) / 2;
        else if (Format & DT_BOTTOM)
            top = Rect.Bottom - lineHeight;
    }
    if (lines.empty())
        return 0;

    Apply();
    QPainter& p = *FState->Painter;
    p.save();
    if (!(Format & DT_NOCLIP))
        p.setClipRect(ToQRect(Rect), p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QColor textColor = ToQColor(FFont->Color());
    p.setPen(textColor);
    const bool elide = Format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS);
    int y = top;
    for (const TTextLine& line : lines) {
        int kept = static_cast<int>(line.Text.size());
        const QString shown = elide ? layout.Elide(line.Text, Rect.Width(), kept) : line.Text;
        const int width = layout.Width(shown);
        int x = Rect.Left;
        if (Format & DT_CENTER)
            x = Rect.Left + (Rect.Width() - width) / 2;
        else if (Format & DT_RIGHT)
            x = Rect.Right - width;
        FillTextBox(p, *FBrush, QRect(x, y, width, lineHeight));
        layout.Draw(p, x, y + fm.ascent(), shown);
        if (line.Prefix >= 0 && line.Prefix < kept) {
            const int from = layout.Width(shown.left(line.Prefix));
            const int charWidth = fm.horizontalAdvance(shown.at(line.Prefix));
            p.fillRect(x + from, y + fm.ascent() + 1, charWidth, 1, textColor);
        }
        y += lineHeight;
    }
    p.restore();
    FState->MarkDirty();
    Changed();
    return top - Rect.Top + height;
}
