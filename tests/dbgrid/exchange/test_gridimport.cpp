// The grid's imports: the binary interchange format and text read back what
// the exporters wrote, text cells land in their columns, malformed data
// ends with its format error (never a hang or a huge allocation), and a
// value that cannot be assigned asks whether to go on.
#include <gtest/gtest.h>

#include <filesystem>

#include "dbgrid/exchange/gridexporttext.h"
#include "dbgrid/exchange/gridexportvcldbif.h"
#include "dbgrid/exchange/gridimporttext.h"
#include "dbgrid/exchange/gridimportvcldbif.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"
#include "tests/dbgrid/exchange/exchangegrid.h"
#include "tests/support/hexbytes.h"

namespace {

template <class TImporter>
void Imported(TCustomDBGridLt* Grid, const std::string& Data, bool ForAll = true)
{
    TStringStream stream(Data);
    ImportGridFromStream<TImporter>(Grid, stream, ForAll);
}

void ChangeEveryName(TExchangeGrid& f)
{
    for (f.Table->First(); !f.Table->Eof(); f.Table->Next()) {
        f.Table->Edit();
        f.Name->SetAsString("changed");
        f.Table->Post();
    }
    f.Table->First();
}

const char* const kOriginal = "5:a\"b\n6:Я\t{}\\\n7:-\n";

} // namespace

TEST(GridImport, VCLDBIFReadsBackWhatWasExported)
{
    TExchangeGrid f;
    const std::string data = Exported<TDBGridLtExportAsVCLDBIF>(f.Grid);
    ChangeEveryName(f);
    f.Table->Last();
    Imported<TDBGridLtImportAsVCLDBIF>(f.Grid, data);
    EXPECT_EQ(f.Records(), kOriginal);
    // The whole grid is read from its first record, which stays current.
    EXPECT_EQ(f.Fid->AsInteger(), 5);
    EXPECT_FALSE(f.Table->ControlsDisabled());

    // Into an empty table the records are appended.
    TExchangeGrid empty;
    empty.Table->First();
    while (!empty.Table->IsEmpty())
        empty.Table->Delete();
    Imported<TDBGridLtImportAsVCLDBIF>(empty.Grid, data);
    EXPECT_EQ(empty.Records(), kOriginal);
}

TEST(GridImport, AFileTheTextExporterWroteReadsBackWhole)
{
    TExchangeGrid f;
    f.Grid->SetOptions(f.Grid->Options() - TDBGridOptions{dgTitles});
    f.Table->Last();
    f.Table->Edit();
    f.Name->SetAsString("last");
    f.Table->Post();
    const std::string file = (std::filesystem::temp_directory_path() / "grid-export-text.txt").string();
    TDBGridLtExportAsText exporter;
    exporter.SetDBGrid(f.Grid);
    exporter.SaveToFile(file, true);
    ChangeEveryName(f);
    TDBGridLtImportAsText importer;
    importer.SetDBGrid(f.Grid);
    importer.LoadFromFile(file, true);
    std::filesystem::remove(file);
    // The tab inside a cell came back as a blank, the cells did not move,
    // and the file's last character was read.
    EXPECT_EQ(f.Records(), "5:a\"b\n6:Я {}\\\n7:last\n");
}

TEST(GridImport, TextCellsGoToTheirColumnsFromTheCurrentCell)
{
    struct TCase {
        const char* Label;
        std::string Text;
        std::string Records;
    };
    const TCase cases[] = {
        {"empty cell between tabs", "a\t\tb\r\n", "5:a\n6:Я\t{}\\\n7:-\n"},
        {"records by CR LF", "p\r\nq", "5:p\n6:q\n7:-\n"},
        {"records by LF", "p\nq\n", "5:p\n6:q\n7:-\n"},
        {"cells beyond the columns dropped", "p\tx\ty\r\nq", "5:p\n6:q\n7:-\n"},
        {"data ends at a 0 byte", std::string("p\r\nq\0r\r\ns", 10), "5:p\n6:q\n7:-\n"},
        {"appended after the last record", "p\nq\nr\ns", "5:p\n6:q\n7:r\n8:s\n"},
        {"nothing", "", kOriginal},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Label);
        TExchangeGrid f;
        // From the current cell: the second column of the first record.
        f.Grid->SetSelectedIndex(f.Column(1)->Index());
        f.Table->SetOnNewRecord([&](TDataSet*) { f.Fid->SetAsInteger(f.Table->RecordCount() + 5); });
        Imported<TDBGridLtImportAsText>(f.Grid, c.Text, false);
        EXPECT_EQ(f.Records(), c.Records);
        EXPECT_EQ(f.Fid->AsInteger(), c.Records[0] - '0');
        EXPECT_EQ(f.Table->State(), dsBrowse);
    }
}

