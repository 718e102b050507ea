// Dragging a control onto another. One drag runs at a time: the dragged
// control keeps the mouse, its moves ask the control under the pointer
// (within the same window) whether it takes the drag, and the release
// drops it there when it does.
#include <cstdlib>

#include <QWidget>

#include "platform/ui/controls.h"

namespace {
// How far the mouse moves before a drag that was not immediate starts.
constexpr int kDragThreshold = 5;

struct TDragOperation {
    TControl* Source = nullptr;
    TPoint Start;   // screen
    TPoint Last;    // screen
    bool Started = false;
    TControl* Target = nullptr;
    bool Accepted = false;
    TCursor Cursor = crDefault;   // the source's own, back after the drag
};
TDragOperation gDrag;

// The control under a screen point in the window of Source.
TControl* ControlAt(const TControl* Source, const TPoint& Screen)
{
    QWidget* top = Source->Widget()->window();
    const QPoint local = top->mapFromGlobal(QPoint(Screen.X, Screen.Y));
    if (!top->rect().contains(local))
        return nullptr;
    QWidget* child = top->childAt(local);
    return FindControl(child ? child : top);
}
} // namespace

void TControl::BeginDrag(bool Immediate)
{
    if (gDrag.Source)
        return;
    const TPoint at = gDrag.Last;
    gDrag = {this, at, at, false, nullptr, false, Cursor()};
    SetCaptureControl(this);
    if (Immediate) {
        gDrag.Started = true;
        DragTo(at);
    }
}

bool TControl::Dragging() const
{
    return gDrag.Source == this;
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept)
{
    Accept = static_cast<bool>(FOnDragOver);
    if (FOnDragOver)
        FOnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y)
{
    if (FOnDragDrop)
        FOnDragDrop(this, Source, X, Y);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y)
{
    if (FOnEndDrag)
        FOnEndDrag(this, Target, X, Y);
}

void TControl::DragTo(const TPoint& Screen)
{
    TControl* source = gDrag.Source;
    TControl* target = ControlAt(source, Screen);
    TControl* const old = gDrag.Target;
    if (old && old != target) {
        const TPoint p = old->ScreenToClient(Screen);
        bool accept = false;
        old->DragOver(source, p.X, p.Y, dsDragLeave, accept);
    }
    gDrag.Target = target;
    gDrag.Accepted = false;
    if (target) {
        const TPoint p = target->ScreenToClient(Screen);
        target->DragOver(source, p.X, p.Y, old == target ? dsDragMove : dsDragEnter, gDrag.Accepted);
    }
    if (gDrag.Source == source)
        source->SetCursor(gDrag.Accepted ? crDrag : crNoDrop);
}

void TControl::EndDrag(bool Drop)
{
    if (gDrag.Source != this)
        return;
    const TDragOperation drag = gDrag;
    gDrag = {};
    gDrag.Last = drag.Last;
    if (GetCaptureControl() == this)
        ReleaseCapture();
    SetCursor(drag.Cursor);
    TControl* target = drag.Started && Drop && drag.Accepted ? drag.Target : nullptr;
    const TPoint p = target ? target->ScreenToClient(drag.Last) : ScreenToClient(drag.Last);
    if (target)
        target->DragDrop(this, p.X, p.Y);
    DoEndDrag(target, p.X, p.Y);
}

bool TControl::DragMouseMessage(const TMessage& Message)
{
    if (Message.Msg == WM_MOUSEMOVE || Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONUP)
        gDrag.Last = ClientToScreen(PointFromLParam(Message.LParam));
    if (gDrag.Source != this)
        return false;
    switch (Message.Msg) {
    case WM_MOUSEMOVE:
        if (!gDrag.Started && std::abs(gDrag.Last.X - gDrag.Start.X) < kDragThreshold &&
            std::abs(gDrag.Last.Y - gDrag.Start.Y) < kDragThreshold)
            return true;
        gDrag.Started = true;
        DragTo(gDrag.Last);
        return true;
    case WM_LBUTTONUP:
        EndDrag(true);
        return true;
    default:
        return false;
    }
}

void TControl::DragControlFreed()
{
    if (gDrag.Target == this)
        gDrag.Target = nullptr;
    if (gDrag.Source == this) {
        const TPoint last = gDrag.Last;
        gDrag = {};
        gDrag.Last = last;
    }
}
