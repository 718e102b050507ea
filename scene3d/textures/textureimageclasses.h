#pragma once
// The texture image classes a texture can make by class name
// (ImageClassName): the five of the engine from the start, in the order
// blank, persistent, picture file, cube map, float data, and any class
// registered later.
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/object.h"

class TPersistent;
class T3DTextureImage;

struct TTextureImageClass {
    const TClassInfo* Info;
    // A new image owned by Owner (its texture).
    std::unique_ptr<T3DTextureImage> (*Create)(TPersistent* Owner);
};

// Registers (or replaces) the class under its class record's name.
void RegisterTextureImageClass(const TTextureImageClass& ImageClass);
// The class registered under exactly that name, or nullptr.
const TTextureImageClass* FindTextureImageClass(const std::string& Name);
// Every registered class, in the order of registration.
const std::vector<TTextureImageClass>& TextureImageClasses();

// The class record and creator of TImageKind, a T3DTextureImage with an
// (owner) constructor, to register: RegisterTextureImageClass(
// TextureImageClassOf<TMyImage>()).
template <class TImageKind>
TTextureImageClass TextureImageClassOf()
{
    return {&TImageKind::StaticClassInfo(), [](TPersistent* Owner) -> std::unique_ptr<T3DTextureImage> {
                return std::make_unique<TImageKind>(Owner);
            }};
}
