// Leaving a grid of the main window while its cell editor has the keyboard:
// the editor closes and what was typed stays in the record.
#include "tests/app/programtesting.h"

#include <QTest>
#include <QWidget>

#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/engine/inplaceedit.h"
#include "tests/app/maingridtesting.h"

namespace {

class LeavingGrids : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        MakeSchemes({{1, 4}});
        DM->cdsSchemes->First();
        DM->cdsLighting->First();
        frmMain->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain->Widget()));
    }
};

TEST_F(LeavingGrids, AClickOnTheTimeGridClosesTheDelayEditorAndKeepsTheTypedDelay)
{
    TDBGridLt* steps = frmMain->grdLighting;
    QTest::mouseClick(steps->Widget(), Qt::LeftButton, {}, CellCentre(steps, 0, 2));
    TypeInto(frmMain->Widget(), "777");
    TInplaceEdit* editor = steps->InplaceEditor();
    ASSERT_TRUE(editor && editor->Visible());
    ASSERT_TRUE(editor->Focused());
    ASSERT_EQ(editor->Text(), "777");

    TDBGridLt* times = frmMain->grdTime;
    QTest::mouseClick(times->Widget(), Qt::LeftButton, {}, QPoint(times->Width() / 2, times->Height() / 2));
    EXPECT_TRUE(times->Focused());
    EXPECT_FALSE(editor->Visible()) << "no editor stays over the grid the operator left";
    // Read where the step stands: moving the steps table would take the
    // editor's text on its own.
    EXPECT_EQ(DM->cdsLighting->RecNo(), 2);
    EXPECT_EQ(DM->cdsLightingFDELAY->AsInteger(), 777);
    EXPECT_TRUE(Asked.empty()) << Asked.front().Text;
    EXPECT_EQ(Steps()[1].second, 777);
}

} // namespace