TEST(GridImport, WithoutAppendingRecordsPastTheEndAreDropped)
{
    TExchangeGrid f;
    f.Grid->SetAllowedOperations(f.Grid->AllowedOperations() - TDBGridLtAllowedOperations{alopAppendLt});
    f.Table->Last();
    f.Grid->SetSelectedIndex(f.Column(1)->Index());
    Imported<TDBGridLtImportAsText>(f.Grid, "p\nq\nr", false);
    // The last record is written whatever brought the cursor there.
    EXPECT_EQ(f.Records(), "5:a\"b\n6:Я\t{}\\\n7:p\n");
    EXPECT_EQ(f.Fid->AsInteger(), 7);
}

TEST(GridImport, WhileInsertingEveryRecordIsNew)
{
    TExchangeGrid f;
    f.Table->Next();
    f.Table->Insert();
    Imported<TDBGridLtImportAsText>(f.Grid, "1\tp\n2\tq", false);
    // The table keeps new records after the others.
    EXPECT_EQ(f.Records(), "5:a\"b\n6:Я\t{}\\\n7:-\n1:p\n2:q\n");
    EXPECT_EQ(f.Table->State(), dsBrowse);
    EXPECT_FALSE(f.Table->ControlsDisabled());
}

TEST(GridImport, MalformedDataEndsWithItsFormatError)
{
    const std::string vcldbif = "TDBGridLtImportAsVCLDBIF.ReadPrefix: Неверный формат VCLDBIF";
    const std::string text = "TDBGridLtImportAsText.CheckState: Неверный формат текста";
    const std::string header = "56 43 4C 44 42 49 46 01";
    struct TCase {
        const char* Label;
        bool Binary;
        std::string Data;
        std::string Message;
    };
    const TCase cases[] = {
        {"short", true, Hex("56 43 4C 44 42 49 46 01 01 00"), vcldbif},
        {"empty", true, "", vcldbif},
        {"wrong signature", true, Hex("56 43 4C 44 42 49 47 01 01 00 00 00 01 00 02 00"), vcldbif},
        {"short column list", true, Hex(header + " 02 00 00 00 01 00 01"), vcldbif},
        {"column name without its end", true, Hex(header + " 01 00 00 00 01 41 42"), vcldbif},
        {"huge column count", true, Hex(header + " FF FF FF FF 01 00"), vcldbif},
        {"short integer", true, Hex(header + " 01 00 00 00 01 00 03 05 00"), vcldbif},
        {"short string", true, Hex(header + " 01 00 00 00 01 00 05 0A 00 00 00 61 62 63"), vcldbif},
        {"huge length", true, Hex(header + " 01 00 00 00 01 00 06 F0 FF FF FF 61"), vcldbif},
        {"unknown tag", true, Hex(header + " 01 00 00 00 01 00 09 05 03 00 00 00 61 62 63 00"), vcldbif},
        {"no end tag", true, Hex(header + " 01 00 00 00 01 00 02"), vcldbif},
        {"zero columns with data", true, Hex(header + " 00 00 00 00 02 02 00"), vcldbif},
        {"lone CR", false, "1\r2", text},
        {"CR at the end", false, "1\r", text},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Label);
        TExchangeGrid f;
        f.Table->Next();
        try {
            if (c.Binary)
                Imported<TDBGridLtImportAsVCLDBIF>(f.Grid, c.Data);
            else
                Imported<TDBGridLtImportAsText>(f.Grid, c.Data);
            ADD_FAILURE() << "no error";
        } catch (const Exception& E) {
            EXPECT_EQ(E.Message(), c.Message);
        }
        EXPECT_FALSE(f.Table->ControlsDisabled());
        EXPECT_EQ(f.Table->State(), dsBrowse);
    }
}

