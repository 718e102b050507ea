// Bitmaps, JPEG images and pictures: files, streams, conversions and
// pictures stored in descriptions.
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

#include <jpeglib.h>
#include <jerror.h>

#include <QBuffer>
#include <QTemporaryDir>

#include "canvastesting.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"

namespace {

std::string Bytes(const TGraphic& Graphic)
{
    TStringStream stream;
    Graphic.SaveToStream(stream);
    return stream.DataString();
}

// A 16 x 8 image, red on the left half and blue on the right (or their grey
// levels), as a JPEG file made by Qt's own writer.
std::string SampleJpeg(bool Gray = false, QImage* Source = nullptr)
{
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 0; y < 8; ++y)
        for (int x = 8; x < 16; ++x)
            image.setPixel(x, y, qRgb(0, 0, 255));
    if (Gray)
        image = image.convertToFormat(QImage::Format_Grayscale8);
    if (Source)
        *Source = image;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPG", 95));
    return bytes.toStdString();
}

bool Near(TColor Actual, TColor Expected, int Tolerance = 40)
{
    return std::abs(GetRValue(Actual) - GetRValue(Expected)) <= Tolerance &&
           std::abs(GetGValue(Actual) - GetGValue(Expected)) <= Tolerance &&
           std::abs(GetBValue(Actual) - GetBValue(Expected)) <= Tolerance;
}

TColor JpegPixel(const TJPEGImage& Jpeg, int X, int Y)
{
    return FromQColor(QColor(Jpeg.Image()->pixel(X, Y)));
}

TEST(Bitmap, BmpRoundTripKeepsSizeAndPixelsAndReadsOnlyItsOwnBytes)
{
    const auto bitmap = MakeBitmap(7, 5, clNavy);
    bitmap->Canvas()->SetPixels(0, 0, clYellow);
    bitmap->Canvas()->SetPixels(6, 4, clRed);
    TMemoryStream stream;
    bitmap->SaveToStream(stream);
    const int64_t bmpSize = stream.Size();
    stream.WriteBuffer("tail", 4);
    stream.SetPosition(0);
    EXPECT_EQ(std::string(static_cast<const char*>(stream.Memory()), 2), "BM");

    TBitmap loaded;
    loaded.LoadFromStream(stream);
    EXPECT_EQ(stream.Position(), bmpSize);
    ASSERT_EQ(loaded.Width(), 7);
    ASSERT_EQ(loaded.Height(), 5);
    EXPECT_TRUE(SamePixels(loaded, *bitmap));
    EXPECT_EQ(PixelAt(loaded, 6, 4), clRed);
}

TEST(Bitmap, FilesRoundTripAndBadDataIsRefused)
{
    QTemporaryDir dir;
    const std::string file = dir.filePath("pic.bmp").toStdString();
    const auto bitmap = MakeBitmap(3, 2, clTeal);
    bitmap->SaveToFile(file);
    TBitmap loaded;
    loaded.LoadFromFile(file);
    EXPECT_TRUE(SamePixels(loaded, *bitmap));

    for (const std::string& bad : {std::string("BMxxxxxxxxxxxxxxxxxxxxxxxx"), std::string("GIF89a"),
                                   Bytes(*bitmap).substr(0, 40)}) {
        TStringStream stream(bad);
        EXPECT_THROW(loaded.LoadFromStream(stream), EInvalidGraphic) << bad.size();
        EXPECT_TRUE(SamePixels(loaded, *bitmap));
    }
    TStringStream empty;
    loaded.LoadFromStream(empty);
    EXPECT_TRUE(loaded.Empty());
}

TEST(Bitmap, ResizingKeepsSharedPixelsAndWhitensNewOnes)
{
    const auto bitmap = MakeBitmap(3, 3, clRed);
    bitmap->SetSize(5, 2);
    EXPECT_EQ(Rows(*bitmap), (std::vector<std::string>{"RRR..", "RRR.."}));
    bitmap->SetWidth(0);
    EXPECT_TRUE(bitmap->Empty());
    EXPECT_EQ(bitmap->Image(), nullptr);
    // Drawing on an empty bitmap changes nothing and fails nothing.
    bitmap->Canvas()->FillRect(Rect(0, 0, 5, 5));
    EXPECT_TRUE(bitmap->Empty());
    bitmap->SetHeight(4);
    bitmap->SetWidth(2);
    EXPECT_EQ(Rows(*bitmap), (std::vector<std::string>{"..", "..", "..", ".."}));
}

