// Text on a canvas: measuring, DrawText's layout and alignment, ellipses,
// prefixes, backgrounds and clipping.
#include <gtest/gtest.h>

#include "canvastesting.h"

namespace {

struct TCalcCase {
    const char* Name;
    const char* Text;
    unsigned Format;
    const char* Fits;   // the box is as wide as this text (nullptr: very wide)
    std::vector<std::string> Lines;
};

TEST(CanvasText, CalcRectMeasuresTheLinesAsTheyWouldBeDrawn)
{
    const TCalcCase cases[] = {
        {"one line", "Hello world", DT_SINGLELINE, nullptr, {"Hello world"}},
        {"CR LF, LF and CR end lines", "ab\r\ncdef\ngh\rij", 0, nullptr, {"ab", "cdef", "gh", "ij"}},
        {"a break at the end starts no line", "ab\r\n", 0, nullptr, {"ab"}},
        {"empty lines count", "ab\n\ncd", 0, nullptr, {"ab", "", "cd"}},
        {"single line ignores breaks", "ab\ncd", DT_SINGLELINE, nullptr, {"abcd"}},
        {"word break", "one two three", DT_WORDBREAK, "one two", {"one two", "three"}},
        {"no word break, no wrapping", "one two three", 0, "one two", {"one two three"}},
        {"single line does not wrap", "one two three", DT_WORDBREAK | DT_SINGLELINE, "one two", {"one two three"}},
        {"spaces at a break are dropped", "one   two", DT_WORDBREAK, "one", {"one", "two"}},
        {"a long word stays whole", "abcdefgh ij", DT_WORDBREAK, "abc", {"abcdefgh", "ij"}},
        {"an edit control breaks a long word", "abcdefgh", DT_WORDBREAK | DT_EDITCONTROL, "abcd", {"abcd", "efgh"}},
        {"prefix", "&Save", 0, nullptr, {"Save"}},
        {"double ampersand", "Fish && Chips", 0, nullptr, {"Fish & Chips"}},
        {"no prefix", "&Save", DT_NOPREFIX, nullptr, {"&Save"}},
        {"empty text", "", 0, nullptr, {}},
    };
    TCanvas canvas;
    const int lineHeight = canvas.TextHeight("Wg");
    for (const TCalcCase& c : cases) {
        const int avail = c.Fits ? canvas.TextWidth(c.Fits) + 1 : 1000;
        int width = 0;
        for (const std::string& line : c.Lines)
            width = std::max(width, canvas.TextWidth(line));
        const int height = static_cast<int>(c.Lines.size()) * lineHeight;
        TRect r = Rect(10, 20, 10 + avail, 25);
        EXPECT_EQ(canvas.DrawText(c.Text, r, c.Format | DT_CALCRECT), height) << c.Name;
        EXPECT_EQ(r, Rect(10, 20, 10 + width, 20 + height)) << c.Name;
    }
}

TEST(CanvasText, MeasuresFollowTheFont)
{
    TCanvas canvas;
    const TTextMetric small = canvas.TextMetrics();
    EXPECT_EQ(small.tmHeight, canvas.TextHeight("x"));
    EXPECT_EQ(small.tmAscent + small.tmDescent, small.tmHeight);
    EXPECT_GE(small.tmInternalLeading, 0);
    EXPECT_GT(small.tmAveCharWidth, 0);
    EXPECT_GE(small.tmMaxCharWidth, small.tmAveCharWidth);
    EXPECT_EQ(canvas.TextExtent("abc"), (TSize{canvas.TextWidth("abc"), canvas.TextHeight("abc")}));

    canvas.Font()->SetSize(16);
    EXPECT_GT(canvas.TextMetrics().tmHeight, small.tmHeight * 3 / 2);

    canvas.Font()->SetName("Courier New");
    EXPECT_EQ(canvas.TextWidth("iii"), canvas.TextWidth("WWW"));
    canvas.Font()->SetName("Arial");
    EXPECT_LT(canvas.TextWidth("iii"), canvas.TextWidth("WWW"));
}

// Draws Text with DrawText on a white bitmap with a clear brush.
std::unique_ptr<TBitmap> Drawn(const std::string& Text, TRect Box, unsigned Format, int Width = 120, int Height = 40,
                               int* Result = nullptr)
{
    auto bitmap = MakeBitmap(Width, Height);
    bitmap->Canvas()->Brush()->SetStyle(bsClear);
    const int result = bitmap->Canvas()->DrawText(Text, Box, Format);
    if (Result)
        *Result = result;
    return bitmap;
}

TEST(CanvasText, AlignmentPlacesTheTextInTheBox)
{
    TCanvas measure;
    const std::string text = "Hi there";
    const int w = 120, h = 40, tw = measure.TextWidth(text), lh = measure.TextHeight(text);
    const TRect reference = InkBounds(*Drawn(text, Rect(0, 0, w, h), DT_LEFT | DT_TOP));
    ASSERT_FALSE(IsRectEmpty(reference));

    struct TCase {
        const char* Name;
        unsigned Format;
        int DX, DY;
    };
    const TCase cases[] = {
        {"centred both ways", DT_CENTER | DT_VCENTER | DT_SINGLELINE, (w - tw) / 2, (h - lh) / 2},
        {"right and bottom", DT_RIGHT | DT_BOTTOM | DT_SINGLELINE, w - tw, h - lh},
        {"vertical centring needs a single line", DT_CENTER | DT_VCENTER, (w - tw) / 2, 0},
        {"right", DT_RIGHT, w - tw, 0},
    };
    for (const TCase& c : cases) {
        int result = 0;
        TRect ink = InkBounds(*Drawn(text, Rect(0, 0, w, h), c.Format, w, h, &result));
        OffsetRect(ink, -c.DX, -c.DY);
        EXPECT_EQ(ink, reference) << c.Name;
        EXPECT_EQ(result, c.DY + lh) << c.Name;
    }
}

TEST(CanvasText, LinesStackAndCentreEachOnItsOwn)
{
    TCanvas measure;
    const int lh = measure.TextHeight("x");
    const auto twoLines = Drawn("ab\nabab", Rect(0, 0, 120, 40), DT_CENTER);
    const TRect first = InkBounds(*Drawn("ab", Rect(0, 0, 120, 40), DT_CENTER));
    const TRect second = InkBounds(*Drawn("abab", Rect(0, lh, 120, 40), DT_CENTER));
    TRect both;
    UnionRect(both, first, second);
    EXPECT_EQ(InkBounds(*twoLines), both);
    EXPECT_LT(second.Left, first.Left);
}

// Finds the prefix of Text that DrawText showed followed by Tail: the
// drawing must equal the one of that shorter text; -1 when none matches.
int ShownPrefix(const TBitmap& Shown, const std::string& Text, const std::string& Tail, unsigned Format)
{
    for (std::size_t k = 0; k <= Text.size(); ++k) {
        const auto candidate = Drawn(Text.substr(0, k) + Tail, Rect(0, 0, 400, 40), Format, Shown.Width(),
                                     Shown.Height());
        if (SamePixels(Shown, *candidate))
            return static_cast<int>(k);
    }
    return -1;
}

TEST(CanvasText, EllipsesShortenWhatDoesNotFit)
{
    const unsigned plain = DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;
    struct TCase {
        const char* Name;
        std::string Text;
        unsigned Flag;
        std::string Tail;
        int Box;
    };
    const TCase cases[] = {
        {"end", "The quick brown fox jumps", DT_END_ELLIPSIS, "...", 70},
        {"word", "The quick brown fox jumps", DT_WORD_ELLIPSIS, "...", 70},
        {"path", "/usr/share/lighting/schemes.txt", DT_PATH_ELLIPSIS, ".../schemes.txt", 120},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const int box = c.Box;
        const auto full = Drawn(c.Text, Rect(0, 0, box, 40), plain, 200);
        ASSERT_GT(InkBounds(*full).Right, box);
        const auto shortened = Drawn(c.Text, Rect(0, 0, box, 40), plain | c.Flag, 200);
        EXPECT_LE(InkBounds(*shortened).Right, box);
        const std::string head = c.Flag == DT_PATH_ELLIPSIS ? c.Text.substr(0, c.Text.rfind('/')) : c.Text;
        const int k = ShownPrefix(*shortened, head, c.Tail, plain);
        ASSERT_GT(k, 0);
        EXPECT_LT(k, static_cast<int>(head.size()));
        if (c.Flag == DT_WORD_ELLIPSIS) {
            EXPECT_EQ(c.Text[static_cast<std::size_t>(k)], ' ');
        } else {
            // The longest head that fits is kept.
            EXPECT_GT(TCanvas().TextWidth(head.substr(0, static_cast<std::size_t>(k) + 1) + c.Tail), box);
        }
    }
    // Text that fits is left as it is.
    EXPECT_TRUE(SamePixels(*Drawn("Short", Rect(0, 0, 70, 40), plain | DT_END_ELLIPSIS),
                           *Drawn("Short", Rect(0, 0, 70, 40), plain)));
}

TEST(CanvasText, PrefixUnderlinesItsCharacterOnly)
{
    const auto marked = Drawn("&Save", Rect(0, 0, 120, 40), 0);
    const auto plain = Drawn("Save", Rect(0, 0, 120, 40), 0);
    const int sWidth = TCanvas().TextWidth("S");
    int added = 0, row = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            if (PixelAt(*marked, x, y) != PixelAt(*plain, x, y)) {
                ++added;
                EXPECT_LT(x, sWidth);
                EXPECT_TRUE(row < 0 || row == y);
                row = y;
            }
    EXPECT_GT(added, 0);
    EXPECT_GE(row, InkBounds(*plain).Bottom - 3);
}

TEST(CanvasText, TextIsClippedToItsBoxUnlessNoClip)
{
    const std::string text = "A line far too long for its box";
    EXPECT_LE(InkBounds(*Drawn(text, Rect(10, 5, 50, 30), DT_SINGLELINE)).Right, 50);
    EXPECT_GT(InkBounds(*Drawn(text, Rect(10, 5, 50, 30), DT_SINGLELINE | DT_NOCLIP)).Right, 50);

    const auto bitmap = MakeBitmap(120, 40);
    TCanvas& canvas = *bitmap->Canvas();
    canvas.Brush()->SetColor(clYellow);
    canvas.TextRect(Rect(10, 5, 50, 30), 12, 8, text);
    EXPECT_EQ(InkBounds(*bitmap), Rect(10, 5, 50, 30));
    EXPECT_EQ(PixelAt(*bitmap, 10, 29), clYellow);
}

TEST(CanvasText, OpaqueBrushFillsTheTextBoxClearBrushLeavesIt)
{
    for (const bool clear : {false, true}) {
        const auto bitmap = MakeBitmap(120, 40);
        TCanvas& canvas = *bitmap->Canvas();
        canvas.Brush()->SetColor(clYellow);
        if (clear)
            canvas.Brush()->SetStyle(bsClear);
        canvas.TextOut(10, 5, "Hi");
        const TRect box = Bounds(10, 5, canvas.TextWidth("Hi"), canvas.TextHeight("Hi"));
        EXPECT_EQ(PixelAt(*bitmap, box.Left, box.Top), clear ? clWhite : clYellow);
        EXPECT_EQ(PixelAt(*bitmap, box.Right - 1, box.Bottom - 1), clear ? clWhite : clYellow);
        EXPECT_EQ(PixelAt(*bitmap, box.Right, box.Top), clWhite);
        TRect ink = InkBounds(*bitmap);
        EXPECT_TRUE(IntersectRect(ink, ink, box) && ink == InkBounds(*bitmap)) << "ink outside the text box";
    }

    TRect r = Rect(0, 0, 120, 40);
    const auto bitmap = MakeBitmap(120, 40);
    bitmap->Canvas()->Brush()->SetColor(clYellow);
    bitmap->Canvas()->DrawText("Hi", r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    const TRect ink = InkBounds(*bitmap);
    EXPECT_EQ(ink.Width(), bitmap->Canvas()->TextWidth("Hi"));
    EXPECT_EQ(ink.Height(), bitmap->Canvas()->TextHeight("Hi"));
}

TEST(CanvasText, TextTakesTheFontColourAndStyle)
{
    const auto inkOf = [](const std::function<void(TFont&)>& setUp, TColor& darkest) {
        const auto bitmap = MakeBitmap(120, 40);
        TCanvas& canvas = *bitmap->Canvas();
        canvas.Brush()->SetStyle(bsClear);
        setUp(*canvas.Font());
        canvas.TextOut(2, 2, "Lighting");
        int count = 0, best = 3 * 255 + 1;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 120; ++x) {
                const TColor c = PixelAt(*bitmap, x, y);
                if (c == clWhite)
                    continue;
                ++count;
                const int darkness = GetRValue(c) + GetGValue(c) + GetBValue(c);
                if (darkness < best) {
                    best = darkness;
                    darkest = c;
                }
            }
        return count;
    };
    TColor darkest = clNone;
    const int normal = inkOf([](TFont&) {}, darkest);
    EXPECT_LT(GetRValue(darkest) + GetGValue(darkest) + GetBValue(darkest), 150);
    const int bold = inkOf([](TFont& f) { f.SetStyle({fsBold}); }, darkest);
    EXPECT_GT(bold, normal);
    inkOf([](TFont& f) { f.SetColor(clRed); }, darkest);
    EXPECT_GT(GetRValue(darkest), 200);
    EXPECT_LT(GetGValue(darkest) + GetBValue(darkest), 120);
}

} // namespace
