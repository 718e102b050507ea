// The grid's exports byte for byte on a small table: tab-separated text,
// CSV, RTF and the binary interchange format; titles, line ends, quoting,
// escaping and the cell parameters the events set.
#include <gtest/gtest.h>

#include "dbgrid/gridexportrtf.h"
#include "dbgrid/gridexporttext.h"
#include "dbgrid/gridexportvcldbif.h"
#include "platform/ui/application.h"
#include "tests/dbgrid/exchangegrid.h"
#include "tests/support/hexbytes.h"

TEST(GridExport, TextHasOneLinePerRowAndNoTrailingLineEnd)
{
    TExchangeGrid f;
    // A tab in a cell becomes a blank so that the cells stay in place.
    EXPECT_EQ(Exported<TDBGridLtExportAsText>(f.Grid), "FID\tFNAME\r\n5\ta\"b\r\n6\tЯ {}\\\r\n7\t");
    f.Grid->SetOptions(f.Grid->Options() - TDBGridOptions{dgTitles});
    f.Table->Edit();
    f.Name->SetAsString("line\r\nbreak");
    f.Table->Post();
    EXPECT_EQ(Exported<TDBGridLtExportAsText>(f.Grid), "5\tline  break\r\n6\tЯ {}\\\r\n7\t");
}

TEST(GridExport, CsvQuotesEveryCellAndDoublesQuotes)
{
    TExchangeGrid f;
    EXPECT_EQ(Exported<TDBGridLtExportAsCSV>(f.Grid),
              "\"FID\";\"FNAME\"\r\n\"5\";\"a\"\"b\"\r\n\"6\";\"Я\t{}\\\"\r\n\"7\";\"\"");
    // The separator is read when the exporter is made.
    CsvSeparator = ',';
    const std::string comma = Exported<TDBGridLtExportAsCSV>(f.Grid);
    CsvSeparator = ';';
    EXPECT_EQ(comma.substr(0, 14), "\"FID\",\"FNAME\"\r");
}

TEST(GridExport, TextCellsAreWhatTheEventsMakeOfThem)
{
    TExchangeGrid f;
    f.Column(0)->SetOnGetCellParams([](TObject*, bool, TColCellParamsLt* Params) { Params->Text += "!"; });
    EXPECT_EQ(Exported<TDBGridLtExportAsText>(f.Grid), "FID\tFNAME\r\n5!\ta\"b\r\n6!\tЯ {}\\\r\n7!\t");
}

TEST(GridExport, VCLDBIFHoldsTheHeaderAndTaggedValues)
{
    TExchangeGrid f;
    const std::string expected = Hex("56 43 4C 44 42 49 46 01  02 00 00 00  01 00  01 00"
                                     "03 05 00 00 00  05 03 00 00 00 61 22 62"
                                     "03 06 00 00 00  05 06 00 00 00 D0 AF 09 7B 7D 5C"
                                     "03 07 00 00 00  02"
                                     "00");
    EXPECT_EQ(ToHex(Exported<TDBGridLtExportAsVCLDBIF>(f.Grid)), ToHex(expected));
}

TEST(GridExport, RtfIsATableWithTwipsColoursFontsAndEscapedText)
{
    TExchangeGrid f;
    ASSERT_EQ(Screen->PixelsPerInch(), 96);
    f.Column(0)->SetWidth(50);   // 750 twips
    f.Column(1)->SetWidth(101);  // 1515 twips, 2265 at the right edge
    f.Column(1)->SetColor(clYellow);
    f.Column(1)->SetAlignment(taRightJustify);  // FID is right-aligned as a number
    f.Grid->SetOnGetCellParams([](TObject*, TColumnLt* Column, TFont* Font, TColor& Background, TGridDrawState) {
        if (Column->Index() == 0) {
            Background = clAqua;
            Font->SetStyle({fsBold, fsUnderline});
        }
    });
    const std::string row = "\\trowd\\trgaph40\r\n";
    const auto borders = [] {
        return std::string("\\clbrdrl\\brdrs\\brdrcf0\r\n\\clbrdrt\\brdrs\\brdrcf0\r\n"
                           "\\clbrdrb\\brdrs\\brdrcf0\r\n\\clbrdrr\\brdrs\\brdrcf0\r\n");
    };
    const auto rowStart = [&](int Shade0, int Shade1) {
        return row + borders() + "\\clshdng10000\\clcfpat" + std::to_string(Shade0) + "\\cellx750\r\n" + borders() +
               "\\clshdng10000\\clcfpat" + std::to_string(Shade1) + "\\cellx2265\r\n{\\trrh0\r\n";
    };
    const auto cell = [](const char* Align, const char* Style, int Back, const std::string& Text) {
        return std::string("\\pard\\intbl{") + Align + "\\sb24\\sa24\\fs16" + Style + "\\f0\\cf0\\cb" +
               std::to_string(Back) + " " + Text + "\\cell}\r\n";
    };
    const std::string rowEnd = "\\pard\\intbl\\row}\r\n";
    const auto record = [&](const std::string& Id, const std::string& Text) {
        return rowStart(3, 4) + cell("\\qr", "\\b\\ul", 1, Id) + cell("\\qr", "", 4, Text) + rowEnd;
    };
    const std::string expected =
        "{\\rtf0\\ansi\r\n"
        "{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue255;\\red240\\green240\\blue240;"
        "\\red0\\green255\\blue255;\\red255\\green255\\blue0;}\r\n"
        "{\\fonttbl\\f0\\fnil MS Sans Serif;}\r\n" +
        rowStart(2, 2) + cell("\\ql", "", 2, "FID") + cell("\\ql", "", 2, "FNAME") + rowEnd +
        record("5", "a\"b") + record("6", "\\u1071?\t\\{\\}\\\\") + record("7", "") + "}";
    EXPECT_EQ(Exported<TDBGridLtExportAsRTF>(f.Grid), expected);
}

TEST(GridExport, RtfEscapesOnlyControlCharactersAndNonAscii)
{
    struct TCase {
        std::string Text, Rtf;
    };
    const TCase cases[] = {
        {"plain ASCII ~!@#$%^&*()_+|\t\"'", "plain ASCII ~!@#$%^&*()_+|\t\"'"},
        {"\\{}", "\\\\\\{\\}"},
        {"é", "\\u233?"},
        {"Я", "\\u1071?"},
        {"€", "\\u8364?"},
        {"\xEF\xBF\xBF", "\\u-1?"},
        {"😀", "\\u-10179?\\u-8704?"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(RtfEscapedText(c.Text), c.Rtf) << c.Text;
}

TEST(GridExport, NothingSelectedWritesNothingAndTheRecordStaysCurrent)
{
    TExchangeGrid f;
    f.Table->Next();
    EXPECT_EQ(Exported<TDBGridLtExportAsText>(f.Grid, false), "");
    EXPECT_EQ(Exported<TDBGridLtExportAsVCLDBIF>(f.Grid, false), "");
    EXPECT_EQ(Exported<TDBGridLtExportAsRTF>(f.Grid, true).substr(0, 5), "{\\rtf");
    EXPECT_EQ(f.Fid->AsInteger(), 6);
    EXPECT_FALSE(f.Table->ControlsDisabled());
}
