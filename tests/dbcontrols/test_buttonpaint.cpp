// Button faces drawn on an offscreen bitmap: the pixels that tell flat,
// hot, pressed and disabled apart; the shared face cache; button sizes.
#include <gtest/gtest.h>

#include <vector>

#include "dbcontrols/buttoncache.h"
#include "dbcontrols/buttonpaint.h"
#include "platform/ui/picture.h"
#include "platform/ui/sysmetrics.h"

namespace {

// Classic look without the cache unless a test turns it on; the switches are
// put back afterwards.
class ButtonFaces : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetButtonThemesEnabled(false);
        SetButtonBitmapCacheEnabled(false);
        FlushButtonBitmapCache();
        Bitmap.SetSize(17, 21);
        Canvas()->Brush()->SetColor(clFuchsia);
        Canvas()->FillRect({0, 0, 17, 21});
    }

    void TearDown() override
    {
        SetButtonThemesEnabled(true);
        SetButtonBitmapCacheEnabled(true);
        FlushButtonBitmapCache();
    }

    TCanvas* Canvas() { return Bitmap.Canvas(); }
    TColor At(int X, int Y) { return ColorToRGB(Canvas()->Pixels(X, Y)); }
    void Paint(bool Enabled, bool Active, bool Flat, int PressedPart, TButtonPaintKindLt Kind)
    {
        PaintButtonFace(Canvas(), {0, 0, 17, 21}, clWindow, 0, Enabled, Active, Flat, PressedPart, Kind);
    }

    TBitmap Bitmap;
};

TEST_F(ButtonFaces, FlatButtonShowsAnEdgeOnlyWhileActive)
{
    const TColor highlight = ColorToRGB(clBtnHighlight), shadow = ColorToRGB(clBtnShadow);
    const TColor window = ColorToRGB(clWindow), face = ColorToRGB(clBtnFace);
    const struct {
        const char* Name;
        bool Cache;
        bool Active;
        int Pressed;
        TColor TopLeft;
        TColor BottomRight;
        TColor Inside;
    } cases[] = {
        {"inactive", false, false, 0, window, window, face},
        {"inactive, cached", true, false, 0, window, window, face},
        {"hot", false, true, 0, highlight, shadow, face},
        {"hot, cached", true, true, 0, highlight, shadow, face},
        {"pressed", false, true, 1, shadow, highlight, face},
    };
    for (const auto& c : cases) {
        SetButtonBitmapCacheEnabled(c.Cache);
        Paint(true, c.Active, true, c.Pressed, bpkDropDownLt);
        EXPECT_EQ(At(0, 0), c.TopLeft) << c.Name;
        EXPECT_EQ(At(16, 20), c.BottomRight) << c.Name;
        EXPECT_EQ(At(1, 1), c.Inside) << c.Name;
        EXPECT_EQ(At(2, 2), face) << c.Name;
    }
}

TEST_F(ButtonFaces, ClassicButtonHasA3DBorderSunkenWhilePressed)
{
    Paint(true, false, false, 0, bpkEllipsisLt);
    EXPECT_EQ(At(0, 0), ColorToRGB(cl3DLight));
    EXPECT_EQ(At(16, 20), ColorToRGB(cl3DDkShadow));
    Paint(true, false, false, 1, bpkEllipsisLt);
    EXPECT_EQ(At(0, 0), ColorToRGB(clBtnShadow));
}

TEST_F(ButtonFaces, EllipsisDotsShowEnabledPressedAndDisabled)
{
    // Inner face 13 x 17 inside the 2-pixel border: dots of 2 with gaps of 2
    // from (3, 9).
    const TColor text = ColorToRGB(clBtnText), face = ColorToRGB(clBtnFace);
    Paint(true, false, false, 0, bpkEllipsisLt);
    EXPECT_EQ(At(3, 9), text);
    EXPECT_EQ(At(7, 10), text);
    EXPECT_EQ(At(5, 9), face);
    Paint(true, false, false, 1, bpkEllipsisLt);
    EXPECT_EQ(At(3, 9), face);
    EXPECT_EQ(At(4, 10), text);
    Paint(false, false, false, 0, bpkEllipsisLt);
    EXPECT_EQ(At(3, 9), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(5, 11), ColorToRGB(clBtnHighlight));
}

TEST_F(ButtonFaces, UpDownPairPressesOnlyItsHalf)
{
    // Halves of 10 rows with the odd middle row in the parent's colour.
    Paint(true, false, false, 2, bpkUpDownLt);
    EXPECT_EQ(At(8, 10), ColorToRGB(clWindow));
    EXPECT_EQ(At(0, 0), ColorToRGB(clBtnHighlight));   // top half raised
    EXPECT_NE(At(0, 11), ColorToRGB(clBtnHighlight));  // bottom half pushed
}

TEST_F(ButtonFaces, CacheSharesOneFacePerKeyUntilFlushed)
{
    SetButtonBitmapCacheEnabled(true);
    TBitmap other;
    other.SetSize(17, 21);
    Paint(true, false, true, 0, bpkDropDownLt);
    const int afterFirst = ButtonsBitmapCache().Count();
    PaintButtonFace(other.Canvas(), {0, 0, 17, 21}, clWindow, 0, true, false, true, 0, bpkDropDownLt);
    EXPECT_EQ(ButtonsBitmapCache().Count(), afterFirst);
    EXPECT_EQ(afterFirst, 1);
    for (int y = 0; y < 21; y += 4)
        for (int x = 0; x < 17; x += 4)
            EXPECT_EQ(ColorToRGB(other.Canvas()->Pixels(x, y)), At(x, y)) << x << "," << y;

    TButtonBitmapKeyLt key;
    key.Width = 15;
    key.Height = 19;
    key.Flat = true;
    TBitmap* first = ButtonsBitmapCache().GetButtonBitmap(key);
    EXPECT_EQ(ButtonsBitmapCache().GetButtonBitmap(key), first);
    key.Active = true;
    EXPECT_NE(ButtonsBitmapCache().GetButtonBitmap(key), first);
    key.Width = -3;
    EXPECT_EQ(ButtonsBitmapCache().GetButtonBitmap(key)->Width(), 0);

    FlushButtonBitmapCache();
    EXPECT_EQ(ButtonsBitmapCache().Count(), 0);
    Paint(true, false, true, 0, bpkDropDownLt);
    EXPECT_EQ(ButtonsBitmapCache().Count(), 1);
}

