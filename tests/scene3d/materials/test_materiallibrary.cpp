// Material libraries: library material names, materials linked to them by
// name, and texture files looked up on the library's paths.
#include "scene3d/materials/materiallibrary.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "scene3d/base/coordinates.h"
#include "scene3d/materials/libmaterial.h"
#include "scene3d/materials/material.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureimage.h"
#include "tests/scene3d/context/contexttesting.h"
#include "tests/scene3d/materials/materialtesting.h"
#include "tests/scene3d/opengl/glcallrecording.h"
#include "tests/scene3d/textures/texturetesting.h"
#include "tests/support/testsupport.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::ThrowsMessage;

// A library of library materials of the given names, made in that order.
void AddNamed(T3DMaterialLibrary& Library, const std::vector<std::string>& Names)
{
    for (const std::string& name : Names)
        Library.Materials()->Add()->SetName(name);
}

std::vector<std::string> NamesOf(const T3DMaterialLibrary& Library)
{
    std::vector<std::string> names;
    for (int i = 0; i < Library.Materials()->Count(); ++i)
        names.push_back(Library.Materials()->Items(i)->Name());
    return names;
}

TEST(LibMaterial, NamesAreUniqueInTheirLibrary)
{
    T3DMaterialLibrary library(nullptr);
    for (int i = 0; i < 3; ++i)
        library.Materials()->Add();
    EXPECT_THAT(NamesOf(library), ElementsAre("LibMaterial", "LibMaterial1", "LibMaterial2"));
    library.Materials()->Items(1)->SetName("Glass");
    library.Materials()->Add();
    library.Materials()->Items(2)->SetName("Glass");
    EXPECT_THAT(NamesOf(library), ElementsAre("LibMaterial", "Glass", "Glass1", "LibMaterial1"));
    library.Materials()->Items(3)->SetName("Glass");
    EXPECT_EQ(library.Materials()->Items(3)->Name(), "Glass2");

    EXPECT_EQ(library.LibMaterialByName("Glass1"), library.Materials()->Items(2));
    EXPECT_EQ(library.LibMaterialByName("glass"), nullptr);
    EXPECT_EQ(library.LibMaterialByName(""), nullptr);
}

TEST(LibMaterial, TheNameHashStartsWithTheLength)
{
    EXPECT_EQ(T3DLibMaterial::NameHash(""), 0);
    EXPECT_EQ(T3DLibMaterial::NameHash("ab"), (2 * 2 + 'a') * 2 + 'b');
    // 40 characters wrap around 32 bits.
    const std::string longName(40, 'z');
    uint32_t hash = 40;
    for (int i = 0; i < 40; ++i)
        hash = hash * 2 + 'z';
    EXPECT_EQ(T3DLibMaterial::NameHash(longName), static_cast<int32_t>(hash));
    T3DMaterialLibrary library(nullptr);
    AddNamed(library, {"ab"});
    EXPECT_EQ(library.Materials()->Items(0)->NameHashKey(), T3DLibMaterial::NameHash("ab"));
}

// A stored library takes the names as they are written, and a stored
// material finds its library material once the library is there.
TEST(LibMaterial, StoredWithTheLibrary)
{
    TComponent form(nullptr);
    form.SetName("Form");
    auto* lamp = new TSceneObjectSpy(&form);
    lamp->SetName("Lamp");
    auto* library = new T3DMaterialLibrary(&form);
    library->SetName("Library");
    AddNamed(*library, {"Glass", "Stone"});
    lamp->Material()->SetMaterialLibrary(library);
    lamp->Material()->SetLibMaterialName("Stone");
    library->Materials()->Items(1)->Material()->SetBlendingMode(bmAdditive);
    library->Materials()->Items(1)->SetTexture2Name("Glass");
    library->Materials()->Items(1)->TextureScale()->SetX(2);
    library->SetTexturePaths("textures");
    const std::string text = WriteComponentToText(form);
    EXPECT_NE(text.find("Name = 'Stone'"), std::string::npos) << text;
    EXPECT_NE(text.find("TexturePaths = 'textures'"), std::string::npos) << text;
    EXPECT_NE(text.find("Material.MaterialLibrary = Library"), std::string::npos) << text;

    TComponent back(nullptr);
    ReadComponentFromText(back, text, "form");
    EXPECT_EQ(WriteComponentToText(back), text);
    const auto* read = ComponentByName<T3DMaterialLibrary>(back, "Library");
    EXPECT_THAT(NamesOf(*read), ElementsAre("Glass", "Stone"));
    EXPECT_EQ(read->Materials()->Items(1)->Material()->BlendingMode(), bmAdditive);
    EXPECT_EQ(read->Materials()->Items(1)->TextureMatrix()[0].X, 2);
    const auto* lampRead = ComponentByName<TSceneObjectSpy>(back, "Lamp");
    EXPECT_EQ(lampRead->Material()->LibMaterial(), read->Materials()->Items(1));
}

