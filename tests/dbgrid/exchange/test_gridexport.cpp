// The grid's exports byte for byte on a small table: tab-separated text,
// CSV, RTF (with multi-level titles) and the binary interchange format;
// titles, line ends, quoting, escaping and the cell parameters the events
// set.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dbgrid/exchange/gridexportrtf.h"
#include "dbgrid/exchange/gridexporttext.h"
#include "dbgrid/exchange/gridexportvcldbif.h"
#include "platform/ui/application.h"
#include "tests/dbgrid/exchange/exchangegrid.h"
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

namespace {
// The table rows of an RTF body: each row's cell definitions (what stands
// before each "\\cellx") and each cell's text.
struct TRtfRow {
    std::vector<std::string> Frames, Texts;
};

std::vector<TRtfRow> RtfRows(const std::string& Rtf)
{
    std::vector<TRtfRow> rows;
    for (std::size_t at = Rtf.find("\\trowd"); at != std::string::npos; at = Rtf.find("\\trowd", at + 1)) {
        TRtfRow row;
        const std::size_t cells = Rtf.find("{\\trrh0", at);
        const std::size_t end = Rtf.find("\\row}", at);
        for (std::size_t from = Rtf.find("\r\n", at) + 2, x; (x = Rtf.find("\\cellx", from)) < cells;
             from = Rtf.find("\r\n", x) + 2)
            row.Frames.push_back(Rtf.substr(from, x - from));
        for (std::size_t c = Rtf.find("\\pard\\intbl{", cells); c < end; c = Rtf.find("\\pard\\intbl{", c + 1)) {
            const std::size_t text = Rtf.find(' ', c) + 1;
            row.Texts.push_back(Rtf.substr(text, Rtf.find("\\cell}", text) - text));
        }
        rows.push_back(row);
    }
    return rows;
}
} // namespace

TEST(GridExport, RtfMultiLevelTitlesMergeEachGroupOverItsColumns)
{
    TExchangeGrid f;
    ASSERT_EQ(Screen->PixelsPerInch(), 96);
    f.Channel->SetVisible(true);
    f.Column(0)->SetWidth(50);   // 750 twips
    f.Column(1)->SetWidth(101);  // 2265 at the right edge
    f.Column(2)->SetWidth(30);   // 2715
    f.Column(0)->Title()->SetCaption("A|x");
    f.Column(1)->Title()->SetCaption("A|y");
    f.Column(2)->Title()->SetCaption("B");
    f.Grid->SetUseMultiTitle(true);
    const std::string rtf = Exported<TDBGridLtExportAsRTF>(f.Grid);
    const std::string body = rtf.substr(rtf.find("}\r\n", rtf.find("{\\fonttbl")) + 3);

    // Half the title margin less 20 twips above and below each caption.
    const auto cell = [](const std::string& Text) {
        return "\\pard\\intbl{\\qc\\sb55\\sa55\\fs16\\f0\\cf0\\cb2 " + Text + "\\cell}\r\n";
    };
    const auto border = [](const char* Side) { return std::string("\\clbrdr") + Side + "\\brdrs\\brdrcf0\r\n"; };
    const auto edge = [](int Twips) { return "\\clshdng10000\\clcfpat2\\cellx" + std::to_string(Twips) + "\r\n"; };
    const std::string l = border("l"), t = border("t"), b = border("b"), r = border("r");
    // The group A over x and y, B standing in both rows with its caption
    // below; no border between the cells of one node.
    const std::string titles = "\\trowd\\trgaph40\r\n\\clmgf\r\n" + l + t + b + edge(750) + "\\clmrg\r\n" + t + b + r +
                               edge(2265) + l + t + r + edge(2715) + "{\\trrh0\r\n" + cell("A") + cell("") + cell("") +
                               "\\pard\\intbl\\row}\r\n" + "\\trowd\\trgaph40\r\n" + l + t + b + r + edge(750) + l + t +
                               b + r + edge(2265) + l + b + r + edge(2715) + "{\\trrh0\r\n" + cell("x") + cell("y") +
                               cell("B") + "\\pard\\intbl\\row}\r\n";
    EXPECT_EQ(body.substr(0, titles.size()), titles);
    EXPECT_EQ(body.find("\\trowd", titles.size()), titles.size()) << "the records follow";
    EXPECT_EQ(RtfRows(body).size(), 2u + 3u);

    // Three levels: A over everything, B over x and y, z standing in the
    // two lower rows; the grid's own title font for the groups.
    f.Column(0)->Title()->SetCaption("A|B|x");
    f.Column(1)->Title()->SetCaption("A|B|y");
    f.Column(2)->Title()->SetCaption("A|z");
    f.Grid->TitleFont()->SetStyle({fsBold});
    f.Column(2)->Title()->Font()->SetStyle({});
    const std::vector<TRtfRow> rows = RtfRows(Exported<TDBGridLtExportAsRTF>(f.Grid));
    ASSERT_EQ(rows.size(), 3u + 3u);
    EXPECT_EQ(rows[0].Texts, (std::vector<std::string>{"A", "", ""}));
    EXPECT_EQ(rows[1].Texts, (std::vector<std::string>{"B", "", ""}));
    EXPECT_EQ(rows[2].Texts, (std::vector<std::string>{"x", "y", "z"}));
    EXPECT_EQ(rows[0].Frames[0].substr(0, 7), "\\clmgf\r");
    EXPECT_EQ(rows[0].Frames[1].substr(0, 7), "\\clmrg\r");
    EXPECT_EQ(rows[0].Frames[2].substr(0, 7), "\\clmrg\r");
    const std::string shading = "\\clshdng10000\\clcfpat2";
    EXPECT_EQ(rows[1].Frames[2], l + t + r + shading) << "z goes on below";
    EXPECT_EQ(rows[2].Frames[2], l + b + r + shading);
    const std::string rtf3 = Exported<TDBGridLtExportAsRTF>(f.Grid);
    EXPECT_NE(rtf3.find("\\b\\f0\\cf0\\cb2 A\\cell}"), std::string::npos) << "a group in the title font";
    EXPECT_NE(rtf3.find("\\fs16\\f0\\cf0\\cb2 z\\cell}"), std::string::npos) << "a leaf in its title's font";
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
