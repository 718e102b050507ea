#include "scene3d/materials/libmaterial.h"

#include <algorithm>

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/coordinates.h"
#include "scene3d/materials/material.h"
#include "scene3d/materials/materiallibrary.h"
#include "scene3d/materials/shader.h"

namespace {

const char* const DefaultName = "LibMaterial";

// Marks a library material busy passing a notification on while it lives.
class TNotifyingPass {
public:
    explicit TNotifyingPass(bool& Flag) : FFlag(Flag) { FFlag = true; }
    TNotifyingPass(const TNotifyingPass&) = delete;
    TNotifyingPass& operator=(const TNotifyingPass&) = delete;
    ~TNotifyingPass() { FFlag = false; }

private:
    bool& FFlag;
};

} // namespace

LT_IMPLEMENT_CLASS(T3DLibMaterial, TCollectionItem)
{
    P.Property("Name", &T3DLibMaterial::Name, &T3DLibMaterial::SetName);
    P.Property("Material", &T3DLibMaterial::Material);
    P.Property("Tag", &T3DLibMaterial::Tag, &T3DLibMaterial::SetTag).Default(0);
    P.Property("TextureOffset", &T3DLibMaterial::TextureOffset);
    P.Property("TextureScale", &T3DLibMaterial::TextureScale);
    P.Property("Texture2Name", &T3DLibMaterial::Texture2Name, &T3DLibMaterial::SetTexture2Name);
    P.Property("Shader", &T3DLibMaterial::Shader, &T3DLibMaterial::SetShader);
}
LT_IMPLEMENT_CLASS(T3DLibMaterials, TCollection) {}

int32_t T3DLibMaterial::NameHash(const std::string& Name)
{
    auto hash = static_cast<uint32_t>(Name.size());
    for (const char c : Name)
        hash = hash * 2 + static_cast<unsigned char>(c);
    return static_cast<int32_t>(hash);
}

T3DLibMaterial::T3DLibMaterial(TCollection* Collection)
    : TCollectionItem(Collection),
      FMaterial(std::make_unique<T3DMaterial>(this)),
      FTransform(this, [this] { NotifyUsers(); })
{
    const auto* materials = dynamic_cast<const T3DLibMaterials*>(Collection);
    FName = materials ? materials->FreeName(DefaultName, this) : DefaultName;
    FNameHashKey = NameHash(FName);
}

T3DLibMaterial::~T3DLibMaterial()
{
    SetShader(nullptr);
    ForgetTexture2LibMaterial();
    const std::vector<TObject*> users = std::move(FUsers);
    FUsers.clear();
    for (TObject* user : users) {
        if (auto* material = dynamic_cast<T3DMaterial*>(user))
            material->LibMaterialFreed(this);
        else if (auto* libMaterial = dynamic_cast<T3DLibMaterial*>(user); libMaterial &&
                 libMaterial->FTexture2LibMaterial == this)
            libMaterial->FTexture2LibMaterial = nullptr;
    }
}

void T3DLibMaterial::SetName(const std::string& Value)
{
    if (Value == FName)
        return;
    const T3DMaterialLibrary* library = MaterialLibrary();
    const bool loading = library && library->ComponentState().Contains(csLoading);
    const auto* materials = dynamic_cast<const T3DLibMaterials*>(Collection());
    FName = materials && !loading ? materials->FreeName(Value, this) : Value;
    FNameHashKey = NameHash(FName);
}

void T3DLibMaterial::SetMaterial(const T3DMaterial* Value)
{
    FMaterial->Assign(Value);
}

void T3DLibMaterial::SetTexture2Name(const std::string& Value)
{
    if (Value == FTexture2Name)
        return;
    FTexture2Name = Value;
    ForgetTexture2LibMaterial();
    NotifyUsers();
}

void T3DLibMaterial::SetShader(T3DShader* Value)
{
    if (Value == FShader)
        return;
    if (FShader)
        FShader->UnregisterUser(this);
    FShader = Value;
    if (FShader)
        FShader->RegisterUser(this);
    NotifyUsers();
}

