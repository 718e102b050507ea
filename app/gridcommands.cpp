// The main window's grids: the colour of rows with pending changes, and the
// two step commands over the rectangle selected in the steps grid (set the
// delay, switch the channels off).
#include <charconv>
#include <string>

#include "app/fDM.h"
#include "app/fMain.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/selection/dbgridselection.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"

namespace {
// A row the operator changed and has not applied yet.
bool IsPending(const TDataSet* Table)
{
    return Table->UpdateStatus() != usUnmodified;
}

void PaintPending(const TDataSet* Table, TFont* AFont, TColor Colour)
{
    if (IsPending(Table))
        AFont->SetColor(Colour);
}

// A delay the controller's stream carries: a whole number of 1..65535 ms.
bool ParseDelay(const std::string& Text, int& Delay)
{
    const char* const end = Text.data() + Text.size();
    const auto [stop, error] = std::from_chars(Text.data(), end, Delay);
    return error == std::errc() && stop == end && Delay >= 1 && Delay <= 65535;
}

void ShowError(const char* Text)
{
    Application->MessageBox(Text, kMessageCaption, MB_OK | MB_ICONERROR);
}
} // namespace

void TfrmMain::grdSchemesGetCellParams(TObject*, TColumnLt*, TFont* AFont, TColor&, TGridDrawState)
{
    PaintPending(DM->cdsSchemes, AFont, clRed);
}

void TfrmMain::grdLightingGetCellParams(TObject*, TColumnLt*, TFont* AFont, TColor&, TGridDrawState)
{
    PaintPending(DM->cdsLighting, AFont, clBlue);
}

void TfrmMain::grdProgrammGetCellParams(TObject*, TColumnLt*, TFont* AFont, TColor&, TGridDrawState)
{
    PaintPending(DM->cdsProgramm, AFont, clRed);
}

void TfrmMain::grdTimeGetCellParams(TObject*, TColumnLt*, TFont* AFont, TColor&, TGridDrawState)
{
    PaintPending(DM->cdsTime, AFont, clRed);
}

bool TfrmMain::StepsSelected() const
{
    // Only a selected rectangle names the steps to change: rows or columns
    // selected otherwise, or the anchor a plain click leaves, do not; nor
    // does a corner whose step is no longer among the scheme's steps.
    const TDBGridLtSelection* selection = grdLighting->Selection();
    const TClientDataSet* steps = DM->cdsLighting;
    if (selection->SelectionType() == gstRectangle && steps->BookmarkValid(selection->Rect()->TopRow()) &&
        steps->BookmarkValid(selection->Rect()->BottomRow()))
        return true;
    ShowError("Не выделено ни одной записи !");
    return false;
}

void TfrmMain::ForSelectedSteps(const std::function<void()>& Change)
{
    const TDBGridLtSelectionRect* rect = grdLighting->Selection()->Rect();
    TClientDataSet* steps = DM->cdsLighting;
    const std::string bottom = rect->BottomRow();
    const std::string current = steps->Bookmark();
    steps->DisableControls();
    try {
        steps->GotoBookmark(rect->TopRow());
        while (!steps->Eof()) {
            steps->Edit();
            Change();
            if (steps->CompareBookmarks(steps->Bookmark(), bottom) >= 0)
                break;
            steps->Next();
        }
        steps->GotoBookmark(current);
    } catch (...) {
        steps->EnableControls();
        throw;
    }
    steps->EnableControls();
}

void TfrmMain::acLightingSetDelayExecute(TObject*)
{
    if (!StepsSelected())
        return;
    std::string text;
    if (!InputQuery(" Lighting", "Введите новое значение задержки в мс ...", text))
        return;
    int delay = 0;
    try {
        if (!ParseDelay(text, delay))
            throw Exception("not a delay");
        ForSelectedSteps([delay] { DM->cdsLightingFDELAY->SetAsInteger(delay); });
    } catch (const Exception&) {
        ShowError("Ошибка ввода !");
    }
}

void TfrmMain::acLightingCleanExecute(TObject*)
{
    if (StepsSelected())
        ForSelectedSteps([] { DM->SetChannelsOff(); });
}
