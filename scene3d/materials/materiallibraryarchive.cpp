// The material library's archive: the version, the number of library
// materials, then each one's name, texture picture (a flag, then BMP data),
// front and back faces, blending, options, texture matrix, second texture
// and extra textures. Colours and coordinates are raw little-endian floats.
#include <cstring>

#include "platform/rtl/streams.h"
#include "platform/ui/picture.h"
#include "scene3d/base/coordinates.h"
#include "scene3d/materials/material.h"
#include "scene3d/materials/materiallibrary.h"
#include "scene3d/persistence/archiveexceptions.h"
#include "scene3d/persistence/binaryreader.h"
#include "scene3d/persistence/binarywriter.h"
#include "scene3d/textures/pictureimages.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureex.h"

namespace {

// The options are written as one byte.
constexpr int MaterialOptionsBytes = 1;

void WriteFloats(TVirtualWriter& Writer, const TVector& Vector, int Count)
{
    for (int i = 0; i < Count; ++i) {
        const float value = Vector[i];
        Writer.Write(&value, 4);
    }
}

// Count components of Vector from the archive; the others stay.
TVector ReadFloats(TVirtualReader& Reader, TVector Vector, int Count)
{
    for (int i = 0; i < Count; ++i)
        Reader.Read(&Vector[i], 4);
    return Vector;
}

uint8_t ReadByte(TVirtualReader& Reader)
{
    uint8_t value = 0;
    Reader.Read(&value, 1);
    return value;
}

// An integer that must lie in 0..Last.
int ReadOrdinal(TVirtualReader& Reader, int Last, const char* What)
{
    const int value = Reader.ReadInteger();
    if (value < 0 || value > Last)
        throw EReadError(std::string("Invalid ") + What + " " + std::to_string(value));
    return value;
}

int ReadCount(TVirtualReader& Reader, const char* What)
{
    const int count = Reader.ReadInteger();
    if (count < 0)
        throw EReadError(std::string("Invalid ") + What + " count " + std::to_string(count));
    return count;
}

// The picture a texture gives the archive: that of an enabled persistent
// image that holds a graphic, or nullptr.
const TGraphic* ArchivedPicture(const T3DTexture& Texture)
{
    const auto* image = dynamic_cast<const T3DPersistentImage*>(Texture.Image());
    return !Texture.Disabled() && image ? image->Picture()->Graphic() : nullptr;
}

void WritePicture(TVirtualWriter& Writer, const TGraphic* Graphic)
{
    Writer.WriteBoolean(Graphic != nullptr);
    if (!Graphic)
        return;
    TBitmap bitmap;
    bitmap.Assign(Graphic);
    TStringStream data;
    bitmap.SaveToStream(data);
    Writer.WriteString(data.DataString());
}

// The BMP data of a picture block; a block shorter than the size its
// header gives is refused.
void ReadPicture(TVirtualReader& Reader, TBitmap& Bitmap)
{
    const std::string data = Reader.ReadString();
    if (data.size() >= 6) {
        uint32_t size = 0;
        for (int i = 0; i < 4; ++i)
            size |= static_cast<uint32_t>(static_cast<unsigned char>(data[2 + i])) << (8 * i);
        if (size > data.size())
            throw EReadError("Truncated bitmap in material library");
    }
    TStringStream stream(data);
    Bitmap.LoadFromStream(stream);
}

void WriteFace(TVirtualWriter& Writer, const T3DFaceProperties& Face)
{
    WriteFloats(Writer, Face.Ambient()->Color(), 3);
    WriteFloats(Writer, Face.Diffuse()->Color(), 4);
    WriteFloats(Writer, Face.Emission()->Color(), 3);
    WriteFloats(Writer, Face.Specular()->Color(), 3);
    const auto shininess = static_cast<uint8_t>(Face.Shininess());
    Writer.Write(&shininess, 1);
    Writer.WriteInteger(Face.PolygonMode());
}

void ReadFaceColors(TVirtualReader& Reader, T3DFaceProperties& Face)
{
    Face.Ambient()->SetColor(ReadFloats(Reader, Face.Ambient()->Color(), 3));
    Face.Diffuse()->SetColor(ReadFloats(Reader, Face.Diffuse()->Color(), 4));
    Face.Emission()->SetColor(ReadFloats(Reader, Face.Emission()->Color(), 3));
    Face.Specular()->SetColor(ReadFloats(Reader, Face.Specular()->Color(), 3));
}

void ReadShininessAndMode(TVirtualReader& Reader, T3DFaceProperties& Face)
{
    Face.SetShininess(ReadByte(Reader));
    Face.SetPolygonMode(static_cast<TPolygonMode>(ReadOrdinal(Reader, pmPoints, "polygon mode")));
}

void WriteTransform(TVirtualWriter& Writer, const T3DCoordinates& Offset, const T3DCoordinates& Scale)
{
    WriteFloats(Writer, Offset.AsVector(), 3);
    WriteFloats(Writer, Scale.AsVector(), 3);
}

void ReadTransform(TVirtualReader& Reader, T3DCoordinates& Offset, T3DCoordinates& Scale)
{
    for (T3DCoordinates* coordinates : {&Offset, &Scale}) {
        const TVector value = ReadFloats(Reader, coordinates->AsVector(), 3);
        coordinates->AssignVector(value.X, value.Y, value.Z);
    }
}

// The options' bytes: the first holds the options; more are skipped.
TMaterialOptions ReadMaterialOptions(TVirtualReader& Reader)
{
    const int count = ReadCount(Reader, "material options");
    if (count == 0)
        return {};
    const uint8_t bits = ReadByte(Reader);
    Reader.CheckBytesLeft(count - 1);
    Reader.Stream().Seek(count - 1, TSeekOrigin::soCurrent);
    return TMaterialOptions::FromBits(bits & (1u << moIgnoreFog | 1u << moNoLighting));
}

void WriteLibMaterial(TVirtualWriter& Writer, const T3DLibMaterial& LibMaterial)
{
    T3DMaterial& material = *LibMaterial.Material();
    Writer.WriteString(LibMaterial.Name());
    WritePicture(Writer, material.HasTexture() ? ArchivedPicture(*material.Texture()) : nullptr);
    WriteFace(Writer, *material.FrontProperties());
    WriteFace(Writer, *material.BackProperties());
    Writer.WriteInteger(material.BlendingMode());
    Writer.WriteInteger(MaterialOptionsBytes);
    const auto options = static_cast<uint8_t>(material.MaterialOptions().Bits());
    Writer.Write(&options, 1);
    WriteTransform(Writer, *LibMaterial.TextureOffset(), *LibMaterial.TextureScale());
    Writer.WriteString(LibMaterial.Texture2Name());
    const T3DTextureEx* extras = material.HasTextureEx() ? material.TextureEx() : nullptr;
    Writer.WriteInteger(extras ? extras->Count() : 0);
    for (int i = 0; extras && i < extras->Count(); ++i) {
        const T3DTextureExItem& item = *extras->Items(i);
        WritePicture(Writer, ArchivedPicture(*item.Texture()));
        Writer.WriteInteger(item.TextureIndex());
        WriteTransform(Writer, *item.TextureOffset(), *item.TextureScale());
    }
}

void ReadExtraTextures(TVirtualReader& Reader, T3DMaterial& Material)
{
    const int count = ReadCount(Reader, "extra texture");
    for (int i = 0; i < count; ++i) {
        T3DTextureExItem& item = *Material.TextureEx()->Add();
        if (Reader.ReadBoolean()) {
            TBitmap bitmap;
            ReadPicture(Reader, bitmap);
            item.Texture()->Image()->Assign(&bitmap);
            item.Texture()->SetDisabled(false);
        }
        item.SetTextureIndex(Reader.ReadInteger());
        ReadTransform(Reader, *item.TextureOffset(), *item.TextureScale());
    }
}

// A new library material of that name whose enabled texture shows Bitmap.
T3DLibMaterial* AddTextureMaterial(T3DLibMaterials& Materials, const std::string& Name, const TBitmap& Bitmap)
{
    T3DLibMaterial* libMaterial = Materials.Add();
    libMaterial->SetName(Name);
    T3DTexture& texture = *libMaterial->Material()->Texture();
    texture.SetMinFilter(miLinearMipmapLinear);
    texture.SetMagFilter(maLinear);
    texture.SetTextureMode(tmModulate);
    texture.SetDisabled(false);
    texture.Image()->Assign(&Bitmap);
    return libMaterial;
}

} // namespace

