// The data grid's ways into the filter row, the find dialog and a column's
// popup menu: Up on the first record and clicks on filter cells, Ctrl+F
// with the incremental search and the find dialog, right clicks on columns
// with a menu of their own.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "dbgrid/filter/dbgridltfinddlg.h"
#include "platform/ui/menus.h"
#include "tests/dbgrid/core/dbgridinputtesting.h"
#include "tests/dbgrid/filter/filtergrid.h"

namespace {
constexpr int kName = 2;
} // namespace

TEST(DBGridFilterRowGestures, UpFromTheFirstRecordOpensTheFilterEditor)
{
    struct TCase {
        const char* Name;
        int RecNo;
        Qt::KeyboardModifiers Modifiers;
        bool NameFilterShown;
        bool RowShown;
        int EditedColumn;   // -1: the editor stays closed
        int RecNoAfter;
    };
    const TCase cases[] = {
        {"Up on the first record", 1, Qt::NoModifier, true, true, kName, 1},
        {"Up further down moves up", 3, Qt::NoModifier, true, true, -1, 2},
        {"Ctrl+Up anywhere", 3, Qt::ControlModifier, true, true, kName, 3},
        {"the next column with a filter", 1, Qt::NoModifier, false, true, kName + 1, 1},
        {"no filter row", 1, Qt::NoModifier, true, false, -1, 1},
    };
    for (const TCase& c : cases) {
        TFilterGrid f;
        f.Grid->STFilter()->SetVisible(c.RowShown);
        f.Column(kName)->STFilter()->SetVisible(c.NameFilterShown);
        f.Grid->SetSelectedIndex(kName);
        f.Table->SetRecNo(c.RecNo);
        f.Key(VK_UP, c.Modifiers);
        const TColumnLt* edited = f.Grid->FilterEditColumn();
        EXPECT_EQ(edited ? edited->Index() : -1, c.EditedColumn) << c.Name;
        EXPECT_EQ(f.Table->RecNo(), c.RecNoAfter) << c.Name;
        if (edited) {
            EXPECT_TRUE(f.Editor()->Focused()) << c.Name;
        }
    }
}

TEST(DBGridFilterRowGestures, AClickOnAFilterCellOpensItsEditor)
{
    TFilterGrid f;
    std::vector<TColumnLt*> titleClicks;
    f.Grid->SetOnTitleClick([&](TColumnLt* Column) { titleClicks.push_back(Column); });
    f.Column(kName)->STFilter()->SetFilterText("Схема 2");
    const auto centre = [&](int DataCol) {
        const TRect r = f.Grid->CellBounds(f.Grid->DataToRawColumn(DataCol), f.Grid->FilterRow());
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    };
    QTest::mouseClick(f.Grid->Widget(), Qt::LeftButton, Qt::NoModifier, centre(kName));
    ASSERT_EQ(f.Grid->FilterEditColumn(), f.Column(kName));
    EXPECT_EQ(f.Editor()->Text(), "Схема 2");
    EXPECT_TRUE(f.Editor()->Focused());
    EXPECT_TRUE(titleClicks.empty()) << "a filter cell is not a title";

    // Another filter cell takes the editor over; a column without a
    // visible filter offers none.
    QTest::mouseClick(f.Grid->Widget(), Qt::LeftButton, Qt::NoModifier, centre(1));
    EXPECT_EQ(f.Grid->FilterEditColumn(), f.Column(1));
    EXPECT_EQ(f.Column(kName)->STFilter()->FilterText(), "Схема 2");
    f.Grid->HideFilterEditor();
    f.Column(3)->STFilter()->SetVisible(false);
    QTest::mouseClick(f.Grid->Widget(), Qt::LeftButton, Qt::NoModifier, centre(3));
    EXPECT_EQ(f.Grid->FilterEditColumn(), nullptr);
}

namespace {
struct TFindGrid : TInputStepsGrid {
    explicit TFindGrid(TDBGridLtOptions Options)
    {
        Grid->SetOptionsLt(Grid->OptionsLt() - TDBGridLtOptions{dghIncSearch, dghDialogFind} + Options);
        Grid->SetSelectedIndex(kName);
        Column(kName)->SetReadOnly(true);
    }
    ~TFindGrid() { delete DBGridLtFindDlg(); }
};

bool FindDialogShown()
{
    return DBGridLtFindDlg() && DBGridLtFindDlg()->Visible();
}
} // namespace

