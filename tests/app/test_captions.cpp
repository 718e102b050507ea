// Every caption of the program's windows reads whole at the fonts the
// program uses.
#include "dbcontrols/popupcalculatorlt.h"
#include "tests/app/captionfit.h"
#include "tests/app/programmingtesting.h"
#include "tests/support/ptypeer.h"

namespace {

TEST_F(ProgramTest, TheMainWindowSplashAndAboutShowEveryCaptionWhole)
{
    EXPECT_EQ(Describe(ClippedCaptions(*frmMain)), "");
    EXPECT_EQ(Describe(ClippedCaptions(*frmSplash)), "");

    bool looked = false;
    QTimer::singleShot(0, [&] {
        looked = frmSplash && frmSplash->Modal() && frmSplash->lblOk->Visible();
        if (frmSplash) {
            EXPECT_EQ(Describe(ClippedCaptions(*frmSplash)), "");
            frmSplash->Close();
        }
    });
    frmMain->acAbout->Execute();
    EXPECT_TRUE(looked);
}

TEST_F(ProgrammingTest, TheProgrammingWindowShowsEveryCaptionWhole)
{
    TPtyPeer port;
    SetPorts({port.SlavePath()});
    const bool shown = RunCommand([](TfrmProgramm& window) {
        EXPECT_EQ(Describe(ClippedCaptions(window)), "");
    });
    EXPECT_TRUE(shown);
}

TEST_F(ProgramTest, TheCalculatorShowsEveryCaptionWhole)
{
    auto calculator = std::make_unique<TPopupCalculatorLt>(nullptr);
    calculator->Show();
    for (const bool flat : {true, false}) {
        calculator->SetFlat(flat);
        EXPECT_EQ(Describe(ClippedCaptions(*calculator)), "") << (flat ? "flat" : "raised");
    }
}

} // namespace