TEST(Bitmap, CopiesNeverShareThePixelsTheCanvasPaints)
{
    const auto bitmap = MakeBitmap(4, 4);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(Rect(0, 0, 2, 2));
    const QImage snapshot = *bitmap->Image();
    TBitmap copy;
    copy.Assign(bitmap.get());
    // The canvas taken before goes on painting on the bitmap.
    canvas->FillRect(Rect(2, 2, 4, 4));
    EXPECT_EQ(QColor(snapshot.pixel(3, 3)), QColor(Qt::white));
    EXPECT_EQ(PixelAt(copy, 3, 3), clWhite);
    EXPECT_EQ(PixelAt(*bitmap, 3, 3), clRed);
    EXPECT_EQ(PixelAt(copy, 1, 1), clRed);
    // Resizing under a canvas that was painting.
    bitmap->SetSize(6, 6);
    canvas->FillRect(Rect(4, 4, 6, 6));
    EXPECT_EQ(PixelAt(*bitmap, 5, 5), clRed);
}

TEST(Bitmap, ChangesAreToldOnceEach)
{
    TBitmap bitmap;
    int changes = 0;
    bitmap.SetOnChange([&](TGraphic*) { ++changes; });
    bitmap.SetSize(4, 4);
    bitmap.SetSize(4, 4);
    bitmap.Canvas()->FillRect(Rect(0, 0, 1, 1));
    bitmap.SetTransparent(true);
    bitmap.SetTransparent(true);
    bitmap.SetTransparentColor(clRed);
    EXPECT_EQ(changes, 4);
}

TEST(Jpeg, DecodesSizeAndColours)
{
    for (const bool gray : {false, true}) {
        QImage source;
        const std::string file = SampleJpeg(gray, &source);
        // A grey image is written with one component, so the grey path runs.
        const std::size_t frame = file.find("\xFF\xC0");
        ASSERT_NE(frame, std::string::npos);
        EXPECT_EQ(file[frame + 9], gray ? 1 : 3);
        TStringStream stream(file);
        TJPEGImage jpeg;
        jpeg.LoadFromStream(stream);
        ASSERT_EQ(jpeg.Width(), 16);
        ASSERT_EQ(jpeg.Height(), 8);
        for (const int x : {2, 13}) {
            const TColor expected = FromQColor(source.pixelColor(x, 4));
            EXPECT_TRUE(Near(JpegPixel(jpeg, x, 4), expected))
                << std::hex << JpegPixel(jpeg, x, 4) << " for " << expected;
        }
        if (!gray) {
            EXPECT_TRUE(Near(JpegPixel(jpeg, 2, 4), clRed));
            EXPECT_TRUE(Near(JpegPixel(jpeg, 13, 4), clBlue));
        }
        // The file is kept and written back as it was read.
        EXPECT_EQ(Bytes(jpeg), file);
    }
}

struct TBrokenJpeg {
    const char* Name;
    std::function<std::string(const std::string&)> Break;
    int Code;   // the library's message code; -1: any corrupt-data code
    const char* Message;
};

TEST(Jpeg, BrokenFilesRaiseTheLibrarysErrorAndKeepThePreviousImage)
{
    const TBrokenJpeg cases[] = {
        {"empty", [](const std::string&) { return std::string(); }, JERR_INPUT_EMPTY, "Empty input file"},
        {"not a JPEG", [](const std::string&) { return std::string("GIF89a and more"); }, JERR_NO_SOI,
         "Not a JPEG file: starts with 0x47 0x49"},
        {"cut in the header", [](const std::string& f) { return f.substr(0, 100); }, JERR_INPUT_EOF,
         "Premature end of input file"},
        {"cut in the image data", [](const std::string& f) { return f.substr(0, f.size() - 40); }, JERR_INPUT_EOF,
         "Premature end of input file"},
        {"image data overwritten",
         [](const std::string& f) {
             std::string broken = f;
             for (std::size_t i = f.size() - 120; i < f.size() - 20; ++i)
                 broken[i] = static_cast<char>(0xFF);
             return broken;
         },
         -1, nullptr},
        {"zero width",
         [](const std::string& f) {
             std::string broken = f;
             const std::size_t sof = broken.find("\xFF\xC0");
             broken[sof + 7] = broken[sof + 8] = 0;
             return broken;
         },
         JERR_EMPTY_IMAGE, nullptr},
    };
    const std::string good = SampleJpeg();
    for (const TBrokenJpeg& c : cases) {
        SCOPED_TRACE(c.Name);
        TJPEGImage jpeg;
        TStringStream goodStream(good);
        jpeg.LoadFromStream(goodStream);
        TStringStream stream(c.Break(good));
        try {
            jpeg.LoadFromStream(stream);
            ADD_FAILURE() << "no exception";
        } catch (const EJPEG& e) {
            if (c.Code >= 0) {
                EXPECT_EQ(e.Code(), c.Code);
            } else {
                EXPECT_GT(e.Code(), 0);
            }
            if (c.Message) {
                EXPECT_EQ(e.Message(), c.Message);
            } else {
                EXPECT_FALSE(e.Message().empty());
            }
        }
        EXPECT_EQ(jpeg.Width(), 16);
        EXPECT_EQ(Bytes(jpeg), good);
    }
}

