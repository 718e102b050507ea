#include "dbcontrols/extravaluerow.h"

#include <algorithm>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/filer.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/controls.h"

LT_IMPLEMENT_CLASS(TSpecRowLt, TPersistent)
{
    P.Property("CellsText", &TSpecRowLt::CellsText, &TSpecRowLt::SetCellsText);
    P.Property("Color", &TSpecRowLt::Color, &TSpecRowLt::SetColor)
        .Idents(ColorIdents())
        .StoredIf([](const TObject& o) { return static_cast<const TSpecRowLt&>(o).ColorAssigned(); });
    P.Property("Font", &TSpecRowLt::Font).StoredIf([](const TObject& o) {
        return static_cast<const TSpecRowLt&>(o).FontAssigned();
    });
    P.Property("ShortCut", &TSpecRowLt::ShortCut, &TSpecRowLt::SetShortCut).Default(scAlt | VK_DELETE);
    P.Property("ShowIfNotInKeyList", &TSpecRowLt::ShowIfNotInKeyList, &TSpecRowLt::SetShowIfNotInKeyList)
        .Default(1);
    P.Property("Visible", &TSpecRowLt::Visible, &TSpecRowLt::SetVisible).Default(0);
}

namespace {
bool IsControlChar(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 31;
}
} // namespace

std::vector<std::string> SplitSpecRowCells(const std::string& Text)
{
    std::vector<std::string> cells;
    const std::size_t n = Text.size();
    std::size_t i = 0;
    while (i < n && IsControlChar(Text[i]))
        ++i;
    while (i < n) {
        std::string cell;
        if (Text[i] == '"') {
            ++i;
            while (i < n) {
                if (Text[i] == '"') {
                    if (i + 1 < n && Text[i + 1] == '"') {
                        cell += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                cell += Text[i++];
            }
        } else {
            while (i < n && Text[i] != ';' && static_cast<unsigned char>(Text[i]) >= 32)
                cell += Text[i++];
        }
        cells.push_back(std::move(cell));
        while (i < n && IsControlChar(Text[i]))
            ++i;
        if (i < n && Text[i] == ';') {
            ++i;
            while (i < n && IsControlChar(Text[i]))
                ++i;
        }
    }
    return cells;
}

std::string JoinSpecRowCells(const std::vector<std::string>& Cells)
{
    std::string text;
    for (std::size_t i = 0; i < Cells.size(); ++i) {
        const std::string& cell = Cells[i];
        if (i > 0)
            text += ';';
        const bool quote = std::any_of(cell.begin(), cell.end(), [](char c) {
            return c == ';' || c == '"' || static_cast<unsigned char>(c) < 32;
        });
        if (!quote) {
            text += cell;
            continue;
        }
        text += '"';
        for (const char c : cell)
            text += c == '"' ? std::string("\"\"") : std::string(1, c);
        text += '"';
    }
    return text;
}

TSpecRowLt::TSpecRowLt(TControl* AOwner) : FOwner(AOwner), FFont(std::make_unique<TFont>())
{
    SyncFont();
    FFont->SetOnChange([this](TGraphicsObject*) {
        if (FSyncingFont)
            return;
        FFontAssigned = true;
        Changed();
    });
}

TSpecRowLt::~TSpecRowLt()
{
    FFont->SetOnChange(nullptr);
}

TPersistent* TSpecRowLt::GetOwner() const
{
    return FOwner;
}

void TSpecRowLt::Changed()
{
    if (FUpdateCount == 0 && FOnChange)
        FOnChange(this);
}

void TSpecRowLt::ReleaseChanges()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    Changed();
}

void TSpecRowLt::SetCellsText(const std::string& Value)
{
    if (Value == FCellsText)
        return;
    FCellsText = Value;
    FCells = SplitSpecRowCells(Value);
    Changed();
}

std::string TSpecRowLt::CellTextAt(int Index) const
{
    if (Index < 0 || Index >= CellCount())
        return {};
    return FCells[static_cast<std::size_t>(Index)];
}

TColor TSpecRowLt::Color() const
{
    if (!FColorAssigned)
        if (const auto* owner = dynamic_cast<const TCustomControl*>(FOwner))
            return owner->Color();
    return FColor;
}

void TSpecRowLt::SetColor(TColor Value)
{
    if (FColorAssigned && Value == FColor)
        return;
    FColor = Value;
    FColorAssigned = true;
    Changed();
}

void TSpecRowLt::SyncFont() const
{
    if (FFontAssigned || !FOwner)
        return;
    const TFont* source = FOwner->Font();
    if (source->Name() == FFont->Name() && source->Size() == FFont->Size() && source->Color() == FFont->Color() &&
        source->Style() == FFont->Style() && source->Pitch() == FFont->Pitch() && source->Charset() == FFont->Charset())
        return;
    FSyncingFont = true;
    FFont->Assign(source);
    FSyncingFont = false;
}

TFont* TSpecRowLt::Font() const
{
    SyncFont();
    return FFont.get();
}

void TSpecRowLt::SetShortCut(TShortCut Value)
{
    if (Value == FShortCut)
        return;
    FShortCut = Value;
    Changed();
}

void TSpecRowLt::SetShowIfNotInKeyList(bool Value)
{
    if (Value == FShowIfNotInKeyList)
        return;
    FShowIfNotInKeyList = Value;
    Changed();
}

void TSpecRowLt::SetValue(const Variant& Value)
{
    FValue = Value;
    Changed();
}

void TSpecRowLt::SetVisible(bool Value)
{
    if (Value == FVisible)
        return;
    FVisible = Value;
    Changed();
}

void TSpecRowLt::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TSpecRowLt*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    HoldChanges();
    SetCellsText(source->FCellsText);
    if (source->FColorAssigned)
        SetColor(source->FColor);
    if (source->FFontAssigned)
        SetFont(source->FFont.get());
    SetShortCut(source->FShortCut);
    SetShowIfNotInKeyList(source->FShowIfNotInKeyList);
    SetValue(source->FValue);
    SetVisible(source->FVisible);
    ReleaseChanges();
}

void TSpecRowLt::DefineProperties(TFiler& Filer)
{
    TPersistent::DefineProperties(Filer);
    // Value is a variant: written as the integer, number or string it holds.
    Filer.DefineProperty(
        "Value",
        [this](TReader& Reader) {
            switch (Reader.NextValue()) {
            case TDescValueKind::Integer: SetValue(Variant(Reader.ReadInteger())); break;
            case TDescValueKind::Float: SetValue(Variant(Reader.ReadFloat())); break;
            default: SetValue(Variant(Reader.ReadString())); break;
            }
        },
        [this](TWriter& Writer) {
            switch (FValue.VarType()) {
            case TVarType::varBoolean:
            case TVarType::varInteger:
            case TVarType::varInt64: Writer.WriteInteger(FValue.AsInt64()); break;
            case TVarType::varDouble:
            case TVarType::varCurrency:
            case TVarType::varDate: Writer.WriteFloat(FValue.AsDouble()); break;
            default: Writer.WriteString(FValue.AsString()); break;
            }
        },
        !FValue.IsNull());
}
