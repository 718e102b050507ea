// Copy, paste and clearing of the grid through the clipboard on the
// offscreen platform: a copy carries all four formats, a paste into another
// grid gives the same records, and the dataset's controls are enabled again
// on every path, failures included.
#include <gtest/gtest.h>

#include "dbgrid/exchange/gridclipboard.h"
#include "dbgrid/exchange/gridexportrtf.h"
#include "dbgrid/exchange/gridexporttext.h"
#include "dbgrid/exchange/gridexportvcldbif.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/clipbrd.h"
#include "tests/dbgrid/exchange/exchangegrid.h"

namespace {

void DeleteAll(TExchangeGrid& f)
{
    f.Table->First();
    while (!f.Table->IsEmpty())
        f.Table->Delete();
}

const char* const kOriginal = "5:a\"b\n6:Я\t{}\\\n7:-\n";

} // namespace

TEST(GridClipboard, ACopyCarriesEveryFormatAndPastesIntoAnotherGrid)
{
    TExchangeGrid source;
    CopyGridToClipboard(source.Grid, true);
    TClipboard& clipboard = *Clipboard();
    EXPECT_EQ(clipboard.AsText(), Exported<TDBGridLtExportAsText>(source.Grid));
    EXPECT_EQ(clipboard.GetAsData(CsvClipboardFormat()), Exported<TDBGridLtExportAsCSV>(source.Grid));
    EXPECT_EQ(clipboard.GetAsData(RtfClipboardFormat()), Exported<TDBGridLtExportAsRTF>(source.Grid));
    EXPECT_EQ(clipboard.GetAsData(VCLDBIFClipboardFormat()), Exported<TDBGridLtExportAsVCLDBIF>(source.Grid));

    TExchangeGrid target;
    DeleteAll(target);
    PasteGridFromClipboard(target.Grid, true);
    EXPECT_EQ(target.Records(), kOriginal);
    EXPECT_FALSE(source.Table->ControlsDisabled());
    EXPECT_FALSE(target.Table->ControlsDisabled());
}

TEST(GridClipboard, PlainTextIsPastedWhenNoGridDataIsThere)
{
    TExchangeGrid f;
    Clipboard()->SetAsText("8\tpasted\n9\tmore");
    PasteGridFromClipboard(f.Grid, true);
    EXPECT_EQ(f.Records(), "8:pasted\n9:more\n7:-\n");
    Clipboard()->Clear();
    PasteGridFromClipboard(f.Grid, true);
    EXPECT_EQ(f.Records(), "8:pasted\n9:more\n7:-\n");
}

TEST(GridClipboard, ClearingTheWholeGridAsksFirstAndCutKeepsACopy)
{
    struct TCase {
        const char* Label;
        bool Confirm;
        int Answer;
        int Questions;
        std::string Records;
    };
    const TCase cases[] = {
        {"cancelled", true, IDCANCEL, 1, kOriginal},
        {"confirmed", true, IDOK, 1, ""},
        {"not asked", false, IDCANCEL, 0, ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Label);
        TExchangeGrid f;
        if (!c.Confirm)
            f.Grid->SetOptions(f.Grid->Options() - TDBGridOptions{dgConfirmDelete});
        int questions = 0;
        TApplication::SetMessageBoxHook([&](const std::string& Text, const std::string&, unsigned Flags) {
            ++questions;
            EXPECT_EQ(Text, "Delete all selected records?");
            EXPECT_EQ(Flags, MB_OKCANCEL | MB_ICONQUESTION);
            return c.Answer;
        });
        Clipboard()->Clear();
        CutGridToClipboard(f.Grid, true);
        EXPECT_EQ(questions, c.Questions);
        EXPECT_EQ(f.Records(), c.Records);
        EXPECT_FALSE(f.Table->ControlsDisabled());
        EXPECT_TRUE(Clipboard()->HasFormat(VCLDBIFClipboardFormat()));
    }
}

TEST(GridClipboard, ControlsAreEnabledAgainWhenAnOperationFails)
{
    struct TCase {
        const char* Label;
        std::function<void(TExchangeGrid&)> Run;
    };
    const TCase cases[] = {
        {"copy", [](TExchangeGrid& f) { CopyGridToClipboard(f.Grid, true); }},
        {"export", [](TExchangeGrid& f) { Exported<TDBGridLtExportAsRTF>(f.Grid); }},
        {"paste", [](TExchangeGrid& f) {
             Clipboard()->SetAsText("1\tx");
             PasteGridFromClipboard(f.Grid, false);
         }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Label);
        TExchangeGrid f;
        f.Table->Next();
        f.Column(1)->SetOnGetCellParams([](TObject*, bool, TColCellParamsLt*) { throw Exception("painting"); });
        f.Table->SetBeforePost([](TDataSet*) { throw Exception("posting"); });
        EXPECT_THROW(c.Run(f), Exception);
        EXPECT_FALSE(f.Table->ControlsDisabled());
        f.Table->Cancel();
        EXPECT_EQ(f.Fid->AsInteger(), 6);
    }
}
