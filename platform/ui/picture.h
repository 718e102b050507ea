#pragma once
// Pictures: the graphic kinds (bitmaps, JPEG images) behind one interface,
// and TPicture, which holds one of them and stores it in descriptions as a
// binary block (the graphic's class name, then its file data).
#include <functional>
#include <memory>
#include <string>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/persistent.h"
#include "platform/rtl/rects.h"
#include "platform/rtl/streams.h"
#include "platform/ui/graphics.h"

class QImage;
class TCanvas;

// A file or block that is no picture of its kind, or of no known kind.
LT_DECLARE_EXCEPTION(EInvalidGraphic, Exception)

class TGraphic : public TPersistent {
    LT_CLASS(TGraphic)
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const = 0;
    // Reads or writes the graphic in its file format.
    virtual void LoadFromStream(TStream& Stream) = 0;
    virtual void SaveToStream(TStream& Stream) const = 0;
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;
    // The pixels, for drawing (null when empty).
    virtual const QImage* Image() const = 0;

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    const std::function<void(TGraphic*)>& OnChange() const { return FOnChange; }
    void SetOnChange(std::function<void(TGraphic*)> Value) { FOnChange = std::move(Value); }

protected:
    void Changed();

private:
    bool FTransparent = false;
    std::function<void(TGraphic*)> FOnChange;
};

// A bitmap in memory, with a canvas to paint on it; files are BMP.
class TBitmap : public TGraphic {
    LT_CLASS(TBitmap)
public:
    TBitmap();
    ~TBitmap() override;
    void Assign(const TPersistent* Source) override;

    int Width() const override;
    int Height() const override;
    void SetWidth(int Value);
    void SetHeight(int Value);
    void SetSize(int Width, int Height);
    bool Empty() const override;
    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) const override;
    const QImage* Image() const override;
    // The pixels to change in place (32-bit RGB).
    QImage* MutableImage();
    // Painting on the bitmap: the canvas draws on the pixels.
    TCanvas* Canvas();
    // The colour treated as see-through when Transparent is set (by default
    // the bottom-left pixel).
    TColor TransparentColor() const;
    void SetTransparentColor(TColor Value);

private:
    std::unique_ptr<QImage> FImage;
    std::unique_ptr<TCanvas> FCanvas;
    TColor FTransparentColor = clDefault;
    // The size, kept apart from the image, which has no pixels while either
    // is 0.
    int FWidth = 0;
    int FHeight = 0;
};

// A JPEG image decoded with libjpeg. A corrupt or truncated file raises
// EJPEG carrying the library's message and its code.
class TJPEGImage : public TGraphic {
    LT_CLASS(TJPEGImage)
public:
    TJPEGImage();
    ~TJPEGImage() override;
    void Assign(const TPersistent* Source) override;

    int Width() const override;
    int Height() const override;
    bool Empty() const override;
    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) const override;
    const QImage* Image() const override;

private:
    std::string FData;                 // the file as read, written back unchanged
    std::unique_ptr<QImage> FImage;
};

class EJPEG : public Exception {
public:
    EJPEG(std::string message, int code) : Exception(std::move(message)), FCode(code) {}
    int Code() const { return FCode; }

private:
    int FCode;
};

class TPicture : public TPersistent {
    LT_CLASS(TPicture)
public:
    TPicture();
    ~TPicture() override;
    void Assign(const TPersistent* Source) override;

    TGraphic* Graphic() const { return FGraphic.get(); }
    void SetGraphic(const TGraphic* Value);   // copies it
    // The graphic as a bitmap (made from it when it is of another kind).
    TBitmap* Bitmap();
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }
    // By the file's extension (".bmp", ".jpg", ".jpeg" and what is registered);
    // an unknown extension raises EInvalidGraphic.
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;
    // Stored as "Data": the graphic's class name (a length byte, then the
    // name), then the graphic's file data.
    void DefineProperties(TFiler& Filer) override;

    const std::function<void(TPicture*)>& OnChange() const { return FOnChange; }
    void SetOnChange(std::function<void(TPicture*)> Value) { FOnChange = std::move(Value); }

    // The file formats: extension (without the dot, any case) -> graphic class.
    // "bmp" (TBitmap) and "jpg", "jpeg" (TJPEGImage) are there from the start;
    // registering an extension again replaces its entry.
    static void RegisterFileFormat(const std::string& Extension, const std::string& Description,
                                   std::function<std::unique_ptr<TGraphic>()> Factory);
    // The class registered for an extension (one leading dot allowed), or
    // nullptr.
    static const TClassInfo* FileFormatClass(const std::string& Extension);
    // A new, empty graphic of the class registered for an extension (one
    // leading dot allowed), or nullptr.
    static std::unique_ptr<TGraphic> CreateGraphicForExtension(const std::string& Extension);

private:
    void Changed();
    std::unique_ptr<TGraphic> FGraphic;
    std::function<void(TPicture*)> FOnChange;
};
