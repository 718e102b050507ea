// Image lists: cutting strips into pictures, see-through pixels, drawing,
// and the pictures stored in descriptions.
#include <gtest/gtest.h>

#include "controltesting.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/canvas.h"
#include "platform/ui/imglist.h"
#include "platform/ui/picture.h"

namespace {

class TImageForm : public TForm {
    LT_CLASS(TImageForm)
public:
    explicit TImageForm(TComponent* AOwner) : TForm(AOwner) {}
};

constexpr TColor kKey = clFuchsia;

// A strip of 16 x 16 pictures in the given colours, each with its left
// column in the key colour.
std::unique_ptr<TBitmap> Strip(std::initializer_list<TColor> Colors, int Width = 16, int Height = 16)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(Width * static_cast<int>(Colors.size()), Height);
    int x = 0;
    for (const TColor color : Colors) {
        for (int y = 0; y < Height; ++y)
            for (int i = 0; i < Width; ++i)
                bitmap->MutableImage()->setPixel(x + i, y, ToQColor(i == 0 ? kKey : color).rgb());
        x += Width;
    }
    return bitmap;
}

// Draws picture Index of List on white and returns the pixels.
QImage Drawn(const TCustomImageList& List, int Index, bool Enabled = true)
{
    TBitmap target;
    target.SetSize(List.Width(), List.Height());
    target.MutableImage()->fill(Qt::white);
    List.Draw(target.Canvas(), 0, 0, Index, Enabled);
    return *target.Image();
}

} // namespace

LT_IMPLEMENT_CLASS(TImageForm, TForm) {}

TEST(ImageList, AddMaskedCutsAStripAndLeavesTheMaskColourOut)
{
    TImageList list(nullptr);
    int changes = 0;
    list.SetOnChange([&](TObject*) { ++changes; });
    const auto strip = Strip({clRed, clLime, clBlue});
    EXPECT_EQ(list.AddMasked(strip.get(), kKey), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.AddMasked(Strip({clYellow}).get(), clDefault), 3) << "clDefault: the bottom-left colour";
    EXPECT_EQ(changes, 2);

    const TColor colors[] = {clRed, clLime, clBlue, clYellow};
    for (int i = 0; i < 4; ++i) {
        const QImage image = Drawn(list, i);
        EXPECT_EQ(PixelColor(image, 8, 8), colors[i]) << i;
        EXPECT_EQ(PixelColor(image, 0, 8), clWhite) << "see-through " << i;
    }
    const QImage untouched = Drawn(list, 7);
    EXPECT_EQ(PixelColor(untouched, 8, 8), clWhite) << "an index out of range draws nothing";
}

TEST(ImageList, AddUsesTheMasksLightPixelsAsSeeThroughAndNarrowImagesMakeOnePicture)
{
    TImageList list(nullptr);
    const auto image = Strip({clRed, clBlue});
    TBitmap mask;
    mask.SetSize(32, 16);
    mask.MutableImage()->fill(Qt::black);
    for (int y = 0; y < 16; ++y)
        for (int x = 16; x < 24; ++x)
            mask.MutableImage()->setPixel(x, y, qRgb(255, 255, 255));
    EXPECT_EQ(list.Add(image.get(), &mask), 0);
    EXPECT_EQ(PixelColor(Drawn(list, 0), 0, 8), kKey) << "without a light mask pixel nothing is see-through";
    EXPECT_EQ(PixelColor(Drawn(list, 1), 4, 8), clWhite);
    EXPECT_EQ(PixelColor(Drawn(list, 1), 12, 8), clBlue);

    TBitmap narrow;
    narrow.SetSize(10, 20);
    narrow.MutableImage()->fill(Qt::green);
    EXPECT_EQ(list.Add(&narrow, nullptr), 2);
    EXPECT_EQ(list.Count(), 3);
    const QImage cut = Drawn(list, 2);
    EXPECT_EQ(PixelColor(cut, 5, 15), clLime);
    EXPECT_EQ(PixelColor(cut, 12, 5), clWhite) << "what the image lacks is see-through";
}