TEST(Jpeg, AnyGraphicCanBecomeAJpeg)
{
    const auto bitmap = MakeBitmap(10, 6, clGreen);
    TJPEGImage jpeg;
    jpeg.Assign(bitmap.get());
    EXPECT_EQ(jpeg.Width(), 10);
    EXPECT_TRUE(Near(JpegPixel(jpeg, 5, 3), clGreen, 8));
    const std::string bytes = Bytes(jpeg);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xD8");

    TJPEGImage copy;
    copy.Assign(&jpeg);
    EXPECT_EQ(Bytes(copy), bytes);

    TBitmap back;
    back.Assign(&jpeg);
    EXPECT_EQ(back.Width(), 10);
    EXPECT_TRUE(Near(PixelAt(back, 5, 3), clGreen, 8));
}

class PictureFiles : public ::testing::Test {
protected:
    std::string Path(const char* Name) const { return FDir.filePath(Name).toStdString(); }
    void Write(const char* Name, const std::string& Data) const
    {
        TFileStream file(Path(Name), fmCreate);
        file.WriteBuffer(Data.data(), static_cast<int64_t>(Data.size()));
    }

private:
    QTemporaryDir FDir;
};

TEST_F(PictureFiles, TheExtensionPicksTheGraphicClass)
{
    Write("a.JPG", SampleJpeg());
    Write("b.jpeg", SampleJpeg());
    MakeBitmap(5, 4)->SaveToFile(Path("c.bmp"));
    Write("d.xyz", "whatever");
    struct TCase {
        const char* File;
        const char* Class;
    };
    for (const TCase& c : {TCase{"a.JPG", "TJPEGImage"}, TCase{"b.jpeg", "TJPEGImage"}, TCase{"c.bmp", "TBitmap"}}) {
        TPicture picture;
        picture.LoadFromFile(Path(c.File));
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_EQ(picture.Graphic()->ClassName(), c.Class) << c.File;
    }
    TPicture picture;
    EXPECT_THROW(picture.LoadFromFile(Path("d.xyz")), EInvalidGraphic);
    EXPECT_THROW(picture.LoadFromFile(Path("none.bmp")), EFOpenError);
    EXPECT_EQ(picture.Graphic(), nullptr);

    EXPECT_EQ(TPicture::FileFormatClass(".JPEG"), &TJPEGImage::StaticClassInfo());
    EXPECT_EQ(TPicture::FileFormatClass("dib"), nullptr);
    TPicture::RegisterFileFormat("dib", "Device independent bitmaps", [] { return std::make_unique<TBitmap>(); });
    EXPECT_EQ(TPicture::FileFormatClass("dib"), &TBitmap::StaticClassInfo());
    EXPECT_EQ(TPicture::CreateGraphicForExtension(".Dib")->ClassName(), "TBitmap");
    EXPECT_EQ(TPicture::CreateGraphicForExtension("jpg")->ClassName(), "TJPEGImage");
    EXPECT_EQ(TPicture::CreateGraphicForExtension(".png"), nullptr);
    MakeBitmap(2, 2)->SaveToFile(Path("e.dib"));
    picture.LoadFromFile(Path("e.dib"));
    EXPECT_EQ(picture.Width(), 2);
}

TEST(Picture, BitmapConvertsAndChangesAreTold)
{
    TPicture picture;
    int changes = 0;
    picture.SetOnChange([&](TPicture*) { ++changes; });
    TJPEGImage jpeg;
    TStringStream stream(SampleJpeg());
    jpeg.LoadFromStream(stream);
    picture.SetGraphic(&jpeg);
    EXPECT_EQ(changes, 1);
    EXPECT_NE(picture.Graphic(), &jpeg);

    TBitmap* bitmap = picture.Bitmap();
    EXPECT_EQ(picture.Graphic(), bitmap);
    EXPECT_EQ(bitmap->Width(), 16);
    EXPECT_TRUE(Near(PixelAt(*bitmap, 13, 4), clBlue));
    EXPECT_EQ(picture.Bitmap(), bitmap);
    const int afterConversion = changes;
    bitmap->Canvas()->FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(changes, afterConversion + 1);

    TPicture copy;
    copy.Assign(&picture);
    EXPECT_TRUE(SamePixels(*copy.Bitmap(), *bitmap));
    copy.Assign(nullptr);
    EXPECT_EQ(copy.Graphic(), nullptr);
}

