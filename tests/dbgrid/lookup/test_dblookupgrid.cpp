// The lookup grid on client tables: binding the list and the key, the
// incremental search, the special row, heights of whole rows, the keys that
// move the selection, writing the chosen key into the master field, and how
// the selected row and the special row are painted.
#include <gtest/gtest.h>

#include <QImage>

#include "dbgrid/core/columnlt.h"
#include "platform/rtl/strutils.h"
#include "tests/dbgrid/lookup/lookupgridtesting.h"

namespace {
const std::vector<std::string> kNames{"Alpha", "album", "Beta", "bravo", "Борис", "борщ", std::string(40, 'z')};

class LookupGrid : public ::testing::Test {
protected:
    void SetUp() override
    {
        TDBLookupGridLt::SetSearchClock([this] { return Now; });
        F = std::make_unique<TLookupGridFixture<TDBLookupGridLt>>(kNames);
    }
    void TearDown() override
    {
        F.reset();
        TDBLookupGridLt::SetSearchClock(nullptr);
    }

    TDBLookupGridLt& Grid() const { return *F->Grid; }

    std::unique_ptr<TLookupGridFixture<TDBLookupGridLt>> F;
    uint32_t Now = 100000;
};
} // namespace

TEST_F(LookupGrid, ShowsTheListFieldAndSelectsByKey)
{
    F->BindList();
    ASSERT_TRUE(Grid().ListActive());
    EXPECT_EQ(Grid().Columns()->Count(), 1) << "only the list field is shown";
    EXPECT_EQ(Grid().Columns()->Items(0)->FieldName(), "FNAME");
    EXPECT_TRUE(Grid().SelectedKey().IsNull());
    EXPECT_EQ(Grid().SelectedText(), "");

    Grid().SetSelectedKey(Variant(4));
    EXPECT_EQ(Grid().SelectedText(), "bravo");
    EXPECT_EQ(F->SchemeId->AsInteger(), 4) << "the list stands on the key's row";
    Grid().SetSelectedKey(Variant(99));
    EXPECT_EQ(Grid().SelectedText(), "") << "a key not in the list selects nothing";
}

TEST(LookupGridEmpty, AnEmptyListRaisesNothingAndItsRowIsCurrent)
{
    TLookupGridFixture<TDBLookupGridLt> f({});
    EXPECT_NO_THROW(f.BindList());
    EXPECT_NO_THROW(f.BindLookupField());
    EXPECT_EQ(f.Grid->Row(), f.Grid->FixedRows());
    EXPECT_EQ(f.Grid->SelectedText(), "");
}

TEST_F(LookupGrid, RefusesUnknownFieldsCircularLinksAndListSettingsOfALookupField)
{
    F->BindList();
    try {
        Grid().SetListField("FNAME;NOPE");
        FAIL() << "an unknown list field was taken";
    } catch (const EDatabaseError& e) {
        EXPECT_NE(std::string(e.Message()).find("Field 'FNAME;NOPE' not found"), std::string::npos) << e.Message();
    }
    Grid().SetListField("FNAME");

    EXPECT_THROW(
        {
            Grid().SetDataSource(F->SchemesSource);
            Grid().SetDataField("FSCHEME");
        },
        EDatabaseError);
    Grid().SetDataField("");
    Grid().SetDataSource(nullptr);

    F->BindLookupField();
    ASSERT_TRUE(Grid().LookupMode());
    EXPECT_THROW(Grid().SetKeyField("FNAME"), EDatabaseError);
    EXPECT_THROW(Grid().SetListSource(F->ProgrammSource), EDatabaseError);
}

struct TSearchCase {
    const char* Name;
    std::u32string Keys;
    std::vector<uint32_t> Times;   // after the first key
    const char* Selected;
    std::u32string Text;
};

class LookupGridSearch : public LookupGrid, public ::testing::WithParamInterface<TSearchCase> {};