// A material linked by name draws with the library material: it hears of
// its changes, asks it whether it is blended, and loses the link and the
// name when it goes.
TEST(LibMaterial, MaterialsLinkByName)
{
    T3DMaterialLibrary library(nullptr);
    AddNamed(library, {"Glass", "Stone"});
    T3DLibMaterial& glass = *library.Materials()->Items(0);
    glass.Material()->SetBlendingMode(bmTransparency);

    TSceneObjectSpy spy(nullptr);
    T3DMaterial& material = *spy.Material();
    material.SetLibMaterialName("Glass");
    EXPECT_EQ(material.LibMaterial(), nullptr);
    EXPECT_THAT(spy.Heard(), IsEmpty());
    material.SetMaterialLibrary(&library);
    EXPECT_EQ(material.LibMaterial(), &glass);
    EXPECT_THAT(glass.Users(), ElementsAre(&material));
    EXPECT_THAT(spy.Heard(), ElementsAre("list invalidated"));
    EXPECT_TRUE(material.IsBlended());

    glass.Material()->FrontProperties()->Diffuse()->SetRed(0);
    EXPECT_THAT(spy.Heard(), ElementsAre("changed"));
    glass.Material()->Texture()->SetDisabled(false);
    EXPECT_THAT(spy.Heard(), ElementsAre("list invalidated"));

    material.SetLibMaterialName("Unknown");
    EXPECT_EQ(material.LibMaterial(), nullptr);
    EXPECT_THAT(glass.Users(), IsEmpty());
    EXPECT_FALSE(material.IsBlended());
    material.SetLibMaterialName("Stone");

    library.Materials()->Delete(1);
    EXPECT_EQ(material.LibMaterial(), nullptr);
    EXPECT_EQ(material.LibMaterialName(), "");

    T3DMaterial copy(nullptr);
    material.SetLibMaterialName("Glass");
    copy.Assign(&material);
    EXPECT_EQ(copy.MaterialLibrary(), &library);
    EXPECT_EQ(copy.LibMaterial(), &glass);
}

TEST(LibMaterial, FreeingTheLibraryUnlinksItsMaterials)
{
    T3DMaterial material(nullptr);
    {
        T3DMaterialLibrary library(nullptr);
        AddNamed(library, {"Glass"});
        material.SetMaterialLibrary(&library);
        material.SetLibMaterialName("Glass");
    }
    EXPECT_EQ(material.MaterialLibrary(), nullptr);
    EXPECT_EQ(material.LibMaterial(), nullptr);
    EXPECT_EQ(material.LibMaterialName(), "");
}

