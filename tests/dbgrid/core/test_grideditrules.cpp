// What the data grid hands its cell editor and how an edited text goes back
// into the field through key lists, pick lists and lookup lists.
#include <gtest/gtest.h>

#include <QTest>

#include <string>
#include <vector>

#include "dbgrid/core/colcellparamslt.h"
#include "dbgrid/engine/inplaceedit.h"
#include "tests/dbgrid/core/dbgridtesting.h"
#include "tests/dbgrid/core/lookupgrid.h"

namespace {
enum { kFid, kDelay, kName, kChannel };

// The channel column shows "Вкл" for "1" and "Выкл" for "0".
struct TKeyListGrid : TStepsGrid {
    TKeyListGrid()
    {
        Column(kChannel)->KeyList()->SetCommaText("1,0");
        Column(kChannel)->PickList()->SetCommaText("Вкл,Выкл");
    }

    int RawOf(int ColumnIndex) const { return Grid->ColumnToRaw(Column(ColumnIndex)); }
};

TEST(GridEditRules, AKeyListColumnEditsTheWordsOfItsKeys)
{
    TKeyListGrid f;
    EXPECT_EQ(f.Grid->GetEditText(f.RawOf(kChannel), f.Grid->Row()), "Вкл") << "row 1 holds 1";
    f.Table->Next();
    EXPECT_EQ(f.Grid->GetEditText(f.RawOf(kChannel), f.Grid->Row()), "Выкл");
    EXPECT_EQ(f.Grid->GetEditMask(f.RawOf(kChannel), f.Grid->Row()), "");

    f.Table->Edit();
    f.Grid->CommitEditText(f.Column(kChannel), "вкл", Variant::Null());
    EXPECT_EQ(f.Channel->AsString(), "1") << "the pick list is searched without regard to case";
    f.Grid->CommitEditText(f.Column(kChannel), "Нечто", Variant::Null());
    EXPECT_TRUE(f.Channel->IsNull()) << "a text in neither list, with no handler";
    f.Grid->CommitEditText(f.Column(kChannel), "Выкл", Variant::Null());
    f.Grid->CommitEditText(f.Column(kChannel), "", Variant::Null());
    EXPECT_TRUE(f.Channel->IsNull());
}

TEST(GridEditRules, NotInListMayAddTheTextAndAskForARecheck)
{
    TKeyListGrid f;
    std::vector<std::string> asked;
    f.Column(kChannel)->SetOnNotInList([&](TObject* Sender, const std::string& NewText, bool& Recheck) {
        EXPECT_EQ(Sender, f.Column(kChannel));
        asked.push_back(NewText);
        if (NewText == "Авто") {
            f.Column(kChannel)->PickList()->Add("Авто");
            f.Column(kChannel)->KeyList()->Add("2");
            Recheck = true;
        }
    });
    f.Table->Edit();
    f.Grid->CommitEditText(f.Column(kChannel), "Авто", Variant::Null());
    EXPECT_EQ(f.Channel->AsString(), "2");
    f.Grid->CommitEditText(f.Column(kChannel), "Выкл", Variant::Null());
    f.Grid->CommitEditText(f.Column(kChannel), "", Variant::Null());
    f.Grid->CommitEditText(f.Column(kChannel), "Прочее", Variant::Null());
    EXPECT_TRUE(f.Channel->IsNull());
    EXPECT_EQ(asked, (std::vector<std::string>{"Авто", "Прочее"})) << "not for listed or empty texts";
}

TEST(GridEditRules, APickListColumnKeepsATextItLacks)
{
    TStepsGrid f;
    f.Column(kName)->PickList()->SetCommaText("\"Схема 1\",\"Схема 2\"");
    std::vector<std::string> asked;
    f.Column(kName)->SetOnNotInList([&](TObject*, const std::string& NewText, bool&) { asked.push_back(NewText); });
    f.Table->Edit();
    f.Grid->CommitEditText(f.Column(kName), "схема 2", Variant::Null());
    EXPECT_EQ(f.Name->AsString(), "схема 2");
    f.Grid->CommitEditText(f.Column(kName), "Новая", Variant::Null());
    EXPECT_EQ(f.Name->AsString(), "Новая") << "stored after the handler";
    EXPECT_EQ(asked, (std::vector<std::string>{"Новая"}));
}

TEST(GridEditRules, ALookupColumnStoresTheKeyOfTheTypedName)
{
    TLookupGrid f;
    TColumnLt* name = f.Column("FSCHEMENAME");
    f.Grid->CommitEditText(name, "третья", Variant::Null());
    EXPECT_EQ(f.Scheme->AsInteger(), 3) << "the name found without regard to case";
    EXPECT_EQ(f.Programme->State(), dsEdit);
    f.Grid->CommitEditText(name, "", Variant(1));
    EXPECT_EQ(f.Scheme->AsInteger(), 1) << "the editor's key wins";
    f.Grid->CommitEditText(name, "Четвёртая", Variant::Null());
    EXPECT_TRUE(f.Scheme->IsNull()) << "no handler: no key";
    name->SetOnNotInList([&](TObject*, const std::string& NewText, bool& Recheck) {
        f.AddScheme(4, NewText);
        Recheck = true;
    });
    f.Grid->CommitEditText(name, "Четвёртая", Variant::Null());
    EXPECT_EQ(f.Scheme->AsInteger(), 4);
    EXPECT_EQ(f.SchemeName->AsString(), "Четвёртая");
}

TEST(GridEditRules, TheEditorShowsWhatOnGetCellParamsMakesOfTheText)
{
    TStepsGrid f;
    std::vector<bool> editModes;
    f.Column(kName)->SetOnGetCellParams([&](TObject*, bool EditMode, TColCellParamsLt* Params) {
        editModes.push_back(EditMode);
        Params->Text = "[" + Params->Text + "]";
    });
    const int raw = f.Grid->ColumnToRaw(f.Column(kName));
    EXPECT_EQ(f.Grid->GetEditText(raw, f.Grid->Row()), "[Схема 1]");
    EXPECT_EQ(editModes, (std::vector<bool>{true}));
}

// The handler shapes the field's text once: the editor shows it so, an
// untouched editor changes nothing (also on a record being edited) and a
// typed text is stored as typed.
TEST(GridEditRules, TheEditorShowsTheTextShapedOnce)
{
    for (const bool typed : {false, true}) {
        SCOPED_TRACE(typed ? "typed" : "untouched");
        TStepsGrid f;
        f.Column(kName)->SetOnGetCellParams([](TObject*, bool EditMode, TColCellParamsLt* Params) {
            if (EditMode)
                Params->Text = "[" + Params->Text + "]";
        });
        f.Table->Edit();
        f.Grid->SetSelectedIndex(kName);
        f.Grid->SetFocus();
        f.Grid->ShowEditor();
        TInplaceEdit* editor = f.Grid->InplaceEditor();
        ASSERT_TRUE(editor && editor->Visible());
        EXPECT_EQ(editor->Text(), "[Схема 1]");
        if (typed) {
            editor->SelectAll();
            QTest::keyClicks(editor->Widget(), "Nova");
        }
        QTest::keyClick(editor->Widget(), Qt::Key_Down);
        ASSERT_EQ(f.Table->RecNo(), 2);
        f.Table->First();
        EXPECT_EQ(f.Name->AsString(), typed ? "Nova" : "Схема 1");
    }
}

TEST(GridEditRules, MasksLimitsAndKeys)
{
    TStepsGrid f;
    f.Name->SetEditMask(">L");
    const int name = f.Grid->ColumnToRaw(f.Column(kName));
    EXPECT_EQ(f.Grid->GetEditMask(name, f.Grid->Row()), ">L") << "the field's mask";
    f.Column(kName)->SetEditMask("999");
    EXPECT_EQ(f.Grid->GetEditMask(name, f.Grid->Row()), "999") << "the column's mask first";
    f.Grid->SetSelectedIndex(kName);
    EXPECT_EQ(f.Grid->GetEditLimit(), 12);
    EXPECT_TRUE(f.Grid->CanEditAcceptKey(U'ж'));
    EXPECT_FALSE(f.Grid->CanEditAcceptKey(U'\x01'));
    f.Grid->SetSelectedIndex(kDelay);
    EXPECT_EQ(f.Grid->GetEditLimit(), 0);
}

// A grid showing the texts of a memo field, one record a text.
struct TMemoGrid {
    explicit TMemoGrid(const std::vector<std::string>& Texts)
    {
        TestApplication();
        Table = new TClientDataSet(&Form);
        Memo = AddTableField<TMemoField>(Table, "FNOTE");
        Table->CreateDataSet();
        for (const std::string& text : Texts) {
            Table->Append();
            Memo->SetAsString(text);
            Table->Post();
        }
        Table->First();
        auto* source = new TDataSource(&Form);
        source->SetDataSet(Table);
        Grid = new TDBGridLt(&Form);
        Grid->SetParent(&Form);
        Grid->SetBounds(0, 0, 300, 200);
        Grid->SetDataSource(source);
        Grid->SetDrawMemoText(true);
    }

