// The main window's grids follow their scroll bar's thumb while the
// operator drags it, before the mouse button is let go.
#include "tests/app/programtesting.h"

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <string>

#include "dbgrid/core/dbgridlt.h"

namespace {

class ThumbTracking : public ProgramTest {
protected:
    static constexpr int kRows = 40;

    // 40 schemes, the first with 40 steps; 40 programme and time rows.
    void SetUp() override
    {
        ProgramTest::SetUp();
        std::vector<std::pair<int, int>> schemes{{1, kRows}};
        for (int id = 2; id <= kRows; ++id)
            schemes.emplace_back(id, 1);
        MakeSchemes(schemes);
        for (int id = 1; id <= kRows; ++id) {
            DM->cdsProgramm->Append();
            DM->cdsProgrammFID->SetAsInteger(id);
            DM->cdsProgrammFSCHEME->SetAsInteger(1);
            DM->cdsProgrammFCOUNT->SetAsInteger(1);
            DM->cdsProgramm->Post();
            DM->cdsTime->Append();
            DM->cdsTimeFID->SetAsInteger(id);
            DM->cdsTimeFONHOUR->SetAsInteger(id % 24);
            DM->cdsTime->Post();
        }
        DM->cdsProgramm->ApplyUpdates(-1);
        DM->cdsTime->ApplyUpdates(-1);
        frmMain->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain->Widget()));
    }
};

// The thumb's place on the bar.
QRect ThumbOf(const QScrollBar& Bar)
{
    QStyleOptionSlider option;
    option.initFrom(&Bar);
    option.subControls = QStyle::SC_All;
    option.orientation = Bar.orientation();
    option.minimum = Bar.minimum();
    option.maximum = Bar.maximum();
    option.sliderPosition = Bar.sliderPosition();
    option.sliderValue = Bar.value();
    option.singleStep = Bar.singleStep();
    option.pageStep = Bar.pageStep();
    return Bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &Bar);
}

TEST_F(ThumbTracking, EachGridMovesItsTableWhileTheThumbIsDragged)
{
    struct TCase {
        const char* Name;
        TDBGridLt* Grid;
        TDataSet* Table;
    };
    const TCase cases[] = {
        {"schemes", frmMain->grdSchemes, DM->cdsSchemes},
        {"steps", frmMain->grdLighting, DM->cdsLighting},
        {"programme", frmMain->grdProgramm, DM->cdsProgramm},
        {"time", frmMain->grdTime, DM->cdsTime},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        // The steps shown are those of the first scheme.
        DM->cdsSchemes->First();
        c.Table->First();
        EXPECT_TRUE(c.Grid->VertScrollBar()->Tracking());
        TScrollBar* control = c.Grid->VertScrollBarControl();
        ASSERT_TRUE(control && control->Visible());
        auto* bar = static_cast<QScrollBar*>(control->Widget());
        const QRect thumb = ThumbOf(*bar);
        ASSERT_TRUE(thumb.isValid());
        const QPoint to = thumb.center() + QPoint(0, bar->height() / 3);
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
        QTest::mouseMove(bar, to);
        const int whileHeld = c.Table->RecNo();
        QTest::mouseRelease(bar, Qt::LeftButton, {}, to);
        EXPECT_GT(whileHeld, 5) << "the table follows the thumb before the button is let go";
        EXPECT_EQ(c.Table->RecNo(), whileHeld) << "the release moves nothing more";
    }
}

} // namespace
