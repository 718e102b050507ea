// A new operator's first session on the program's own window with an empty
// database, by mouse and keyboard only: a scheme with its steps, delays and
// channels, a programme row choosing its scheme from the drop-down list, a
// time-table row; saved on closing and all there when the program starts
// again.
#include "tests/app/programtesting.h"

#include <QTest>
#include <QWidget>

#include <algorithm>

#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/editor/dbgridinplaceedit.h"
#include "platform/ui/keys.h"
#include "tests/app/maingridtesting.h"

namespace {

class NewUser : public ProgramTest {
protected:
    // The operator's first click makes the window the active one.
    void SetUp() override
    {
        ProgramTest::SetUp();
        frmMain->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain->Widget()));
    }

    // The main window's widget that has the keyboard: a grid or its editor.
    QWidget* KeyTarget() const
    {
        QWidget* focus = frmMain->Widget()->focusWidget();
        return focus ? focus : frmMain->Widget();
    }
    void Type(const char* Text) { TypeInto(frmMain->Widget(), Text); }
    void Key(Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
    {
        QTest::keyClick(KeyTarget(), Key, Modifiers);
    }

    void Click(TDBGridLt* Grid, int DataCol, int RecNo)
    {
        QTest::mouseClick(Grid->Widget(), Qt::LeftButton, {}, CellCentre(Grid, DataCol, RecNo));
    }
    void DoubleClick(TDBGridLt* Grid, int DataCol, int RecNo)
    {
        QTest::mouseDClick(Grid->Widget(), Qt::LeftButton, {}, CellCentre(Grid, DataCol, RecNo));
    }

    // A new scheme named Name, with its first step.
    void AddScheme(const char* Name)
    {
        PressButton("btnSchemesAdd");
        Click(frmMain->grdSchemes, 0, DM->cdsSchemes->RecNo());
        Type(Name);
        Key(Qt::Key_Return);
    }

    std::vector<std::string> SchemeNames() const
    {
        std::vector<std::string> names;
        for (DM->cdsSchemes->First(); !DM->cdsSchemes->Eof(); DM->cdsSchemes->Next())
            names.push_back(DM->cdsSchemesFNAME->AsString());
        std::sort(names.begin(), names.end());
        return names;
    }

    void GoToScheme(const std::string& Name)
    {
        for (DM->cdsSchemes->First(); !DM->cdsSchemes->Eof(); DM->cdsSchemes->Next())
            if (DM->cdsSchemesFNAME->AsString() == Name)
                return;
        ADD_FAILURE() << "no scheme " << Name;
    }
};

TEST_F(NewUser, BuildsAShowAndFindsItAgainAfterClosing)
{
    ASSERT_TRUE(DM->cdsSchemes->IsEmpty());
    AddScheme("Ёлка");
    PressButton("btnLightingAdd");
    PressButton("btnLightingAdd");
    TDBGridLt* steps = frmMain->grdLighting;
    // Tab leaves the delay for the first channel: the delay typed stays.
    Click(steps, 0, 1);
    Type("250");
    Key(Qt::Key_Tab);
    Click(steps, 0, 2);
    Type("500");
    Key(Qt::Key_Down);
    DoubleClick(steps, 3, 1);
    DoubleClick(steps, 5, 2);
    DoubleClick(steps, 16, 2);
    EXPECT_EQ(Steps(), (std::vector<std::pair<int, int>>{{1, 250}, {2, 500}, {3, 100}}));

    AddScheme("Звезда");
    EXPECT_EQ(DM->cdsSchemesFNAME->AsString(), "Звезда");

    // The new programme row plays the current scheme; the operator picks
    // the other one from the scheme names' list (in the schemes' order),
    // opened by one click on the button the cell shows.
    PressButton("btnProgrammAdd");
    TDBGridLt* programme = frmMain->grdProgramm;
    EXPECT_EQ(DM->cdsProgrammFSCHEMENAME->AsString(), "Звезда");
    const TRect name = DataCellBounds(programme, 0, 1);
    QTest::mouseClick(programme->Widget(), Qt::LeftButton, {}, QPoint(name.Right - 3, (name.Top + name.Bottom) / 2));
    auto* editor = dynamic_cast<TDBGridInplaceEdit*>(programme->InplaceEditor());
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->ListShown());
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_FALSE(editor->ListShown());
    EXPECT_EQ(editor->Text(), "Ёлка");
    Key(Qt::Key_Tab);
    Type("3");
    Key(Qt::Key_Return);

    PressButton("btnTimeAdd");
    Click(frmMain->grdTime, 0, 1);
    for (const char* value : {"7", "30", "22", "15"}) {
        Type(value);
        Key(Qt::Key_Tab);
    }

    Answer = IDYES;
    PressButton("btnExit");
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text, "Сохранить все изменения ?");
    EXPECT_TRUE(Application->Terminated());

    RestartProgram();
    EXPECT_EQ(SchemeNames(), (std::vector<std::string>{"Ёлка", "Звезда"}));
    GoToScheme("Ёлка");
    EXPECT_EQ(Steps(), (std::vector<std::pair<int, int>>{{1, 250}, {2, 500}, {3, 100}}));
    EXPECT_EQ(StepChannels(), (std::vector<std::string>{"0010000000000000", "0000100000000001",
                                                       "0000000000000000"}));
    ASSERT_EQ(DM->cdsProgramm->RecordCount(), 1);
    EXPECT_EQ(DM->cdsProgrammFSCHEMENAME->AsString(), "Ёлка");
    EXPECT_EQ(DM->cdsProgrammFCOUNT->AsInteger(), 3);
    ASSERT_EQ(DM->cdsTime->RecordCount(), 1);
    EXPECT_EQ(DM->cdsTimeFONHOUR->AsInteger(), 7);
    EXPECT_EQ(DM->cdsTimeFONMINUTE->AsInteger(), 30);
    EXPECT_EQ(DM->cdsTimeFTOHOUR->AsInteger(), 22);
    EXPECT_EQ(DM->cdsTimeFTOMINUTE->AsInteger(), 15);
}

} // namespace