// A component that keeps a picture and a font in its description.
class TPictureHolder : public TComponent {
    LT_CLASS(TPictureHolder)
public:
    explicit TPictureHolder(TComponent* AOwner) : TComponent(AOwner) {}
    TPicture* Picture() const { return FPicture.get(); }
    TFont* Font() const { return FFont.get(); }

private:
    std::unique_ptr<TPicture> FPicture = std::make_unique<TPicture>();
    std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
};

LT_IMPLEMENT_CLASS(TPictureHolder, TComponent)
{
    P.Property("Font", &TPictureHolder::Font);
    P.Property("Picture", &TPictureHolder::Picture);
}

std::string Hex(const std::string& Bytes)
{
    std::string hex;
    for (const char c : Bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned char>(c));
        hex += digits;
    }
    return hex;
}

TEST(Picture, StoredInADescriptionAsClassNameAndFileData)
{
    struct TCase {
        const char* Class;
        std::function<void(TPicture&)> Fill;
    };
    const TCase cases[] = {
        {"TBitmap", [](TPicture& p) { p.SetGraphic(MakeBitmap(3, 2, clMaroon).get()); }},
        {"TJPEGImage",
         [](TPicture& p) {
             TJPEGImage jpeg;
             TStringStream stream(SampleJpeg());
             jpeg.LoadFromStream(stream);
             p.SetGraphic(&jpeg);
         }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Class);
        TPictureHolder holder(nullptr);
        holder.SetName("Holder");
        c.Fill(*holder.Picture());
        const std::string text = WriteComponentToText(holder);
        const std::string name = c.Class;
        const std::string block = std::string(1, static_cast<char>(name.size())) + name + Bytes(*holder.Picture()->Graphic());
        std::string flat = text;
        std::erase_if(flat, [](char ch) { return ch == ' ' || ch == '\n' || ch == '\r'; });
        EXPECT_NE(flat.find("Picture.Data={" + Hex(block) + "}"), std::string::npos) << text;

        TPictureHolder read(nullptr);
        ReadComponentFromText(read, text, "holder");
        ASSERT_NE(read.Picture()->Graphic(), nullptr);
        EXPECT_EQ(read.Picture()->Graphic()->ClassName(), name);
        EXPECT_EQ(Bytes(*read.Picture()->Graphic()), Bytes(*holder.Picture()->Graphic()));
        EXPECT_EQ(WriteComponentToText(read), text);
    }
}

TEST(Picture, DescriptionsLeaveOutEmptyPicturesAndDefaultFontValues)
{
    TPictureHolder holder(nullptr);
    holder.SetName("Holder");
    holder.Font()->SetName("Courier New");
    holder.Font()->SetSize(10);
    holder.Font()->SetColor(clBtnText);
    holder.Font()->SetStyle({fsBold});
    const std::string text = WriteComponentToText(holder);
    EXPECT_EQ(text.find("Picture.Data"), std::string::npos);
    EXPECT_EQ(text.find("Font.Size"), std::string::npos);
    EXPECT_EQ(text.find("Font.Charset"), std::string::npos);
    EXPECT_NE(text.find("Font.Height = -13"), std::string::npos) << text;
    EXPECT_NE(text.find("Font.Color = clBtnText"), std::string::npos) << text;
    EXPECT_NE(text.find("Font.Style = [fsBold]"), std::string::npos) << text;

    TPictureHolder read(nullptr);
    ReadComponentFromText(read, text, "holder");
    EXPECT_EQ(read.Font()->Name(), "Courier New");
    EXPECT_EQ(read.Font()->Size(), 10);
    EXPECT_EQ(read.Font()->Color(), clBtnText);
    EXPECT_EQ(read.Picture()->Graphic(), nullptr);
}

TEST(Picture, ABlockOfAnUnknownClassFailsTheReading)
{
    const std::string text = "object Holder: TPictureHolder\n  Picture.Data = {0454476966FFD8}\nend\n";
    TPictureHolder read(nullptr);
    try {
        ReadComponentFromText(read, text, "holder");
        ADD_FAILURE() << "no exception";
    } catch (const EReadError& e) {
        EXPECT_NE(e.Message().find("holder(2)"), std::string::npos) << e.Message();
        EXPECT_NE(e.Message().find("TGif"), std::string::npos) << e.Message();
    }
}

} // namespace