TEST(ImageList, DrawsDisabledPicturesGreyAndUnmaskedOnesOnBkColor)
{
    TImageList list(nullptr);
    list.AddMasked(Strip({clRed}).get(), kKey);
    const QImage grey = Drawn(list, 0, false);
    const QColor inside(grey.pixel(8, 8));
    EXPECT_TRUE(inside.red() == inside.green() && inside.green() == inside.blue());
    EXPECT_NE(PixelColor(grey, 8, 8), clWhite);
    EXPECT_EQ(PixelColor(grey, 0, 8), clWhite);

    list.SetMasked(false);
    list.SetBkColor(clNavy);
    EXPECT_EQ(PixelColor(Drawn(list, 0), 0, 8), clNavy);

    TBitmap copy;
    copy.Canvas()->Brush()->SetColor(clAqua);
    list.SetMasked(true);
    list.GetBitmap(0, &copy);
    EXPECT_EQ(copy.Width(), 16);
    EXPECT_EQ(PixelColor(*copy.Image(), 0, 8), clAqua);
    EXPECT_EQ(PixelColor(*copy.Image(), 8, 8), clRed);
}

TEST(ImageList, ChangingTheSizeEmptiesItAndIndexesAreChecked)
{
    TImageList list(nullptr);
    list.AddMasked(Strip({clRed, clLime, clBlue}).get(), kKey);
    list.Move(2, 0);
    EXPECT_EQ(PixelColor(Drawn(list, 0), 8, 8), clBlue);
    list.Delete(1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(PixelColor(Drawn(list, 1), 8, 8), clLime);
    EXPECT_THROW(list.Delete(2), EInvalidOperation);
    list.Replace(0, Strip({clYellow}).get(), nullptr);
    EXPECT_EQ(PixelColor(Drawn(list, 0), 8, 8), clYellow);

    int linked = 0;
    const int link = list.RegisterChanges([&] { ++linked; });
    list.SetWidth(24);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(linked, 1);
    list.UnRegisterChanges(link);
    list.AddMasked(Strip({clRed}, 24, 16).get(), kKey);
    EXPECT_EQ(linked, 1);
}

TEST(ImageList, StoresItsPicturesInADescription)
{
    TImageForm form(nullptr);
    form.SetName("ImageForm");
    auto* list = new TImageList(&form);
    list->SetName("ilTools");
    list->SetSize(12, 10);
    list->AddMasked(Strip({clRed, clLime, clBlue}, 12, 10).get(), kKey);
    auto* none = new TImageList(&form);
    none->SetName("ilNone");
    const std::string text = WriteComponentToText(form);
    EXPECT_NE(text.find("Bitmap = {"), std::string::npos) << text;
    EXPECT_EQ(text.find("Bitmap", text.find("ilNone")), std::string::npos) << "an empty list stores no block";

    TImageForm copy(nullptr);
    ReadComponentFromText(copy, text, "copy");
    const auto* read = static_cast<TImageList*>(copy.FindComponent("ilTools"));
    ASSERT_EQ(read->Count(), 3);
    EXPECT_EQ(read->Width(), 12);
    EXPECT_EQ(read->Height(), 10);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(read->Picture(i), list->Picture(i)) << i;

    std::string corrupt = text;
    corrupt.replace(corrupt.find("4C54494C"), 8, "4C54494D");   // "LTIL" -> "LTIM"
    TImageForm broken(nullptr);
    try {
        ReadComponentFromText(broken, corrupt, "broken");
        FAIL() << "a block that is no image list was read";
    } catch (const EReadError& e) {
        EXPECT_NE(e.Message().find("ilTools.Bitmap"), std::string::npos) << e.Message();
        EXPECT_NE(e.Message().find("not valid"), std::string::npos) << e.Message();
    }
}
