#pragma once
// The image an editor shows at the left of its text.
#include "platform/rtl/persistent.h"
#include "platform/ui/messages.h"

class TControl;
class TCustomImageList;

// Sent to the editor after any change of its image settings but the index;
// the editor lays itself out again.
constexpr uint32_t CM_EDITIMAGECHANGEDLT = WM_USER + 101;

class TEditImageLt : public TPersistent {
    LT_CLASS(TEditImageLt)
public:
    explicit TEditImageLt(TControl* Owner = nullptr);

    // -1: none.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    // The editor grows to the image height.
    bool UseImageHeight() const { return FUseImageHeight; }
    void SetUseImageHeight(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // 0: the images' width.
    int Width() const { return FWidth; }
    void SetWidth(int Value);

    TControl* Owner() const { return FOwner; }
    TPersistent* GetOwner() const override;
    void Assign(const TPersistent* Source) override;

private:
    void Changed();

    TControl* FOwner;
    int FImageIndex = -1;
    TCustomImageList* FImages = nullptr;
    bool FUseImageHeight = true;
    bool FVisible = false;
    int FWidth = 0;
};