T3DMaterialLibrary* T3DLibMaterial::MaterialLibrary() const
{
    return Collection() ? dynamic_cast<T3DMaterialLibrary*>(Collection()->GetOwner()) : nullptr;
}

T3DLibMaterial* T3DLibMaterial::Texture2LibMaterial()
{
    if (FTexture2LibMaterial || FTexture2Name.empty())
        return FTexture2LibMaterial;
    const T3DMaterialLibrary* library = MaterialLibrary();
    T3DLibMaterial* found = library ? library->Materials()->GetLibMaterialByName(FTexture2Name) : nullptr;
    if (!found) {
        FTexture2Name.clear();
        return nullptr;
    }
    found->RegisterUser(this);
    FTexture2LibMaterial = found;
    return found;
}

void T3DLibMaterial::ForgetTexture2LibMaterial()
{
    if (FTexture2LibMaterial)
        FTexture2LibMaterial->UnregisterUser(this);
    FTexture2LibMaterial = nullptr;
}

void T3DLibMaterial::RegisterUser(TObject* User)
{
    if (std::find(FUsers.begin(), FUsers.end(), User) == FUsers.end())
        FUsers.push_back(User);
}

void T3DLibMaterial::UnregisterUser(TObject* User)
{
    std::erase(FUsers, User);
}

template <class TNotify>
void T3DLibMaterial::PassToUsers(TNotify Notify)
{
    if (FNotifying)
        return;
    const TNotifyingPass pass(FNotifying);
    const std::vector<TObject*> users = FUsers;
    for (TObject* user : users)
        Notify(user);
}

void T3DLibMaterial::NotifyUsers()
{
    PassToUsers([this](TObject* User) {
        if (auto* libMaterial = dynamic_cast<T3DLibMaterial*>(User))
            libMaterial->NotifyUsers();
        else if (auto* object = dynamic_cast<T3DUpdateAbleObject*>(User))
            object->NotifyChange(this);
        else if (auto* component = dynamic_cast<T3DUpdateAbleComponent*>(User))
            component->NotifyChange(this);
    });
}

void T3DLibMaterial::NotifyTextureSwitched()
{
    PassToUsers([this](TObject* User) {
        if (auto* material = dynamic_cast<T3DMaterial*>(User))
            material->NotifyTextureSwitched(this);
        else if (auto* libMaterial = dynamic_cast<T3DLibMaterial*>(User))
            libMaterial->NotifyTextureSwitched();
        else if (auto* object = dynamic_cast<T3DUpdateAbleObject*>(User))
            object->NotifyChange(this);
        else if (auto* component = dynamic_cast<T3DUpdateAbleComponent*>(User))
            component->NotifyChange(this);
    });
}

void T3DLibMaterial::Assign(const TPersistent* Source)
{
    const auto* other = dynamic_cast<const T3DLibMaterial*>(Source);
    if (!other) {
        TCollectionItem::Assign(Source);
        return;
    }
    if (other == this)
        return;
    SetName(other->FName);
    FMaterial->Assign(other->FMaterial.get());
    FTag = other->FTag;
    FTransform.Assign(other->FTransform);
    SetTexture2Name(other->FTexture2Name);
    SetShader(other->FShader);
}

T3DLibMaterials::T3DLibMaterials(TPersistent* AOwner) : TCollection(AOwner, ItemsOf<T3DLibMaterial>()) {}

T3DLibMaterial* T3DLibMaterials::GetLibMaterialByName(const std::string& Name) const
{
    const int32_t hash = T3DLibMaterial::NameHash(Name);
    for (int i = 0; i < Count(); ++i) {
        T3DLibMaterial* material = Items(i);
        if (material->NameHashKey() == hash && material->Name() == Name)
            return material;
    }
    return nullptr;
}

std::string T3DLibMaterials::FreeName(const std::string& Name, const T3DLibMaterial* Except) const
{
    const auto taken = [this, Except](const std::string& Candidate) {
        const T3DLibMaterial* holder = GetLibMaterialByName(Candidate);
        return holder && holder != Except;
    };
    if (!taken(Name))
        return Name;
    int number = 1;
    while (taken(Name + std::to_string(number)))
        ++number;
    return Name + std::to_string(number);
}
