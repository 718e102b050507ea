#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "dbcontrols/dbcheckboxlt.h"
#include "dbcontrols/dbcombobox.h"
#include "dbgrid/filter/dbgridltfinddlg.h"
#include "platform/ui/keys.h"
#include "platform/ui/messages.h"
#include "tests/dbgrid/core/dbgridtesting.h"
#include "tests/dbgrid/filter/locategrid.h"

namespace {
// The locate grid as the dialog sees it; every search is recorded.
class TFindGrid : public TLocateGrid, public IFindDialogGridLt {
public:
    struct TSearch {
        std::string FieldName;
        int Matching;
        int Direction;
        unsigned Options;
        std::string Text;
    };

    TComponent* GridComponent() override { return Owner.get(); }
    TDataSet* FindDataSet() const override { return Table; }
    std::vector<TFindColumnLt> FindColumns() const override
    {
        std::vector<TFindColumnLt> columns;
        for (TField* field : Columns)
            columns.push_back({"Title " + field->FieldName(), field, field->FieldName()});
        return columns;
    }
    TObject* CurrentFindColumn() const override { return Columns[static_cast<std::size_t>(Current)]; }
    bool LocateText(const std::string& FieldName, const Variant& TreeFindRange, int Matching, int Direction,
                    unsigned Options, const std::string& Text) override
    {
        Searches.push_back({FieldName, Matching, Direction, Options, Text});
        return LocateTextInDataSet(this, FieldName, TreeFindRange, Matching, Direction, Options, Text);
    }

    std::vector<TSearch> Searches;
};

class FindDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        Grid.Add(1, "Alpha", "Moscow", 1);
        Grid.Add(2, "beta", "Kazan", 2);
        Grid.Add(3, "gamma", "moscow", 3);
        Grid.Current = 2;
        Dialog = std::make_unique<TDBGridLtFindDlg>(nullptr);
        Dialog->Execute(&Grid, "moscow", false, {}, "");
    }

    void SetDirection(const std::string& Text)
    {
        Dialog->cbFindDirection->SetText(Text);
    }

    TFindGrid Grid;
    std::unique_ptr<TDBGridLtFindDlg> Dialog;
};

TEST_F(FindDialog, OffersTheGridsColumnsAndAll)
{
    EXPECT_EQ(Dialog->Caption(), "Поиск");
    EXPECT_TRUE(Dialog->Visible());
    TStrings* items = Dialog->cbFindIn->Items();
    ASSERT_EQ(items->Count(), 5);
    EXPECT_EQ(items->Strings(0), "Title FID");
    EXPECT_EQ(items->Strings(4), "<All>");
    EXPECT_EQ(Dialog->cbFindIn->ItemIndex(), 2) << "the grid's current column";
    EXPECT_EQ(Dialog->cbText->Text(), "moscow");
    EXPECT_EQ(Dialog->cbFindDirection->Text(), "Все");
    EXPECT_FALSE(Dialog->cbCharCase->Checked());
    EXPECT_TRUE(Dialog->cbUseFormat->Checked());
    EXPECT_FALSE(Dialog->dbcTreeFindRange->Visible()) << "no tree dataset";
    EXPECT_EQ(Dialog->ClientHeight(), Dialog->dbcTreeFindRange->Top());
}

TEST_F(FindDialog, DirectionsAndOptionsReachTheSearch)
{
    Dialog->bFindClick(nullptr);
    Dialog->bFindClick(nullptr);
    SetDirection("Вверх");
    Dialog->bFindClick(nullptr);
    SetDirection("Вниз");
    Dialog->cbCharCase->SetChecked(true);
    Dialog->cbUseFormat->SetChecked(false);
    Dialog->cbFindIn->SetItemIndex(4);
    Dialog->bFindClick(nullptr);
    ASSERT_EQ(Grid.Searches.size(), 4u);
    const auto& s = Grid.Searches;
    EXPECT_EQ(s[0].Direction, ltdAllLt) << "the first search covers everything";
    EXPECT_EQ(s[1].Direction, ltdDownLt) << "after a find, all goes on downward";
    EXPECT_EQ(s[2].Direction, ltdUpLt);
    EXPECT_EQ(s[3].Direction, ltdDownLt);
    EXPECT_EQ(s[0].Options, ltoCaseInsensitiveLt | ltoUseFormatLt);
    EXPECT_EQ(s[0].FieldName, "FCITY");
    EXPECT_EQ(s[3].Options, ltoAllColumnsLt);
    EXPECT_EQ(s[3].FieldName, "");
    EXPECT_EQ(s[0].Text, "moscow");
    EXPECT_EQ(Dialog->cbText->Items()->Count(), 1) << "the pattern went into the history once";
}

