#include "dbgrid/gridexportrtf.h"

#include <algorithm>
#include <cstdlib>

#include "dbgrid/columnfooterlt.h"
#include "dbgrid/columnlt.h"
#include "dbgrid/dbgridlt.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/application.h"

namespace {

const char* AlignmentControl(TAlignment Alignment)
{
    switch (Alignment) {
    case taRightJustify: return "\\qr";
    case taCenter: return "\\qc";
    default: return "\\ql";
    }
}

void AppendUtf16Unit(std::string& Out, unsigned Unit)
{
    Out += "\\u" + std::to_string(static_cast<int16_t>(Unit)) + "?";
}

} // namespace

std::string RtfEscapedText(const std::string& Text)
{
    std::string out;
    out.reserve(Text.size());
    for (const char32_t c : Utf8ToUtf32(Text)) {
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x10000) {
            AppendUtf16Unit(out, c);
        } else {
            AppendUtf16Unit(out, 0xD800 + ((c - 0x10000) >> 10));
            AppendUtf16Unit(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

TDBGridLtExportAsRTF::TDBGridLtExportAsRTF() : FColorTable{clBlack, clWhite, ColorToRGB(clBtnFace)} {}

int TDBGridLtExportAsRTF::ColorIndex(TColor Color)
{
    const TColor rgb = ColorToRGB(Color);
    const auto it = std::find(FColorTable.begin(), FColorTable.end(), rgb);
    if (it != FColorTable.end())
        return static_cast<int>(it - FColorTable.begin());
    FColorTable.push_back(rgb);
    return static_cast<int>(FColorTable.size()) - 1;
}

int TDBGridLtExportAsRTF::FontIndex(const std::string& Name)
{
    const auto it = std::find(FFontTable.begin(), FFontTable.end(), Name);
    if (it != FFontTable.end())
        return static_cast<int>(it - FFontTable.begin());
    FFontTable.push_back(Name);
    return static_cast<int>(FFontTable.size()) - 1;
}

void TDBGridLtExportAsRTF::PutRowStart(const std::vector<TColor>& Shadings)
{
    FBody += "\\trowd\\trgaph40\r\n";
    const int ppi = Screen ? Screen->PixelsPerInch() : 96;
    int64_t right = 0;
    for (int i = 0; i < ExpCols().Count(); ++i) {
        for (const char* border : {"\\clbrdrl", "\\clbrdrt", "\\clbrdrb", "\\clbrdrr"})
            FBody += std::string(border) + "\\brdrs\\brdrcf0\r\n";
        right += static_cast<int64_t>(static_cast<double>(ExpCols().Items(i)->Width()) / ppi * 1440);
        FBody += "\\clshdng10000\\clcfpat" + std::to_string(ColorIndex(Shadings[static_cast<std::size_t>(i)])) +
                 "\\cellx" + std::to_string(right) + "\r\n";
    }
    FBody += "{\\trrh0\r\n";
}

void TDBGridLtExportAsRTF::PutRowEnd()
{
    FBody += "\\pard\\intbl\\row}\r\n";
}

void TDBGridLtExportAsRTF::PutCell(TAlignment Alignment, const TFont& Font, TColor Background,
                                   const std::string& Text)
{
    const std::string space = DBGrid()->Flat() ? "12" : "24";
    std::string cell = "\\pard\\intbl{" + std::string(AlignmentControl(Alignment)) + "\\sb" + space + "\\sa" + space +
                       "\\fs" + std::to_string(2 * std::abs(Font.Size()));
    const TFontStyles style = Font.Style();
    if (style.Contains(fsBold))
        cell += "\\b";
    if (style.Contains(fsItalic))
        cell += "\\i";
    if (style.Contains(fsStrikeOut))
        cell += "\\strike";
    if (style.Contains(fsUnderline))
        cell += "\\ul";
    cell += "\\f" + std::to_string(FontIndex(Font.Name())) + "\\cf" + std::to_string(ColorIndex(Font.Color())) +
            "\\cb" + std::to_string(ColorIndex(Background)) + " " + RtfEscapedText(Text) + "\\cell}\r\n";
    FBody += cell;
}

void TDBGridLtExportAsRTF::PutTitle(const TColumnsLtList& Columns)
{
    std::vector<TColor> shadings;
    for (const TColumnLt* column : Columns)
        shadings.push_back(column->Title()->Color());
    PutRowStart(shadings);
    for (const TColumnLt* column : Columns)
        PutCell(column->Title()->Alignment(), *column->Title()->Font(), column->Title()->Color(),
                column->Title()->Caption());
    PutRowEnd();
}

void TDBGridLtExportAsRTF::PutRecord(const TColumnsLtList& Columns)
{
    std::vector<TColor> shadings;
    for (TColumnLt* column : Columns) {
        TColor background = column->Color();
        if (DBGrid()->OnGetCellParams()) {
            TFont font;
            font.Assign(column->Font());
            DBGrid()->OnGetCellParams()(DBGrid(), column, &font, background, {});
        }
        shadings.push_back(background);
    }
    PutRowStart(shadings);
    TDBGridLtExport::PutRecord(Columns);
    PutRowEnd();
}

void TDBGridLtExportAsRTF::PutDataCell(TColumnLt*, TColCellParamsLt* Params)
{
    PutCell(Params->Alignment, *Params->Font, Params->Background, Params->Text);
}

void TDBGridLtExportAsRTF::PutFooter(const TColumnsLtList& Columns, int FooterNo)
{
    std::vector<TColor> shadings;
    for (const TColumnLt* column : Columns)
        shadings.push_back(column->FooterOfRow(FooterNo)->Color());
    PutRowStart(shadings);
    TDBGridLtExport::PutFooter(Columns, FooterNo);
    PutRowEnd();
}

void TDBGridLtExportAsRTF::PutFooterCell(int, int, const std::string& Text, TAlignment Alignment, TColor Background,
                                         TFont* Font, TColumnLt*)
{
    PutCell(Alignment, *Font, Background, Text);
}

void TDBGridLtExportAsRTF::PutSuffix()
{
    FBody += "}";
    std::string head = "{\\rtf0\\ansi\r\n{\\colortbl";
    for (const TColor color : FColorTable)
        head += "\\red" + std::to_string(GetRValue(color)) + "\\green" + std::to_string(GetGValue(color)) + "\\blue" +
                std::to_string(GetBValue(color)) + ";";
    head += "}\r\n{\\fonttbl";
    for (std::size_t i = 0; i < FFontTable.size(); ++i)
        head += "\\f" + std::to_string(i) + "\\fnil " + RtfEscapedText(FFontTable[i]) + ";";
    head += "}\r\n";
    WriteString(head);
    WriteString(FBody);
}
