// Copying scene objects and storing them with a form's description.
#include <functional>

#include "platform/rtl/filer.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/behaviours/behaviourcollections.h"
#include "scene3d/persistence/binaryreader.h"
#include "scene3d/persistence/binarywriter.h"
#include "scene3d/scene/basesceneobject.h"
#include "scene3d/scene/scene.h"

namespace {

// A collection stored as an engine archive in a binary block.
void DefineCollectionData(TFiler& Filer, const std::string& Name, const std::function<TExtCollection&()>& Collection,
                          bool HasData)
{
    Filer.DefineBinaryProperty(
        Name,
        [Collection](TStream& Stream) {
            TBinaryReader reader(Stream);
            Collection().ReadFromArchive(reader);
        },
        [Collection](TStream& Stream) {
            TBinaryWriter writer(Stream);
            Collection().WriteToArchive(writer);
        },
        HasData);
}

} // namespace

void T3DBaseSceneObject::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const T3DBaseSceneObject*>(Source);
    if (!source) {
        T3DCoordinatesUpdateAbleComponent::Assign(Source);
        return;
    }
    if (source == this)
        return;
    // Copying from an ancestor would copy this node into itself without
    // end; copying from a descendant would free the source on the way.
    EngineAssert(!source->IsSelfOrAncestorOf(this) && !IsSelfOrAncestorOf(source));
    DestroyHandles();
    FVisible = source->FVisible;
    SetMatrix(source->LocalMatrix());
    FShowAxes = source->FShowAxes;
    FObjectsSorting = source->FObjectsSorting;
    FVisibilityCulling = source->FVisibilityCulling;
    FAngles = source->FAngles;
    DeleteChildren();
    {
        const T3DSceneUpdate update(FScene);
        for (const T3DBaseSceneObject* child : source->FChildren)
            CreateChild(child->ClassType())->Assign(child);
    }
    FOnProgress = source->FOnProgress;
    if (source->FBehaviours)
        Behaviours()->Assign(source->FBehaviours.get());
    else
        FBehaviours.reset();
    if (source->FEffects)
        Effects()->Assign(source->FEffects.get());
    else
        FEffects.reset();
    SetTag(source->Tag());
    FTagFloat = source->FTagFloat;
}

void T3DBaseSceneObject::Loaded()
{
    T3DCoordinatesUpdateAbleComponent::Loaded();
    FPosition->SetW(1);
    if (FBehaviours)
        FBehaviours->Loaded();
    if (FEffects)
        FEffects->Loaded();
}

void T3DBaseSceneObject::DefineProperties(TFiler& Filer)
{
    T3DCoordinatesUpdateAbleComponent::DefineProperties(Filer);
    DefineCollectionData(
        Filer, "BehavioursData", [this]() -> TExtCollection& { return *Behaviours(); }, HasBehaviours());
    DefineCollectionData(
        Filer, "EffectsData", [this]() -> TExtCollection& { return *Effects(); }, HasEffects());
}