TEST_F(FindDialog, CtrlReversesTheDirection)
{
    QTest::keyPress(Dialog->bFind->Widget(), Qt::Key_Control, Qt::ControlModifier);
    ASSERT_TRUE(KeyboardShiftState().Contains(ssCtrl));
    Dialog->bFindClick(nullptr);
    SetDirection("Вверх");
    Dialog->bFindClick(nullptr);
    QTest::keyRelease(Dialog->bFind->Widget(), Qt::Key_Control, Qt::NoModifier);
    ASSERT_EQ(Grid.Searches.size(), 2u);
    EXPECT_EQ(Grid.Searches[0].Direction, ltdUpLt) << "all becomes up";
    EXPECT_EQ(Grid.Searches[1].Direction, ltdDownLt) << "up becomes down";
}

TEST_F(FindDialog, FindNextWalksTheMatchesAndAChangeStartsAgain)
{
    std::vector<int> found;
    for (int i = 0; i < 3; ++i) {
        Dialog->bFindClick(nullptr);
        found.push_back(Grid.Id->AsInteger());
    }
    EXPECT_EQ(found, (std::vector<int>{1, 3, 3})) << "all, then downward to the end";
    EXPECT_FALSE(Dialog->FirstTry());
    Dialog->cbText->SetText("kazan");
    EXPECT_TRUE(Dialog->FirstTry());
    Dialog->bFindClick(nullptr);
    EXPECT_EQ(Grid.Searches.back().Direction, ltdAllLt);
    EXPECT_EQ(Grid.Id->AsInteger(), 2);
}

TEST_F(FindDialog, EnterFindsAndEscapeClosesTheModelessDialog)
{
    unsigned key = VK_RETURN;
    Dialog->FormKeyDown(Dialog.get(), key, {});
    EXPECT_EQ(Grid.Searches.size(), 1u);
    key = VK_ESCAPE;
    Dialog->FormKeyDown(Dialog.get(), key, {});
    EXPECT_FALSE(Dialog->Visible());
}

TEST_F(FindDialog, LooksAsLaidOut)
{
    QApplication::processEvents();
    const QImage image = Dialog->Widget()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 467);
    const QString path = qEnvironmentVariable("LIGHTING_FIND_DIALOG_PNG");
    if (!path.isEmpty())
        image.save(path);
    // The buttons' faces are lighter than the form between them.
    const QColor face = image.pixelColor(Dialog->bFind->Left() + 5, Dialog->bFind->Top() + 5);
    const QColor form = image.pixelColor(Dialog->bFind->Left() - 4, Dialog->bFind->Top() + 5);
    EXPECT_NE(face, form);
}

TEST(OpenFindDialog, MakesOneDialogAndReusesIt)
{
    TFindGrid grid;
    grid.Add(1, "a", "b", 1);
    OpenDBGridLtFindDlg(&grid, "x", "", {{"Only", grid.Name, "FNAME"}}, false);
    TDBGridLtFindDlg* dialog = DBGridLtFindDlg();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->cbFindIn->Items()->Count(), 2) << "the caller's columns and <All>";
    EXPECT_EQ(dialog->cbFindIn->ItemIndex(), 1) << "the grid's column is not offered: <All>";
    OpenDBGridLtFindDlg(&grid, "y", "", {}, false);
    EXPECT_EQ(DBGridLtFindDlg(), dialog);
    EXPECT_EQ(dialog->cbText->Text(), "y");
    delete dialog;
    EXPECT_EQ(DBGridLtFindDlg(), nullptr);
}
TEST(OpenFindDialog, ForgetsAFreedGridAndCloses)
{
    auto steps = std::make_unique<TStepsGrid>();
    steps->Grid->SetSelectedIndex(2);
    OpenDBGridLtFindDlg(steps->Grid, "Схема 3", "", {}, false);
    TDBGridLtFindDlg* dialog = DBGridLtFindDlg();
    ASSERT_NE(dialog, nullptr);
    dialog->bFindClick(nullptr);
    EXPECT_EQ(steps->Table->RecNo(), 3);

    steps.reset();
    EXPECT_FALSE(dialog->Visible());
    dialog->bFindClick(nullptr);   // "Найти далее" with no grid: nothing to search
    unsigned key = VK_RETURN;
    dialog->FormKeyDown(dialog, key, {});

    TStepsGrid other;
    other.Grid->SetSelectedIndex(2);
    OpenDBGridLtFindDlg(other.Grid, "Схема 2", "", {}, false);
    EXPECT_TRUE(dialog->Visible());
    dialog->bFindClick(nullptr);
    EXPECT_EQ(other.Table->RecNo(), 2);
    delete dialog;
}
} // namespace
