#include "app/scenefile.h"

#include "app/lampplacement.h"
#include "platform/rtl/recordfile.h"
#include "scene3d/scene/basesceneobject.h"

TSceneRecord GroupRecord(const T3DBaseSceneObject& Group)
{
    TSceneRecord record;
    record.Visible = Group.Visible();
    record.PitchAngle = Group.PitchAngle();
    record.TurnAngle = Group.TurnAngle();
    record.RollAngle = Group.RollAngle();
    for (int i = 0; i < kSceneLamps; ++i) {
        const T3DBaseSceneObject* lamp = Group.GetChild(i);
        if (lamp->Visible())
            ++record.LampCount;
        record.Positions[i] = lamp->Position()->XYZ();
    }
    return record;
}

void SaveSceneFile(const std::string& FileName, const T3DBaseSceneObject& Root)
{
    TRecordFile file(FileName, kSceneRecordSize, TRecordFileMode::rfCreate);
    for (int j = 0; j < kSceneGroups; ++j)
        file.Write(PackSceneRecord(GroupRecord(*Root.GetChild(j))).data());
}

void OpenSceneFile(const std::string& FileName, T3DBaseSceneObject& Root, const TGroupShow& Show,
                   const TLampReset& Reset)
{
    TRecordFile file(FileName, kSceneRecordSize, TRecordFileMode::rfRead);
    for (int j = 0; j < kSceneGroups; ++j) {
        T3DBaseSceneObject& group = *Root.GetChild(j);
        group.SetPitchAngle(0);
        group.SetTurnAngle(0);
        group.SetRollAngle(0);
        TSceneRecordBytes bytes;
        file.Read(bytes.data());
        const TSceneRecord record = UnpackSceneRecord(bytes);
        group.SetVisible(record.Visible);
        Show(j, record.Visible);
        group.SetPitchAngle(record.PitchAngle);
        group.SetTurnAngle(record.TurnAngle);
        group.SetRollAngle(record.RollAngle);
        PlaceLamps(group, record.Positions);
        for (int i = 0; i < kSceneLamps; ++i) {
            T3DBaseSceneObject& lamp = *group.GetChild(i);
            lamp.SetVisible(i < record.LampCount);
            Reset(lamp);
        }
    }
}
