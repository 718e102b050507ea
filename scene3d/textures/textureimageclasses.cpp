#include "scene3d/textures/textureimageclasses.h"

#include <algorithm>

#include "scene3d/textures/cubemapimage.h"
#include "scene3d/textures/pictureimages.h"
#include "scene3d/textures/sizedimages.h"

namespace {

std::vector<TTextureImageClass>& ImageClasses()
{
    static std::vector<TTextureImageClass> classes{
        TextureImageClassOf<T3DBlankImage>(),   TextureImageClassOf<T3DPersistentImage>(),
        TextureImageClassOf<T3DPicFileImage>(), TextureImageClassOf<T3DCubeMapImage>(),
        TextureImageClassOf<T3DFloatDataImage>(),
    };
    return classes;
}

} // namespace

void RegisterTextureImageClass(const TTextureImageClass& ImageClass)
{
    std::vector<TTextureImageClass>& classes = ImageClasses();
    const auto found = std::find_if(classes.begin(), classes.end(), [&](const TTextureImageClass& c) {
        return c.Info->Name() == ImageClass.Info->Name();
    });
    if (found != classes.end())
        *found = ImageClass;
    else
        classes.push_back(ImageClass);
}

const TTextureImageClass* FindTextureImageClass(const std::string& Name)
{
    for (const TTextureImageClass& c : ImageClasses())
        if (c.Info->Name() == Name)
            return &c;
    return nullptr;
}

const std::vector<TTextureImageClass>& TextureImageClasses()
{
    return ImageClasses();
}