TEST(GridImport, ARecordBrokenOffIsCancelledAndTheRecordsBeforeItStay)
{
    const std::string vcldbif = "TDBGridLtImportAsVCLDBIF.ReadPrefix: Неверный формат VCLDBIF";
    const std::string text = "TDBGridLtImportAsText.CheckState: Неверный формат текста";
    // Two columns; the first record 1 and p whole, the second begun with 2.
    const std::string begun = "56 43 4C 44 42 49 46 01 02 00 00 00 01 00 01 00 "
                              "03 01 00 00 00 05 01 00 00 00 70 03 02 00 00 00";
    struct TCase {
        const char* Label;
        bool Binary;
        std::string Data;
        std::string Message;   // empty: no error
    };
    const TCase cases[] = {
        {"format error", true, Hex(begun + " 05 0A 00 00 00 61"), vcldbif},
        {"unknown tag", true, Hex(begun + " 09"), vcldbif},
        {"end of the data", true, Hex(begun + " 00"), ""},
        {"text format error", false, "1\tp\r\n2\tq\rx", text},
    };
    for (const TCase& c : cases) {
        for (const bool empty : {false, true}) {
            SCOPED_TRACE(std::string(c.Label) + (empty ? ", appended" : ", over the records"));
            TExchangeGrid f;
            if (empty)
                while (!f.Table->IsEmpty())
                    f.Table->Delete();
            try {
                if (c.Binary)
                    Imported<TDBGridLtImportAsVCLDBIF>(f.Grid, c.Data);
                else
                    Imported<TDBGridLtImportAsText>(f.Grid, c.Data);
                EXPECT_EQ(c.Message, "") << "no error";
            } catch (const Exception& E) {
                EXPECT_EQ(E.Message(), c.Message);
            }
            EXPECT_EQ(f.Table->State(), dsBrowse);
            EXPECT_EQ(f.Records(), empty ? "1:p\n" : "1:p\n6:Я\t{}\\\n7:-\n");
        }
    }
}

TEST(GridImport, ZeroColumnsWithoutDataAndBytesAfterTheEndTagAreFine)
{
    TExchangeGrid f;
    // The version byte is not compared.
    Imported<TDBGridLtImportAsVCLDBIF>(f.Grid, Hex("56 43 4C 44 42 49 46 07 00 00 00 00 00 FF FF"));
    EXPECT_EQ(f.Records(), kOriginal);
    Imported<TDBGridLtImportAsVCLDBIF>(f.Grid, Hex("56 43 4C 44 42 49 46 01 01 00 00 00 01 41 00 "
                                                   "03 09 00 00 00 00 09 09 09"));
    EXPECT_EQ(f.Records(), "9:a\"b\n6:Я\t{}\\\n7:-\n");
    f.Grid->SetSelectedIndex(f.Column(1)->Index());
    Imported<TDBGridLtImportAsVCLDBIF>(f.Grid, Hex("56 43 4C 44 42 49 46 01 01 00 00 00 01 00 "
                                                   "05 01 00 00 00 7A 00 05"), false);
    EXPECT_EQ(f.Records(), "9:z\n6:Я\t{}\\\n7:-\n");
}

TEST(GridImport, AValueThatCannotBeAssignedAsksWhetherToGoOn)
{
    struct TCase {
        const char* Label;
        int Answer;
        int Questions;
        std::string Records;
        bool Aborts;
    };
    // Three bad numbers in the first column.
    const TCase cases[] = {
        {"Yes goes on", mrYes, 3, "5:p\n6:q\n7:r\n", false},
        {"All stops asking", mrAll, 1, "5:p\n6:q\n7:r\n", false},
        {"No ends the import", mrNo, 1, "5:a\"b\n6:Я\t{}\\\n7:-\n", true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Label);
        TExchangeGrid f;
        int questions = 0;
        unsigned flags = 0;
        std::string question;
        TApplication::SetMessageBoxHook([&](const std::string& Text, const std::string&, unsigned Flags) {
            ++questions;
            question = Text;
            flags = Flags;
            return c.Answer;
        });
        try {
            Imported<TDBGridLtImportAsText>(f.Grid, "x\tp\ny\tq\nz\tr");
            EXPECT_FALSE(c.Aborts);
        } catch (const EAbort&) {
            EXPECT_TRUE(c.Aborts);
        }
        TApplication::SetMessageBoxHook(nullptr);
        EXPECT_EQ(questions, c.Questions);
        EXPECT_EQ(flags, MB_YESNOALL | MB_ICONERROR);
        EXPECT_EQ(question.rfind("Ошибка при вставки значения:\n", 0), 0u) << question;
        EXPECT_TRUE(question.ends_with("\n\nИгнорировать ошибку?")) << question;
        if (c.Aborts)
            f.Table->Cancel();
        EXPECT_EQ(f.Records(), c.Records);
        EXPECT_FALSE(f.Table->ControlsDisabled());
    }
}
