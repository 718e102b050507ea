#include "scene3d/textures/quietpicture.h"

#include <utility>

#include "platform/ui/picture.h"

namespace {

// Holds the picture's change handler back while it lives.
class THeldChangeHandler {
public:
    explicit THeldChangeHandler(TPicture& Picture) : FPicture(Picture), FHandler(Picture.OnChange())
    {
        FPicture.SetOnChange(nullptr);
    }
    THeldChangeHandler(const THeldChangeHandler&) = delete;
    THeldChangeHandler& operator=(const THeldChangeHandler&) = delete;
    ~THeldChangeHandler() { FPicture.SetOnChange(std::move(FHandler)); }

private:
    TPicture& FPicture;
    std::function<void(TPicture*)> FHandler;
};

} // namespace

void SetGraphicQuietly(TPicture& Picture, const TGraphic* Graphic)
{
    const THeldChangeHandler held(Picture);
    Picture.SetGraphic(Graphic);
}
