#pragma once
// Image lists: numbered pictures of one size (16 x 16 by default) that tool
// buttons, menus and actions refer to by index.
//
// In a stored description the pictures are the binary property "Bitmap":
//   bytes 0-3   "LTIL"
//   byte  4     format version, 1
//   bytes 5-6   Width, little-endian
//   bytes 7-8   Height, little-endian
//   bytes 9-12  Count, little-endian
//   bytes 13-   a PNG file: the pictures side by side, Count x Width pixels
//               wide and Height high, 32 bits with alpha (alpha 0 is
//               see-through)
// Width and Height in the block win over the published ones, so the block
// reads right wherever it stands in the description.
#include <functional>
#include <memory>
#include <vector>

#include "platform/rtl/component.h"
#include "platform/ui/graphics.h"

class QImage;
class TBitmap;
class TCanvas;
class TStream;

class TCustomImageList : public TComponent {
    LT_CLASS(TCustomImageList)
public:
    explicit TCustomImageList(TComponent* AOwner);
    ~TCustomImageList() override;

    // Changing the size empties the list.
    int Width() const { return FWidth; }
    void SetWidth(int Value) { SetSize(Value, FHeight); }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { SetSize(FWidth, Value); }
    void SetSize(int AWidth, int AHeight);
    // Without Masked the pictures are drawn opaque, their see-through pixels
    // in BkColor (white when BkColor is clNone).
    bool Masked() const { return FMasked; }
    void SetMasked(bool Value);
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor Value);
    int Count() const;

    // Cut Image into pictures Width wide, left to right (a narrower image
    // gives one picture); light pixels of Mask are see-through. Return the
    // index of the first picture added.
    int Add(TBitmap* Image, TBitmap* Mask);
    // The same with MaskColor see-through (clDefault: the colour of the
    // image's bottom-left pixel).
    int AddMasked(TBitmap* Image, TColor MaskColor);
    void Replace(int Index, TBitmap* Image, TBitmap* Mask);
    void Delete(int Index);
    void Clear();
    void Move(int CurIndex, int NewIndex);

    // Draws a picture at X, Y; a disabled one in grey. An index out of range
    // draws nothing.
    void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true) const;
    // Puts the picture into Image (resized to Width x Height), its
    // see-through pixels in the image canvas's brush colour.
    void GetBitmap(int Index, TBitmap* Image) const;
    // The picture with its alpha (an empty image out of range).
    QImage Picture(int Index) const;

    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
    // Users of the list (tool bars, menus) repaint when it changes.
    int RegisterChanges(std::function<void()> Handler);
    void UnRegisterChanges(int Id);

    void DefineProperties(TFiler& Filer) override;

protected:
    virtual void Change();
    void Loaded() override;

private:
    struct TPictures;
    void CheckIndex(int Index) const;
    int AddPictures(const QImage& Strip);
    void ReadBitmap(TStream& Stream);
    void WriteBitmap(TStream& Stream) const;

    int FWidth = 16;
    int FHeight = 16;
    bool FMasked = true;
    TColor FBkColor = clNone;
    std::unique_ptr<TPictures> FPictures;
    TNotifyEvent FOnChange;
    std::vector<std::pair<int, std::function<void()>>> FChangeLinks;
    int FNextLinkId = 1;
};

class TImageList : public TCustomImageList {
    LT_CLASS(TImageList)
public:
    explicit TImageList(TComponent* AOwner) : TCustomImageList(AOwner) {}
};