TEST(DBGridFind, CtrlFStartsTheSearchOrOpensTheFindDialog)
{
    {
        TFindGrid f({dghIncSearch});
        f.Key('F', Qt::ControlModifier);
        EXPECT_TRUE(f.Grid->InplaceSearching());
        f.Grid->StartInplaceSearch("схема 3", 0, ltdAllLt);
        EXPECT_EQ(f.Fid->AsInteger(), 3);
        // Without the find dialog a second Ctrl+F changes nothing.
        f.Key('F', Qt::ControlModifier);
        EXPECT_TRUE(f.Grid->InplaceSearching());
        EXPECT_FALSE(FindDialogShown());
    }
    {
        // From a running search the dialog takes over its text.
        TFindGrid f({dghIncSearch, dghDialogFind});
        f.Key('F', Qt::ControlModifier);
        f.Grid->StartInplaceSearch("схема 4", 0, ltdAllLt);
        f.Key('F', Qt::ControlModifier);
        EXPECT_FALSE(f.Grid->InplaceSearching());
        ASSERT_TRUE(FindDialogShown());
        EXPECT_EQ(DBGridLtFindDlg()->cbText->Text(), "Схема 4");
        EXPECT_EQ(DBGridLtFindDlg()->cbFindIn->ItemIndex(), kName);
    }
    {
        TFindGrid f({dghDialogFind});
        f.Key('F', Qt::ControlModifier);
        EXPECT_FALSE(f.Grid->InplaceSearching());
        ASSERT_TRUE(FindDialogShown());
        EXPECT_EQ(DBGridLtFindDlg()->cbText->Text(), "");
    }
    {
        TFindGrid f({});
        f.Key('F', Qt::ControlModifier);
        EXPECT_FALSE(f.Grid->InplaceSearching());
        EXPECT_FALSE(FindDialogShown());
    }
}

namespace {
// Records where a popup menu would have shown.
struct TPopupSeen {
    TPopupSeen()
    {
        TPopupMenu::SetPopupHook([this](TPopupMenu* Menu, int X, int Y) {
            Menus.push_back(Menu);
            At = QPoint(X, Y);
            return nullptr;
        });
    }
    ~TPopupSeen() { TPopupMenu::SetPopupHook(nullptr); }
    std::vector<TPopupMenu*> Menus;
    QPoint At;
};
} // namespace

TEST(DBGridColumnPopup, ARightClickOnAColumnPopsItsMenuAtTheMouse)
{
    TInputStepsGrid f;
    auto* menu = new TPopupMenu(f.Form.get());
    f.Column(kName)->SetPopupMenu(menu);
    const int raw = f.Grid->DataToRawColumn(kName);
    struct TCase {
        const char* Name;
        QPoint At;
        bool AutoPopup;
        bool Shown;
    };
    const TCase cases[] = {
        {"data cell", f.Centre(raw, 2), true, true},
        {"title", f.Centre(raw, 0), true, true},
        {"AutoPopup off", f.Centre(raw, 2), false, false},
        {"a column without a menu", f.Centre(raw - 1, 2), true, false},
    };
    for (const TCase& c : cases) {
        menu->SetAutoPopup(c.AutoPopup);
        TPopupSeen seen;
        QTest::mouseClick(f.Grid->Widget(), Qt::RightButton, Qt::NoModifier, c.At);
        EXPECT_EQ(seen.Menus, c.Shown ? std::vector<TPopupMenu*>{menu} : std::vector<TPopupMenu*>{}) << c.Name;
        if (c.Shown) {
            EXPECT_EQ(seen.At, f.Grid->Widget()->mapToGlobal(c.At)) << c.Name;
            EXPECT_EQ(menu->PopupComponent(), f.Grid) << c.Name;
        }
    }
    // A left click shows nothing; a freed menu leaves the column.
    TPopupSeen seen;
    f.Click(f.Centre(raw, 2));
    EXPECT_TRUE(seen.Menus.empty());
    delete menu;
    EXPECT_EQ(f.Column(kName)->PopupMenu(), nullptr);
}
