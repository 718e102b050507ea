// The mouse in the scene viewer: orbiting the camera, picking and moving
// single lamps.
#include "app/fMain.h"
#include "scene3d/objects/sprite.h"
#include "scene3d/scene/camera.h"

namespace {

// Pixels of mouse movement per unit of lamp movement.
constexpr float kPixelsPerUnit = 25;

} // namespace

void TfrmMain::SceneViewerMouseMove(TObject*, TShiftState Shift, int X, int Y)
{
    if (Shift.Contains(ssLeft) && Camera1)
        Camera1->OrbitAboutTarget(static_cast<float>(LastY - Y), static_cast<float>(LastX - X));
    if (Shift.Contains(ssRight) && PickedLamp) {
        const float dx = static_cast<float>(LastX - X) / kPixelsPerUnit;
        const float dy = static_cast<float>(LastY - Y) / kPixelsPerUnit;
        T3DCoordinates* at = PickedLamp->Position();
        if (Shift.Contains(ssShift)) {
            at->SetX(at->X() + dx);
            at->SetY(at->Y() + dy);
        }
        if (Shift.Contains(ssCtrl)) {
            at->SetX(at->X() + dx);
            at->SetZ(at->Z() + dy);
        }
        // Alt moves the lamp in the plane across the other two: up and down
        // with the mouse, nearer and farther across.
        if (Shift.Contains(ssAlt)) {
            at->SetY(at->Y() + dy);
            at->SetZ(at->Z() + dx);
        }
    }
    LastX = X;
    LastY = Y;
}
