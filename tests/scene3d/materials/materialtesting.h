#pragma once
// A scene object's stand-in for the colour and material tests: it owns a
// colour and a material, publishes both, and logs what it hears of them.
#include <memory>
#include <string>
#include <vector>

#include "scene3d/base/displaylistowner.h"
#include "scene3d/base/updateable.h"
#include "scene3d/materials/color.h"
#include "scene3d/materials/material.h"

class TSceneObjectSpy : public T3DUpdateAbleComponent, public IDisplayListOwner {
    LT_CLASS(TSceneObjectSpy)
public:
    explicit TSceneObjectSpy(TComponent* AOwner)
        : T3DUpdateAbleComponent(AOwner),
          FColor(std::make_unique<T3DColor>(this)),
          FMaterial(std::make_unique<T3DMaterial>(this))
    {
    }
    T3DColor* Color() const { return FColor.get(); }
    T3DMaterial* Material() const { return FMaterial.get(); }

    void NotifyChange(TObject*) override { Log.push_back("changed"); }
    void ListInvalidated() override { Log.push_back("list invalidated"); }

    // What was heard since the last look.
    std::vector<std::string> Heard()
    {
        std::vector<std::string> heard;
        heard.swap(Log);
        return heard;
    }

    std::vector<std::string> Log;

private:
    std::unique_ptr<T3DColor> FColor;
    std::unique_ptr<T3DMaterial> FMaterial;
};
