#include "scene3d/render/selectionnames.h"

GLuint T3DSelectionNames::NameOf(T3DBaseSceneObject* Object)
{
    FObjects.push_back(Object);
    return static_cast<GLuint>(FObjects.size());
}

T3DBaseSceneObject* T3DSelectionNames::ObjectOf(GLuint Name) const
{
    if (Name == 0 || Name > FObjects.size())
        return nullptr;
    return FObjects[Name - 1];
}