// Library materials whose materials link to one another in a ring would
// apply one another for ever.
TEST(LibMaterial, CyclicReferencesAreRefused)
{
    T3DMaterialLibrary library(nullptr);
    std::vector<std::string> names;
    for (int i = 0; i < 20; ++i)
        names.push_back("M" + std::to_string(i));
    AddNamed(library, names);
    const auto material = [&library](int Index) { return library.Materials()->Items(Index)->Material(); };
    for (int i = 0; i < 20; ++i)
        material(i)->SetMaterialLibrary(&library);

    const std::string cyclic = "Error: Cyclic material reference detected!";
    EXPECT_THAT([&] { material(0)->SetLibMaterialName("M0"); }, ThrowsMessage<EAssertionFailed>(cyclic));
    material(0)->SetLibMaterialName("M1");
    EXPECT_THAT([&] { material(1)->SetLibMaterialName("M0"); }, ThrowsMessage<EAssertionFailed>(cyclic));
    EXPECT_EQ(material(1)->LibMaterial(), nullptr);

    // A chain: M1 -> M2 -> ... -> M15 holds 15 links, one more makes 16.
    for (int i = 1; i < 15; ++i)
        material(i)->SetLibMaterialName("M" + std::to_string(i + 1));
    TSceneObjectSpy spy(nullptr);
    spy.Material()->SetMaterialLibrary(&library);
    spy.Material()->SetLibMaterialName("M1");
    EXPECT_EQ(spy.Material()->LibMaterial(), library.Materials()->Items(1));
    material(15)->SetLibMaterialName("M16");
    EXPECT_THAT([&] { spy.Material()->SetLibMaterialName("M0"); }, ThrowsMessage<EAssertionFailed>(cyclic));
}

TEST(LibMaterial, FreeingALibraryWhileItsMaterialIsAppliedIsReported)
{
    TOpenGLCallRecorder recorder;
    T3DStateCache cache;
    TRenderContextInfo rci;
    rci.StateCache = &cache;
    TApplicationExceptions reported;
    auto library = std::make_unique<T3DMaterialLibrary>(nullptr);
    AddNamed(*library, {"Glass"});
    T3DMaterial material(nullptr);
    material.SetMaterialLibrary(library.get());
    material.SetLibMaterialName("Glass");
    material.Apply(rci);
    EXPECT_TRUE(library->Materials()->Items(0)->Applied());
    library.reset();
    EXPECT_THAT(reported.Messages(), ElementsAre("Unbalanced material application"));
    EXPECT_EQ(material.LibMaterial(), nullptr);
}

TEST(MaterialLibrary, TexturePathsAreFoldersEndingInASlash)
{
    T3DMaterialLibrary library(nullptr);
    library.SetTexturePaths(" textures ; ;/opt/lamps\\;maps/;");
    EXPECT_EQ(library.TexturePaths(), " textures ; ;/opt/lamps\\;maps/;");
    EXPECT_THAT(library.TexturePathList(), ElementsAre("textures/", "/opt/lamps/", "maps/"));
    library.SetTexturePaths("");
    EXPECT_THAT(library.TexturePathList(), IsEmpty());
}

// A library material's texture finds its file in the first texture path
// that holds it, after OnTextureNeeded had its say; absolute names stay.
TEST(MaterialLibrary, TextureFilesAreLookedUpOnThePaths)
{
    TTempDir dir;
    std::filesystem::create_directory(dir.Path() / "a");
    std::filesystem::create_directory(dir.Path() / "b");
    SolidBitmap(4, 4, clRed)->SaveToFile(dir.File("b/lamp.bmp"));
    SolidBitmap(8, 8, clRed)->SaveToFile(dir.File("a/big.bmp"));
    SolidBitmap(16, 16, clRed)->SaveToFile(dir.File("big.bmp"));

    T3DMaterialLibrary library(nullptr);
    library.SetTexturePaths(dir.File("a") + ";" + dir.File("b") + "\\");
    std::vector<std::string> asked;
    library.SetOnTextureNeeded([&](TObject* Sender, std::string& FileName) {
        EXPECT_EQ(Sender, &library);
        asked.push_back(FileName);
        if (FileName == "renamed.bmp")
            FileName = "lamp.bmp";
    });
    AddNamed(library, {"Lamp"});
    T3DTextureImage& image = *library.Materials()->Items(0)->Material()->Texture()->Image();

    image.LoadFromFile("renamed.bmp");
    EXPECT_EQ(image.GetWidth(), 4);
    image.LoadFromFile("big.bmp");
    EXPECT_EQ(image.GetWidth(), 8);
    image.LoadFromFile(dir.File("big.bmp"));
    EXPECT_EQ(image.GetWidth(), 16);
    EXPECT_THAT(asked, ElementsAre("renamed.bmp", "big.bmp", dir.File("big.bmp")));
    EXPECT_THROW(image.LoadFromFile("none.bmp"), ETexture);
}

} // namespace
