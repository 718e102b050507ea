#include "dbcontrols/buttoncache.h"

#include <algorithm>

namespace {

bool CacheOn = true;

} // namespace

TBitmap* TButtonsBitmapCache::GetButtonBitmap(TButtonBitmapKeyLt Key)
{
    Key.Width = std::max(Key.Width, 0);
    Key.Height = std::max(Key.Height, 0);
    for (const TButtonBitmapInfoBitmapLt& entry : FEntries)
        if (entry.Key == Key)
            return entry.Bitmap.get();
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(Key.Width, Key.Height);
    if (Key.Width > 0 && Key.Height > 0) {
        TCanvas* canvas = bitmap->Canvas();
        const TRect face{0, 0, Key.Width, Key.Height};
        if (Key.Kind == bpkCheckBoxLt)
            PaintCheckBoxFace(canvas, face, Key.CheckState, Key.Active, Key.Pressed, Key.Flat, Key.Enabled);
        else if (Key.Kind < 6)
            PaintSingleButtonFace(canvas, static_cast<TButtonPaintKindLt>(Key.Kind), face, Key.UpDownHalf,
                                  Key.Pressed, Key.Active, Key.Flat, Key.Enabled);
    }
    FEntries.push_back({Key, std::move(bitmap)});
    return FEntries.back().Bitmap.get();
}

TButtonsBitmapCache& ButtonsBitmapCache()
{
    static TButtonsBitmapCache cache;
    return cache;
}

void FlushButtonBitmapCache()
{
    ButtonsBitmapCache().Clear();
}

bool ButtonBitmapCacheEnabled()
{
    return CacheOn;
}

void SetButtonBitmapCacheEnabled(bool Value)
{
    CacheOn = Value;
}
