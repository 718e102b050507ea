#pragma once
// Pre-drawn button faces shared by every editor and grid: a face is drawn
// once per distinct key and afterwards copied.
#include <memory>
#include <vector>

#include "dbcontrols/buttonpaint.h"
#include "platform/ui/picture.h"

struct TButtonBitmapKeyLt {
    int Width = 0;
    int Height = 0;
    int Kind = 0;
    bool Flat = false;
    bool Pressed = false;
    bool Active = false;
    bool Enabled = true;
    int UpDownHalf = 0;   // 0 top, 1 bottom
    int CheckState = 0;

    bool operator==(const TButtonBitmapKeyLt&) const = default;
};

struct TButtonBitmapInfoBitmapLt {
    TButtonBitmapKeyLt Key;
    std::unique_ptr<TBitmap> Bitmap;
};

// The process-wide list of faces; it only grows until flushed.
class TButtonsBitmapCache {
public:
    // The face for Key (negative sizes count as 0), drawn on first request.
    TBitmap* GetButtonBitmap(TButtonBitmapKeyLt Key);
    void Clear() { FEntries.clear(); }
    int Count() const { return static_cast<int>(FEntries.size()); }

private:
    std::vector<TButtonBitmapInfoBitmapLt> FEntries;
};

TButtonsBitmapCache& ButtonsBitmapCache();
// Frees every cached face; editors and grids call it when the system colours
// change.
void FlushButtonBitmapCache();
// The switch that makes painting go through the cache (on from start-up).
bool ButtonBitmapCacheEnabled();
void SetButtonBitmapCacheEnabled(bool Value);