    TForm Form{nullptr};
    TClientDataSet* Table = nullptr;
    TMemoField* Memo = nullptr;
    TDBGridLt* Grid = nullptr;
};

TEST(GridEditRules, AMemoShownAsTextEditsWithCrLfLineBreaks)
{
    TMemoGrid f({"a\nb\r\nc\rd"});
    EXPECT_EQ(f.Grid->GetEditText(f.Grid->ColumnToRaw(f.Grid->Columns()->Items(0)), f.Grid->Row()),
              "a\r\nb\r\nc\r\nd");
}

// An edit without a limit takes a memo longer than the window system's
// default limit whole, and what is typed at its end.
TEST(GridEditRules, ALongMemoIsEditedWhole)
{
    std::string text;
    for (int i = 0; text.size() < 40000; ++i)
        text += std::to_string(i % 10);
    TMemoGrid f({text, "short"});
    ShowForm(f.Form, 320, 220);
    f.Grid->SetFocus();
    f.Grid->ShowEditor();
    TInplaceEdit* editor = f.Grid->InplaceEditor();
    ASSERT_TRUE(editor && editor->Visible());
    EXPECT_EQ(editor->Text().size(), text.size());
    editor->Deselect();
    QTest::keyClicks(editor->Widget(), "!");
    QTest::keyClick(editor->Widget(), Qt::Key_Down);
    ASSERT_EQ(f.Table->RecNo(), 2);
    f.Table->First();
    EXPECT_EQ(f.Memo->AsString().size(), text.size() + 1);
    EXPECT_TRUE(f.Memo->AsString() == text + "!");
}
} // namespace