TEST(ButtonSizes, FlatButtonHeightAndWidth)
{
    const struct {
        int Width;
        bool Flat;
        int Height;
    } cases[] = {{11, true, 16}, {13, true, 20}, {14, true, 21}, {15, true, 22}, {17, false, 17}, {0, true, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(EditButtonHeightFromWidth(c.Width, c.Flat), c.Height) << c.Width << " " << c.Flat;
    const int width = ComputeFlatButtonWidth();
    EXPECT_GT(width, 0);
    EXPECT_LE(width, GetSystemMetrics(SM_CXVSCROLL));
    if (width < GetSystemMetrics(SM_CXVSCROLL)) {
        EXPECT_EQ(width % 2, 1);
    }
    EXPECT_EQ(DefaultFlatButtonWidth(), width);
}

TEST(ButtonSizes, CheckBoxPlacedAndShrunkInItsRect)
{
    const int w = DefaultCheckBoxWidth(), h = DefaultCheckBoxHeight();
    TRect r;
    PlaceCheckBoxRect({10, 10, 110, 60}, 2, 1, r);
    EXPECT_EQ(r, Bounds(10 + (100 - w) / 2, 10 + (50 - h) / 2, w, h));
    PlaceCheckBoxRect({10, 10, 110, 60}, 1, 2, r);
    EXPECT_EQ(r, Bounds(110 - w, 60 - h, w, h));
    PlaceCheckBoxRect({0, 0, 5, 4}, 0, 0, r);
    EXPECT_EQ(r, Bounds(0, 0, 5, 4));
}

} // namespace

namespace {

// The faces of one button in the themed look, as pixels.
std::vector<TColor> ThemedFace(TButtonPaintKindLt Kind, bool Enabled, bool Active, bool Flat, int PressedPart)
{
    TBitmap bitmap;
    bitmap.SetSize(17, 21);
    PaintButtonFace(bitmap.Canvas(), {0, 0, 17, 21}, clWindow, 0, Enabled, Active, Flat, PressedPart, Kind);
    std::vector<TColor> pixels;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 17; ++x)
            pixels.push_back(bitmap.Canvas()->Pixels(x, y));
    return pixels;
}

TEST(ThemedButtonFaces, NormalHotPressedAndDisabledDiffer)
{
    ASSERT_TRUE(ButtonThemesEnabled());
    for (const TButtonPaintKindLt kind : {bpkEllipsisLt, bpkPlusLt}) {
        const std::vector<std::vector<TColor>> faces = {
            ThemedFace(kind, true, false, false, 0), ThemedFace(kind, true, true, false, 0),
            ThemedFace(kind, true, true, false, 1), ThemedFace(kind, false, false, false, 0)};
        for (std::size_t i = 0; i < faces.size(); ++i)
            for (std::size_t j = i + 1; j < faces.size(); ++j)
                EXPECT_NE(faces[i], faces[j]) << "kind " << kind << ": states " << i << " and " << j;
    }
}

} // namespace

namespace {

// A check box face of 13 x 13 pixels, as pixels.
std::vector<TColor> CheckFace(int CheckState, bool Enabled, bool Flat, bool Pressed)
{
    TBitmap bitmap;
    bitmap.SetSize(13, 13);
    PaintButtonFace(bitmap.Canvas(), {0, 0, 13, 13}, clWindow, CheckState, Enabled, false, Flat, Pressed ? 1 : 0,
                    bpkCheckBoxLt);
    std::vector<TColor> pixels;
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x)
            pixels.push_back(bitmap.Canvas()->Pixels(x, y));
    return pixels;
}

// Unchecked, checked and grayed differ from each other, enabled and
// disabled, and a pressed box differs from a released one, in the themed,
// classic and flat looks, drawn directly and through the face cache.
TEST(CheckBoxFaces, TheThreeStatesAndThePressedLookDifferInEveryLook)
{
    const struct {
        const char* Look;
        bool Themes;
        bool Flat;
    } looks[] = {{"themed", true, false}, {"classic", false, false}, {"flat", false, true}};
    for (const bool cache : {false, true})
        for (const auto& look : looks) {
            SetButtonThemesEnabled(look.Themes);
            SetButtonBitmapCacheEnabled(cache);
            for (const bool enabled : {true, false})
                for (int a = 0; a < 3; ++a)
                    for (int b = a + 1; b < 3; ++b)
                        EXPECT_NE(CheckFace(a, enabled, look.Flat, false), CheckFace(b, enabled, look.Flat, false))
                            << look.Look << (cache ? ", cached" : "") << (enabled ? "" : ", disabled") << ": states "
                            << a << " and " << b;
            for (int state = 0; state < 3; ++state)
                EXPECT_NE(CheckFace(state, true, look.Flat, false), CheckFace(state, true, look.Flat, true))
                    << look.Look << (cache ? ", cached" : "") << ": pressed state " << state;
        }
    SetButtonThemesEnabled(true);
    SetButtonBitmapCacheEnabled(true);
    FlushButtonBitmapCache();
}

} // namespace
