#pragma once
// The names objects carry in OpenGL selection. A name has 32 bits, too few
// for an object's address, so a pick pass gives each object it draws the
// next entry of this table and names it by that entry's index plus 1; the
// hit records' names are then looked up here. Name 0 stays free: it and
// any name beyond the table stand for no object. The table keeps its
// memory when cleared, so passes after the first allocate nothing.
#include <GL/gl.h>

#include <vector>

class T3DBaseSceneObject;

class T3DSelectionNames {
public:
    // The name of a new entry for Object.
    GLuint NameOf(T3DBaseSceneObject* Object);
    // The object named Name; nullptr for 0 and for names beyond the table.
    T3DBaseSceneObject* ObjectOf(GLuint Name) const;
    // Forgets every entry (before a pass).
    void Clear() { FObjects.clear(); }

private:
    std::vector<T3DBaseSceneObject*> FObjects;
};