void T3DMaterialLibrary::SaveToStream(TStream& Stream) const
{
    TBinaryWriter writer(Stream);
    writer.WriteInteger(ArchiveVersion);
    writer.WriteInteger(FMaterials->Count());
    for (int i = 0; i < FMaterials->Count(); ++i)
        WriteLibMaterial(writer, *FMaterials->Items(i));
}

void T3DMaterialLibrary::LoadFromStream(TStream& Stream)
{
    TBinaryReader reader(Stream);
    const int version = reader.ReadInteger();
    if (version < 0 || version > ArchiveVersion)
        throw EFilerException(ClassName() + " : unknown archive version " + std::to_string(version));
    if (!FKeepMaterialsOnLoad)
        FMaterials->Clear();
    const int count = ReadCount(reader, "library material");
    for (int i = 0; i < count; ++i) {
        const std::string name = reader.ReadString();
        T3DLibMaterial* libMaterial = FKeepMaterialsOnLoad ? LibMaterialByName(name) : nullptr;
        if (reader.ReadBoolean()) {
            TBitmap bitmap;
            ReadPicture(reader, bitmap);
            if (libMaterial)
                libMaterial->Material()->Texture()->Image()->Assign(&bitmap);
            else
                libMaterial = AddTextureMaterial(*FMaterials, name, bitmap);
        } else if (!libMaterial) {
            libMaterial = FMaterials->Add();
            libMaterial->SetName(name);
        }
        T3DMaterial& material = *libMaterial->Material();
        ReadFaceColors(reader, *material.FrontProperties());
        if (version < 1)
            continue;
        ReadShininessAndMode(reader, *material.FrontProperties());
        ReadFaceColors(reader, *material.BackProperties());
        ReadShininessAndMode(reader, *material.BackProperties());
        material.SetBlendingMode(static_cast<TBlendingMode>(ReadOrdinal(reader, bmModulate, "blending mode")));
        material.SetMaterialOptions(ReadMaterialOptions(reader));
        ReadTransform(reader, *libMaterial->TextureOffset(), *libMaterial->TextureScale());
        libMaterial->SetTexture2Name(reader.ReadString());
        if (version >= 2)
            ReadExtraTextures(reader, material);
    }
}
