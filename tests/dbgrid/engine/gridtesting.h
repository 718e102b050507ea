#pragma once
// A grid that records every cell it is asked to draw, and a form to show it
// on, for the grid engine's tests.
#include <memory>
#include <vector>

#include "dbgrid/engine/customgridlt.h"
#include "tests/platform/ui/controltesting.h"

struct TDrawnCell {
    int Col = 0;
    int Row = 0;
    TRect Rect;
    TGridDrawState State;
};

class TRecordingGrid : public TCustomGridLt {
public:
    explicit TRecordingGrid(TComponent* AOwner) : TCustomGridLt(AOwner) {}

    std::vector<TDrawnCell> Drawn;
    // What the canvas brush held when each cell was handed over.
    std::vector<TColor> Backgrounds;

    using TCustomGridLt::FEditorMode;
    using TCustomGridLt::SetFrozenCols;
    using TCustomGridLt::SetFrozenRows;

    // The cells drawn by one painting of the whole grid.
    std::vector<TDrawnCell> PaintNow()
    {
        Drawn.clear();
        Backgrounds.clear();
        LastImage = Grab(*this);
        return Drawn;
    }
    QImage LastImage;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override
    {
        Drawn.push_back({ACol, ARow, ARect, AState});
        Backgrounds.push_back(Canvas()->Brush()->Color());
    }
};

// A shown form holding a grid of the given size, with no border.
struct TGridOnForm {
    std::unique_ptr<TForm> Form;
    TRecordingGrid* Grid = nullptr;

    TGridOnForm(int Width, int Height)
    {
        TestApplication();
        Form = std::make_unique<TForm>(nullptr);
        Grid = new TRecordingGrid(Form.get());
        Grid->SetBorderStyle(bsNone);
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, Width, Height);
        ShowForm(*Form, Width + 20, Height + 20);
    }
};
