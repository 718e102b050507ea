#include "dbgrid/exchange/gridexportrtf.h"

#include <algorithm>
#include <cstdlib>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/columntitlelt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/footers/columnfooterlt.h"
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
    std::vector<TCellFrame> cells(Shadings.size());
    for (std::size_t i = 0; i < Shadings.size(); ++i)
        cells[i].Shading = Shadings[i];
    PutRowStart(cells);
}

void TDBGridLtExportAsRTF::PutRowStart(const std::vector<TCellFrame>& Cells)
{
    FBody += "\\trowd\\trgaph40\r\n";
    const int ppi = Screen ? Screen->PixelsPerInch() : 96;
    int64_t right = 0;
    for (int i = 0; i < ExpCols().Count(); ++i) {
        const TCellFrame& cell = Cells[static_cast<std::size_t>(i)];
        if (cell.MergeFirst)
            FBody += "\\clmgf\r\n";
        else if (cell.MergeNext)
            FBody += "\\clmrg\r\n";
        const std::pair<bool, const char*> borders[] = {
            {cell.Left, "\\clbrdrl"}, {cell.Top, "\\clbrdrt"}, {cell.Bottom, "\\clbrdrb"}, {cell.Right, "\\clbrdrr"}};
        for (const auto& [drawn, border] : borders)
            if (drawn)
                FBody += std::string(border) + "\\brdrs\\brdrcf0\r\n";
        right += static_cast<int64_t>(static_cast<double>(ExpCols().Items(i)->Width()) / ppi * 1440);
        FBody += "\\clshdng10000\\clcfpat" + std::to_string(ColorIndex(cell.Shading)) + "\\cellx" +
                 std::to_string(right) + "\r\n";
    }
    FBody += "{\\trrh0\r\n";
}

void TDBGridLtExportAsRTF::PutRowEnd()
{
    FBody += "\\pard\\intbl\\row}\r\n";
}

int TDBGridLtExportAsRTF::CellSpace() const
{
    return DBGrid()->Flat() ? 12 : 24;
}

void TDBGridLtExportAsRTF::PutCell(TAlignment Alignment, const TFont& Font, TColor Background,
                                   const std::string& Text, int Space)
{
    const std::string space = std::to_string(Space);
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
    const TCustomDBGridLt* grid = DBGrid();
    if (grid->UseMultiTitle() && grid->TitleLeaves().size() == static_cast<std::size_t>(grid->Columns()->Count())) {
        PutMultiTitle(Columns);
        return;
    }
    std::vector<TColor> shadings;
    for (const TColumnLt* column : Columns)
        shadings.push_back(column->Title()->Color());
    PutRowStart(shadings);
    for (const TColumnLt* column : Columns)
        PutCell(column->Title()->Alignment(), *column->Title()->Font(), column->Title()->Color(),
                column->Title()->Caption(), CellSpace());
    PutRowEnd();
}

void TDBGridLtExportAsRTF::PutMultiTitle(const TColumnsLtList& Columns)
{
    const TCustomDBGridLt* grid = DBGrid();
    std::vector<const THeadTreeNode*> leaves;
    int rows = 1;
    for (const TColumnLt* column : Columns) {
        leaves.push_back(grid->TitleLeaves()[static_cast<std::size_t>(column->Index())]);
        rows = std::max(rows, leaves.back()->Level());
    }
    const int cols = static_cast<int>(leaves.size());
    // Row r shows the nodes of level r + 1; a leaf of a higher level stands
    // in every row from its own down to the last, which holds the leaves.
    const auto nodeAt = [&](int Row, int Col) {
        const THeadTreeNode* node = leaves[static_cast<std::size_t>(Col)];
        while (node->Level() > Row + 1 && Row < rows - 1)
            node = node->Parent;
        return node;
    };
    const int ppi = Screen ? Screen->PixelsPerInch() : 96;
    const int space = std::max(0, static_cast<int>(grid->VTitleMargin() / 2.0 / ppi * 1440 - 20));
    for (int row = 0; row < rows; ++row) {
        std::vector<TCellFrame> frames(static_cast<std::size_t>(cols));
        for (int col = 0; col < cols; ++col) {
            const THeadTreeNode* node = nodeAt(row, col);
            TCellFrame& frame = frames[static_cast<std::size_t>(col)];
            const bool group = node->Column < 0;
            frame.Shading = group ? grid->FixedColor() : Columns.Items(col)->Title()->Color();
            frame.Left = col == 0 || nodeAt(row, col - 1) != node;
            frame.Right = col == cols - 1 || nodeAt(row, col + 1) != node;
            frame.Top = row == 0 || nodeAt(row - 1, col) != node;
            frame.Bottom = row == rows - 1 || nodeAt(row + 1, col) != node;
            frame.MergeFirst = frame.Left && !frame.Right;
            frame.MergeNext = !frame.Left;
        }
        PutRowStart(frames);
        for (int col = 0; col < cols; ++col) {
            const THeadTreeNode* node = nodeAt(row, col);
            const TCellFrame& frame = frames[static_cast<std::size_t>(col)];
            const TColumnTitleLt* title = Columns.Items(col)->Title();
            const bool group = node->Column < 0;
            // A group's caption stands once over its columns, a column's
            // own caption in the last row.
            const bool captioned = group ? frame.Left : row == rows - 1;
            PutCell(taCenter, group ? *grid->TitleFont() : *title->Font(), frame.Shading,
                    captioned ? node->Caption : std::string(), space);
        }
        PutRowEnd();
    }
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
    PutCell(Params->Alignment, *Params->Font, Params->Background, Params->Text, CellSpace());
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
    PutCell(Alignment, *Font, Background, Text, CellSpace());
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
