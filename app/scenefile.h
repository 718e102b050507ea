#pragma once
// Scene files: the 16 channel groups under the scene's root, each as one
// TSceneRecord (app/scenerecord.h). Failures raise EInOutError.
#include <functional>
#include <string>

#include "app/scenerecord.h"

class T3DBaseSceneObject;

// What a group holds: its Visible flag, how many of its lamps are shown, its
// angles and the positions of all its lamps, hidden ones included.
TSceneRecord GroupRecord(const T3DBaseSceneObject& Group);

// Writes a record for each of the 16 groups under Root; a file that fails
// is left as far as it got.
void SaveSceneFile(const std::string& FileName, const T3DBaseSceneObject& Root);

// Reads the 16 records into the groups under Root in turn. For each group:
// its angles go to 0, its record is read, it is shown or hidden and Show
// hears of it (channel from 0), the angles are set (pitch, turn, roll), then
// every lamp's position and whether it is among the shown ones, and Reset
// gets the lamp.
// A failed read stops there; the groups before it keep what they got.
using TGroupShow = std::function<void(int Channel, bool Visible)>;
using TLampReset = std::function<void(T3DBaseSceneObject& Lamp)>;
void OpenSceneFile(const std::string& FileName, T3DBaseSceneObject& Root, const TGroupShow& Show,
                   const TLampReset& Reset);