TEST_P(LookupGridSearch, SelectsTheFirstNameStartingWithTheTypedText)
{
    const TSearchCase& c = GetParam();
    F->BindList();
    for (std::size_t i = 0; i < c.Keys.size(); ++i) {
        Now = 100000 + (i == 0 ? 0 : c.Times[i - 1]);
        F->Type(c.Keys[i]);
    }
    EXPECT_EQ(Grid().SelectedText(), c.Selected);
    EXPECT_EQ(Grid().SearchText(), Utf32ToUtf8(c.Text));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LookupGridSearch,
    ::testing::Values(TSearchCase{"TwoQuickLettersAnyCase", U"AL", {100}, "Alpha", U"AL"},
                      TSearchCase{"ThirdLetterNarrows", U"alb", {100, 200}, "album", U"alb"},
                      TSearchCase{"TwoSecondsIsStillQuick", U"ab", {2000}, "Alpha", U"a"},
                      TSearchCase{"PauseStartsANewSearch", U"ab", {2001}, "Beta", U"b"},
                      TSearchCase{"CyrillicAnyCase", U"БОРЩ", {1, 2, 3}, "борщ", U"БОРЩ"},
                      TSearchCase{"NoMatchKeepsTheRow", U"bx", {1}, "Beta", U"b"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(LookupGrid, SearchTextStopsAtThirtyTwoCharacters)
{
    F->BindList();
    for (int i = 0; i < 34; ++i) {
        Now = 100000 + static_cast<uint32_t>(i);
        F->Type(U'Z');
    }
    EXPECT_EQ(Grid().SearchText(), std::string(32, 'Z'));
    EXPECT_EQ(Grid().SelectedKey(), Variant(7));
}

TEST_F(LookupGrid, SpecialRowStandsForItsValue)
{
    F->BindList();
    F->ShowSpecRow("<нет>");
    EXPECT_TRUE(Grid().SpecRowSelected()) << "Null is the special row's value";
    EXPECT_EQ(Grid().SelectedText(), "<нет>");

    Grid().SetSelectedKey(Variant(3));
    EXPECT_FALSE(Grid().SpecRowSelected());
    EXPECT_EQ(Grid().SelectedText(), "Beta");

    Grid().SetSelectedKey(Variant(42));
    EXPECT_TRUE(Grid().SpecRowSelected()) << "a key not in the list shows as the special row";
    Grid().SpecRow()->SetShowIfNotInKeyList(false);
    Grid().SetSelectedKey(Variant(43));
    EXPECT_FALSE(Grid().SpecRowSelected());

    Grid().SpecRow()->SetValue(Variant(0));
    Grid().SetSelectedKey(Variant(0));
    EXPECT_TRUE(Grid().SpecRowSelected());
    EXPECT_EQ(Grid().SelectedText(), "<нет>");
}

TEST_F(LookupGrid, PaintsTheSelectedRowAndTheSpecialRowHighlighted)
{
    F->BindList();
    F->ShowSpecRow("<нет>");
    Grid().SetSelectedKey(Variant(2));
    const int specRow = Grid().TitleRowCount() - 1;
    const int albumRow = Grid().TitleRowCount() + 1;
    ASSERT_EQ(F->SchemeName->AsString(), "album");
    QImage image = Grab(Grid());
    image.save("lookupgrid_key.png");
    const auto highlighted = [&](const QImage& Image, int Row) {
        const TRect r = Grid().CellBounds(0, Row);
        return PixelColor(Image, r.Left + 1, (r.Top + r.Bottom) / 2) == ColorToRGB(clHighlight);
    };
    EXPECT_TRUE(highlighted(image, albumRow));
    EXPECT_FALSE(highlighted(image, specRow));
    EXPECT_FALSE(highlighted(image, albumRow + 1));

    Grid().SetSelectedKey(Variant::Null());
    image = Grab(Grid());
    image.save("lookupgrid_specrow.png");
    EXPECT_TRUE(highlighted(image, specRow));
    EXPECT_FALSE(highlighted(image, albumRow));
    const TRect spec = Grid().CellBounds(0, specRow);
    EXPECT_TRUE(Shows(image.copy(spec.Left, spec.Top, spec.Width(), spec.Height()), clHighlightText, 10))
        << "the special row's text";
}

struct THeightCase {
    const char* Name;
    bool Titles;
    bool SpecRow;
    bool RowLines;
};

class LookupGridHeight : public LookupGrid, public ::testing::WithParamInterface<THeightCase> {};

TEST_P(LookupGridHeight, HoldsWholeRows)
{
    const THeightCase& c = GetParam();
    F->BindList();
    Grid().SetShowTitles(c.Titles);
    if (c.SpecRow)
        F->ShowSpecRow("-");
    if (c.RowLines)
        Grid().SetOptions({dlgColLinesLt, dlgRowLinesLt});
    Grid().SetRowCount(3);
    const int threeRows = Grid().Height();
    Grid().SetRowCount(4);
    const int pitch = Grid().Height() - threeRows;
    ASSERT_GT(pitch, 0);
    const int fixedAndBorder = threeRows - 3 * pitch;

    Grid().SetBounds(10, 10, 200, fixedAndBorder + 5 * pitch + pitch / 2);
    EXPECT_EQ(Grid().RowCount(), 5);
    EXPECT_EQ(Grid().Height(), fixedAndBorder + 5 * pitch);
    EXPECT_EQ(Grid().DataLink()->BufferCount(), 5) << "the data link shows the rows that fit";
    Grid().SetBounds(10, 10, 200, 1);
    EXPECT_EQ(Grid().RowCount(), 1);
    EXPECT_EQ(Grid().Height(), fixedAndBorder + pitch);

    Grid().SetRowCount(150);
    EXPECT_EQ(Grid().RowCount(), 100);
    EXPECT_EQ(Grid().Height(), fixedAndBorder + 100 * pitch);
    Grid().SetRowCount(0);
    EXPECT_EQ(Grid().RowCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Layouts, LookupGridHeight,
                         ::testing::Values(THeightCase{"Plain", false, false, false},
                                           THeightCase{"Titles", true, false, false},
                                           THeightCase{"SpecialRow", false, true, false},
                                           THeightCase{"TitlesSpecialRowAndLines", true, true, true}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(LookupGrid, ShowingTheSpecialRowKeepsTheRowCount)
{
    F->BindList();
    Grid().SetRowCount(4);
    const int before = Grid().Height();
    F->ShowSpecRow("-");
    EXPECT_EQ(Grid().RowCount(), 4);
    EXPECT_EQ(Grid().Height(), before + Grid().DefaultRowHeight()) << "one row more, no lines by default";
    EXPECT_EQ(Grid().DataLink()->BufferCount(), 4);
}

TEST_F(LookupGrid, KeysMoveTheSelectionThroughTheSpecialRow)
{
    F->BindList();
    F->ShowSpecRow("<нет>");
    Grid().SetSelectedKey(Variant(1));
    F->Key(VK_UP);
    EXPECT_TRUE(Grid().SpecRowSelected()) << "Up on the first record";
    EXPECT_TRUE(Grid().SelectedKey().IsNull());
    EXPECT_EQ(Grid().SelectedText(), "<нет>");
    F->Key(VK_UP);
    EXPECT_TRUE(Grid().SpecRowSelected()) << "Up on the special row stays";
    F->Key(VK_DOWN);
    EXPECT_EQ(Grid().SelectedKey(), Variant(1)) << "Down from the special row: the first record";
    F->Key(VK_DOWN);
    F->Key(VK_DOWN);
    EXPECT_EQ(Grid().SelectedText(), "Beta");
    F->Key(VK_END);
    EXPECT_EQ(Grid().SelectedKey(), Variant(7));
    F->Key(VK_HOME);
    EXPECT_EQ(Grid().SelectedKey(), Variant(1));
    F->Key(VK_HOME);
    EXPECT_TRUE(Grid().SpecRowSelected()) << "Home on the first record";
}

TEST_F(LookupGrid, UpOnTheFirstRecordWithoutSpecialRowStays)
{
    F->BindList();
    Grid().SetSelectedKey(Variant(1));
    F->Key(VK_UP);
    EXPECT_EQ(Grid().SelectedKey(), Variant(1));
    EXPECT_FALSE(Grid().SpecRowSelected());
    Grid().SetSelectedKey(Variant::Null());
    F->Key(VK_DOWN);
    EXPECT_EQ(Grid().SelectedKey(), Variant(1)) << "the first step from nothing takes the first record";
}

TEST_F(LookupGrid, WritesTheChosenKeyIntoTheLookupFieldsKey)
{
    F->ShowSpecRow("<нет>");
    F->BindList();
    F->BindLookupField();
    ASSERT_TRUE(Grid().LookupMode());
    EXPECT_EQ(Grid().KeyField(), "FSCHEME");
    EXPECT_EQ(Grid().MasterFieldNames(), "FSCHEME");
    EXPECT_EQ(Grid().SelectedKey(), Variant(2)) << "the programme row's scheme";
    EXPECT_EQ(Grid().SelectedText(), "album");

    F->Key(VK_DOWN);
    EXPECT_EQ(F->Programm->State(), dsEdit);
    EXPECT_EQ(F->ProgrammScheme->AsInteger(), 3);
    EXPECT_EQ(F->ProgrammSchemeName->AsString(), "Beta");
    EXPECT_EQ(Grid().SelectedText(), "Beta");

    Now = 200000;
    F->Type(U'б');
    EXPECT_EQ(F->ProgrammScheme->AsInteger(), 5) << "the search writes the found key";
    F->Programm->Post();

    Grid().SetSelectedKey(Variant(1));
    F->Key(VK_UP);
    EXPECT_TRUE(F->ProgrammScheme->IsNull()) << "the special row writes its value";
    F->Programm->Cancel();
    EXPECT_EQ(Grid().SelectedKey(), Variant(5)) << "the key follows the master row";
}

TEST_F(LookupGrid, WritesIntoAPlainMasterFieldAndNotIntoAReadOnlyOne)
{
    F->BindList();
    Grid().SetDataSource(F->ProgrammSource);
    Grid().SetDataField("FSCHEME");
    EXPECT_FALSE(Grid().LookupMode());
    EXPECT_EQ(Grid().SelectedText(), "album");
    F->Key(VK_DOWN);
    EXPECT_EQ(F->ProgrammScheme->AsInteger(), 3);
    F->Programm->Cancel();

    F->ProgrammScheme->SetReadOnly(true);
    EXPECT_FALSE(Grid().CanChangeKey());
    F->Key(VK_DOWN);
    F->Type(U'b');
    EXPECT_EQ(F->ProgrammScheme->AsInteger(), 2);
    EXPECT_EQ(F->Programm->State(), dsBrowse);
}
