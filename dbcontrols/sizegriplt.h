#pragma once
// The size grip of a resizable popup: a small triangle (or square) in one
// corner of its parent's client area. Dragging it resizes the parent from
// that corner, keeping the parent inside the desktop work area and the
// opposite edges where they are.
#include "platform/ui/controls.h"

class TSizeGripLt : public TCustomControl {
    LT_CLASS(TSizeGripLt)
public:
    explicit TSizeGripLt(TComponent* AOwner);

    // 0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left.
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    bool TriangleShape() const { return FTriangleShape; }
    void SetTriangleShape(bool On);
    // Puts the grip into its corner of the parent's client area.
    void MoveToCorner();
    // Turns the grip to the corner away from the editor, by the side code a
    // drop-down receives when it is placed (0 right edge kept, 1 left edge
    // kept, 2 opened above, 3 opened below).
    void MoveToSide(int Side);
    void ShowGrip(bool Show);

    // Raised after a drag changed the parent's client size.
    const TNotifyEvent& OnParentResized() const { return FOnParentResized; }
    void SetOnParentResized(TNotifyEvent Value) { FOnParentResized = std::move(Value); }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    void UpdateShape();
    void DragTo(const TPoint& ScreenPos);

    int FPosition = 2;
    bool FTriangleShape = true;
    TPoint FPressPoint;
    TSize FParentSize;
    TPoint FLastPos{-1, -1};
    bool FInternalMove = false;
    TNotifyEvent FOnParentResized;
};
